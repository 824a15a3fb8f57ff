// Money window: coins counted from the picture, labels, the change check and resizing.
#include "ui/frm_results.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QWidget>

#include <climits>
#include <initializer_list>
#include <utility>
#include <vector>

#include "support/scripted_pacer.h"
#include "support/scripted_random.h"

namespace kestrins::testing {
namespace {

constexpr QRgb Green = 0x008000;
constexpr QRgb White = 0xFFFFFF;
// Synthetic coins: each colour sprite is black except its bottom row, which later coins never
// cover, so every placed coin leaves one marker row of its colour in the picture.
constexpr QRgb Silver = 0xA0A0A0;
constexpr QRgb Red = 0xFF0000;
constexpr QRgb Blue = 0x0000FF;
constexpr QRgb Lime = 0x00FF00;

QImage SyntheticCoins() {
    QImage sheet(59, 145, QImage::Format_RGB32);
    sheet.fill(Qt::black);
    const QRgb colours[] = {Silver, Red, Blue, Lime};
    for (int sprite = 0; sprite < 4; ++sprite) {
        for (int x = 0; x < 59; ++x) {
            sheet.setPixel(x, 29 * (sprite + 1) + 28, 0xFF000000 | colours[sprite]);
        }
    }
    return sheet;
}

QRgb PixelAt(const FrmResults& window, int x, int y) {
    return window.Picture().Image().pixel(x, y) & 0xFFFFFF;
}

int Foot(const FrmResults& window) {
    return window.Picture().Height() - 40;
}

// The marker colours of a stack from the bottom coin up, read down the middle column.
std::vector<QRgb> StackColours(const FrmResults& window, int seat) {
    std::vector<QRgb> colours;
    for (int row = Foot(window) - 1; row >= 0; row -= 5) {
        const QRgb colour = PixelAt(window, 10 + 70 * seat + 29, row);
        if (colour != Silver && colour != Red && colour != Blue && colour != Lime) {
            break;
        }
        colours.push_back(colour);
    }
    return colours;
}

std::vector<QRgb> Stack(int hundreds, QRgb hundredColour, int tens, QRgb tenColour) {
    std::vector<QRgb> coins(hundreds, hundredColour);
    coins.insert(coins.end(), tens, tenColour);
    return coins;
}

// Whether the area looks as it must with only these texts drawn in it on a fresh chart.
bool AreaShows(const FrmResults& window, QRect area,
               std::initializer_list<std::pair<QString, QRect>> texts, TextFormat format) {
    Surface expected(window.Picture().Width(), window.Picture().Height(), QColor(Green));
    expected.SetForeColor(QColor(White));
    for (const auto& [text, rect] : texts) {
        expected.DrawText(text, rect, format);
    }
    return window.Picture().Image().copy(area) == expected.Image().copy(area);
}

// The two labels under a stack: the money, and the name below it.
bool LabelsMatch(const FrmResults& window, int seat, const QString& money, const QString& name) {
    const int x = 10 + 70 * seat;
    return AreaShows(
        window, QRect(x, Foot(window), 59, 40),
        {{money, QRect(x, Foot(window) + 4, 59, 20)}, {name, QRect(x, Foot(window) + 20, 59, 20)}},
        TextCenter);
}

class FrmResultsTest : public ::testing::Test {
protected:
    MdlMain state;
    QImage coins = SyntheticCoins();
    ScriptedPacer pacer;
    QWidget owner;

    // Owned by owner until closed; the window deletes itself on close.
    FrmResults* Open(RandomSource& random) {
        return new FrmResults(state, random, pacer, coins, &owner);
    }
};

// The extremes would mean millions of coins, and the most negative amount has no 32-bit
// opposite: only the 67 coins that reach into the 371-pixel picture are drawn.
TEST_F(FrmResultsTest, StacksShowHundredsAndTensOfTheMoney) {
    const struct {
        int32_t money;
        std::vector<QRgb> coins;
        const char* label;
    } cases[] = {
        {1234, Stack(12, Blue, 3, Silver), "1234 $"},
        {-9, {}, "-9 $"},
        {-250, Stack(2, Lime, 5, Red), "-250 $"},
        {100, Stack(1, Blue, 0, Silver), "100 $"},
        {199, Stack(1, Blue, 9, Silver), "199 $"},
        {INT32_MAX, Stack(67, Blue, 0, Silver), "2147483647 $"},
        {INT32_MIN, Stack(67, Lime, 0, Red), "-2147483648 $"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.money);
        state.Players[2].Money = c.money;
        state.Players[2].Name = "ケン";
        ScriptedRandom random(std::vector<float>(c.coins.size(), 0.5f));
        FrmResults* window = Open(random);
        window->DrawMoneys();
        EXPECT_EQ(StackColours(*window, 2), c.coins);
        EXPECT_EQ(random.Left(), 0u);
        EXPECT_TRUE(LabelsMatch(*window, 2, QString::fromUtf8(c.label), QStringLiteral("ケン")));
        delete window;
    }
}

TEST_F(FrmResultsTest, JitterShiftsEachCoinByOnePixelAtMost) {
    state.Players[1].Money = 30;
    ScriptedRandom random{0.0f, 0.5f, 0.99999994f};
    FrmResults* window = Open(random);
    window->DrawMoneys();
    for (int k = 0; k < 3; ++k) {
        const int row = Foot(*window) - 1 - 5 * k;
        int left = 80 - 3;
        while (PixelAt(*window, left, row) != Silver) {
            ++left;
        }
        EXPECT_EQ(left, 80 - 1 + k) << "coin " << k;
        EXPECT_EQ(PixelAt(*window, left + 58, row), Silver);
        EXPECT_NE(PixelAt(*window, left + 59, row), Silver);
    }
}

// The jitter shares the game's random source, so nothing is drawn during one of the game's
// pauses (the whole-game tests pin that); the first tick after it catches up.
TEST_F(FrmResultsTest, TickRedrawsOnlyAfterAChangeOfMoneyOrOfSizeInAPauseAndTheScaleStaysUp) {
    ScriptedRandom random(std::vector<float>(100, 0.5f));
    FrmResults* window = Open(random);
    window->show();
    QCoreApplication::processEvents();
    state.Players[0].Money = 500;
    window->TimerCheckMoney_Timer();
    window->TimerCheckMoney_Timer();
    EXPECT_EQ(random.Taken(), 5u);
    EXPECT_EQ(StackColours(*window, 0), Stack(5, Blue, 0, Silver));

    // Same coins, yet the whole chart is drawn again with the new label.
    state.Players[0].Money = 509;
    window->TimerCheckMoney_Timer();
    EXPECT_EQ(random.Taken(), 10u);
    EXPECT_TRUE(LabelsMatch(*window, 0, QStringLiteral("509 $"), {}));

    state.Players[1].Money = 300;
    pacer.DuringSleep = [&] { window->TimerCheckMoney_Timer(); };
    pacer.Sleep(1000);
    window->TimerCheckMoney_Timer();
    EXPECT_EQ(random.Taken(), 18u);
    EXPECT_EQ(StackColours(*window, 1), Stack(3, Blue, 0, Silver));

    pacer.DuringSleep = [&] {
        window->resize(297, 420);
        QCoreApplication::processEvents();
    };
    pacer.Sleep(200);
    window->TimerCheckMoney_Timer();
    EXPECT_EQ(random.Taken(), 26u);
    EXPECT_EQ(StackColours(*window, 1), Stack(3, Blue, 0, Silver));
    // On the taller chart the stacks stand on its new foot, while the scale keeps its distance
    // from the top: its lowest line stays at 253, its labels read from 60 coins down to 10.
    ASSERT_EQ(window->Picture().Image().size(), QSize(297, 420));
    for (int y = 3; y <= 253; y += 50) {
        EXPECT_EQ(PixelAt(*window, 296, y), White) << y;
        EXPECT_EQ(PixelAt(*window, 296, y + 1), Green) << y;
    }
    EXPECT_EQ(PixelAt(*window, 296, 303), Green);
    for (const auto& [label, top] : {std::pair{"60 枚", 5}, std::pair{"10 枚", 255}}) {
        const QRect rect(0, top, 50, 14);
        EXPECT_TRUE(AreaShows(*window, rect, {{QString::fromUtf8(label), rect}}, TextLeft)) << top;
    }
    window->close();
}

// The options rename a seat while the money stays: the chart once kept the old name until money
// changed. During a pause it waits for the first tick after it, as for money.
TEST_F(FrmResultsTest, ARenamedSeatIsDrawnAtTheNextTickAndOnlyOnce) {
    const char* names[] = {"あなた", "ケン", "ハヤブサ", "タカ"};
    for (int seat = 0; seat < 4; ++seat) {
        state.Players[seat].Name = names[seat];
        state.Players[seat].Money = seat == 0 ? 100 : 500;
    }
    ScriptedRandom random(std::vector<float>(100, 0.5f));
    FrmResults* window = Open(random);
    window->show();
    QCoreApplication::processEvents();
    window->TimerCheckMoney_Timer();
    const std::size_t drawn = random.Taken();
    constexpr std::size_t Coins = 1 + 5 + 5 + 5;  // one chart at the starting money
    ASSERT_TRUE(LabelsMatch(*window, 1, QStringLiteral("500 $"), QStringLiteral("ケン")));

    state.Players[1].Name = "リュウ";
    pacer.DuringSleep = [&] { window->TimerCheckMoney_Timer(); };
    pacer.Sleep(1000);
    EXPECT_EQ(random.Taken(), drawn);
    window->TimerCheckMoney_Timer();
    EXPECT_EQ(random.Taken(), drawn + Coins);
    EXPECT_TRUE(LabelsMatch(*window, 1, QStringLiteral("500 $"), QStringLiteral("リュウ")));
    EXPECT_EQ(
        window->findChild<QWidget*>(QStringLiteral("PictResults"))->accessibleDescription(),
        QStringLiteral("あなた: 100 ドル\nリュウ: 500 ドル\nハヤブサ: 500 ドル\nタカ: 500 ドル"));
    window->TimerCheckMoney_Timer();
    EXPECT_EQ(random.Taken(), drawn + Coins);
    window->close();
}

}  // namespace
}  // namespace kestrins::testing
