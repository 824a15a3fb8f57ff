// Every I/O step of keeping a finished game failed in turn, once or from then on, with an I/O
// error or a full disk: the game is kept whole or not at all, the record stays readable, the
// player hears of it once at most, and the next game is kept once the disk works again.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "game/constants.h"
#include "game/cpu_player.h"
#include "game/mdl_main.h"
#include "hivekit/faulty_vfs.h"
#include "hivekit/store_probe.h"
#include "record/game_recorder.h"
#include "record/record_store.h"
#include "support/scripted_dialogs.h"
#include "support/temp_config_home.h"

namespace kestrins::testing {
namespace {

// Plays game n into the recorder as the round reports it: deal, a raise and calls, settlement.
void PlayGame(GameRecorder& recorder, int n) {
    MdlMain state;
    for (int32_t seat = 0; seat < SeatCount; ++seat) {
        Player& player = state.Players[seat];
        player.Name = "席 " + std::to_string(seat) + ", \"" + std::to_string(n) + "\"";
        player.Money = 500 + 10 * n + seat;
        for (int32_t card = 0; card < 5; ++card) {
            player.Cards[card] = Card{(seat + card) % 4, 1 + (n + 3 * card + seat) % 13};
        }
    }
    recorder.GameDealt(state);
    for (int32_t seat = 0; seat < SeatCount; ++seat) {
        state.Players[seat].Bet = 5 + n;
        recorder.BetMade(state, seat, seat == 1 ? BetRaise : BetCall, seat == 2);
    }
    MdlCPUPlayer cpu;
    cpu.Bluffing[2] = true;
    recorder.GameSettled(state, {}, n % SeatCount, cpu);
    recorder.GameEnded();
}

// What the record holds before the game: nothing or a few games; or a file that is not a
// database at all.
struct Start {
    const char* Name;
    int64_t Games;
    bool Damaged = false;
};

// clang-format off
const Start kStarts[] = {
    {"NoRecord", 0},
    {"TwoGames", 2},
    {"DamagedRecord", 0, true},
};
// clang-format on

const std::string kDamaged(8192, 'Z');

using FailureCase = std::tuple<Start, DiskFault, bool>;

class RecordIoFailureTest : public ::testing::TestWithParam<FailureCase> {
protected:
    // The record as the start describes it, kept as bytes to put back before each run.
    RecordIoFailureTest() {
        const Start& start = std::get<0>(GetParam());
        std::filesystem::create_directories(home.RecordFolder());
        if (start.Damaged) {
            WriteFileBytes(path, kDamaged);
        } else if (start.Games > 0) {
            ScriptedBoxes boxes;
            GameRecorder recorder(boxes);
            PlayGame(recorder, 0);
            PlayGame(recorder, 1);
        }
        baseline = ReadFileBytes(path);
        before = store.LatestGames(2);
    }

    void PutBaselineBack() const {
        for (const std::string& name : FolderEntries(home.RecordFolder())) {
            std::remove((home.RecordFolder() + "/" + name).c_str());
        }
        if (!baseline.empty()) {
            WriteFileBytes(path, baseline);
        }
    }

    // The games in the record, each with all its seats and bets; 0 when nothing can be read.
    int64_t WholeGames() const {
        if (!std::filesystem::exists(path) || ReadFileBytes(path) == kDamaged) {
            return 0;
        }
        EXPECT_EQ(RunSql(path, "PRAGMA integrity_check"), std::vector<std::string>{"ok"});
        if (store.LatestGames(1).empty()) {
            return 0;
        }
        const std::vector<std::string> counts =
            RunSql(path,
                   "SELECT count(*) FROM games UNION ALL "
                   "SELECT (SELECT count(*) FROM seats) - 4 * count(*) FROM games UNION ALL "
                   "SELECT (SELECT count(*) FROM bets) - total(bet_count) FROM games");
        EXPECT_EQ(counts.at(1), "0") << "seats of a game missing or left over";
        EXPECT_EQ(std::stod(counts.at(2)), 0) << "bets of a game missing or left over";
        return std::stoll(counts.at(0));
    }

    // The files in the folder that hold the damaged record as it was.
    int DamagedCopies() const {
        int copies = 0;
        for (const std::string& name : FolderEntries(home.RecordFolder())) {
            copies += ReadFileBytes(home.RecordFolder() + "/" + name) == kDamaged ? 1 : 0;
        }
        return copies;
    }

    TempConfigHome home;
    RecordStore store{home.RecordFolder()};
    const std::string path = store.Path();
    std::string baseline;
    std::vector<GameEntry> before;
    FaultyVfs vfs;
};

TEST_P(RecordIoFailureTest, KeepsTheGameWholeOrNotAtAllWithOneMessageAndTheNextGame) {
    const auto& [start, fault, persistent] = GetParam();
    const int64_t games = start.Games;
    int points = 0;
    int kept = 0;
    for (int n = 1;; ++n) {
        SCOPED_TRACE("failing step " + std::to_string(n));
        PutBaselineBack();
        ScriptedBoxes boxes;
        GameRecorder recorder(boxes);
        vfs.FailAt(n, fault, persistent);
        PlayGame(recorder, 7);
        const bool fired = vfs.Fired();
        vfs.FailAt(0, fault, false);
        if (!fired) {
            break;
        }
        ++points;
        const GameEntry& game = recorder.Games().front();
        const std::vector<GameEntry> stored = store.LatestGames(2);
        if (game.Id != 0) {
            ++kept;
            ASSERT_FALSE(stored.empty());
            EXPECT_TRUE(stored.front() == game) << "the game kept is not the game played";
            EXPECT_EQ(WholeGames(), games + 1);
        } else {
            EXPECT_TRUE(stored == before) << "a game with no id changed the record";
            EXPECT_EQ(WholeGames(), games);
        }
        // One message: that the game is not kept, or that a damaged record was moved aside.
        EXPECT_EQ(boxes.Shown.size(), game.Id == 0 || start.Damaged ? 1u : 0u);
        const std::size_t shown = boxes.Shown.size();
        const bool stillDamaged = start.Damaged && ReadFileBytes(path) == kDamaged;

        PlayGame(recorder, 8);
        const GameEntry& next = recorder.Games().back();
        EXPECT_NE(next.Id, 0) << "the next game not kept once the disk works";
        const std::vector<GameEntry> latest = store.LatestGames(1);
        EXPECT_TRUE(!latest.empty() && latest.front() == next);
        EXPECT_EQ(WholeGames(), games + (game.Id != 0 ? 2 : 1));
        // Only a damaged record the fault left in place has something new to say.
        EXPECT_EQ(boxes.Shown.size(), shown + (stillDamaged ? 1u : 0u));
        if (start.Damaged) {
            EXPECT_EQ(DamagedCopies(), 1) << "the damaged record not kept exactly once";
        }
        EXPECT_EQ(FolderEntries(home.RecordFolder()).size(), start.Damaged ? 2u : 1u)
            << "a journal or placeholder left behind";
        ASSERT_FALSE(HasFailure());
    }
    EXPECT_GT(points, 0) << "no step failed";
    RecordProperty("FailurePoints", points);
    RecordProperty("GamesKept", kept);
}

std::string CaseName(const ::testing::TestParamInfo<FailureCase>& failureCase) {
    const auto& [start, fault, persistent] = failureCase.param;
    return std::string(start.Name) + (fault == DiskFault::Eio ? "_Eio" : "_Enospc") +
           (persistent ? "_FromThenOn" : "_Once");
}

INSTANTIATE_TEST_SUITE_P(Starts, RecordIoFailureTest,
                         ::testing::Combine(::testing::ValuesIn(kStarts),
                                            ::testing::Values(DiskFault::Eio, DiskFault::Enospc),
                                            ::testing::Bool()),
                         CaseName);

}  // namespace
}  // namespace kestrins::testing
