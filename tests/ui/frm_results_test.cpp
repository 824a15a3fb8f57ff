// Money window: coins counted from the picture, labels, the change check, resizing and closing.
#include "ui/frm_results.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QScreen>
#include <QWidget>

#include <climits>
#include <string>
#include <vector>

#include "support/scripted_random.h"

namespace kestrins {
namespace {

using testing::ScriptedRandom;

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
        const int bottomRow = 29 * (sprite + 1) + 28;
        for (int x = 0; x < 59; ++x) {
            sheet.setPixel(x, bottomRow, 0xFF000000 | colours[sprite]);
        }
    }
    return sheet;
}

QRgb PixelAt(const FrmResults& window, int x, int y) {
    return window.Picture().Image().pixel(x, y) & 0xFFFFFF;
}

// The marker colours of a stack from the bottom coin up, read down the middle column.
std::vector<QRgb> StackColours(const FrmResults& window, int seat) {
    const int x = 10 + 70 * seat + 29;
    const int foot = window.Picture().Height() - 40;
    std::vector<QRgb> colours;
    for (int row = foot - 1; row >= 0; row -= 5) {
        const QRgb colour = PixelAt(window, x, row);
        if (colour != Silver && colour != Red && colour != Blue && colour != Lime) {
            break;
        }
        colours.push_back(colour);
    }
    return colours;
}

std::vector<QRgb> Coins(int count, QRgb colour) {
    return std::vector<QRgb>(count, colour);
}

std::vector<QRgb> Concat(std::vector<QRgb> lower, const std::vector<QRgb>& upper) {
    lower.insert(lower.end(), upper.begin(), upper.end());
    return lower;
}

// The two labels under a stack as they must look, drawn alone on a fresh chart.
bool LabelsMatch(const FrmResults& window, int seat, const QString& money, const QString& name) {
    const int x = 10 + 70 * seat;
    const int foot = window.Picture().Height() - 40;
    Surface expected(window.Picture().Width(), window.Picture().Height(), QColor(Green));
    expected.SetForeColor(QColor(White));
    expected.DrawText(money, QRect(x, foot + 4, 59, 20), TextCenter);
    expected.DrawText(name, QRect(x, foot + 20, 59, 20), TextCenter);
    const QRect labels(x, foot, 59, 40);
    return window.Picture().Image().copy(labels) == expected.Image().copy(labels);
}

class FrmResultsTest : public ::testing::Test {
protected:
    MdlMain state;
    QImage coins = SyntheticCoins();
    QWidget owner;

    FrmResults* Open(RandomSource& random) {
        // Owned by owner until closed; the window deletes itself on close.
        return new FrmResults(state, random, coins, &owner);
    }
};

struct StackCase {
    int32_t money;
    std::vector<QRgb> coins;
    const char* label;
};

TEST_F(FrmResultsTest, StacksShowHundredsAndTensOfTheMoney) {
    const std::vector<StackCase> cases = {
        {500, Coins(5, Blue), "500 $"},
        {1234, Concat(Coins(12, Blue), Coins(3, Silver)), "1234 $"},
        {9, {}, "9 $"},
        {0, {}, "0 $"},
        {-250, Concat(Coins(2, Lime), Coins(5, Red)), "-250 $"},
        {100, Coins(1, Blue), "100 $"},
        {199, Concat(Coins(1, Blue), Coins(9, Silver)), "199 $"},
        {-9, {}, "-9 $"},
    };
    for (const StackCase& c : cases) {
        SCOPED_TRACE(c.money);
        state.Players[2].Money = c.money;
        state.Players[2].Name = "ケン";
        ScriptedRandom random;
        for (size_t i = 0; i < c.coins.size(); ++i) {
            random.Push(0.5f);
        }
        FrmResults* window = Open(random);
        window->DrawMoneys();
        EXPECT_EQ(StackColours(*window, 2), c.coins);
        EXPECT_EQ(random.Left(), 0u);
        EXPECT_TRUE(LabelsMatch(*window, 2, QString::fromUtf8(c.label), QStringLiteral("ケン")));
        EXPECT_TRUE(StackColours(*window, 0).empty());
        delete window;
    }
}

TEST_F(FrmResultsTest, JitterShiftsEachCoinByOnePixelAtMost) {
    state.Players[1].Money = 30;
    ScriptedRandom random{0.0f, 0.5f, 0.99999994f};
    FrmResults* window = Open(random);
    window->DrawMoneys();
    const int x = 80;
    const int foot = window->Picture().Height() - 40;
    const int expectedLeft[] = {x - 1, x, x + 1};
    for (int k = 0; k < 3; ++k) {
        const int row = foot - 1 - 5 * k;
        int left = x - 3;
        while (PixelAt(*window, left, row) != Silver) {
            ++left;
        }
        EXPECT_EQ(left, expectedLeft[k]) << "coin " << k;
        EXPECT_EQ(PixelAt(*window, left + 58, row), Silver);
        EXPECT_NE(PixelAt(*window, left + 59, row), Silver);
    }
}

// The most negative amount has no 32-bit opposite, and a huge amount would mean millions of
// copies: only the coins that reach into the picture are drawn.
TEST_F(FrmResultsTest, ExtremeAmountsDrawOnlyVisibleCoinsAndTheExactLabel) {
    const int32_t extremes[] = {INT32_MAX, INT32_MIN};
    for (int32_t money : extremes) {
        SCOPED_TRACE(money);
        state.Players[3].Money = money;
        ScriptedRandom random;
        const int visible = (371 - 40 - 1) / 5 + 1;
        for (int i = 0; i < visible; ++i) {
            random.Push(0.5f);
        }
        FrmResults* window = Open(random);
        window->DrawMoneys();
        EXPECT_EQ(random.Left(), 0u);
        EXPECT_EQ(StackColours(*window, 3).size(), static_cast<size_t>(visible));
        EXPECT_TRUE(LabelsMatch(*window, 3, QString::number(money) + QStringLiteral(" $"), {}));
        delete window;
    }
}

TEST_F(FrmResultsTest, TickRepaintsOnlyWhenSomeMoneyChanged) {
    ScriptedRandom random{0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f};
    FrmResults* window = Open(random);
    window->DrawMoneys();
    const QImage blank = window->Picture().Image();

    // All money 0, as the window assumed when it opened: nothing to do.
    window->TimerCheckMoney_Timer();
    EXPECT_EQ(window->Picture().Image(), blank);

    state.Players[0].Money = 500;
    window->TimerCheckMoney_Timer();
    EXPECT_EQ(random.Taken(), 5u);
    EXPECT_EQ(StackColours(*window, 0), Coins(5, Blue));
    const QImage fiveHundred = window->Picture().Image();

    window->TimerCheckMoney_Timer();
    EXPECT_EQ(random.Taken(), 5u);
    EXPECT_EQ(window->Picture().Image(), fiveHundred);

    // Same coins, yet the whole chart is drawn again with new jitter and the new label.
    state.Players[0].Money = 509;
    window->TimerCheckMoney_Timer();
    EXPECT_EQ(random.Taken(), 10u);
    const int foot = window->Picture().Height() - 40;
    EXPECT_EQ(PixelAt(*window, 9, foot - 1), Blue);
    EXPECT_TRUE(LabelsMatch(*window, 0, QStringLiteral("509 $"), {}));

    window->TimerCheckMoney_Timer();
    EXPECT_EQ(random.Taken(), 10u);
    delete window;
}

TEST_F(FrmResultsTest, TallerWindowMovesStacksDownAndKeepsTheScale) {
    state.Players[0].Money = 20;
    MersenneRandom random(7);
    FrmResults* window = Open(random);
    window->show();
    window->resize(297, 471);
    QCoreApplication::processEvents();
    ASSERT_EQ(window->Picture().Height(), 471);
    EXPECT_EQ(window->Picture().Width(), 297);
    EXPECT_EQ(StackColours(*window, 0), Coins(2, Silver));
    // The scale keeps its distance from the top: its lowest line stays at 253.
    for (int y = 3; y <= 253; y += 50) {
        EXPECT_EQ(PixelAt(*window, 296, y), White) << y;
        EXPECT_EQ(PixelAt(*window, 296, y + 1), Green) << y;
    }
    EXPECT_EQ(PixelAt(*window, 296, 303), Green);
    window->close();
}

TEST_F(FrmResultsTest, CloseBoxReportsAndDestroysTheWindow) {
    MersenneRandom random(7);
    QPointer<FrmResults> window = Open(random);
    int closed = 0;
    QObject::connect(window, &FrmResults::Closed, [&closed] { ++closed; });
    window->ShowAtTopLeft();
    EXPECT_EQ(window->frameGeometry().topLeft(), window->screen()->availableGeometry().topLeft());

    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(closed, 1);
    EXPECT_TRUE(window.isNull());
}

}  // namespace
}  // namespace kestrins
