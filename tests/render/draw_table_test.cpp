// The whole table: every card place, the modes, the inversion, the panels and the one refresh.
#include "render/draw_table.h"

#include <gtest/gtest.h>

#include <string>

#include "game/constants.h"
#include "render/table_geometry.h"
#include "synthetic_sprites.h"

namespace kestrins {
namespace {

constexpr int Width = 520;
constexpr int Height = 379;
constexpr QRgb Green = 0xff008000;
constexpr QRgb Yellow = 0xffFFFF80;

QRgb Inverted(QRgb color) {
    return (~color & 0x00ffffff) | 0xff000000;
}

// Twenty different cards, none empty.
MdlMain DealtState() {
    MdlMain main;
    const char* names[] = {"あなた", "ケストリン", "CPU 2", "Player 3"};
    for (int32_t seat = 0; seat < 4; ++seat) {
        Player& player = main.Players.at(static_cast<size_t>(seat));
        player.Name = names[seat];
        player.Money = 500 - 100 * seat;
        player.Bet = seat + 1;
        for (int32_t slot = 0; slot < 5; ++slot) {
            player.Cards.at(static_cast<size_t>(slot)) = Card{seat, slot * 2 + 1, false};
        }
    }
    main.Winner = WinnerDraw;
    main.CardType = 3;
    return main;
}

// A pixel of each place that no later card covers: the side seats overlap towards the top.
QPoint VisiblePoint(int32_t seat, int32_t slot, bool sideways) {
    const QPoint place = CardPlace(seat, slot, Width, Height);
    if (seat == 1) {
        return place + QPoint(0, sideways ? CardWidth - 1 : CardHeight - 1);
    }
    return place;
}

QRgb At(const Surface& surface, QPoint point) {
    return surface.Image().pixel(point);
}

TEST(DrawTable, OpenShowsEveryCardFaceAtItsPlace) {
    MdlMain main = DealtState();
    main.Players[2].Cards[3].Selected = true;  // never shown on a computer's card
    Surface field = MakePlayField(Width, Height);
    DrawTable(main, field, SyntheticSprites(), "Open");
    for (int32_t seat = 0; seat < 4; ++seat) {
        for (int32_t slot = 0; slot < 5; ++slot) {
            const Card& card = main.Players.at(seat).Cards.at(slot);
            EXPECT_EQ(At(field, VisiblePoint(seat, slot, false)),
                      FaceColour(card.Suit, card.Number))
                << "seat " << seat << " slot " << slot;
        }
    }
}

TEST(DrawTable, ClosedModesShowTheChosenBacks) {
    for (const char* mode : {"", "Close"}) {
        const MdlMain main = DealtState();
        Surface field = MakePlayField(Width, Height);
        DrawTable(main, field, SyntheticSprites(), mode);
        for (int32_t slot = 0; slot < 5; ++slot) {
            const Card& human = main.Players[0].Cards.at(slot);
            EXPECT_EQ(At(field, VisiblePoint(0, slot, false)),
                      FaceColour(human.Suit, human.Number));
            EXPECT_EQ(At(field, VisiblePoint(1, slot, true)), SidewaysBackColour(3)) << mode;
            EXPECT_EQ(At(field, VisiblePoint(2, slot, false)), UprightBackColour(3)) << mode;
            EXPECT_EQ(At(field, VisiblePoint(3, slot, true)), SidewaysBackColour(3)) << mode;
        }
    }
}

TEST(DrawTable, OnlyTheHumansSelectedCardsAreInverted) {
    MdlMain main = DealtState();
    main.Players[0].Cards[1].Selected = true;
    main.Players[0].Cards[4].Selected = true;
    Surface field = MakePlayField(Width, Height);
    DrawTable(main, field, SyntheticSprites(), "");
    for (int32_t slot = 0; slot < 5; ++slot) {
        const Card& card = main.Players[0].Cards.at(slot);
        const QRgb face = FaceColour(card.Suit, card.Number);
        EXPECT_EQ(At(field, VisiblePoint(0, slot, false)), card.Selected ? Inverted(face) : face)
            << slot;
    }
}

// During an exchange the marked places are empty and the neighbours stay where they were.
TEST(DrawTable, EmptyPlacesShowTheTable) {
    MdlMain main = DealtState();
    main.Players[0].Cards[2].Number = 0;
    main.Players[2].Cards[4].Number = 0;
    Surface field = MakePlayField(Width, Height);
    DrawTable(main, field, SyntheticSprites(), "");
    EXPECT_EQ(At(field, {250, 300}), Green);  // between card 1's right edge and card 3
    EXPECT_EQ(At(field, VisiblePoint(0, 1, false)), FaceColour(0, 3));
    EXPECT_EQ(At(field, VisiblePoint(0, 3, false)), FaceColour(0, 7));
    EXPECT_EQ(At(field, CardPlace(2, 4, Width, Height) + QPoint(70, 95)), Green);
    EXPECT_EQ(At(field, VisiblePoint(2, 3, false)), UprightBackColour(3));
}

TEST(DrawTable, ClearsWhatWasThereBefore) {
    Surface field = MakePlayField(Width, Height);
    field.SetForeColor(Qt::black);
    field.MoveTo(200, 150);
    field.LineTo(300, 150);
    DrawTable(DealtState(), field, SyntheticSprites(), "");
    EXPECT_EQ(At(field, {250, 150}), Green);
}

// The panel drawn the way DrawTable must draw it, on a plain table.
Surface ReferencePanels(const MdlMain& main, const std::string lines[4][3]) {
    Surface reference = MakePlayField(Width, Height);
    for (int32_t seat = 0; seat < 4; ++seat) {
        const bool winner = seat == main.Winner;
        reference.SetForeColor(winner ? QColor(Yellow) : QColor(Qt::white));
        reference.SetFontBold(winner);
        const TextFormat align = PanelRightAligned(seat) ? TextRight : TextLeft;
        for (int32_t line = 0; line < 3; ++line) {
            reference.DrawText(QString::fromStdString(lines[seat][line]), PanelLineRect(seat, line),
                               align);
        }
    }
    return reference;
}

void ExpectPanelsMatch(const Surface& field, const Surface& reference) {
    for (int32_t seat = 0; seat < 4; ++seat) {
        const QRect panel = PanelLineRect(seat, 0).united(PanelLineRect(seat, 2));
        EXPECT_EQ(field.Image().copy(panel), reference.Image().copy(panel)) << "seat " << seat;
    }
}

TEST(DrawTable, PanelsShowStatusNameAndMoney) {
    MdlMain main = DealtState();
    main.Players[1].Dropped = true;
    main.Players[2].Money = -5;
    main.Players[3].Bet = 99;
    main.Players[3].Money = 0;
    Surface field = MakePlayField(Width, Height);
    DrawTable(main, field, SyntheticSprites(), "");
    const std::string lines[4][3] = {{"BET : 1 $", "あなた", "500 $"},
                                     {"Dropped : 2 $", "ケストリン", "400 $"},
                                     {"BET : 3 $", "CPU 2", "-5 $"},
                                     {"BET : 99 $", "Player 3", "0 $"}};
    ExpectPanelsMatch(field, ReferencePanels(main, lines));
    EXPECT_EQ(field.ForeColor(), QColor(Qt::white));
    EXPECT_FALSE(field.FontBold());
}

bool HasPixel(const Surface& surface, const QRect& area, QRgb color) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (surface.Image().pixel(x, y) == color) {
                return true;
            }
        }
    }
    return false;
}

TEST(DrawTable, OnlyTheWinnersPanelIsLightYellowAndBold) {
    const struct {
        int32_t winner;
        int32_t yellowSeat;  // -1: none
    } cases[] = {{WinnerDraw, -1}, {3, 3}, {0, 0}, {2, 2}, {-1, -1}};
    for (const auto& c : cases) {
        MdlMain main = DealtState();
        main.Winner = c.winner;
        Surface field = MakePlayField(Width, Height);
        DrawTable(main, field, SyntheticSprites(), "Open");
        for (int32_t seat = 0; seat < 4; ++seat) {
            const QRect panel = PanelLineRect(seat, 0).united(PanelLineRect(seat, 2));
            EXPECT_EQ(HasPixel(field, panel, Yellow), seat == c.yellowSeat)
                << "winner " << c.winner << " seat " << seat;
        }
        const std::string lines[4][3] = {{"BET : 1 $", "あなた", "500 $"},
                                         {"BET : 2 $", "ケストリン", "400 $"},
                                         {"BET : 3 $", "CPU 2", "300 $"},
                                         {"BET : 4 $", "Player 3", "200 $"}};
        ExpectPanelsMatch(field, ReferencePanels(main, lines));
    }
}

// The window must show the finished picture, once, never a half-drawn one.
TEST(DrawTable, RefreshesOnceWithTheFinishedPicture) {
    Surface field = MakePlayField(Width, Height);
    int refreshes = 0;
    QImage shown;
    field.SetRefreshHandler([&] {
        ++refreshes;
        shown = field.Image().copy();
    });
    DrawTable(DealtState(), field, SyntheticSprites(), "");
    EXPECT_EQ(refreshes, 1);
    EXPECT_EQ(shown, field.Image());
}

}  // namespace
}  // namespace kestrins
