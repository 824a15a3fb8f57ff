// The small windows' font: the families asked for in order, at the layout's pixel size.
#include "ui/window_font.h"

#include <QStringList>

namespace kestrins {

QFont WindowFont() {
    QFont font;
    font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                      QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP")});
    font.setPixelSize(12);
    return font;
}

}  // namespace kestrins
