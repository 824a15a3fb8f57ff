// The program icon: a fanned pair of cards, the front one showing a hovering kestrel.
#pragma once

#include <QImage>

namespace kestrins::art {

// The icon drawn directly at size x size pixels on a transparent background.
QImage PaintIcon(int size);

}  // namespace kestrins::art
