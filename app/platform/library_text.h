// The settings library's messages in the language the player reads.
#pragma once

#include <QString>

namespace kestrins {

// The library writes its messages in Japanese with file paths and sizes filled in. A message
// that matches one of the known wordings comes back translated with the same values; any other
// text (or any text with no translator installed) comes back as it was.
QString TranslateLibraryText(const char* text);

// The message box caption likewise ("制限").
QString TranslateLibraryCaption(const char* caption);

}  // namespace kestrins
