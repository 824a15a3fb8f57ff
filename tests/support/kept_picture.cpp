// The kept pictures were drawn on Debian 12 with the fonts scripts/setup.sh installs, at 100 %.
#include "support/kept_picture.h"

#include <QDir>
#include <QImage>
#include <QRect>
#include <QWidget>

namespace kestrins::testing {

namespace {

// Where two pictures of the same size differ: how many pixels, and the rectangle round them.
QString Difference(const QImage& shown, const QImage& kept) {
    int count = 0;
    QRect around;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            if (shown.pixel(x, y) != kept.pixel(x, y)) {
                ++count;
                around |= QRect(x, y, 1, 1);
            }
        }
    }
    return QStringLiteral("%1 pixels differ, within %2,%3 %4x%5")
        .arg(count)
        .arg(around.x())
        .arg(around.y())
        .arg(around.width())
        .arg(around.height());
}

}  // namespace

::testing::AssertionResult LooksAsKept(QWidget& widget, const QString& name) {
    const QImage shown = widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QString file = name + QStringLiteral(".png");
    const QString keptPath = QStringLiteral(KESTRINS_KEPT_PICTURES "/") + file;
    if (qEnvironmentVariableIntValue("KESTRINS_KEEP_PICTURES") == 1) {
        return shown.save(keptPath) ? ::testing::AssertionSuccess()
                                    : ::testing::AssertionFailure() << "could not write "
                                                                    << keptPath.toStdString();
    }
    const QImage kept = QImage(keptPath).convertToFormat(QImage::Format_RGB32);
    QString difference;
    if (kept.isNull()) {
        difference = QStringLiteral("no kept picture");
    } else if (kept.size() != shown.size()) {
        difference = QStringLiteral("%1x%2 where %3x%4 was kept")
                         .arg(shown.width())
                         .arg(shown.height())
                         .arg(kept.width())
                         .arg(kept.height());
    } else if (kept != shown) {
        difference = Difference(shown, kept);
    } else {
        return ::testing::AssertionSuccess();
    }
    QDir().mkpath(QStringLiteral("kept_pictures"));
    const QString shownPath = QDir(QStringLiteral("kept_pictures")).absoluteFilePath(file);
    shown.save(shownPath);
    return ::testing::AssertionFailure()
           << name.toStdString() << ": " << difference.toStdString() << "; drawn now in "
           << shownPath.toStdString();
}

}  // namespace kestrins::testing
