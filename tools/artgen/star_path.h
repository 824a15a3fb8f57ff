// The five-pointed star shared by the winner marker and the victory background's coins.
#pragma once

#include <QPainterPath>
#include <QPointF>

namespace kestrins::art {

// Points `outer` from the centre, notches `inner`; the first point straight up. `flatness`
// squeezes it vertically, as on a coin seen slightly from the side.
QPainterPath StarPath(QPointF centre, double outer, double inner, double flatness = 1.0);

}  // namespace kestrins::art
