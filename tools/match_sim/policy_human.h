// A player who follows a stated policy at the real main window: the full coach (best keep, then
// best bet), the exchange coach with calls, pairs kept with calls, or the calibration player who
// now and then makes a random bet and calls otherwise, noting what the coach predicted for it.
#pragma once

#include <array>
#include <cstdint>
#include <random>
#include <vector>

#include "coach/bet_values.h"
#include "match_human.h"
#include "support/scripted_pacer.h"
#include "ui/frm_main.h"

namespace kestrins {

enum class Policy { Random, Coach, ExchangeCoachCalls, PairsCalls, Calibrate };

// The coach's predicted value of the decisions taken, against the money they really brought, by
// the kind of decision (BetCall, BetRaise, BetDrop). A decision counts only when every later
// turn of the human in its game was a call, as the prediction assumes.
struct Calibration {
    struct Row {
        long long Decisions = 0;
        double Predicted = 0;  // sums over the decisions
        double Realized = 0;
        double Gaps = 0;  // of realized - predicted
        double GapSquares = 0;
    };
    std::array<Row, 4> Kinds{};  // indexed by the bet action
    // Decisions the coach gave no figures for (a seen play it could not match): called.
    long long Unvalued = 0;

    Calibration& operator+=(const Calibration& other);
};

class PolicyHuman final : public MatchHuman {
public:
    PolicyHuman(FrmMain& window, testing::ScriptedPacer& pacer, Policy policy, uint32_t seed,
                const BetEffort& effort);

    void ChooseTitle() override;
    void BetweenGames() override {}
    void MarkCards() override;
    void GameOver(long long net) override;

    const Calibration& Calibrated() const { return calibration_; }

private:
    struct Decision {
        int32_t Action = BetCall;
        double Predicted = 0;
        bool Valued = false;
    };

    void AtBetTurn();
    // Presses the buttons that make `option` from the pre-filled call.
    void Make(const BetOption& option);
    BetOption RandomOption(const BetValues& values);

    FrmMain& window_;
    testing::ScriptedPacer& pacer_;
    Policy policy_;
    std::mt19937 random_;
    BetEffort effort_;
    std::vector<Decision> decisions_;
    Calibration calibration_;
};

}  // namespace kestrins
