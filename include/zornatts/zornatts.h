/*
 * zornatts: the synthesis engine's public C interface.
 *
 * Texts are zero-terminated strings in Windows code page 1251. Audio is 16-bit
 * signed little-endian mono PCM at 22050 samples per second, delivered with word
 * events through the caller's callback, synchronously, on the calling thread.
 * Every function but Zorna_New returns 0 on success and 1 on failure; no error
 * text and no exception crosses this interface.
 */
#ifndef ZORNATTS_ZORNATTS_H
#define ZORNATTS_ZORNATTS_H

#include <stdint.h>

#include "zornatts/callconv.h"

#ifdef ZORNATTS_BUILDING_ENGINE
#  define ZORNA_ENGINE_API ZORNA_EXPORT
#else
#  define ZORNA_ENGINE_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Kind of the only event the engine sends: a word is about to be spoken. */
#define EVENT_WORD 1

/* Event record handed to the callback; valid only during the callback. */
typedef struct TSpeechEvent {
    int32_t Kind;   /* EVENT_WORD */
    int32_t Offset; /* 0-based byte offset of the word in the spoken text */
    int32_t Length; /* byte length of the word (word characters only) */
} TSpeechEvent;

/* Output callback. Each call carries either audio (data, count > 0, event
 * null) or one event (data null, count 0, event set). The result is ignored. */
typedef int32_t(ZORNA_CALL *TSpeechCallback)(const void *data, int32_t count,
                                             const TSpeechEvent *event, void *context);

/* Opaque engine instance. */
typedef struct TZornaVoice *TZornaHandle;

/* Size of the format record written by Zorna_GetAudioFormat (WAVEFORMATEX). */
#define ZORNA_AUDIO_FORMAT_SIZE 18

ZORNA_ENGINE_API TZornaHandle ZORNA_CALL Zorna_New(const char *voiceName, const char *language);
ZORNA_ENGINE_API int32_t ZORNA_CALL Zorna_Free(TZornaHandle voice);
ZORNA_ENGINE_API int32_t ZORNA_CALL Zorna_Speak(TZornaHandle voice, const char *text, void *context);
ZORNA_ENGINE_API int32_t ZORNA_CALL Zorna_Stop(TZornaHandle voice);
ZORNA_ENGINE_API int32_t ZORNA_CALL Zorna_Silence(TZornaHandle voice, int32_t milliseconds, void *context);
ZORNA_ENGINE_API int32_t ZORNA_CALL Zorna_SetCallback(TZornaHandle voice, TSpeechCallback callback);
ZORNA_ENGINE_API int32_t ZORNA_CALL Zorna_SetDataPath(const char *path);
/* Speed = speed / 100 + 1.1 (1 to 201 from the speech platform). */
ZORNA_ENGINE_API int32_t ZORNA_CALL Zorna_SetSpeed(TZornaHandle voice, int32_t speed);
/* Accepted and ignored: the engine applies no pitch change. */
ZORNA_ENGINE_API int32_t ZORNA_CALL Zorna_SetPitch(TZornaHandle voice, int32_t pitch);
/* Volume = volume / 100 (0 to 100 from the speech platform). */
ZORNA_ENGINE_API int32_t ZORNA_CALL Zorna_SetVolume(TZornaHandle voice, int32_t volume);
/* Level = low byte of level: 0 none, 1 some, 2 most, 3 all. */
ZORNA_ENGINE_API int32_t ZORNA_CALL Zorna_SetPunctuation(TZornaHandle voice, int32_t level);
/* Fills an 18-byte WAVEFORMATEX record. */
ZORNA_ENGINE_API int32_t ZORNA_CALL Zorna_GetAudioFormat(void *format);

#ifdef __cplusplus
}
#endif

#endif
