// The table shown larger: window, picture and card clicks follow the size, which is kept.
#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <cmath>
#include <functional>

#include "main_window_fixture.h"
#include "render/draw_cards.h"
#include "render/draw_table.h"
#include "render/table_geometry.h"
#include "settings/settings.h"

namespace kestrins::testing {
namespace {

// The first window pixel that shows surface pixel `at`.
int Shown(int at, double scale) {
    return static_cast<int>(std::ceil(at * scale));
}

TEST_F(MainWindowTest, LargerTableScalesPictureAndClicksAndIsKept) {
    ChooseTitle(1);
    Deal();
    ASSERT_EQ(state.GameState, StateDealt);
    const QSize plainClient = window->centralWidget()->size();
    const int h = window->PlayField().Height();
    const int x0 = ComputeTableOrigin(window->PlayField().Width(), h).X0;
    const int lower = h - 50;
    for (const int32_t size : {1, 2}) {
        const double scale = size == 1 ? 1.5 : 2.0;
        const QSize before(window->PlayField().Width(), window->PlayField().Height());
        window->MnuitemTableSize[size]->trigger();
        EXPECT_EQ(window->centralWidget()->size(), plainClient * scale);
        // The same table, drawn anew at the new scale: nothing cut off on the way.
        EXPECT_EQ(QSize(window->PlayField().Width(), window->PlayField().Height()), before);
        EXPECT_EQ(window->PlayField().Scale(), scale);
        Surface expected = MakePlayField(before.width(), before.height());
        expected.SetScale(scale);
        DrawTable(state, expected, sprites, "");
        EXPECT_EQ(window->PlayField().Image(), expected.Image());
        EXPECT_EQ(window->Info().Height(), 20);
        // The buttons grow with the table, their captions with them.
        EXPECT_EQ(window->CmdBet[3]->geometry(),
                  QRect(QPoint(104, 32) * scale, QSize(105, 33) * scale));
        EXPECT_EQ(window->CmdChange->size(), QSize(105, 33) * scale);
        EXPECT_EQ(QFontInfo(window->CmdBet[0]->font()).pixelSize(), static_cast<int>(12 * scale));
        // The view shows the picture pixel for pixel.
        EXPECT_EQ(PlayFieldWidget().grab().toImage().convertToFormat(QImage::Format_RGB32),
                  window->PlayField().Image().copy(QRect(QPoint(), PlayFieldWidget().size())));

        ClickTable(Shown(x0 + 50, scale) - 1, Shown(lower, scale));     // card 0's last column
        ClickTable(Shown(x0 + 50, scale), Shown(lower, scale));         // card 1's first
        ClickTable(Shown(x0, scale) - 1, Shown(lower, scale));          // left of the cards
        ClickTable(Shown(x0 + 110, scale), Shown(h - 100, scale) - 1);  // above the hit band
        for (int c = 0; c < 5; ++c) {
            // The second size toggles the first size's marks back.
            EXPECT_EQ(state.Players[0].Cards[c].Selected, size == 1 && c < 2) << size << c;
        }
    }
    window->MnuitemZoomIn->trigger();  // already the largest
    EXPECT_EQ(state.TableSize, 2);
    window->MnuitemZoomOut->trigger();
    EXPECT_TRUE(window->MnuitemTableSize[1]->isChecked());
    window->MnuitemTableSize[0]->trigger();
    EXPECT_EQ(window->centralWidget()->size(), plainClient);
    // Back at 100 % exactly the table drawn at 1x.
    Surface plain = MakePlayField(window->PlayField().Width(), window->PlayField().Height());
    DrawTable(state, plain, sprites, "");
    EXPECT_EQ(window->PlayField().Image(), plain.Image());
    window->MnuitemZoomIn->trigger();
    window->MnuitemZoomIn->trigger();

    boxes.Answers.push_back(MessageAnswer::No);
    window->close();
    EXPECT_EQ(Stored("TableSize"), 2);
    window.reset();
    state = MdlMain{};
    LoadSettings(state, store);
    OpenWindow(store);
    EXPECT_TRUE(window->MnuitemTableSize[2]->isChecked());
    EXPECT_EQ(window->centralWidget()->size(), plainClient * 2);
}

// Aligned 2 x 2 blocks within the area with more than one colour: none at all where a picture
// was doubled pixel by pixel.
int DetailedBlocks(const QImage& image, const QRect& area) {
    int detailed = 0;
    for (int y = area.top() & ~1; y + 1 <= area.bottom(); y += 2) {
        for (int x = area.left() & ~1; x + 1 <= area.right(); x += 2) {
            const QRgb first = image.pixel(x, y);
            detailed += first != image.pixel(x + 1, y) || first != image.pixel(x, y + 1) ||
                                first != image.pixel(x + 1, y + 1)
                            ? 1
                            : 0;
        }
    }
    return detailed;
}

// At 200 % the table is drawn from the 2x sheets and its text at 2x, not the 100 % picture
// doubled: the hand and the panels have detail inside the blocks a doubled picture is made of,
// and a marked card is the 2x face inverted. At 150 % it is not the 100 % table enlarged either.
TEST_F(MainWindowTest, LargeTablesAreDrawnSharpFromTheLargeSheets) {
    ChooseTitle(1);
    Deal();
    ASSERT_EQ(state.GameState, StateDealt);
    const Surface& field = window->PlayField();
    const QImage plain = field.Image();
    window->MnuitemTableSize[2]->trigger();
    ASSERT_EQ(field.Scale(), 2.0);
    const QPoint first = CardPlace(0, 0, field.Width(), field.Height()) * 2;
    const QRect hand(first, QSize(2 * (CardWidth + 4 * 50), 2 * CardHeight));
    EXPECT_GT(DetailedBlocks(field.Image(), hand), hand.width() * hand.height() / 4 / 50);
    for (int seat = 0; seat < 4; ++seat) {
        const QRect name = PanelLineRect(seat, 1);
        EXPECT_GT(DetailedBlocks(field.Image(), QRect(name.topLeft() * 2, name.size() * 2)), 10)
            << seat;
    }

    window->MnuitemMark[0]->trigger();
    const Card& card = state.Players[0].Cards[0];
    const QImage face =
        sprites.CardFaces.At(2.0).copy(sprites.CardFaces.ScaledRect(FaceSourceRect(card), 2.0));
    ASSERT_EQ(face.size(), QSize(2 * CardWidth, 2 * CardHeight));
    // The first 50 columns of the card, which the next card leaves uncovered.
    for (int y = 0; y < face.height(); ++y) {
        for (int x = 0; x < 2 * 50; ++x) {
            ASSERT_EQ(field.Image().pixel(first + QPoint(x, y)),
                      (~face.pixel(x, y) & 0xffffff) | 0xff000000)
                << x << "," << y;
        }
    }

    window->MnuitemTableSize[1]->trigger();
    const QImage enlarged =
        plain.scaled(field.Image().size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    int differ = 0;
    for (int y = 0; y < enlarged.height(); ++y) {
        for (int x = 0; x < enlarged.width(); ++x) {
            differ += field.Image().pixel(x, y) != enlarged.pixel(x, y) ? 1 : 0;
        }
    }
    EXPECT_GT(differ, enlarged.width() * enlarged.height() / 50);
}

// A resize cuts the picture or leaves new parts empty: each one draws the table and the strip
// again at the new size, whatever it shows, and gives them back whole at the old size.
TEST_F(MainWindowTest, EveryResizeDrawsTheTableAndStripAgain) {
    const QSize plain = window->size();
    const auto hoverRowTwo = [this] { MoveOnTable(100, window->PlayField().Height() - 150 + 80); };
    // A click above the hand draws the table anew, as a key would.
    const auto clickAboveHand = [this] { ClickTable(100, 10); };
    const auto resize = [this, plain] { window->resize(plain); };
    const auto sizeKey = [this] { window->MnuitemTableSize[0]->trigger(); };
    struct Case {
        const char* name;
        bool dealt;
        std::function<void()> redraw;
        std::function<void()> restore;
    };
    for (const Case& c : {Case{"title, enlarged", false, hoverRowTwo, resize},
                          Case{"table, enlarged", true, clickAboveHand, resize},
                          Case{"table, Ctrl+0", true, clickAboveHand, sizeKey}}) {
        SCOPED_TRACE(c.name);
        window->MnuitemTitle->trigger();
        hoverRowTwo();
        if (c.dealt) {
            ChooseTitle(1);
            Deal();
            ASSERT_EQ(state.GameState, StateDealt);
        }
        const QImage table = window->PlayField().Image();
        const QImage strip = window->Info().Image();
        window->resize(plain - QSize(200, 150));
        ASSERT_LT(window->PlayField().Height(), table.height());
        const QImage small = window->PlayField().Image();
        c.redraw();
        EXPECT_EQ(window->PlayField().Image(), small);
        c.restore();
        EXPECT_EQ(window->PlayField().Image(), table);
        EXPECT_EQ(window->Info().Image(), strip);
        state.GameState = StateReady;
    }
}

// What was drawn past the painter (a deal under way, an animation) is not wiped by a resize.
TEST_F(MainWindowTest, AResizeKeepsWhatWasDrawnPastThePainter) {
    ChooseTitle(1);
    Surface& field = window->PlayField();
    field.DrawText(QStringLiteral("x"), QRect(0, 0, 20, 20), TextLeft);
    const QImage drawn = field.Image();
    window->resize(window->size() + QSize(40, 40));
    ASSERT_GT(field.Width(), drawn.width());
    EXPECT_EQ(field.Image().copy(drawn.rect()), drawn);
}

}  // namespace
}  // namespace kestrins::testing
