// The player's choices: marks, bets through the four buttons, stray input and cancelled closes.
#include "simulated_human.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>

#include "game/constants.h"
#include "render/table_geometry.h"

namespace kestrins {

namespace {

constexpr double CloseChance = 0.02;
constexpr double StrayInputChance = 0.05;

}  // namespace

SimulatedHuman::SimulatedHuman(FrmMain& window, testing::ScriptedPacer& pacer,
                               testing::ScriptedBoxes& boxes, uint32_t seed)
    : window_(window), pacer_(pacer), boxes_(boxes), random_(seed) {
    pacer_.AtDoEvents.push_back([this] { AtCheckpoint(); });
    pacer_.AtWait.push_back([this] { AtBetTurn(); });
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
    // A disabled or hidden button ignores the press, as it would ignore a real click.
    window_.CmdBet[index]->click();
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

}  // namespace kestrins
