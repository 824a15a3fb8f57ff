// The BMP writer: header fields, bottom-up BGR rows and the padding of each row to four bytes.
#include <gtest/gtest.h>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtEndian>

#include "bmp_writer.h"

namespace kestrins::art {
namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Widths 1 to 4 need 1, 2, 3 and 0 bytes of padding after each row's pixels.
TEST(BmpWriter, PadsEveryRowToFourBytes) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    for (int width = 1; width <= 4; ++width) {
        QImage image(width, 2, QImage::Format_RGB32);
        image.fill(qRgb(10, 20, 30));
        const QString path = folder.filePath(QStringLiteral("padded.bmp"));
        ASSERT_TRUE(WriteBmp24(image, path));
        const QByteArray bytes = ReadAll(path);
        const int rowSize = (width * 3 + 3) / 4 * 4;
        ASSERT_EQ(bytes.size(), 54 + 2 * rowSize) << "width " << width;
        const auto* header = reinterpret_cast<const uchar*>(bytes.constData());
        EXPECT_EQ(qFromLittleEndian<quint32>(header + 2), static_cast<quint32>(bytes.size()));
        EXPECT_EQ(qFromLittleEndian<quint32>(header + 10), 54u);
        EXPECT_EQ(qFromLittleEndian<qint32>(header + 18), width);
        EXPECT_EQ(qFromLittleEndian<qint32>(header + 22), 2);
        EXPECT_EQ(qFromLittleEndian<quint16>(header + 28), 24);
        EXPECT_EQ(qFromLittleEndian<quint32>(header + 34), static_cast<quint32>(2 * rowSize));
        for (int pad = width * 3; pad < rowSize; ++pad) {
            EXPECT_EQ(bytes[54 + pad], 0) << "width " << width;
        }
        EXPECT_EQ(QImage::fromData(bytes, "BMP").convertToFormat(QImage::Format_RGB32), image);
    }
}

TEST(BmpWriter, StoresRowsBottomUpAsBlueGreenRed) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QImage image(4, 2, QImage::Format_RGB32);
    image.fill(qRgb(0, 0, 0));
    image.setPixel(0, 0, qRgb(1, 2, 3));  // top row, stored last
    image.setPixel(0, 1, qRgb(4, 5, 6));  // bottom row, stored first
    const QString path = folder.filePath(QStringLiteral("order.bmp"));
    ASSERT_TRUE(WriteBmp24(image, path));
    const QByteArray bytes = ReadAll(path);
    ASSERT_EQ(bytes.size(), 54 + 2 * 12);
    EXPECT_EQ(bytes.mid(54, 3), QByteArray("\x06\x05\x04", 3));
    EXPECT_EQ(bytes.mid(54 + 12, 3), QByteArray("\x03\x02\x01", 3));
}

TEST(BmpWriter, ReportsAFolderThatDoesNotExist) {
    QImage image(2, 2, QImage::Format_RGB32);
    image.fill(qRgb(0, 0, 0));
    EXPECT_FALSE(WriteBmp24(image, QStringLiteral("/nonexistent-folder/x.bmp")));
}

}  // namespace
}  // namespace kestrins::art
