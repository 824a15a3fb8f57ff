// The player's choices: marks, bets through the four buttons, stray input and cancelled closes.
#include "simulated_human.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <array>

#include "game/constants.h"
#include "render/table_geometry.h"
#include "support/posted_input.h"

namespace kestrins {

using testing::CentreInWindow;
using testing::PostKey;
using testing::PostPress;
using testing::PostRelease;
using testing::PostTimerTicks;

namespace {

constexpr double CloseChance = 0.02;
constexpr double StrayInputChance = 0.05;
constexpr double PauseInputChance = 0.03;
constexpr double BeforeBetInputChance = 0.3;
constexpr double HoldChance = 0.05;
// The bet buttons' access keys, with Alt: call (also confirm), raise, drop, cancel.
constexpr std::array<Qt::Key, 4> AccessKeys{Qt::Key_C, Qt::Key_R, Qt::Key_D, Qt::Key_U};

}  // namespace

SimulatedHuman::SimulatedHuman(FrmMain& window, testing::ScriptedPacer& pacer,
                               testing::ScriptedBoxes& boxes, uint32_t seed, bool typeAhead)
    : window_(window), pacer_(pacer), boxes_(boxes), random_(seed), typeAhead_(typeAhead) {
    pacer_.AtDoEvents.push_back([this] { AtCheckpoint(); });
    pacer_.AtWait.push_back([this] { AtBetTurn(); });
    if (typeAhead_) {
        pacer_.DuringSleep = [this] { AtPause(); };
    }
}

bool SimulatedHuman::Chance(double probability) {
    return std::uniform_real_distribution<double>(0.0, 1.0)(random_) < probability;
}

int SimulatedHuman::Uniform(int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random_);
}

void SimulatedHuman::ClickTable(int x, int y) {
    auto* field = window_.findChild<QWidget*>(QStringLiteral("PictPlayField"));
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(x, y), QPointF(x, y), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(field, &press);
}

void SimulatedHuman::PressBet(int index) {
    if (typeAhead_) {
        TypeBet(index);
        return;
    }
    // A disabled or hidden button ignores the press, as it would ignore a real click.
    window_.CmdBet[index]->click();
}

void SimulatedHuman::PostClick(QPoint at) {
    PostPress(window_, at);
    PostRelease(window_, at);
}

void SimulatedHuman::TypeBet(int index) {
    // The held mouse button stays on the raise button: the keyboard does the rest.
    const int way = Uniform(holding_ ? 1 : 0, 2);
    if (way == 0) {
        PostClick(CentreInWindow(*window_.CmdBet[index]));
    } else if (way == 2 && (index == 0 || index == 3)) {
        PostKey(window_, index == 0 ? Qt::Key_Return : Qt::Key_Escape);
    } else {
        PostKey(window_, AccessKeys[index], Qt::AltModifier);
    }
}

void SimulatedHuman::TypeDecisions() {
    switch (Uniform(0, 3)) {
        case 0:  // call, then raise
            TypeBet(0);
            TypeBet(1);
            break;
        case 1:  // drop, then raise
            TypeBet(2);
            TypeBet(1);
            break;
        case 2:  // raise, confirm, and raise again
            for (int i = Uniform(1, 3); i > 0; --i) {
                TypeBet(1);
            }
            TypeBet(0);
            if (Chance(0.5)) {
                TypeBet(1);
            }
            break;
        default:
            for (int i = Uniform(2, 4); i > 0; --i) {
                TypeBet(Uniform(0, 3));
            }
            break;
    }
}

void SimulatedHuman::TypeStray() {
    const Surface& field = window_.PlayField();
    switch (Uniform(0, 4)) {
        case 0:
            TypeBet(Uniform(0, 3));
            break;
        case 1:
            PostKey(window_, Qt::Key_F2);
            break;
        case 2:
            PostKey(window_, static_cast<Qt::Key>(Qt::Key_1 + Uniform(0, HandSize - 1)));
            break;
        case 3:  // where the exchange button shows once the hand is dealt
            PostClick(CentreInWindow(*window_.CmdChange));
            break;
        default: {
            const int x0 = ComputeTableOrigin(field.Width(), field.Height()).X0;
            PostClick(QPoint(x0 + Uniform(0, 50 * HandSize - 1), field.Height() - Uniform(1, 100)));
            break;
        }
    }
}

void SimulatedHuman::HoldRaise() {
    const QPoint raise = CentreInWindow(*window_.CmdBet[1]);
    if (!holding_) {
        if (window_.PictBet->isVisible() && Chance(HoldChance)) {
            holding_ = true;
            PostPress(window_, raise);
        }
        return;
    }
    if (Chance(0.5)) {
        PostTimerTicks(*window_.CmdBet[1]);
    }
    if (Chance(0.2)) {
        holding_ = false;
        PostRelease(window_, raise);
    }
}

void SimulatedHuman::ChooseTitle() {
    const int row = Uniform(1, 2);
    ClickTable(window_.PlayField().Width() / 2, window_.PlayField().Height() - 150 + 35 * row + 14);
}

void SimulatedHuman::BetweenGames() {
    if (Chance(CloseChance)) {
        RequestCloseAndCancel();
    }
}

void SimulatedHuman::MarkCards() {
    const Surface& field = window_.PlayField();
    const int x0 = ComputeTableOrigin(field.Width(), field.Height()).X0;
    for (int slot = 0; slot < HandSize; ++slot) {
        if (Chance(0.3)) {
            ClickTable(x0 + 50 * slot + Uniform(0, 49), field.Height() - Uniform(1, 100));
        }
    }
    if (Chance(0.1)) {
        ClickTable(Uniform(0, field.Width() - 1), Uniform(0, field.Height() - 1));
    }
}

bool SimulatedHuman::RequestCloseAndCancel() {
    ++closeRequests_;
    boxes_.Answers.push_front(MessageAnswer::Cancel);
    const std::size_t waiting = boxes_.Answers.size();
    window_.close();
    const bool cancelled = boxes_.Answers.size() + 1 == waiting && window_.isVisible() &&
                           window_.Game().CloseChoice == 0;
    if (!cancelled) {
        ++failedCloseRequests_;
        if (boxes_.Answers.size() == waiting) {
            boxes_.Answers.pop_front();
        }
    }
    return cancelled;
}

void SimulatedHuman::AtCheckpoint() {
    pacer_.AtDoEvents.push_back([this] { AtCheckpoint(); });
    if (Chance(CloseChance)) {
        RequestCloseAndCancel();
    }
    if (typeAhead_) {
        HoldRaise();
        if (Chance(StrayInputChance)) {
            TypeStray();
        }
        return;
    }
    // Input that must change nothing while a game runs: the deal key, a hidden bet button.
    if (Chance(StrayInputChance)) {
        window_.MnuitemStart->trigger();
    }
    if (Chance(StrayInputChance)) {
        PressBet(Uniform(0, 3));
    }
}

void SimulatedHuman::AtBetTurn() {
    pacer_.AtWait.push_back([this] { AtBetTurn(); });
    if (Chance(CloseChance)) {
        RequestCloseAndCancel();
        return;
    }
    if (typeAhead_) {
        HoldRaise();
        if (Chance(0.3)) {
            TypeDecisions();
            return;
        }
    }
    const int choice = Uniform(0, 99);
    if (choice < 15) {
        // With no drops left the button is disabled and the turn simply waits again.
        PressBet(2);
        return;
    }
    if (choice < 55) {
        PressBet(0);
        return;
    }
    const int raises = Chance(0.1) ? Uniform(20, 110) : Uniform(1, 8);
    for (int i = 0; i < raises; ++i) {
        PressBet(1);
    }
    if (Chance(0.2)) {
        PressBet(3);
        PressBet(Chance(0.5) ? 0 : 2);
        return;
    }
    PressBet(0);
}

void SimulatedHuman::AtPause() {
    HoldRaise();
    // The bet panel shows only during the pause before the human's bet and the bet itself.
    if (window_.PictBet->isVisible() && Chance(BeforeBetInputChance)) {
        ++typedAhead_;
        TypeDecisions();
    } else if (Chance(PauseInputChance)) {
        ++typedAhead_;
        for (int i = Uniform(1, 3); i > 0; --i) {
            TypeStray();
        }
    }
}

}  // namespace kestrins
