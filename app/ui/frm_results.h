// The money window: four coin stacks over a scale, repainted when a seat's money changes.
#pragma once

#include <QWidget>
#include <array>
#include <cstdint>
#include <string>

#include "game/mdl_main.h"
#include "game/random_source.h"
#include "platform/pacer.h"
#include "platform/surface.h"

class QTimer;

namespace kestrins {

class SurfaceView;

class FrmResults final : public QWidget {
    Q_OBJECT

public:
    // coins: the 59 x 145 sheet of the mask and the four coin colours. While pacer pauses the
    // game, the chart takes nothing from random: it catches up at the first tick after the
    // pause. The window deletes itself when closed; parent only owns it until then.
    FrmResults(MdlMain& state, RandomSource& random, const Pacer& pacer, const ScaledPicture& coins,
               QWidget* parent);

    // Shows the window at the top-left corner of the desktop's free area.
    void ShowAtTopLeft();

    // Repaints the whole chart with fresh jitter.
    void DrawMoneys();

    // The 500 ms check of the money and the names, which also catches up on a resize made
    // during a pause; public so that a test can tick it without waiting.
    void TimerCheckMoney_Timer();

    const Surface& Picture() const { return results_; }

signals:
    // Sent whenever the window closes, by its close box or by close(): the check mark of the
    // menu item goes off.
    void Closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Form_Resize();
    // x is the left edge, y the foot of the stack.
    void DrawCoinStack(int32_t x, int32_t y, const Player& p);

    MdlMain& state_;
    RandomSource& random_;
    const Pacer& pacer_;
    ScaledPicture coins_;
    Surface results_;
    std::array<int32_t, 4> LastMoneys{};
    // The names as the chart last drew them: a rename in the options shows at the next tick.
    std::array<std::string, 4> shownNames_;
    // Resized during a pause and not yet drawn at the new size.
    bool resizedInPause_ = false;
    SurfaceView* PictResults;
    QTimer* TimerCheckMoney;
};

}  // namespace kestrins
