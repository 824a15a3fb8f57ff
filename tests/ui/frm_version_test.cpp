// About dialog: the message resource, the empty first ticks, one pixel per tick and the restart.
#include "ui/frm_version.h"

#include <gtest/gtest.h>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace kestrins {
namespace {

constexpr int BoxWidth = 245;
constexpr int BoxHeight = 93;

// The box as it must look with the message's top at the given row.
QImage Expected(const FrmVersion& dialog, const QString& message, int top) {
    Surface expected(BoxWidth, BoxHeight, dialog.Picture().BackColor());
    expected.SetForeColor(dialog.Picture().ForeColor());
    expected.SetFontSize(dialog.Picture().FontSize());
    expected.DrawText(message, QRect(2, top, BoxWidth - 2, BoxHeight - top), TextWordBreak);
    return expected.Image();
}

QImage Blank(const FrmVersion& dialog) {
    QImage blank(BoxWidth, BoxHeight, QImage::Format_RGB32);
    blank.fill(dialog.Picture().BackColor());
    return blank;
}

TEST(FrmVersionTest, MessageHasTwentyTwoLinesAndTheAddressLinesEmpty) {
    const QString message = LoadAboutMessage();
    EXPECT_FALSE(message.contains(QLatin1Char('\r')));
    const QStringList lines = message.split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 22);
    for (int line : {3, 7, 10, 13, 16, 17, 18}) {
        EXPECT_TRUE(lines[line - 1].isEmpty()) << "line " << line;
    }
    EXPECT_FALSE(lines[0].isEmpty());
    EXPECT_FALSE(lines[21].isEmpty());
}

TEST(FrmVersionTest, FirstTicksDrawNothingThenTheMessageClimbsOnePixelEach) {
    FrmVersion dialog(QImage(), nullptr);
    const QString message = LoadAboutMessage();
    EXPECT_EQ(dialog.Picture().Image(), Blank(dialog));
    for (int tick = 1; tick <= 3; ++tick) {
        dialog.TimerMes_Timer();
        EXPECT_EQ(dialog.Picture().Image(), Blank(dialog)) << "tick " << tick;
    }
    for (int top = BoxHeight - 1; top >= BoxHeight - 30; --top) {
        dialog.TimerMes_Timer();
        ASSERT_EQ(dialog.Picture().Image(), Expected(dialog, message, top)) << "top " << top;
    }
    EXPECT_NE(dialog.Picture().Image(), Blank(dialog));
}

TEST(FrmVersionTest, AfterTopMinus265TheMessageStartsFiveBelowTheBox) {
    FrmVersion dialog(QImage(), nullptr);
    const QString message = LoadAboutMessage();
    // First pass: from 2 below the box up to -265.
    for (int top = BoxHeight + 2; top > -265; --top) {
        dialog.TimerMes_Timer();
    }
    dialog.TimerMes_Timer();
    EXPECT_EQ(dialog.Picture().Image(), Expected(dialog, message, -265));
    // The message has wholly left the box before it starts again.
    EXPECT_EQ(dialog.Picture().Image(), Blank(dialog));
    for (int top = BoxHeight + 5; top >= BoxHeight; --top) {
        dialog.TimerMes_Timer();
        EXPECT_EQ(dialog.Picture().Image(), Blank(dialog)) << "top " << top;
    }
    for (int top = BoxHeight - 1; top >= BoxHeight - 20; --top) {
        dialog.TimerMes_Timer();
        ASSERT_EQ(dialog.Picture().Image(), Expected(dialog, message, top)) << "top " << top;
    }
}

TEST(FrmVersionTest, OkAndTheCloseBoxCloseTheDialogAndStopTheMessage) {
    for (bool useOk : {true, false}) {
        FrmVersion dialog(QImage(), nullptr);
        dialog.show();
        auto* timer = dialog.findChild<QTimer*>(QStringLiteral("TimerMes"));
        ASSERT_NE(timer, nullptr);
        EXPECT_TRUE(timer->isActive());
        EXPECT_EQ(timer->interval(), 150);
        if (useOk) {
            dialog.findChild<QPushButton*>(QStringLiteral("CmdOK"))->click();
        } else {
            dialog.close();
        }
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_FALSE(timer->isActive());
    }
}

}  // namespace
}  // namespace kestrins
