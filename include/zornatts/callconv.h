/* Calling convention and symbol visibility of the public C interfaces. */
#ifndef ZORNATTS_CALLCONV_H
#define ZORNATTS_CALLCONV_H

#if defined(_WIN32)
#  if defined(_M_IX86) || defined(__i386__)
#    define ZORNA_CALL __stdcall
#  else
#    define ZORNA_CALL
#  endif
#  define ZORNA_EXPORT __declspec(dllexport)
#else
#  define ZORNA_CALL
#  define ZORNA_EXPORT __attribute__((visibility("default")))
#endif

#endif
