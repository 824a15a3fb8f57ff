// The translation catalogues for the program's language: Qt's from where Qt keeps them, the
// program's own from its resources.
#include "ui/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QString>
#include <QTranslator>

namespace kestrins {

namespace {

bool Install(QCoreApplication& app, const QString& file) {
    auto* translator = new QTranslator(&app);
    if (!translator->load(file)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

}  // namespace

bool InstallTranslations(QCoreApplication& app, Language language) {
    switch (language) {
        case Language::Japanese:
            return Install(app, QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                                    QStringLiteral("/qtbase_ja.qm"));
        case Language::English:
            return Install(app, QStringLiteral(":/i18n/kestrins_en.qm"));
    }
    return false;
}

}  // namespace kestrins
