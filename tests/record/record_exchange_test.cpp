// The judged exchanges in the lasting record: an older record without them is still read and
// gains them on its next write, the accuracy is taken over the latest games within a point, and
// dropping old games drops their exchanges.
#include <gtest/gtest.h>

#include "game/constants.h"
#include "hivekit/store_probe.h"
#include "record/record_store.h"
#include "support/temp_config_home.h"

namespace kestrins::testing {
namespace {

GameEntry HumanGame(std::optional<ExchangeRating> exchange) {
    GameEntry game;
    game.Finished = true;
    for (int seat = 0; seat < SeatCount; ++seat) {
        game.Seats[seat].Name = seat == 0 ? "あなた" : "CPU " + std::to_string(seat);
    }
    game.Exchange = exchange;
    return game;
}

// A rating `behind` tenths of a point worse than the best keep.
ExchangeRating Behind(int32_t behind) {
    return ExchangeRating{3, 7, 400 - behind, 400};
}

const NameStats& Human(const std::vector<NameStats>& stats) {
    for (const NameStats& name : stats) {
        if (name.Human) {
            return name;
        }
    }
    throw std::runtime_error("no human row");
}

class RecordExchangeTest : public ::testing::Test {
protected:
    TempConfigHome home;
};

TEST_F(RecordExchangeTest, OlderRecordIsStillReadAndGainsExchangesOnItsNextWrite) {
    const RecordStore store(home.RecordFolder());
    ASSERT_NE(store.Append(HumanGame(std::nullopt)).Id, 0);
    // The record as the program before the exchanges wrote it.
    RunSql(store.Path(),
           "DROP TABLE exchanges; DROP TABLE bet_ratings; "
           "PRAGMA user_version = 1;");

    EXPECT_EQ(store.LatestGames(5).size(), 1u);
    ASSERT_EQ(store.Stats().size(), 4u);
    EXPECT_EQ(Human(store.Stats()).JudgedExchanges, 0);

    const GameEntry judged = HumanGame(Behind(25));
    const int64_t id = store.Append(judged).Id;
    ASSERT_NE(id, 0);
    EXPECT_EQ(RunSql(store.Path(), "PRAGMA user_version").at(0), "3");
    const std::vector<GameEntry> games = store.LatestGames(5);
    ASSERT_EQ(games.size(), 2u);
    EXPECT_EQ(games[0].Exchange, judged.Exchange);
    EXPECT_EQ(RunSql(store.Path(), "SELECT group_concat(game_id) FROM exchanges").at(0),
              std::to_string(id));
}

TEST_F(RecordExchangeTest, AccuracyIsTheLatestHundredWithinAPointAndOldGamesTakeTheirRows) {
    const RecordStore store(home.RecordFolder(), 103);
    // Two old misses, then a hundred alternating one point behind (counted) and just over it.
    ASSERT_NE(store.Append(HumanGame(Behind(500))).Id, 0);
    ASSERT_NE(store.Append(HumanGame(Behind(500))).Id, 0);
    for (int game = 0; game < 99; ++game) {
        ASSERT_NE(store.Append(HumanGame(Behind(game % 2 == 0 ? 10 : 11))).Id, 0);
    }
    // A judgement that came in after its game was stored.
    const int64_t late = store.Append(HumanGame(std::nullopt)).Id;
    ASSERT_TRUE(store.AddExchange(late, Behind(11)));
    // A game without a judgement is not counted.
    ASSERT_NE(store.Append(HumanGame(std::nullopt)).Id, 0);

    std::vector<NameStats> stats = store.Stats();
    EXPECT_EQ(Human(stats).JudgedExchanges, 100);
    EXPECT_EQ(Human(stats).AccurateExchanges, 50);
    for (const NameStats& name : stats) {
        if (!name.Human) {
            EXPECT_EQ(name.JudgedExchanges, 0) << name.Name;
        }
    }

    // Keeping the newest 103 of 104 games drops the first one with its exchange.
    ASSERT_NE(store.Append(HumanGame(Behind(0))).Id, 0);
    EXPECT_EQ(RunSql(store.Path(), "SELECT min(game_id) FROM exchanges").at(0), "2");
    stats = store.Stats();
    EXPECT_EQ(Human(stats).AccurateExchanges, 50);  // one point behind dropped out, best came in
}

}  // namespace
}  // namespace kestrins::testing
