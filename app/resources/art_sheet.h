// Loads a built-in picture from the program's resources in the pixel format the surfaces use.
#pragma once

#include <QImage>
#include <QString>

namespace kestrins {

// Reads ":/art/<fileName>" (for example "card_faces.png"). Opaque pictures come back as
// Format_RGB32, so raster operations can work on whole 32-bit pixels; pictures with
// transparency (the icons) as Format_ARGB32. A missing picture gives a null image.
QImage LoadArt(const QString& fileName);

}  // namespace kestrins
