// The table is 520 x 400 pixels with its strip at 100 %, each length times the table's scale.
#include "ui/table_size_fit.h"

#include <QAction>
#include <QCoreApplication>

#include <algorithm>

namespace kestrins {

namespace {

constexpr QSize PlainClient(520, 400);

}  // namespace

QSize TableClientSize(int32_t size) {
    const double scale = TableScale[static_cast<std::size_t>(size)];
    return {static_cast<int>(PlainClient.width() * scale),
            static_cast<int>(PlainClient.height() * scale)};
}

int32_t LargestFittingTableSize(QSize available, QSize around) {
    for (int32_t size = TableSizeCount - 1; size > 0; --size) {
        const QSize window = TableClientSize(size) + around;
        if (window.width() <= available.width() && window.height() <= available.height()) {
            return size;
        }
    }
    return 0;
}

QPoint KeepOnScreen(const QRect& frame, const QRect& available) {
    const int x = std::clamp(frame.x(), available.left(),
                             std::max(available.left(), available.right() + 1 - frame.width()));
    const int y = std::clamp(frame.y(), available.top(),
                             std::max(available.top(), available.bottom() + 1 - frame.height()));
    return {x, y};
}

void OfferTableSizes(const std::array<QAction*, TableSizeCount>& sizes, QAction& zoomIn,
                     int32_t current, int32_t largest) {
    const QString why = QCoreApplication::translate("kestrins::FrmMain",
                                                    "この大きさのテーブルは画面に収まりません。");
    const auto offer = [&why](QAction& item, bool offered) {
        item.setEnabled(offered);
        const QString said = offered ? QString() : why;
        item.setToolTip(offered ? item.text() : why);
        item.setStatusTip(said);
        item.setWhatsThis(said);
    };
    for (int32_t size = 0; size < TableSizeCount; ++size) {
        offer(*sizes[static_cast<std::size_t>(size)], size <= largest);
    }
    offer(zoomIn, current < largest || current == TableSizeCount - 1);
}

}  // namespace kestrins
