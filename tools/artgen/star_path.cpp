// The five-pointed star as a closed path of ten corners.
#include "star_path.h"

#include <cmath>
#include <numbers>

namespace kestrins::art {

QPainterPath StarPath(QPointF centre, double outer, double inner, double flatness) {
    QPainterPath star;
    for (int point = 0; point < 10; ++point) {
        const double angle = -std::numbers::pi / 2 + point * std::numbers::pi / 5;
        const double reach = point % 2 == 0 ? outer : inner;
        const QPointF corner(centre.x() + reach * std::cos(angle),
                             centre.y() + reach * std::sin(angle) * flatness);
        if (point == 0) {
            star.moveTo(corner);
        } else {
            star.lineTo(corner);
        }
    }
    star.closeSubpath();
    return star;
}

}  // namespace kestrins::art
