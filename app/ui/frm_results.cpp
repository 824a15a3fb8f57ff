// Money window: scale lines, coin stacks with hand-piled jitter, and the twice-a-second check.
#include "ui/frm_results.h"

#include <QCloseEvent>
#include <QRect>
#include <QScreen>
#include <QStringList>
#include <QTimer>
#include <cmath>
#include <string>

#include "game/constants.h"
#include "game/embedded_name.h"
#include "ui/accessible_text.h"
#include "ui/close_on_escape.h"
#include "ui/surface_view.h"
#include "ui/window_font.h"

namespace kestrins {

namespace {

constexpr int CoinWidth = 59;
constexpr int CoinHeight = 29;
constexpr int CoinPitch = 5;
// How far a name's room reaches past its stack on either side: half the gap between stacks.
constexpr int NameOverhang = 5;
// Rows of the sprites in the coin sheet.
constexpr int MaskRow = 0;
constexpr int SilverRow = 29;
constexpr int RedRow = 58;
constexpr int BlueRow = 87;
constexpr int GreenRow = 116;

constexpr uint32_t ChartGreen = 0x008000;
constexpr uint32_t ChartWhite = 0xFFFFFF;

// Windows rectangles name their right and bottom edges, which lie outside.
QRect FromEdges(int left, int top, int right, int bottom) {
    return QRect(left, top, right - left, bottom - top);
}

}  // namespace

FrmResults::FrmResults(MdlMain& state, RandomSource& random, const Pacer& pacer,
                       const ScaledPicture& coins, QWidget* parent)
    : QWidget(parent, Qt::Window),
      state_(state),
      random_(random),
      pacer_(pacer),
      coins_(coins),
      results_(297, 371, FromBgr(ChartGreen)) {
    setObjectName(QStringLiteral("FrmResults"));
    CloseOnEscape(*this);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("持ち金の確認"));
    setFont(WindowFont());
    results_.SetForeColor(FromBgr(ChartWhite));

    PictResults = new SurfaceView(results_, this);
    PictResults->setObjectName(QStringLiteral("PictResults"));
    PictResults->setGeometry(0, 0, results_.Width(), results_.Height());
    PictResults->setAccessibleName(tr("所持金のグラフ"));
    resize(results_.Width(), results_.Height());

    TimerCheckMoney = new QTimer(this);
    TimerCheckMoney->setObjectName(QStringLiteral("TimerCheckMoney"));
    TimerCheckMoney->setInterval(500);
    connect(TimerCheckMoney, &QTimer::timeout, this, &FrmResults::TimerCheckMoney_Timer);
    TimerCheckMoney->start();
}

void FrmResults::ShowAtTopLeft() {
    // Placed before it shows, so it does not appear elsewhere first.
    if (const QScreen* desktop = screen()) {
        move(desktop->availableGeometry().topLeft());
    }
    show();
}

void FrmResults::closeEvent(QCloseEvent* event) {
    emit Closed();
    event->accept();
}

void FrmResults::resizeEvent(QResizeEvent* /*event*/) {
    Form_Resize();
}

void FrmResults::Form_Resize() {
    const int pictureTop = PictResults->y();
    // The view resizes its surface only once it is shown; the chart is drawn before that.
    results_.Resize(width(), height() - pictureTop);
    PictResults->setGeometry(0, pictureTop, width(), height() - pictureTop);
    // Drawn at the fineness of the screen it shows on, the first time too: drawing again later
    // would take jitter from the game's random source that no other screen takes.
    PictResults->FitScale();
    // The coins' jitter comes from the game's random source: drawing now, in the middle of a
    // deal or between two computer players, would change the game.
    if (pacer_.Pausing()) {
        resizedInPause_ = true;
        return;
    }
    DrawMoneys();
}

void FrmResults::TimerCheckMoney_Timer() {
    // During a pause the chart is not updated; LastMoneys stays, so the next tick sees the change.
    if (pacer_.Pausing()) {
        return;
    }
    bool changed = resizedInPause_;
    for (int i = 0; i < SeatCount; ++i) {
        changed = changed || state_.Players[i].Money != LastMoneys[i] ||
                  state_.Players[i].Name != shownNames_[i];
    }
    if (!changed) {
        return;
    }
    resizedInPause_ = false;
    DrawMoneys();
    for (int i = 0; i < SeatCount; ++i) {
        LastMoneys[i] = state_.Players[i].Money;
    }
}

void FrmResults::DrawMoneys() {
    results_.Clear();
    const int width = results_.Width();
    for (int i = 0; i <= 5; ++i) {
        const int y = 50 * i + 3;
        results_.MoveTo(0, y);
        results_.LineTo(width, y);
        results_.DrawText(tr("%1 枚").arg((6 - i) * 10), FromEdges(0, 50 * i + 5, 50, 50 * i + 19),
                          TextLeft);
    }
    const int height = results_.Height();
    QStringList moneys;
    for (int j = 0; j < SeatCount; ++j) {
        DrawCoinStack(10 + 70 * j, height - 40, state_.Players[j]);
        shownNames_[j] = state_.Players[j].Name;
        moneys << tr("%1: %2 ドル", "name, money")
                      .arg(QString::fromStdString(EmbedName(state_.Players[j].Name)),
                           QString::number(state_.Players[j].Money));
    }
    results_.Refresh();
    SetAccessibleDescription(*PictResults, moneys.join(u'\n'));
}

void FrmResults::DrawCoinStack(int32_t x, int32_t y, const Player& p) {
    // 64 bits: the most negative amount has no 32-bit opposite.
    const int64_t m = p.Money;
    const int64_t amount = m < 0 ? -m : m;
    const int hundredRow = m < 0 ? GreenRow : BlueRow;
    const int tenRow = m < 0 ? RedRow : SilverRow;
    // Coins wholly above the picture are left out, so a huge stored amount cannot stall the
    // window with millions of invisible copies.
    const int64_t visible = y > 0 ? (y - 1) / CoinPitch + 1 : 0;
    int64_t k = 0;
    const auto putCoins = [&](int64_t count, int colourRow) {
        for (int64_t n = 0; n < count && k < visible; ++n, ++k) {
            const int d = static_cast<int>(std::floor(3.0f * random_.Next() - 1.0f));
            const int top = y - CoinHeight - CoinPitch * static_cast<int>(k);
            results_.BitBlt(x + d, top, CoinWidth, CoinHeight, coins_, 0, MaskRow,
                            RasterOp::SrcAnd);
            results_.BitBlt(x + d, top, CoinWidth, CoinHeight, coins_, 0, colourRow,
                            RasterOp::SrcInvert);
        }
    };
    putCoins(amount / 100, hundredRow);
    putCoins(amount % 100 / 10, tenRow);

    results_.DrawText(QString::fromStdString(std::to_string(m) + " $"),
                      FromEdges(x, y + 4, x + CoinWidth, y + 24), TextCenter);
    // A name may use the gap to the next stack; one wider still ends in "…".
    results_.DrawText(QString::fromStdString(p.Name),
                      FromEdges(x - NameOverhang, y + 20, x + CoinWidth + NameOverhang, y + 40),
                      TextCenter | TextEndEllipsis);
}

}  // namespace kestrins
