// Fonts whose glyphs are drawn into the pictures, loaded from fixed files so every run agrees.
#pragma once

#include <QString>

namespace kestrins::art {

// DejaVu Serif Bold from Debian's fonts-dejavu-core (free licence, see docs/ART.md).
inline constexpr char DecorativeFontFile[] =
    "/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf";

// DejaVu Sans Bold, same package: the card indices above 1x (at 1x they are pixel glyphs).
inline constexpr char IndexFontFile[] = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";

// Registers the font file with Qt and returns its family name; empty when it cannot be read.
QString LoadFontFile(const QString& path);

}  // namespace kestrins::art
