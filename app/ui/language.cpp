// The program is Japanese at heart: the C locale, which scripts and tests run under, keeps it so.
#include "ui/language.h"

#include <cstdlib>
#include <string_view>

namespace kestrins {

namespace {

Language LocaleLanguage(std::string_view locale) {
    // "ja_JP.UTF-8" is ja; "C.UTF-8" is C. The name ends at the territory, codeset or modifier.
    const std::string_view name = locale.substr(0, locale.find_first_of("_.@"));
    return name == "ja" || name == "C" || name == "POSIX" ? Language::Japanese : Language::English;
}

}  // namespace

LocaleEnvironment CurrentLocaleEnvironment() {
    return {std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG")};
}

std::optional<Language> ChooseLanguage(const std::optional<QString>& option,
                                       const LocaleEnvironment& environment) {
    if (option) {
        if (*option == QLatin1String("ja")) {
            return Language::Japanese;
        }
        if (*option == QLatin1String("en")) {
            return Language::English;
        }
        return std::nullopt;
    }
    for (const char* value : {environment.LcAll, environment.LcMessages, environment.Lang}) {
        if (value != nullptr && value[0] != '\0') {
            return LocaleLanguage(value);
        }
    }
    return Language::Japanese;
}

}  // namespace kestrins
