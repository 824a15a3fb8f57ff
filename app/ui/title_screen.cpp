// The title screen's drawing, its rows' hit areas, the arrow keys and the two choices.
#include "ui/title_screen.h"

#include <QRect>
#include <QString>
#include <algorithm>
#include <array>
#include <cmath>

#include "game/constants.h"
#include "render/show_message.h"

namespace kestrins {

namespace {

// The gap between the title rows (35 apart, 28 high), where a row's underline goes.
constexpr int TitleRowGap = 7;

// A match is over once the human's money, or every computer's, is below zero.
bool MatchOver(const MdlMain& state) {
    const auto below = [](const Player& player) { return player.Money < 0; };
    return below(state.Players[0]) ||
           std::all_of(state.Players.begin() + 1, state.Players.end(), below);
}

void StartOver(MdlMain& state) {
    state.Players[0].Money = StartingMoneyHuman;
    for (int seat = 1; seat < SeatCount; ++seat) {
        state.Players[seat].Money = StartingMoneyComputer;
    }
    state.DropCount = StartingDropCount;
}

// Nothing to continue: money and drops as a new match starts them (a first start, or nothing
// was kept).
bool AtMatchStart(const MdlMain& state) {
    const auto starting = [](const Player& player) {
        return player.Money == StartingMoneyComputer;
    };
    return state.DropCount == StartingDropCount && state.Players[0].Money == StartingMoneyHuman &&
           std::all_of(state.Players.begin() + 1, state.Players.end(), starting);
}

}  // namespace

bool MatchToContinue(const MdlMain& state) {
    return !MatchOver(state) && !AtMatchStart(state);
}

void TitleScreen::Draw(int row) {
    row_ = row;
    playField_.Clear();
    const double fontSize = playField_.FontSize();
    playField_.BitBlt(104, 50, 309, 94, title_, 0, 0, RasterOp::SrcCopy);
    playField_.SetFontSize(20);
    const std::array<QString, 2> texts{tr("最初から"), tr("続きから")};
    // Whole sentences, so that a translation need not add a word to the row's caption.
    const std::array<QString, 2> messages{tr("最初からから始めます"), tr("続きからから始めます")};
    for (int i = 1; i <= 2; ++i) {
        const int top = RoundHalfEven(playField_.Height() - 150 + 35.0 * i);
        // The row's 28 pixels are too short for the underline of a 20-point line: the text
        // stays at the row's top and its rectangle reaches down into the gap below. The hit
        // areas (RowAt) keep the rows as they are.
        const QRect rect(0, top, playField_.Width(), 28 + TitleRowGap);
        const QString& text = texts[i - 1];
        if (i == row) {
            playField_.SetFontUnderline(true);
            playField_.DrawText(text, rect, TextCenter | TextSingleLine);
            playField_.SetFontUnderline(false);
            ShowMessage(info_, messages[i - 1].toStdString());
        } else {
            playField_.DrawText(text, rect, TextCenter | TextSingleLine);
        }
    }
    playField_.Refresh();
    playField_.SetFontSize(fontSize);
}

int TitleScreen::RowAt(int y) const {
    return static_cast<int>(std::floor((y - (playField_.Height() - 150)) / 35.0));
}

void TitleScreen::MoveByKey(int key) {
    // One Down and Enter once started the match over from the first row, unasked.
    const int none = MatchToContinue(state_) ? 2 : key == Qt::Key_Down ? 1 : 2;
    Draw(row_ == 1 ? 2 : row_ == 2 ? 1 : none);
}

bool TitleScreen::Choose(int row, bool byKeys) {
    // A finished match, or none kept, has nothing to continue: it starts over, and says why.
    const bool over = row == 2 && MatchOver(state_);
    const bool none = row == 2 && AtMatchStart(state_);
    if (row == 1 && byKeys && MatchToContinue(state_) &&
        boxes_.Show(tr("今の対戦の所持金とドロップ可能回数を初期化して、最初から始めますか？")
                        .toStdString(),
                    tr("確認").toStdString(), MessageButtons::YesNoDefaultNo,
                    MessageIcon::Question) != MessageAnswer::Yes) {
        return false;
    }
    if (row == 1 || over || none) {
        StartOver(state_);
        const QString said = over ? tr("この対戦は終わっています。最初から始めます。")
                             : none ? tr("続けられる対戦がないため、最初から始めます。")
                                    : tr("初期化しました。");
        boxes_.Show(said.toStdString(), "Kestrin", MessageButtons::Ok, MessageIcon::Information);
    } else if (row == 2) {
        boxes_.Show(tr("続きから始めます。").toStdString(), "Kestrin", MessageButtons::Ok,
                    MessageIcon::Information);
    } else {
        return false;
    }
    return true;
}

}  // namespace kestrins
