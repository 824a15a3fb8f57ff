// The main window at every table size on the screen it has, and the coach beside it: wholly on
// the screen, the coach clear of the cards, names and bets, following the table.
#include <QMenuBar>
#include <QScreen>

#include "main_window_fixture.h"
#include "support/covered_area.h"
#include "ui/table_size_fit.h"

namespace kestrins::testing {
namespace {

QWidget* Coach(const FrmMain& window) {
    return window.findChild<QWidget*>(QStringLiteral("FrmCoach"));
}

// Set in the corner where growing would push it off, the window grows up and left; a size too
// large for the screen is not taken, and its item says why. Runs on a wide screen and on the
// offscreen platform's 800 x 800, which has no room for 200 %.
TEST_F(MainWindowTest, TheWindowStaysOnItsScreenAtEverySize) {
    const QRect available = window->screen()->availableGeometry();
    const QSize around = window->frameGeometry().size() - window->size() +
                         QSize(0, window->menuBar()->sizeHint().height());
    const int32_t largest = LargestFittingTableSize(available.size(), around);
    window->move(available.bottomRight() - QPoint(200, 150));
    for (const int32_t size : {1, 2}) {
        SCOPED_TRACE(size);
        window->MnuitemTableSize[size]->trigger();
        EXPECT_EQ(state.TableSize, std::min(size, largest));
        EXPECT_TRUE(available.contains(window->frameGeometry()))
            << window->frameGeometry().x() << "," << window->frameGeometry().y();
        EXPECT_EQ(window->centralWidget()->size(), TableClientSize(state.TableSize));
    }
    for (int32_t size = 0; size < TableSizeCount; ++size) {
        EXPECT_EQ(window->MnuitemTableSize[size]->isEnabled(), size <= largest) << size;
        EXPECT_EQ(window->MnuitemTableSize[size]->statusTip().isEmpty(), size <= largest);
    }
    window->MnuitemZoomIn->trigger();
    EXPECT_EQ(state.TableSize, largest);
}

// The coach at each size: on the screen, over none of the table's cards, names, bets and
// buttons where the screen leaves room beside the table, and moved with the table.
TEST_F(MainWindowTest, TheCoachStaysOnTheScreenClearOfTheTableAndFollowsIt) {
    const QRect available = window->screen()->availableGeometry();
    const QPoint start = available.topLeft() + QPoint(0, 40);
    window->move(start);
    window->MnuitemCoach->trigger();
    ChooseTitle(1);
    Deal();
    QWidget* coach = Coach(*window);
    ASSERT_NE(coach, nullptr);
    ASSERT_TRUE(coach->isVisible());
    for (const int32_t size : {0, 1, 2}) {
        SCOPED_TRACE(size);
        window->MnuitemTableSize[size]->trigger();
        const QRect placed = coach->frameGeometry();
        EXPECT_TRUE(available.contains(placed));
        const QRect table = window->frameGeometry();
        const bool room = available.right() - table.right() >= placed.width() + ToolWindowGap ||
                          available.bottom() - table.bottom() >= placed.height() + ToolWindowGap;
        if (room) {
            EXPECT_FALSE(placed.intersects(table));
            EXPECT_EQ(CoveredArea(placed, window->InSight()), 0);
        }
        // The table moves a little: the coach goes with it, or stays where it has to.
        window->move(window->pos() + QPoint(0, 10));
        EXPECT_TRUE(available.contains(coach->frameGeometry()));
        if (room && placed.left() > table.right() && placed.bottom() + 10 <= available.bottom()) {
            EXPECT_EQ(coach->frameGeometry().topLeft(), placed.topLeft() + QPoint(0, 10));
        }
        window->move(start);
    }
}

}  // namespace
}  // namespace kestrins::testing
