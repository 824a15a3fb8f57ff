// Drives the real main window through whole games and runs the checks after each.
#include "match_runner.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QPushButton>
#include <algorithm>
#include <random>

#include "game/constants.h"
#include "settings/startup.h"

namespace kestrins {

namespace {

// The player's stream differs from the game's for the same seed.
uint32_t HumanSeed(uint32_t seed) {
    std::seed_seq sequence{seed, 0x68756d61u};
    uint32_t humanSeed = 0;
    sequence.generate(&humanSeed, &humanSeed + 1);
    return humanSeed;
}

bool Shown(const testing::ScriptedBoxes& boxes, const std::string& title) {
    return std::any_of(boxes.Shown.begin(), boxes.Shown.end(),
                       [&](const testing::ShownBox& box) { return box.Title == title; });
}

}  // namespace

MatchTally& MatchTally::operator+=(const MatchTally& other) {
    Games += other.Games;
    Draws += other.Draws;
    ComputerSeatGames += other.ComputerSeatGames;
    Bluffs += other.Bluffs;
    HumanDrops += other.HumanDrops;
    GameOvers += other.GameOvers;
    Victories += other.Victories;
    CloseRequests += other.CloseRequests;
    HumanTurns += other.HumanTurns;
    TypedAheadPauses += other.TypedAheadPauses;
    PotTotal += other.PotTotal;
    HumanNet += other.HumanNet;
    HumanNetSquares += other.HumanNetSquares;
    Calibrated += other.Calibrated;
    return *this;
}

MatchRunner::MatchRunner(uint32_t seed, const Sprites& sprites, bool typeAhead, Policy policy,
                         const BetEffort& effort)
    : random_(seed), typeAhead_(typeAhead), sprites_(sprites) {
    StartUp(state_, store_);
    Pacer& pace = typeAhead ? static_cast<Pacer&>(queuePacer_) : pacer_;
    window_ = std::make_unique<FrmMain>(
        GameContext{state_, random_, pace, boxes_, modal_, store_, sprites_}, false);
    window_->show();
    if (typeAhead_) {
        // Shortcuts and access keys need the window active.
        window_->activateWindow();
        for (int i = 0; i < 100 && !window_->isActiveWindow(); ++i) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        }
        // The held raise button repeats only when the player posts a tick: the run stays
        // the same for a seed however fast the machine is.
        constexpr int Never = 24 * 3600 * 1000;
        window_->CmdBet[1]->setAutoRepeatDelay(Never);
        window_->CmdBet[1]->setAutoRepeatInterval(Never);
    }
    // Every picture of the table is checked as it is shown, then shown as usual.
    QWidget* view = window_->findChild<QWidget*>(QStringLiteral("PictPlayField"));
    window_->PlayField().SetRefreshHandler([this, view] {
        if (!spriteViolation_) {
            spriteViolation_ = CheckSpriteReads(state_, sprites_);
        }
        view->repaint();
    });
    if (policy == Policy::Random) {
        human_ =
            std::make_unique<SimulatedHuman>(*window_, pacer_, boxes_, HumanSeed(seed), typeAhead);
    } else {
        auto human =
            std::make_unique<PolicyHuman>(*window_, pacer_, policy, HumanSeed(seed), effort);
        policyHuman_ = human.get();
        human_ = std::move(human);
    }
    human_->ChooseTitle();
}

MatchRunner::~MatchRunner() = default;

std::optional<std::string> MatchRunner::CheckWindow() const {
    if (spriteViolation_) {
        return spriteViolation_;
    }
    if (human_->FailedCloseRequests() > 0) {
        return "a close request was not settled by the cancelled save question";
    }
    if (::testing::UnitTest::GetInstance()->ad_hoc_test_result().Failed()) {
        return "an unscripted question, dialog or wait (see the output above)";
    }
    if (!window_->isVisible()) {
        return "the main window closed";
    }
    if (typeAhead_ && !window_->isActiveWindow()) {
        return "the main window is no longer active";
    }
    return std::nullopt;
}

void MatchRunner::RunEventLoop() {
    if (typeAhead_) {
        QCoreApplication::processEvents();
    }
}

void MatchRunner::Count() {
    ++tally_.Games;
    tally_.Draws += state_.Winner == WinnerDraw ? 1 : 0;
    tally_.HumanDrops += state_.Players[0].Dropped ? 1 : 0;
    tally_.GameOvers += Shown(boxes_, "ゲームオーバー") ? 1 : 0;
    tally_.Victories += Shown(boxes_, "勝利") ? 1 : 0;
    const MdlCPUPlayer& cpu = window_->Game().CpuPlayers();
    for (int32_t seat = 1; seat < SeatCount; ++seat) {
        ++tally_.ComputerSeatGames;
        tally_.Bluffs += cpu.Bluffing[seat] ? 1 : 0;
    }
    tally_.CloseRequests = human_->CloseRequests();
    tally_.TypedAheadPauses = human_->TypedAhead();
    const std::vector<BetRecord>& bets = window_->Recorder().Games().back().Bets;
    tally_.HumanTurns +=
        std::count_if(bets.begin(), bets.end(), [](const BetRecord& bet) { return bet.Seat == 0; });
    long long net = 0;
    if (state_.Winner != WinnerDraw) {
        long long pot = 0;
        for (const Player& player : state_.Players) {
            pot += player.Bet;
        }
        tally_.PotTotal += pot;
        net = (state_.Winner == 0 ? pot : 0) - state_.Players[0].Bet;
    }
    tally_.HumanNet += net;
    tally_.HumanNetSquares += static_cast<double>(net) * static_cast<double>(net);
    human_->GameOver(net);
    if (policyHuman_ != nullptr) {
        tally_.Calibrated = policyHuman_->Calibrated();
    }
}

std::optional<std::string> MatchRunner::PlayGame() {
    boxes_.Shown.clear();
    modal_.Titles.clear();
    pacer_.Sleeps.clear();
    // Between games the program's own loop runs whatever input is still queued.
    RunEventLoop();
    human_->BetweenGames();
    const GameStart start = RecordStart(state_);
    window_->MnuitemStart->trigger();
    if (auto broken = CheckWindow()) {
        return broken;
    }
    if (auto broken = CheckDeal(state_)) {
        return broken;
    }
    // The game-over question: play on. A close request puts its Cancel in front of it.
    boxes_.Answers = {MessageAnswer::Yes};
    RunEventLoop();
    if (state_.GameState != StateDealt) {
        return "input made during the deal acted on the hand before it was shown";
    }
    human_->MarkCards();
    window_->CmdChange->click();
    boxes_.Answers.clear();
    if (auto broken = CheckWindow()) {
        return broken;
    }
    const GameEndings endings{Shown(boxes_, "ゲームオーバー"), Shown(boxes_, "勝利")};
    if (auto broken =
            CheckFinishedGame(state_, start, endings, window_->Recorder().Games().back().Bets)) {
        return broken;
    }
    Count();
    return std::nullopt;
}

}  // namespace kestrins
