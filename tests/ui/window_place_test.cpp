// Where the main window and the coach go on the screen: always wholly on it, the coach beside
// the table where there is room and otherwise over as little of the table's content as it can.
#include <gtest/gtest.h>

#include <QAction>

#include <array>
#include <memory>

#include "support/covered_area.h"
#include "ui/table_size_fit.h"
#include "ui/tool_window_place.h"

namespace kestrins {
namespace {

using testing::CoveredArea;

const QRect Screen(0, 0, 1280, 800);
const QSize Coach(370, 350);

TEST(PlaceToolWindow, BesideTheTableRightThenLeftThenBelowThenAbove) {
    const struct {
        const char* name;
        QRect table;
        QPoint expected;
    } cases[] = {
        {"room on the right", QRect(0, 0, 520, 440), QPoint(528, 0)},
        // Exactly as wide as the room: right still.
        {"right, to the pixel", QRect(0, 100, 1280 - 2 * 8 - 370, 440), QPoint(902, 100)},
        {"one pixel short on the right", QRect(500, 0, 403, 440), QPoint(500 - 8 - 370, 0)},
        // Low on the screen: slid up along the table's side, never past the screen's top.
        {"right, slid up", QRect(0, 600, 520, 200), QPoint(528, 800 - 350)},
        {"below", QRect(100, 0, 1100, 400), QPoint(100, 408)},
        {"above", QRect(100, 420, 1100, 380), QPoint(100, 420 - 8 - 350)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QPoint at = PlaceToolWindow(c.table, Coach, Screen, {});
        EXPECT_EQ(at, c.expected);
        EXPECT_TRUE(Screen.contains(QRect(at, Coach)));
        EXPECT_FALSE(QRect(at, Coach).intersects(c.table));
    }
}

// A table as wide as the screen (200 %): no room beside it, so the coach goes where it covers
// the least of the cards, names and bets; where a gap wide enough exists it covers none.
TEST(PlaceToolWindow, WithoutRoomCoversTheLeastOfTheTablesContent) {
    const QRect table(0, 0, 1280, 800);
    // Two seats' cards at the top corners and a panel at the bottom right leave the lower left
    // free.
    const std::vector<QRect> content{QRect(0, 0, 600, 300), QRect(680, 0, 600, 300),
                                     QRect(900, 500, 380, 300)};
    const QPoint at = PlaceToolWindow(table, Coach, Screen, content);
    EXPECT_TRUE(Screen.contains(QRect(at, Coach)));
    EXPECT_EQ(CoveredArea(QRect(at, Coach), content), 0) << at.x() << "," << at.y();

    // Content everywhere but for one strip: the least covered place covers only what it must.
    const std::vector<QRect> crowded{QRect(0, 0, 1280, 400), QRect(0, 400, 1280, 400)};
    const QPoint anywhere = PlaceToolWindow(table, Coach, Screen, crowded);
    EXPECT_TRUE(Screen.contains(QRect(anywhere, Coach)));
    EXPECT_EQ(CoveredArea(QRect(anywhere, Coach), crowded), 370 * 350);
}

// A table hanging off the screen, or a coach larger than the screen, still leaves the coach's
// top-left corner on it; a table partly off the left edge has its coach on the right.
TEST(PlaceToolWindow, NeverHangsOffTheScreen) {
    for (const QRect& table : {QRect(-300, -50, 780, 620), QRect(900, 500, 780, 620),
                               QRect(-2000, 0, 520, 440), QRect(5000, 5000, 520, 440)}) {
        const QPoint at = PlaceToolWindow(table, Coach, Screen, {table});
        EXPECT_TRUE(Screen.contains(QRect(at, Coach))) << table.x() << "," << table.y();
    }
    EXPECT_EQ(PlaceToolWindow(QRect(0, 0, 520, 440), QSize(2000, 900), Screen, {}), QPoint(0, 0));
}

TEST(TableSizeFit, TheLargestSizeWhoseWindowFitsEveryEdgeToThePixel) {
    const QSize around(0, 22);  // the menu bar
    EXPECT_EQ(LargestFittingTableSize(QSize(1040, 822), around), 2);
    EXPECT_EQ(LargestFittingTableSize(QSize(1039, 822), around), 1);
    EXPECT_EQ(LargestFittingTableSize(QSize(1040, 821), around), 1);
    EXPECT_EQ(LargestFittingTableSize(QSize(1280, 800), around), 1);
    EXPECT_EQ(LargestFittingTableSize(QSize(780, 622), around), 1);
    EXPECT_EQ(LargestFittingTableSize(QSize(779, 622), around), 0);
    // Even a screen too small for 100 % keeps the table at 100 %.
    EXPECT_EQ(LargestFittingTableSize(QSize(300, 200), around), 0);
}

TEST(TableSizeFit, KeepOnScreenMovesOnlyAsFarAsNeeded) {
    const QRect available(0, 30, 1280, 770);  // a panel along the top
    EXPECT_EQ(KeepOnScreen(QRect(100, 100, 780, 640), available), QPoint(100, 100));
    EXPECT_EQ(KeepOnScreen(QRect(600, 300, 780, 640), available), QPoint(500, 160));
    EXPECT_EQ(KeepOnScreen(QRect(-40, 0, 780, 640), available), QPoint(0, 30));
    // Too large: the top-left corner, with the menu, stays on the screen.
    EXPECT_EQ(KeepOnScreen(QRect(300, 300, 1300, 850), available), QPoint(0, 30));
}

TEST(TableSizeFit, SizesWithoutRoomAreDisabledAndSayWhy) {
    std::array<std::unique_ptr<QAction>, TableSizeCount> owned;
    std::array<QAction*, TableSizeCount> sizes{};
    for (std::size_t i = 0; i < owned.size(); ++i) {
        owned[i] = std::make_unique<QAction>(QStringLiteral("%1 %").arg(100 + 50 * i));
        sizes[i] = owned[i].get();
    }
    QAction zoomIn(QStringLiteral("拡大"));
    const QString why = QStringLiteral("この大きさのテーブルは画面に収まりません。");

    OfferTableSizes(sizes, zoomIn, 1, 1);
    EXPECT_TRUE(sizes[0]->isEnabled());
    EXPECT_TRUE(sizes[1]->isEnabled());
    EXPECT_FALSE(sizes[2]->isEnabled());
    EXPECT_EQ(sizes[2]->toolTip(), why);
    EXPECT_EQ(sizes[2]->statusTip(), why);
    EXPECT_EQ(sizes[2]->whatsThis(), why);
    EXPECT_FALSE(zoomIn.isEnabled()) << "at the largest that fits, zooming in cannot go on";
    EXPECT_EQ(zoomIn.toolTip(), why);
    EXPECT_TRUE(sizes[1]->statusTip().isEmpty());

    // A larger screen: everything again, and the reasons gone.
    OfferTableSizes(sizes, zoomIn, 1, 2);
    EXPECT_TRUE(sizes[2]->isEnabled());
    EXPECT_TRUE(sizes[2]->statusTip().isEmpty());
    EXPECT_EQ(sizes[2]->toolTip(), QStringLiteral("200 %"));
    EXPECT_TRUE(zoomIn.isEnabled());
}

}  // namespace
}  // namespace kestrins
