/* Hivekit: a small store of named, typed settings values under key paths, with a C interface.
 * Every call is complete in itself; the library keeps no open handle and allocates nothing
 * the caller must free. Results are one byte: 1 for success, 0 for failure. */
#ifndef HIVEKIT_H
#define HIVEKIT_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(__GNUC__)
#define HIVEKIT_API __attribute__((visibility("default")))
#else
#define HIVEKIT_API
#endif

/* A root of the store. Only the conventional root values are accepted. */
typedef struct HivekitRoot* HKEY;

#define HIVEKIT_ROOT(value) ((HKEY)(intptr_t)(int32_t)(value))
#define HKEY_CLASSES_ROOT HIVEKIT_ROOT(0x80000000)
#define HKEY_CURRENT_USER HIVEKIT_ROOT(0x80000001)
#define HKEY_LOCAL_MACHINE HIVEKIT_ROOT(0x80000002)
#define HKEY_USERS HIVEKIT_ROOT(0x80000003)
#define HKEY_CURRENT_CONFIG HIVEKIT_ROOT(0x80000005)

/* The caller's buffer for GetValueText must hold at least this many bytes. */
#define HIVEKIT_TEXT_BUFFER_SIZE 2048

/* Key paths separate their levels with backslashes; key paths and value names compare without
 * regard to ASCII case; a NULL value name is the key's default value. Text is UTF-8 (any bytes
 * but zero are kept). A NULL key path, text, buffer or number pointer fails (0). Each root is one
 * store file in $XDG_CONFIG_HOME/hivekit/ (or ~/.config/hivekit/).
 * A call that fails leaves the cause in errno: ENOENT for a value, key or store that is not
 * there (or a value of the other type), ENOSPC or EDQUOT for a full disk, EACCES, EPERM or EROFS
 * for a folder or file that may not be written or read, EBUSY when another program kept the
 * store locked for longer than the call waits (about ten seconds), EMSGSIZE for a text over
 * the read limit, EINVAL for a NULL argument or an unknown root, otherwise what the system
 * reported (EIO...). A failed write never leaves an empty store file behind. */
HIVEKIT_API unsigned char DeleteValue(HKEY root, const char* keyPath, const char* valueName);
HIVEKIT_API unsigned char GetValueDWORD(HKEY root, const char* keyPath, const char* valueName,
                                        int32_t* value);
HIVEKIT_API unsigned char GetValueText(HKEY root, const char* keyPath, const char* valueName,
                                       char* buffer);
HIVEKIT_API unsigned char SetValueDWORD(HKEY root, const char* keyPath, const char* valueName,
                                        int32_t value);
HIVEKIT_API unsigned char SetValueText(HKEY root, const char* keyPath, const char* valueName,
                                       const char* text);

/* Shows a message to the user: caption, then text; returns once the user has seen it.
 * The library's messages are the read limit (caption "制限"), a damaged store found by a read
 * (once per store and process) and a damaged store that was kept under another name and
 * replaced by a fresh one (both caption "Hivekit").
 * With none set, messages go to standard error. */
typedef void (*HivekitMessageFunction)(const char* caption, const char* text);
HIVEKIT_API void SetMessageFunction(HivekitMessageFunction function);

#ifdef __cplusplus
}
#endif

#endif /* HIVEKIT_H */
