// The translations the windows are shown with.
#pragma once

class QCoreApplication;

namespace kestrins {

// Installs, for the rest of the run, the translations of the program's language (Japanese):
// Qt's own texts, such as the standard buttons of message boxes. False when one is missing;
// those texts then stay in English.
bool InstallTranslations(QCoreApplication& app);

}  // namespace kestrins
