// The bet buttons' focus ring: hidden in the mouse game, shown from the first Tab, arrow or
// access key on, and as thick as the table is large.
#include <QApplication>
#include <QPushButton>
#include <QTest>

#include "main_window_fixture.h"

namespace kestrins::testing {
namespace {

struct Ring {
    int left = -1;
    int width = 0;
    bool operator==(const Ring&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Ring& ring) {
    return out << "ring at " << ring.left << ", " << ring.width << " wide";
}

// The ring's first run of the highlight colour along the middle row of the button as it shows.
Ring RingOf(QPushButton& button) {
    const QImage shown = button.grab().toImage();
    const QRgb highlight = button.palette().color(QPalette::Highlight).rgb();
    const int y = shown.height() / 2;
    Ring ring;
    for (int x = 0; x < shown.width() / 3; ++x) {
        if (shown.pixel(x, y) != highlight) {
            if (ring.width > 0) {
                break;
            }
            continue;
        }
        if (ring.width++ == 0) {
            ring.left = x;
        }
    }
    return ring;
}

class FocusRingTest : public MainWindowTest {
protected:
    void Activate() {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
};

TEST_F(FocusRingTest, TheMouseGameShowsNoRingUntilTabMovesTheFocusAndThenKeepsIt) {
    Activate();
    ChooseTitle(1);
    DealAcesAgainstNoHands();
    ScriptCpuCalls();
    pacer.AtWait.push_back([this] {
        ASSERT_EQ(QApplication::focusWidget(), window->CmdBet[0]);
        EXPECT_EQ(RingOf(*window->CmdBet[0]), Ring{});
        PressKey(Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), window->CmdBet[1]);
        EXPECT_EQ(RingOf(*window->CmdBet[1]), (Ring{2, 2}));
        EXPECT_EQ(RingOf(*window->CmdBet[0]), Ring{});
        ScriptCpuCalls(2);
        window->CmdBet[0]->click();
    });
    window->CmdChange->click();
    ASSERT_EQ(state.GameState, StateGameOver);

    // The human won and opens the next game: the ring is on "コール" at once.
    DealAcesAgainstNoHands();
    pacer.AtWait.push_back([this] {
        EXPECT_EQ(RingOf(*window->CmdBet[0]), (Ring{2, 2}));
        ScriptCpuCalls(3);
        window->CmdBet[0]->click();
    });
    window->CmdChange->click();
    EXPECT_EQ(random.Left(), 0u);
}

// The ring is a sixteenth of the button's height, at least 2 pixels: 33, 50 and 66 high.
TEST_F(FocusRingTest, AnArrowOrAnAccessKeyShowsTheRingAsThickAsTheTableIsLarge) {
    struct Case {
        int32_t size;
        bool accessKey;  // else an arrow on the title screen
        int width;
    };
    for (const Case& c : {Case{0, true, 2}, Case{1, false, 3}, Case{2, true, 4}}) {
        SCOPED_TRACE(c.size);
        OpenWindow(store);
        state.Winner = 3;  // each a first game, opened by seat 3
        Activate();
        window->MnuitemTableSize[c.size]->trigger();
        if (c.accessKey) {
            window->PictPlayField_MouseDown(Qt::LeftButton, 100,
                                            window->PlayField().Height() - 150 + 35 + 14);
        } else {
            PressKey(Qt::Key_Down);
            PressKey(Qt::Key_Return);
        }
        ASSERT_EQ(state.GameState, StateReady);
        DealAcesAgainstNoHands();
        ScriptCpuCalls();
        pacer.AtWait.push_back([&] {
            QPushButton& call = *window->CmdBet[0];
            ASSERT_EQ(QApplication::focusWidget(), &call);
            if (c.accessKey) {
                EXPECT_EQ(RingOf(call), Ring{});
                PressKey(Qt::Key_R, Qt::AltModifier);  // a raise; the focus stays on the call
                ScriptCpuCalls(1);
            }
            EXPECT_EQ(RingOf(call), (Ring{2, c.width}));
            ScriptCpuCalls(2);
            call.click();
        });
        window->CmdChange->click();
        EXPECT_EQ(random.Left(), 0u);
        state.GameState = StateTitle;
    }
}

}  // namespace
}  // namespace kestrins::testing
