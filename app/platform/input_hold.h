// What the player clicks or types during a pause is dropped; a close request waits for later.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWindow>
#include <vector>

namespace kestrins {

// A shortcut's action with this property set to true still acts during a pause: one that
// changes nothing in the game, such as the quick mute.
inline constexpr char ActsDuringPause[] = "actsDuringPause";

class InputHold final : public QObject {
public:
    // From Begin to the matching End, mouse and key input is dropped and a window's close
    // request is held. Pauses may nest.
    void Begin();
    void End();
    bool Holding() const { return depth_ > 0; }
    // Hands the held close requests to their windows; true when there was one.
    bool ReleaseCloses();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int depth_ = 0;
    std::vector<QPointer<QWindow>> closes_;
};

}  // namespace kestrins
