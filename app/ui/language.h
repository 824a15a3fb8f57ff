// Which language the program shows: the --lang option, else the locale's messages language.
#pragma once

#include <QString>
#include <optional>

namespace kestrins {

enum class Language { Japanese, English };

// The locale variables the C library picks the messages language from, in its order.
struct LocaleEnvironment {
    const char* LcAll = nullptr;
    const char* LcMessages = nullptr;
    const char* Lang = nullptr;
};

// This process's LC_ALL, LC_MESSAGES and LANG.
LocaleEnvironment CurrentLocaleEnvironment();

// The --lang value ("ja" or "en") when there is one; else the first of LC_ALL, LC_MESSAGES, LANG
// that is set and not empty: Japanese for a ja locale, for C and POSIX (with any codeset) and
// when none is set, English for any other. Nothing for an unknown --lang value.
std::optional<Language> ChooseLanguage(const std::optional<QString>& option,
                                       const LocaleEnvironment& environment);

}  // namespace kestrins
