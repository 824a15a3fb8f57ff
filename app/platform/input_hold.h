// What the player clicks or types during a pause is dropped; a close request waits for later.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWindow>
#include <vector>

namespace kestrins {

// Marks a widget (with everything in it) or an action whose input pauses do not hold back: its
// owner decides what a press made during a pause does, and when.
void TakeInputDuringPauses(QObject& object);

class InputHold final : public QObject {
public:
    // From Begin to the matching End, mouse and key input is dropped and a window's close
    // request is held. Input to a modal window passes: one can only have opened inside the
    // pause (a box from a timer), and the windows behind it are blocked by it anyway. So does
    // input to what TakeInputDuringPauses marked. Pauses may nest.
    void Begin();
    // At the end of the outermost pause, a held close of a window that belongs to another (a
    // tool window beside the main one, as the money chart) reaches it; the main window's waits
    // for the game.
    void End();
    bool Holding() const { return depth_ > 0; }
    // Hands the held close requests to their windows; true when there was one.
    bool ReleaseCloses() { return Release(false); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool Release(bool toolWindowsOnly);

    int depth_ = 0;
    std::vector<QPointer<QWindow>> closes_;
};

}  // namespace kestrins
