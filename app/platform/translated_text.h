// Texts marked for translation where they are written (the Qt-free game, the settings keys),
// shown in the language the player reads.
#pragma once

#include <QString>
#include <string_view>

namespace kestrins {

// The text in the installed translation of the context; the text itself when there is none.
QString TranslatedText(const char* context, std::string_view text);

}  // namespace kestrins
