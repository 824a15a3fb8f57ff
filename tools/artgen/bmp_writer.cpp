// A plain 24-bit BMP writer: the format is tiny and writing it here keeps every byte known.
#include "bmp_writer.h"

#include <QSaveFile>
#include <cstdint>
#include <vector>

namespace kestrins::art {

namespace {

void PutLittleEndian(std::vector<uint8_t>& bytes, uint32_t value, int size) {
    for (int i = 0; i < size; ++i) {
        bytes.push_back(static_cast<uint8_t>(value >> (8 * i)));
    }
}

}  // namespace

bool WriteBmp24(const QImage& image, const QString& path) {
    constexpr uint32_t HeaderSize = 14 + 40;
    const auto width = static_cast<uint32_t>(image.width());
    const auto height = static_cast<uint32_t>(image.height());
    const uint32_t rowSize = (width * 3 + 3) / 4 * 4;
    const uint32_t pixelBytes = rowSize * height;

    std::vector<uint8_t> bytes;
    bytes.reserve(HeaderSize + pixelBytes);
    bytes.push_back('B');
    bytes.push_back('M');
    PutLittleEndian(bytes, HeaderSize + pixelBytes, 4);
    PutLittleEndian(bytes, 0, 4);           // reserved
    PutLittleEndian(bytes, HeaderSize, 4);  // offset of the pixels
    PutLittleEndian(bytes, 40, 4);          // BITMAPINFOHEADER
    PutLittleEndian(bytes, width, 4);
    PutLittleEndian(bytes, height, 4);  // positive: rows stored bottom-up
    PutLittleEndian(bytes, 1, 2);       // planes
    PutLittleEndian(bytes, 24, 2);      // bits per pixel
    PutLittleEndian(bytes, 0, 4);       // BI_RGB, uncompressed
    PutLittleEndian(bytes, pixelBytes, 4);
    PutLittleEndian(bytes, 0, 4);  // horizontal resolution: unspecified
    PutLittleEndian(bytes, 0, 4);  // vertical resolution
    PutLittleEndian(bytes, 0, 4);  // colours used
    PutLittleEndian(bytes, 0, 4);  // important colours
    for (int y = image.height() - 1; y >= 0; --y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            bytes.push_back(static_cast<uint8_t>(qBlue(pixel)));
            bytes.push_back(static_cast<uint8_t>(qGreen(pixel)));
            bytes.push_back(static_cast<uint8_t>(qRed(pixel)));
        }
        bytes.resize(bytes.size() + (rowSize - width * 3), 0);
    }

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    const auto size = static_cast<qint64>(bytes.size());
    if (file.write(reinterpret_cast<const char*>(bytes.data()), size) != size) {
        return false;
    }
    return file.commit();
}

}  // namespace kestrins::art
