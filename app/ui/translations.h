// The translations the windows are shown with.
#pragma once

#include "ui/language.h"

class QCoreApplication;

namespace kestrins {

// Installs, for the rest of the run, the translations of the language. Japanese is the language
// the program is written in, so it needs only Qt's own Japanese texts (such as the standard
// buttons of message boxes); English needs the program's English texts, embedded under
// ":/i18n", and none of Qt's, which are English. False when one is missing; those texts then
// stay as written.
bool InstallTranslations(QCoreApplication& app, Language language);

}  // namespace kestrins
