/* A program outside Kestrins that uses Hivekit through its installed development files. */
#include <hivekit.h>
#include <stdio.h>
#include <string.h>

int main(void) {
    const char* key = "Software\\HivekitConsumer\\Settings";
    const char* name = "ケストリン";
    char text[HIVEKIT_TEXT_BUFFER_SIZE] = "";
    int32_t number = 0;
    /* Value names are read back in another case: the store compares them without regard to it. */
    if (!SetValueText(HKEY_CURRENT_USER, key, "Name", name) ||
        !SetValueDWORD(HKEY_CURRENT_USER, key, "Count", -7) ||
        !GetValueText(HKEY_CURRENT_USER, key, "NAME", text) ||
        !GetValueDWORD(HKEY_CURRENT_USER, key, "count", &number)) {
        fputs("hivekit_consumer: a call failed\n", stderr);
        return 1;
    }
    if (strcmp(text, name) != 0 || number != -7) {
        fprintf(stderr, "hivekit_consumer: read back \"%s\" and %d\n", text, (int)number);
        return 1;
    }
    puts("hivekit_consumer: wrote and read back a text and a number");
    return 0;
}
