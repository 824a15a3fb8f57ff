// The judged bets in the lasting record: a record of the schema before them is still read and
// gains them on its next write, a judgement that comes after its game is added to it, and the bet
// figure is what the human's bets gave away a game over the latest judged games.
#include <gtest/gtest.h>

#include <stdexcept>

#include "game/constants.h"
#include "hivekit/store_probe.h"
#include "record/record_store.h"
#include "support/temp_config_home.h"

namespace kestrins::testing {
namespace {

GameEntry HumanGame(std::optional<std::vector<BetRating>> ratings) {
    GameEntry game;
    game.Finished = true;
    for (int seat = 0; seat < SeatCount; ++seat) {
        game.Seats[seat].Name = seat == 0 ? "あなた" : "CPU " + std::to_string(seat);
    }
    game.BetRatings = std::move(ratings);
    return game;
}

// A decision that gave away `cents` against the best one.
BetRating GaveUp(int32_t cents) {
    return BetRating{BetCall, 3, 500 - cents, BetRaise, 9, 500};
}

const NameStats& Human(const std::vector<NameStats>& stats) {
    for (const NameStats& name : stats) {
        if (name.Human) {
            return name;
        }
    }
    throw std::runtime_error("no human row");
}

class RecordBetsTest : public ::testing::Test {
protected:
    TempConfigHome home;
};

TEST_F(RecordBetsTest, RecordBeforeTheBetsIsReadAndGainsThemOnItsNextWrite) {
    const RecordStore store(home.RecordFolder());
    ASSERT_NE(store.Append(HumanGame(std::nullopt)).Id, 0);
    // The record as the program before the judged bets wrote it.
    RunSql(store.Path(), "DROP TABLE bet_ratings; PRAGMA user_version = 2;");
    ASSERT_EQ(store.LatestGames(5).size(), 1u);
    EXPECT_FALSE(store.LatestGames(5)[0].BetRatings.has_value());
    EXPECT_EQ(Human(store.Stats()).JudgedBetGames, 0);

    const GameEntry judged = HumanGame(std::vector<BetRating>{GaveUp(80), GaveUp(0)});
    ASSERT_NE(store.Append(judged).Id, 0);
    EXPECT_EQ(RunSql(store.Path(), "PRAGMA user_version").at(0), "3");
    // A judgement that came in after its game was stored.
    const int64_t late = store.Append(HumanGame(std::nullopt)).Id;
    ASSERT_TRUE(store.AddBetRatings(late, {GaveUp(25)}));

    const std::vector<GameEntry> games = store.LatestGames(5);
    ASSERT_EQ(games.size(), 3u);
    EXPECT_EQ(games[0].BetRatings, (std::vector<BetRating>{GaveUp(25)}));
    EXPECT_EQ(games[1].BetRatings, judged.BetRatings);
    EXPECT_FALSE(games[2].BetRatings.has_value());
    EXPECT_EQ(RunSql(store.Path(), "SELECT group_concat(value) FROM bet_ratings").at(0),
              "420,500,475");
}

TEST_F(RecordBetsTest, BetFigureIsTheLatestHundredJudgedGamesAndOldGamesTakeTheirRows) {
    const RecordStore store(home.RecordFolder(), 103);
    // Two old games that gave away much, then a hundred of 1.00 $ in two decisions and of 0 $.
    ASSERT_NE(store.Append(HumanGame(std::vector<BetRating>{GaveUp(5000)})).Id, 0);
    ASSERT_NE(store.Append(HumanGame(std::vector<BetRating>{GaveUp(5000)})).Id, 0);
    for (int game = 0; game < 100; ++game) {
        const auto ratings = game % 2 == 0 ? std::vector<BetRating>{GaveUp(40), GaveUp(60)}
                                           : std::vector<BetRating>{GaveUp(0)};
        ASSERT_NE(store.Append(HumanGame(ratings)).Id, 0);
    }
    // A game without a judgement is not counted.
    ASSERT_NE(store.Append(HumanGame(std::nullopt)).Id, 0);

    std::vector<NameStats> stats = store.Stats();
    EXPECT_EQ(Human(stats).JudgedBetGames, 100);
    EXPECT_DOUBLE_EQ(Human(stats).BetLossPerGame, 0.5);
    for (const NameStats& name : stats) {
        if (!name.Human) {
            EXPECT_EQ(name.JudgedBetGames, 0) << name.Name;
        }
    }

    // Keeping the newest 103 of 104 games drops the first one with its rows.
    ASSERT_NE(store.Append(HumanGame(std::vector<BetRating>{GaveUp(100)})).Id, 0);
    EXPECT_EQ(RunSql(store.Path(), "SELECT min(game_id) FROM bet_ratings").at(0), "2");
    // The newest hundred: 49 games of 1.00 $, 50 of 0 and the new one of 1.00 $.
    EXPECT_DOUBLE_EQ(Human(store.Stats()).BetLossPerGame, 0.5);
}

}  // namespace
}  // namespace kestrins::testing
