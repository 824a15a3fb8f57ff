// One seed's match: a fresh store, state and main window, played game after game and checked.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "game/mdl_main.h"
#include "game/random_source.h"
#include "game_checks.h"
#include "platform/hivekit_binding.h"
#include "policy_human.h"
#include "render/sprites.h"
#include "simulated_human.h"
#include "support/queue_pacer.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_pacer.h"
#include "support/temp_config_home.h"
#include "ui/frm_main.h"

namespace kestrins {

// What the games of a run showed, for the report.
struct MatchTally {
    long long Games = 0;
    long long Draws = 0;
    long long ComputerSeatGames = 0;
    long long Bluffs = 0;
    long long HumanDrops = 0;
    long long GameOvers = 0;
    long long Victories = 0;
    long long CloseRequests = 0;
    long long HumanTurns = 0;
    long long TypedAheadPauses = 0;
    // Every pot settled, and the human's money won minus lost, outside the match resets.
    long long PotTotal = 0;
    long long HumanNet = 0;
    double HumanNetSquares = 0;  // of each game's net, for its standard error
    Calibration Calibrated;

    MatchTally& operator+=(const MatchTally& other);
};

class MatchRunner {
public:
    // The game draws from a MersenneRandom seeded with `seed`; the player from its own stream.
    // Typing ahead, the player's input goes through the event queue and the real pacer.
    // `policy` other than Random: a PolicyHuman valuing bets with `effort`.
    MatchRunner(uint32_t seed, const Sprites& sprites, bool typeAhead,
                Policy policy = Policy::Random, const BetEffort& effort = WindowEffort);
    ~MatchRunner();
    MatchRunner(const MatchRunner&) = delete;
    MatchRunner& operator=(const MatchRunner&) = delete;

    // Deals, marks, exchanges and plays one game to its end; the first broken rule, if any.
    std::optional<std::string> PlayGame();
    const MatchTally& Tally() const { return tally_; }

private:
    std::optional<std::string> CheckWindow() const;
    void Count();
    // Lets queued input run as the program's own event loop would between its handlers.
    void RunEventLoop();

    testing::TempConfigHome home_;
    MdlMain state_;
    MersenneRandom random_;
    testing::ScriptedPacer pacer_;
    testing::QueuePacer queuePacer_{pacer_};
    bool typeAhead_;
    testing::ScriptedBoxes boxes_;
    testing::ScriptedModal modal_;
    HivekitBinding store_{DefaultHivekitPaths()};
    const Sprites& sprites_;
    std::unique_ptr<FrmMain> window_;
    std::unique_ptr<MatchHuman> human_;
    PolicyHuman* policyHuman_ = nullptr;
    std::optional<std::string> spriteViolation_;
    MatchTally tally_;
};

}  // namespace kestrins
