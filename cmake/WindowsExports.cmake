# Exports of the project's Windows DLLs.
#
# zorna_plain_exports(target def importDef) gives the DLL the export names of
# the module-definition file `def` (plain names). On 32-bit Windows the stdcall
# functions are named Name@n inside the program, so the DLL is linked with
# --kill-at (exports leave as Name only) and its import library is remade by
# dlltool from `importDef`, which lists the decorated names: callers compiled
# against the headers then bind Name@n to the DLL's plain Name.
function(zorna_plain_exports target def importDef)
  target_sources(${target} PRIVATE ${def})
  set_target_properties(${target} PROPERTIES PREFIX "" IMPORT_PREFIX "lib")
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    if(NOT CMAKE_DLLTOOL)
      message(FATAL_ERROR "dlltool is needed for the 32-bit import libraries")
    endif()
    target_link_options(${target} PRIVATE -Wl,--kill-at -Wl,--enable-stdcall-fixup)
    set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${importDef})
    add_custom_command(TARGET ${target} POST_BUILD
                       COMMAND ${CMAKE_DLLTOOL} -k -d ${importDef} -D $<TARGET_FILE_NAME:${target}>
                               -l $<TARGET_LINKER_FILE:${target}>
                       VERBATIM)
  endif()
endfunction()
