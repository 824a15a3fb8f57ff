// The title screen: the logo, the two rows, and choosing a row by the pointer or by the keys.
#pragma once

#include <QCoreApplication>

#include "game/mdl_main.h"
#include "platform/message_box.h"
#include "platform/scaled_picture.h"
#include "platform/surface.h"

namespace kestrins {

// Whether the loaded money and drops are a match under way: not over, and not as a new match
// starts.
bool MatchToContinue(const MdlMain& state);

class TitleScreen {
    Q_DECLARE_TR_FUNCTIONS(kestrins::TitleScreen)

public:
    // title: the logo's sheet, which outlives the screen.
    TitleScreen(MdlMain& state, Surface& playField, Surface& info, const ScaledPicture& title,
                MessageBoxes& boxes)
        : state_(state), playField_(playField), info_(info), title_(title), boxes_(boxes) {}

    // Draws the screen with row 1 ("最初から") or 2 ("続きから") underlined and its message in
    // the strip; row 0 underlines nothing.
    void Draw(int row);
    // Again at the table's size now, with the same row underlined.
    void Redraw() { Draw(row_); }
    // The row drawn underlined, by the pointer or the arrow keys; 0 for none.
    int Row() const { return row_; }
    // The row under a y position on the table: 1 and 2 are the choices.
    int RowAt(int y) const;
    // Up or Down: the other row. From none the first press goes to "続きから" when there is a
    // match to continue, else Down to the first row and Up to the last.
    void MoveByKey(int key);
    // Starts over (row 1) or continues (row 2) and says so; any other row does nothing. Chosen by
    // the keys, starting over a match to continue asks first, No being the default. True once
    // a row is chosen.
    bool Choose(int row, bool byKeys);

private:
    MdlMain& state_;
    Surface& playField_;
    Surface& info_;
    const ScaledPicture& title_;
    MessageBoxes& boxes_;
    int row_ = 0;
};

}  // namespace kestrins
