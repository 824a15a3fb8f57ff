// The whole table: every card place, the modes, the inversion, the panels and the one refresh.
#include "render/draw_table.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "game/constants.h"
#include "render/table_geometry.h"
#include "synthetic_sprites.h"

namespace kestrins {
namespace {

constexpr int Width = 520;
constexpr int Height = 379;
constexpr QRgb Green = 0xff008000;
constexpr QRgb Yellow = 0xffFFFF80;

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

// A marked human card shows inverted in every mode; a computer's mark never shows.
TEST(DrawTable, EveryPlaceShowsItsFaceOrBackByMode) {
    for (const std::string_view mode : {"Open", "", "Close"}) {
        MdlMain main = DealtState();
        main.Players[0].Cards[1].Selected = true;
        main.Players[2].Cards[3].Selected = true;
        Surface field = MakePlayField(Width, Height);
        DrawTable(main, field, SyntheticSprites(), mode);
        const bool open = mode == "Open";
        for (int32_t seat = 0; seat < 4; ++seat) {
            for (int32_t slot = 0; slot < 5; ++slot) {
                const Card& card = main.Players.at(seat).Cards.at(slot);
                QRgb expected = FaceColour(card.Suit, card.Number);
                if (seat == 0 && card.Selected) {
                    expected = ~expected | 0xff000000;
                } else if (seat != 0 && !open) {
                    expected = seat == 2 ? UprightBackColour(3) : SidewaysBackColour(3);
                }
                const bool sideways = seat % 2 == 1 && !open;
                EXPECT_EQ(At(field, VisiblePoint(seat, slot, sideways)), expected)
                    << "mode '" << mode << "' seat " << seat << " slot " << slot;
                if (slot == 4) {  // drawn last, so wholly seen: the whole cell is copied
                    const QPoint corner = CardPlace(seat, slot, Width, Height) +
                                          (sideways ? QPoint(CardHeight - 1, CardWidth - 1)
                                                    : QPoint(CardWidth - 1, CardHeight - 1));
                    EXPECT_EQ(At(field, corner), expected) << "mode '" << mode << "' seat " << seat;
                    EXPECT_EQ(At(field, corner + QPoint(1, 1)), Green) << seat;
                }
            }
        }
    }
}

// During an exchange the marked places empty and the neighbours stay where they were.
TEST(DrawTable, EmptiedPlacesShowTheTableAgain) {
    MdlMain main = DealtState();
    Surface field = MakePlayField(Width, Height);
    DrawTable(main, field, SyntheticSprites(), "");
    main.Players[0].Cards[2].Number = 0;
    main.Players[2].Cards[4].Number = 0;
    DrawTable(main, field, SyntheticSprites(), "");
    EXPECT_EQ(At(field, {250, 300}), Green);  // between card 1's right edge and card 3
    EXPECT_EQ(At(field, VisiblePoint(0, 1, false)), FaceColour(0, 3));
    EXPECT_EQ(At(field, VisiblePoint(0, 3, false)), FaceColour(0, 7));
    EXPECT_EQ(At(field, CardPlace(2, 4, Width, Height) + QPoint(70, 95)), Green);
    EXPECT_EQ(At(field, VisiblePoint(2, 3, false)), UprightBackColour(3));
}

// Each panel's name line and alignment; the status line is above the name, the money below.
struct PanelPlace {
    QPoint name;
    TextFormat align;
};
constexpr PanelPlace Panels[4] = {
    {{5, 330}, TextRight}, {{5, 60}, TextLeft}, {{400, 25}, TextLeft}, {{400, 320}, TextRight}};

TEST(DrawTable, PanelsShowStatusNameAndMoneyWithOnlyTheWinnerHighlighted) {
    const std::string lines[4][3] = {{"BET : 1 $", "あなた", "500 $"},
                                     {"Dropped : 2 $", "ケストリン", "400 $"},
                                     {"BET : 3 $", "CPU 2", "-5 $"},
                                     {"BET : 99 $", "Player 3", "0 $"}};
    for (const int32_t winner : {WinnerDraw, 3, 0}) {
        MdlMain main = DealtState();
        main.Winner = winner;
        main.Players[1].Dropped = true;
        main.Players[2].Money = -5;
        main.Players[3].Bet = 99;
        main.Players[3].Money = 0;
        Surface field = MakePlayField(Width, Height);
        int refreshes = 0;
        QImage shown;
        field.SetRefreshHandler([&] {
            ++refreshes;
            shown = field.Image().copy();
        });
        DrawTable(main, field, SyntheticSprites(), "Open");
        // Each panel as DrawTable must draw it, on a plain table.
        for (int32_t seat = 0; seat < 4; ++seat) {
            Surface reference = MakePlayField(Width, Height);
            reference.SetForeColor(seat == winner ? QColor(Yellow) : QColor(Qt::white));
            reference.SetFontBold(seat == winner);
            for (int32_t line = 0; line < 3; ++line) {
                const QPoint topLeft = Panels[seat].name + QPoint(0, 20 * (line - 1));
                reference.DrawText(QString::fromStdString(lines[seat][line]),
                                   QRect(topLeft, QSize(110, 20)), Panels[seat].align);
            }
            const QRect area(Panels[seat].name - QPoint(0, 20), QSize(110, 60));
            EXPECT_EQ(field.Image().copy(area), reference.Image().copy(area))
                << "winner " << winner << " seat " << seat;
        }
        EXPECT_EQ(field.ForeColor(), QColor(Qt::white));
        EXPECT_FALSE(field.FontBold());
        // The window must show the finished picture, once, never a half-drawn one.
        EXPECT_EQ(refreshes, 1);
        EXPECT_EQ(shown, field.Image());
    }
}

// A dropped seat with a two-digit bet once lost its "$" (left-aligned) or part of its "D"
// (right-aligned) to the 110-pixel rectangle: the whole line shows, with a blank column at the
// edge it would have been cut at.
TEST(DrawTable, LongPanelLinesFitTheirRectangle) {
    MdlMain main = DealtState();
    for (Player& player : main.Players) {
        player.Dropped = true;
        player.Bet = 99;
    }
    for (const int32_t winner : {WinnerDraw, 0, 1}) {
        main.Winner = winner;
        Surface field = MakePlayField(Width, Height);
        DrawTable(main, field, SyntheticSprites(), "");
        for (const int32_t seat : {0, 1}) {
            const QRect line = PanelLineRect(seat, 0);
            const int edge = PanelRightAligned(seat) ? line.left() : line.right();
            for (int y = line.top(); y <= line.bottom(); ++y) {
                EXPECT_EQ(field.Image().pixel(edge, y), Green)
                    << "winner " << winner << " seat " << seat << " y " << y;
            }
        }
    }
}

// The message strip shortens a long name exactly as the panel does: drawn at the panel's smallest
// size, PanelName fills the name line as the table does. A name that fits is whole.
TEST(DrawTable, PanelNameIsTheNameAsThePanelShowsIt) {
    const std::string longName = "Wilhelmina Featherstonehaugh-Cholmondeley";
    EXPECT_EQ(PanelName("Player 3"), QStringLiteral("Player 3"));
    EXPECT_EQ(PanelName("あなた"), QStringLiteral("あなた"));
    const QString shortened = PanelName(longName);
    ASSERT_TRUE(shortened.endsWith(u'…')) << shortened.toStdString();
    EXPECT_TRUE(QString::fromStdString(longName).startsWith(shortened.chopped(1)));

    MdlMain main = DealtState();
    main.Players[2].Name = longName;
    Surface field = MakePlayField(Width, Height);
    DrawTable(main, field, SyntheticSprites(), "");
    Surface reference = MakePlayField(Width, Height);
    reference.SetFontSize(10);
    const QRect name = PanelLineRect(2, 1);
    reference.DrawText(shortened, name, TextLeft);
    EXPECT_EQ(field.Image().copy(name), reference.Image().copy(name));
}

}  // namespace
}  // namespace kestrins
