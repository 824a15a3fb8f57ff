// The art generator's BMP writer: rows padded to four bytes, read back as the same picture.
#include <gtest/gtest.h>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtEndian>

#include "bmp_writer.h"

namespace kestrins::art {
namespace {

// Widths 1 to 4 need 1, 2, 3 and 0 bytes of padding after each row's pixels; the two rows and
// the three channels differ, so a row stored top-down or as RGB reads back as another picture.
// A folder that does not exist is reported.
TEST(BmpWriter, PadsEveryRowReadsBackAsThePictureAndReportsAMissingFolder) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    for (int width = 1; width <= 4; ++width) {
        QImage image(width, 2, QImage::Format_RGB32);
        image.fill(qRgb(10, 20, 30));
        image.setPixel(0, 0, qRgb(1, 2, 3));
        const QString path = folder.filePath(QStringLiteral("padded.bmp"));
        ASSERT_TRUE(WriteBmp24(image, path));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        const int rowSize = (width * 3 + 3) / 4 * 4;
        ASSERT_EQ(bytes.size(), 54 + 2 * rowSize) << "width " << width;
        const auto* header = reinterpret_cast<const uchar*>(bytes.constData());
        EXPECT_EQ(qFromLittleEndian<quint32>(header + 2), static_cast<quint32>(bytes.size()));
        EXPECT_EQ(qFromLittleEndian<quint32>(header + 34), static_cast<quint32>(2 * rowSize));
        EXPECT_EQ(QImage::fromData(bytes, "BMP").convertToFormat(QImage::Format_RGB32), image);
        EXPECT_FALSE(WriteBmp24(image, QStringLiteral("/nonexistent-folder/x.bmp")));
    }
}

}  // namespace
}  // namespace kestrins::art
