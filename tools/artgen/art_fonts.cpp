// Registration of the font files used for the lettering.
#include "art_fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace kestrins::art {

QString LoadFontFile(const QString& path) {
    const int id = QFontDatabase::addApplicationFont(path);
    if (id < 0) {
        return {};
    }
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    return families.isEmpty() ? QString() : families.first();
}

}  // namespace kestrins::art
