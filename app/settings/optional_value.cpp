// Writing or deleting a value that has a default of its own.
#include "settings/optional_value.h"

#include "platform/hivekit_binding.h"
#include "settings/settings.h"

namespace kestrins {

int SaveOptionalValue(HivekitBinding& store, const char* name, int32_t value,
                      int32_t defaultValue) {
    if (value != defaultValue) {
        return store.SetValueDWORD(HKEY_CURRENT_USER, SettingsKey, name, value) != 0
                   ? 0
                   : store.LastError();
    }
    if (store.DeleteValue(HKEY_CURRENT_USER, SettingsKey, name) != 0) {
        return 0;
    }
    // Deleting a value that is not there fails; a value that cannot be read loads as its default.
    const int error = store.LastError();
    int32_t stored = 0;
    return store.GetValueDWORD(HKEY_CURRENT_USER, SettingsKey, name, &stored) == 0 ? 0 : error;
}

}  // namespace kestrins
