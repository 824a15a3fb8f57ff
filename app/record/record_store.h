// The lasting record: every finished game in an SQLite file of the player's data folder.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "record/game_entry.h"

namespace kestrins::hivekit {
class Connection;
}

namespace kestrins {

// Games kept; a write drops the older ones in its own transaction.
inline constexpr int64_t KeptGames = 10000;
// Money points per name in the chart.
inline constexpr int ChartGames = 100;
// The human's latest judged exchanges the accuracy is taken over.
inline constexpr int AccuracyGames = 100;

// $XDG_DATA_HOME/kestrins, or $HOME/.local/share/kestrins when XDG_DATA_HOME is unset, empty or
// relative; nothing when neither gives an absolute folder.
std::optional<std::string> DefaultRecordFolder();

struct AppendResult {
    int64_t Id = 0;          // the stored game's id; 0 when nothing was written
    std::string MovedAside;  // a damaged file kept under this name, a fresh one started
};

// What the record says about one name of a computer seat, or about the human, who is one row
// under whatever names they played: the human's seat and the computers' are kept apart.
struct NameStats {
    std::string Name;  // the human's: the name of their latest game
    bool Human = false;
    int64_t Games = 0;
    int64_t Wins = 0;
    int64_t Drops = 0;
    int64_t Raises = 0;
    int64_t Bluffs = 0;
    int64_t BluffWins = 0;
    double AverageBet = 0;
    std::vector<int32_t> Money;  // after each of the last ChartGames games, oldest first
    // The human's last AccuracyGames judged exchanges, and how many of them were accurate.
    int64_t JudgedExchanges = 0;
    int64_t AccurateExchanges = 0;
    // The human's last AccuracyGames games with judged bets, and the $ a game its bets gave
    // away against the best ones.
    int64_t JudgedBetGames = 0;
    double BetLossPerGame = 0.0;
    // The human's: matches that ended with every computer below zero, or with the human below
    // zero, among the games kept.
    int64_t MatchesWon = 0;
    int64_t MatchesLost = 0;
};

// One bet as the CSV lists it.
struct BetRow {
    int64_t GameId = 0;
    int64_t Time = 0;
    BetRecord Bet;
    std::string Name;
};

// Opens the file for each call and closes it again, as the settings store does: folder 0700,
// file 0600, rollback journal with full sync, one transaction per game.
class RecordStore {
public:
    explicit RecordStore(std::string folder, int64_t keptGames = KeptGames)
        : folder_(std::move(folder)), keptGames_(keptGames) {}

    // Writes one finished game, all of it or nothing.
    AppendResult Append(const GameEntry& game) const;
    // Moves a damaged file aside (with a fresh one in its place) before anything reads it, so
    // that it is never shown as an empty record; the name it was kept under, or empty.
    std::string SetAsideDamaged() const;
    // Keeps the judgement of the human's exchange in stored game `gameId`; false when it cannot.
    bool AddExchange(int64_t gameId, const ExchangeRating& rating) const;
    // Keeps the judgement of the human's bets in stored game `gameId`; false when it cannot.
    bool AddBetRatings(int64_t gameId, const std::vector<BetRating>& ratings) const;

    // The newest `count` games, newest first.
    std::vector<GameEntry> LatestGames(int count) const;
    std::vector<NameStats> Stats() const;
    // Every stored bet, oldest game first.
    std::vector<BetRow> BetRows() const;

    std::string Path() const { return folder_ + "/record.db"; }

private:
    // One write transaction on the file brought up to date; false when any step fails.
    bool AddToGame(const std::function<int(hivekit::Connection&)>& insert) const;

    std::string folder_;
    int64_t keptGames_;
};

}  // namespace kestrins
