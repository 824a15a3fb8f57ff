// About dialog: the version label, the message resource, the empty first ticks, one pixel per tick
// and the restart.
#include "ui/frm_version.h"

#include <gtest/gtest.h>
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

// The empty box.
QImage Blank(const FrmVersion& dialog) {
    return Expected(dialog, QString(), 0);
}

// The next ticks draw the message climbing one pixel each from the box's bottom row.
void ExpectClimbFromTheBottom(FrmVersion& dialog, int ticks) {
    const QString message = LoadAboutMessage();
    for (int top = BoxHeight - 1; top >= BoxHeight - ticks; --top) {
        dialog.TimerMes_Timer();
        ASSERT_EQ(dialog.Picture().Image(), Expected(dialog, message, top)) << "top " << top;
    }
    EXPECT_NE(dialog.Picture().Image(), Blank(dialog));
}

// The label is built from the project version; 1.0.2 must still read "1.02". The message's
// wrap-around distance is fixed for its 22 lines: the game's own thanks and hint, once replaced by
// a rewritten how-to-play; lines 10, 13 and 16 (two web addresses and a mail address) are empty.
TEST(FrmVersionTest, LabelReadsOneZeroTwoAndTheMessageIsTheTwentyTwoLines) {
    FrmVersion dialog(QImage(), nullptr);
    EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("LblVersion0"))->text(),
              QStringLiteral("ケストリン ver.1.02"));
    EXPECT_EQ(
        LoadAboutMessage(),
        QStringLiteral(
            "「ケストリン」をダウンロードしていただき\n誠にありがとうございます。\n\n"
            "このゲームをより良くするために、\n私のホームページでは、みなさまの感想を\n"
            "お待ちしております。\n\nホームページ\n本店\n\n\n支店\n\n\nメールアドレス\n\n\n\n"
            "「ゲームのコツ」\nコンピュータプレイヤーの「ブラフ」(はったり)\n"
            "を見ぬければ勝率がぐんと上がります。\nベット(掛け金)の動きに目を見張ってください。"));
}

// Tops 95 to 93 lie below the box; after top -265, where the message has wholly left the box, it
// starts again five below the box.
TEST(FrmVersionTest, MessageClimbsOnePixelATickAndStartsAgainFiveBelowTheBox) {
    FrmVersion dialog(QImage(), nullptr);
    EXPECT_EQ(dialog.Picture().Image(), Blank(dialog));
    for (int top = BoxHeight + 2; top >= BoxHeight; --top) {
        dialog.TimerMes_Timer();
        EXPECT_EQ(dialog.Picture().Image(), Blank(dialog)) << "top " << top;
    }
    ExpectClimbFromTheBottom(dialog, 30);
    for (int top = BoxHeight - 31; top >= -265; --top) {
        dialog.TimerMes_Timer();
    }
    EXPECT_EQ(dialog.Picture().Image(), Blank(dialog));
    for (int top = BoxHeight + 5; top >= BoxHeight; --top) {
        dialog.TimerMes_Timer();
        EXPECT_EQ(dialog.Picture().Image(), Blank(dialog)) << "top " << top;
    }
    ExpectClimbFromTheBottom(dialog, 30);
}

TEST(FrmVersionTest, OkAndTheCloseBoxCloseTheDialogAndStopTheMessage) {
    for (bool useOk : {true, false}) {
        FrmVersion dialog(QImage(), nullptr);
        dialog.show();
        auto* timer = dialog.findChild<QTimer*>(QStringLiteral("TimerMes"));
        ASSERT_NE(timer, nullptr);
        EXPECT_TRUE(timer->isActive());
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
