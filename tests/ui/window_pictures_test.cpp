// The small windows as a player sees them, pixel for pixel: every label, button and picture in
// its place and of its size.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>

#include <array>

#include "game/mdl_main.h"
#include "game/sort_cards.h"
#include "platform/surface.h"
#include "render/sprites.h"
#include "support/kept_picture.h"
#include "support/scripted_dialogs.h"
#include "ui/frm_option.h"
#include "ui/frm_parts.h"
#include "ui/frm_version.h"
#include "ui/window_font.h"

namespace kestrins {
namespace {

// A game seat 2 won with a flush over seat 0's two pairs; seat 1 dropped, seat 3 called.
MdlMain FinishedGame() {
    MdlMain state;
    const char* names[] = {"あなた", "ケストリン", "ハヤブサ", "チョウゲンボウ"};
    const std::array<Hand, 4> hands{{
        {{{0, 1}, {1, 1}, {2, 9}, {3, 9}, {0, 4}}},
        {{{1, 2}, {2, 5}, {3, 7}, {0, 11}, {1, 13}}},
        {{{2, 2}, {2, 6}, {2, 8}, {2, 10}, {2, 12}}},
        {{{3, 3}, {0, 3}, {1, 6}, {2, 7}, {3, 13}}},
    }};
    for (int seat = 0; seat < 4; ++seat) {
        state.Players[seat].Name = names[seat];
        state.Players[seat].Cards = hands[seat];
        state.Players[seat].Bet = 12;
        state.Players[seat].Money = 100 + 40 * seat;
    }
    state.Players[1].Dropped = true;
    state.Players[1].Bet = 3;
    state.Winner = 2;
    return state;
}

TEST(WindowPicturesTest, ResultSheetOptionsAndAbout) {
    QApplication::setFont(WindowFont());  // as the program's start gives every window
    const Sprites sprites = LoadSprites();
    MdlMain state = FinishedGame();
    testing::ScriptedBoxes boxes;
    Surface info(520, 20);
    FrmParts sheet(state, info, sprites.Winner.At(1.0), boxes, nullptr);
    sheet.show();
    EXPECT_TRUE(testing::LooksAsKept(sheet, QStringLiteral("result_sheet")));

    FrmOption options(state, sprites.CardBacks.At(1.0), boxes, nullptr);
    options.show();
    EXPECT_TRUE(testing::LooksAsKept(options, QStringLiteral("options")));

    FrmVersion about(QImage(QStringLiteral(":/art/icon_32.png")), nullptr);
    about.show();
    EXPECT_TRUE(testing::LooksAsKept(about, QStringLiteral("about")));
}

}  // namespace
}  // namespace kestrins
