// The lasting record: a game comes back as written, only the newest games are kept, a damaged
// or newer file is handled without loss, a kill mid-write leaves whole games, and a folder that
// cannot be written costs one message and nothing else (disk errors: record_io_failure_test).
#include "record/record_store.h"

#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "game/constants.h"
#include "hivekit/store_probe.h"
#include "record/game_recorder.h"
#include "support/kept_copy_name.h"
#include "support/record_copies.h"
#include "support/scripted_dialogs.h"
#include "support/temp_config_home.h"

namespace kestrins::testing {
namespace {

namespace fs = std::filesystem;

GameEntry SampleGame() {
    GameEntry game;
    game.Time = 1'800'000'000;
    game.Finished = true;
    game.Winner = 2;
    for (int seat = 0; seat < SeatCount; ++seat) {
        SeatRecord& s = game.Seats[seat];
        s.Name = seat == 0 ? "あなた, \"A\"\n2" : "CPU " + std::to_string(seat);
        s.Dealt = {{{0, 1 + seat}, {1, 2 + seat}, {2, 3 + seat}, {3, 4 + seat}, {0, 13}}};
        s.Final = {{{1, 1}, {1, 5}, {2, 9}, {3, 10 + seat}, {3, 12}}};
        s.Exchanged = seat;
        s.Showdown = {seat, 20 + seat, 0};
        s.Dropped = seat == 3;
        s.Bet = 7;
        s.Bluffing = seat == 2;
        s.MoneyBefore = 100 - seat;
        s.MoneyAfter = -5 + seat;
    }
    game.Bets = {{3, BetCall, 1, false},
                 {0, BetRaise, 7, false},
                 {1, BetCall, 7, false},
                 {2, BetCall, 7, true},
                 {3, BetDrop, 1, false}};
    return game;
}

int64_t Count(const std::string& path, const char* sql) {
    return std::stoll(RunSql(path, sql).at(0));
}

class RecordStoreTest : public ::testing::Test {
protected:
    TempConfigHome home;
    RecordStore store{home.RecordFolder()};
};

TEST_F(RecordStoreTest, GameComesBackAsWrittenAndANewerProgramsRecordIsLeftAlone) {
    const GameEntry game = SampleGame();
    const AppendResult appended = store.Append(game);
    ASSERT_NE(appended.Id, 0);
    EXPECT_TRUE(appended.MovedAside.empty());
    EXPECT_EQ(fs::status(home.RecordFolder()).permissions(), fs::perms::owner_all);
    EXPECT_EQ(fs::status(store.Path()).permissions(),
              fs::perms::owner_read | fs::perms::owner_write);

    GameEntry expected = game;
    expected.Id = appended.Id;
    const std::vector<GameEntry> stored = store.LatestGames(5);
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_TRUE(stored[0] == expected);

    const std::vector<NameStats> stats = store.Stats();
    ASSERT_EQ(stats.size(), 4u);
    EXPECT_TRUE(stats[0].Human);
    EXPECT_EQ(stats[0].Raises, 1);
    const NameStats& bluffer = stats[2];
    EXPECT_EQ(bluffer.Name, "CPU 2");
    EXPECT_EQ(bluffer.Wins, 1);
    EXPECT_EQ(bluffer.BluffWins, 1);
    EXPECT_EQ(bluffer.Money, std::vector<int32_t>{-3});
    EXPECT_EQ(stats[3].Drops, 1);

    // A newer program's record is neither written nor moved aside.
    RunSql(store.Path(), "PRAGMA user_version = 99");
    const AppendResult newer = store.Append(game);
    EXPECT_EQ(newer.Id, 0);
    EXPECT_TRUE(newer.MovedAside.empty());
    EXPECT_EQ(Count(store.Path(), "SELECT count(*) FROM games"), 1);
}

// A rename once split the human into two rows. The human is one row under the latest name, with
// the money of every game; a computer seat of the same name stays a row of its own. A match is
// won when a game leaves every computer below zero, lost when it leaves the human below zero.
TEST_F(RecordStoreTest, TheHumanIsOneRowWhateverTheNameAndMatchesAreCounted) {
    const struct {
        const char* human;
        int32_t money;       // the human's after the game
        int computersBelow;  // how many computers end below zero
    } games[] = {
        {"Player 0", 120, 0}, {"Player 0", -4, 0}, {"Alice", 90, 2},
        {"Alice", 300, 3},    {"Alice", 0, 1},     {"Bob", 10, 3},
    };
    for (const auto& g : games) {
        GameEntry game = SampleGame();
        game.Seats[0].Name = g.human;
        game.Seats[0].MoneyAfter = g.money;
        for (int seat = 1; seat < SeatCount; ++seat) {
            game.Seats[seat].MoneyAfter = seat <= g.computersBelow ? -1 : 0;
        }
        game.Seats[1].Name = "Alice";
        // Only the games under the first name were judged accurate.
        const int32_t win = game.Seats[0].Name == "Player 0" ? 400 : 300;
        game.Exchange = ExchangeRating{3, 7, win, 400};
        // Each game's one judged bet gave 1 $ away.
        game.BetRatings = std::vector<BetRating>{{BetCall, 7, 0, BetRaise, 9, 100}};
        ASSERT_NE(store.Append(game).Id, 0);
    }
    const std::vector<NameStats> stats = store.Stats();
    ASSERT_EQ(stats.size(), 4u);
    EXPECT_TRUE(stats[0].Human);
    EXPECT_EQ(stats[0].Name, "Bob");
    EXPECT_EQ(stats[0].Games, 6);
    EXPECT_EQ(stats[0].Raises, 6);
    EXPECT_EQ(stats[0].Money, (std::vector<int32_t>{120, -4, 90, 300, 0, 10}));
    EXPECT_EQ(stats[0].MatchesWon, 2);
    EXPECT_EQ(stats[0].MatchesLost, 1);
    EXPECT_EQ(stats[0].JudgedExchanges, 6);
    EXPECT_EQ(stats[0].AccurateExchanges, 2);
    EXPECT_EQ(stats[0].JudgedBetGames, 6);
    EXPECT_DOUBLE_EQ(stats[0].BetLossPerGame, 1.0);
    for (std::size_t row = 1; row < stats.size(); ++row) {
        EXPECT_FALSE(stats[row].Human) << row;
        EXPECT_EQ(stats[row].Games, 6) << row;
        EXPECT_EQ(stats[row].MatchesWon + stats[row].MatchesLost, 0) << row;
    }
    EXPECT_EQ(stats[1].Name, "Alice");
    EXPECT_EQ(stats[1].Money, (std::vector<int32_t>{0, 0, -1, -1, -1, -1}));
}

// The bound is checked at its real size: 9,999 games are copied in by SQL, one more is written.
TEST_F(RecordStoreTest, KeepsOnlyTheNewestTenThousandGames) {
    ASSERT_NE(store.Append(SampleGame()).Id, 0);
    ASSERT_TRUE(FillWithCopiesOfGameOne(store.Path(), KeptGames));
    ASSERT_EQ(Count(store.Path(), "SELECT count(*) FROM games"), KeptGames);

    EXPECT_EQ(store.Append(SampleGame()).Id, KeptGames + 1);
    EXPECT_EQ(Count(store.Path(), "SELECT count(*) FROM games"), KeptGames);
    EXPECT_EQ(Count(store.Path(), "SELECT min(id) FROM games"), 2);
    EXPECT_EQ(Count(store.Path(), "SELECT count(*) FROM seats"), 4 * KeptGames);
    EXPECT_EQ(Count(store.Path(), "SELECT count(*) FROM bets WHERE game_id = 1"), 0);
}

TEST_F(RecordStoreTest, DamagedFileIsKeptAsideAndAFreshOneStarted) {
    fs::create_directories(home.RecordFolder());
    const std::string garbage(4096, 'x');
    WriteFileBytes(store.Path(), garbage);

    const std::time_t start = std::time(nullptr);
    const AppendResult appended = store.Append(SampleGame());
    EXPECT_NE(appended.Id, 0);
    EXPECT_TRUE(IsKeptCopyName(appended.MovedAside, store.Path(), start, std::time(nullptr)));
    EXPECT_EQ(ReadFileBytes(appended.MovedAside), garbage);
    EXPECT_EQ(store.LatestGames(5).size(), 1u);
}

TEST_F(RecordStoreTest, KillDuringWritesLeavesEveryGameWholeOrAbsent) {
    for (int round = 0; round < 4; ++round) {
        const pid_t child = StartChild([this] {
            for (;;) {
                store.Append(SampleGame());
            }
            return 0;
        });
        ASSERT_GT(child, 0);
        std::this_thread::sleep_for(std::chrono::milliseconds(40 + 35 * round));
        kill(child, SIGKILL);
        EXPECT_EQ(WaitForChild(child), 128 + SIGKILL);

        ASSERT_NE(store.Append(SampleGame()).Id, 0) << "the record opens after a kill";
        EXPECT_EQ(Count(store.Path(),
                        "SELECT count(*) FROM games g WHERE "
                        "(SELECT count(*) FROM seats WHERE game_id = g.id) <> 4 OR "
                        "(SELECT count(*) FROM bets WHERE game_id = g.id) <> "
                        "g.bet_count"),
                  0);
        EXPECT_EQ(Count(store.Path(),
                        "SELECT count(*) FROM seats WHERE game_id NOT IN "
                        "(SELECT id FROM games)"),
                  0);
    }
}

// One message for the whole run, however many games cannot be kept; the games stay in memory.
TEST(GameRecorderTest, UnwritableDataFolderShowsOneMessageAndPlayGoesOn) {
    TempConfigHome home;
    const std::string blocker = home.Path() + "/file";
    WriteFileBytes(blocker, "not a folder");
    setenv("XDG_DATA_HOME", blocker.c_str(), 1);
    ScriptedBoxes boxes;
    GameRecorder recorder(boxes);
    MdlMain state;
    for (int game = 0; game < 2; ++game) {
        recorder.GameDealt(state);
        recorder.GameSettled(state, {}, 0, MdlCPUPlayer{});
        recorder.GameEnded();
    }
    EXPECT_EQ(recorder.Games().size(), 2u);
    EXPECT_EQ(recorder.Games().back().Id, 0);
    ASSERT_EQ(boxes.Shown.size(), 1u);
    EXPECT_EQ(boxes.Shown[0].Title, "対戦記録");
}

}  // namespace
}  // namespace kestrins::testing
