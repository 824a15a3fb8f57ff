// Result sheet: the drop bonus after a won game, at the top of the count's range too (a lost
// game grants nothing, which the whole-game tests pin); names as written, shortened only to fit.
#include "ui/frm_parts.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QWindow>
#include <climits>

#include "platform/surface.h"
#include "support/scripted_dialogs.h"

namespace kestrins {
namespace {

TEST(FrmPartsTest, WinGrantsTwoDropsUpToTheLimitAndSaysSoOnlyWhenTheCountGrew) {
    const struct {
        int32_t drops, wantDrops;
        bool wantBox;
    } cases[] = {{3, 5, true}, {INT32_MAX - 1, INT32_MAX, true}, {INT32_MAX, INT32_MAX, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.drops);
        MdlMain state;  // the human has won
        for (Player& player : state.Players) {
            player.Dropped = true;  // no hands to value
        }
        state.DropCount = c.drops;
        Surface info(520, 20);
        testing::ScriptedBoxes boxes;
        FrmParts parts(state, info, QImage(), boxes, nullptr);
        parts.accept();
        parts.reject();  // a second close grants nothing more
        EXPECT_EQ(state.DropCount, c.wantDrops);
        EXPECT_EQ(boxes.Shown.size(), c.wantBox ? 1u : 0u);
    }
}

// The marker's black ground once showed as a black square beside the winner's row.
TEST(FrmPartsTest, WinnerMarkerShowsTheSheetRoundTheStar) {
    MdlMain state;
    state.Players[0].Dropped = true;
    Surface info(520, 20);
    testing::ScriptedBoxes boxes;
    QImage marker(16, 16, QImage::Format_RGB32);
    marker.fill(Qt::black);
    marker.setPixel(8, 8, qRgb(255, 200, 0));
    FrmParts parts(state, info, marker, boxes, nullptr);
    const QImage shown = parts.findChild<QLabel*>(QStringLiteral("ImgWinner"))->pixmap().toImage();
    EXPECT_EQ(qAlpha(shown.pixel(0, 0)), 0);
    EXPECT_EQ(shown.pixel(8, 8), qRgb(255, 200, 0));
}

// A name is shown as written: no markup, no placeholder, no title mark. One too long for its row
// ends in "…" while a screen reader hears all of it; a default name is never cut, and only a
// right-to-left one is set apart.
TEST(FrmPartsTest, NamesShowAsWrittenAndOnlyALongOneIsShortened) {
    const std::string longName(60, 'W');
    MdlMain state;
    state.Players[0].Name = "プレイヤー 0";
    state.Players[1].Name = "<b>%1[*]";
    state.Players[2].Name = longName;
    state.Players[3].Name = "علي";
    for (Player& player : state.Players) {
        player.Dropped = true;
    }
    state.Winner = 1;
    Surface info(520, 20);
    testing::ScriptedBoxes boxes;
    FrmParts parts(state, info, QImage(), boxes, nullptr);
    parts.show();
    EXPECT_EQ(parts.windowHandle()->title(), QStringLiteral("戦績 : <b>%1[*] の勝利です"));
    const auto label = [&parts](int seat) {
        return parts.findChild<QLabel*>(QStringLiteral("LblPlayerName%1").arg(seat));
    };
    EXPECT_EQ(label(0)->text(), QStringLiteral("プレイヤー 0 : "));
    EXPECT_EQ(label(1)->text(), QStringLiteral("<b>%1[*] : ")) << label(1)->text().toStdString();
    EXPECT_EQ(label(1)->textFormat(), Qt::PlainText);
    EXPECT_TRUE(label(2)->text().endsWith(QStringLiteral("W… : ")))
        << label(2)->text().toStdString();
    EXPECT_EQ(label(2)->accessibleName(), QString::fromStdString(longName + " : "));
    // Set apart, the right-to-left name cannot turn the label round its " : ".
    EXPECT_EQ(label(3)->text(), QStringLiteral("\u2068علي\u2069 : "));
}

}  // namespace
}  // namespace kestrins
