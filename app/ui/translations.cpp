// Qt's translation catalogues for the program's language, loaded from where Qt keeps them.
#include "ui/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QString>
#include <QTranslator>
#include <array>
#include <utility>

namespace kestrins {

bool InstallTranslations(QCoreApplication& app) {
    // The program speaks Japanese whatever the desktop's language.
    const QLocale language(QLocale::Japanese, QLocale::Japan);
    // Each catalogue's file name stem and folder; the program's own texts will join this list.
    const std::array catalogues{
        std::pair{QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)},
    };
    bool all = true;
    for (const auto& [name, folder] : catalogues) {
        auto* translator = new QTranslator(&app);
        if (translator->load(language, name, QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(translator);
        } else {
            delete translator;
            all = false;
        }
    }
    return all;
}

}  // namespace kestrins
