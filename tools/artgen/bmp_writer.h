// Writes a picture as a 24-bit uncompressed Windows bitmap.
#pragma once

#include <QImage>
#include <QString>

namespace kestrins::art {

// Bottom-up rows, BGR, each row padded to four bytes; no colour table, no resolution.
// Returns false when the file cannot be written completely.
bool WriteBmp24(const QImage& image, const QString& path);

}  // namespace kestrins::art
