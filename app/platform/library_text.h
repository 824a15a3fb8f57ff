// The settings library's messages in the language the player reads.
#pragma once

#include <QString>

#include "platform/message_box.h"

namespace kestrins {

// The library writes its messages in Japanese with file paths and sizes filled in. A message
// that matches one of the known wordings comes back translated with the same values; any other
// text (or any text with no translator installed) comes back as it was.
QString TranslateLibraryText(const char* text);

// The message box caption likewise ("制限"); the library's own name gives way to the program's.
QString TranslateLibraryCaption(const char* caption);

// Information for the message that a damaged store was kept aside and a fresh one started (all
// is well again), an error for the others.
MessageIcon LibraryMessageIcon(const char* text);

}  // namespace kestrins
