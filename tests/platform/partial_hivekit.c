/* A stand-in settings library that lacks most functions, to test how the program copes. */
#include <stdint.h>

__attribute__((visibility("default"))) unsigned char GetValueDWORD(void* root, const char* keyPath,
                                                                   const char* valueName,
                                                                   int32_t* value) {
    (void)root;
    (void)keyPath;
    (void)valueName;
    *value = 42;
    return 1;
}
