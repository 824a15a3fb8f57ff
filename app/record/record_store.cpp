// The record's schema with its migrations, the write of one game, and the reads behind the stats.
#include "record/record_store.h"

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <sstream>

#include <unistd.h>

#include "connection.h"
#include "game/constants.h"
#include "move_aside.h"
#include "private_files.h"

namespace kestrins {

namespace {

using hivekit::Connection;
using hivekit::Statement;

// "KsRc": marks a file as a game record, so another program's database is never written to.
constexpr int ApplicationId = 0x4b735263;

// Migrations[v] brings a file of schema version v to v + 1; a fresh file runs them all.
constexpr const char* Migrations[] = {
    "CREATE TABLE games(id INTEGER PRIMARY KEY, played_at INTEGER NOT NULL, "
    "winner INTEGER NOT NULL, bet_count INTEGER NOT NULL);"
    "CREATE TABLE seats(game_id INTEGER NOT NULL, seat INTEGER NOT NULL, name TEXT NOT NULL, "
    "dealt TEXT NOT NULL, final TEXT NOT NULL, exchanged INTEGER NOT NULL, "
    "part INTEGER NOT NULL, value INTEGER NOT NULL, suit INTEGER NOT NULL, "
    "dropped INTEGER NOT NULL, bet INTEGER NOT NULL, raises INTEGER NOT NULL, "
    "bluffing INTEGER NOT NULL, "
    "money_before INTEGER NOT NULL, money_after INTEGER NOT NULL, "
    "PRIMARY KEY(game_id, seat)) WITHOUT ROWID;"
    "CREATE INDEX seats_by_name ON seats(name, game_id);"
    "CREATE TABLE bets(game_id INTEGER NOT NULL, turn INTEGER NOT NULL, seat INTEGER NOT NULL, "
    "action INTEGER NOT NULL, amount INTEGER NOT NULL, bluffing INTEGER NOT NULL, "
    "PRIMARY KEY(game_id, turn)) WITHOUT ROWID;",
    // The human's exchange as the coach judged it, written once the judgement is in.
    "CREATE TABLE exchanges(game_id INTEGER PRIMARY KEY, kept INTEGER NOT NULL, "
    "best INTEGER NOT NULL, win INTEGER NOT NULL, best_win INTEGER NOT NULL);",
    // The human's bet decisions as the coach judged them, written once the judgement is in.
    "CREATE TABLE bet_ratings(game_id INTEGER NOT NULL, decision INTEGER NOT NULL, "
    "action INTEGER NOT NULL, bet INTEGER NOT NULL, value INTEGER NOT NULL, "
    "best_action INTEGER NOT NULL, best_bet INTEGER NOT NULL, best_value INTEGER NOT NULL, "
    "PRIMARY KEY(game_id, decision)) WITHOUT ROWID;",
};
// The first version with the exchanges table; older files are read without it.
constexpr int ExchangesVersion = 2;
// The first version with the bet_ratings table.
constexpr int BetRatingsVersion = 3;
constexpr int SchemaVersion = static_cast<int>(std::size(Migrations));

enum class Outcome { Done, Failed, Damaged };

Outcome FromResult(int result) {
    return hivekit::IsDamage(result) ? Outcome::Damaged : Outcome::Failed;
}

std::string HandText(const Hand& hand) {
    std::string text;
    for (const Card& card : hand) {
        text += std::to_string(card.Suit) + ":" + std::to_string(card.Number) + " ";
    }
    return text;
}

Hand HandFrom(const std::string& text) {
    Hand hand{};
    std::istringstream in(text);
    for (Card& card : hand) {
        char colon = 0;
        in >> card.Suit >> colon >> card.Number;
    }
    return hand;
}

// Brings the file to the current schema inside the caller's transaction. A file of a newer
// program is left alone; one that is not ours counts as damaged.
Outcome PrepareSchema(Connection& connection) {
    Statement query(connection.Handle(),
                    "SELECT (SELECT application_id FROM pragma_application_id), "
                    "(SELECT user_version FROM pragma_user_version), "
                    "(SELECT count(*) FROM sqlite_schema)");
    const int result = query.Step();
    if (result != SQLITE_ROW) {
        return FromResult(result);
    }
    const int applicationId = query.ColumnInt(0);
    int version = query.ColumnInt(1);
    const bool fresh = applicationId == 0 && version == 0 && query.ColumnInt(2) == 0;
    if (!fresh && applicationId != ApplicationId) {
        return Outcome::Damaged;
    }
    if (version > SchemaVersion) {
        return Outcome::Failed;
    }
    for (; version < SchemaVersion; ++version) {
        if (const int step = connection.Exec(Migrations[version]); step != SQLITE_OK) {
            return FromResult(step);
        }
    }
    const std::string mark = "PRAGMA application_id = " + std::to_string(ApplicationId) +
                             "; PRAGMA user_version = " + std::to_string(SchemaVersion);
    const int marked = connection.Exec(mark.c_str());
    return marked == SQLITE_OK ? Outcome::Done : FromResult(marked);
}

int InsertExchange(Connection& connection, int64_t gameId, const ExchangeRating& rating) {
    Statement insert(connection.Handle(),
                     "INSERT OR REPLACE INTO exchanges VALUES(?1, ?2, ?3, ?4, ?5)");
    insert.BindInt64(1, gameId);
    insert.BindInt(2, static_cast<int>(rating.Kept));
    insert.BindInt(3, static_cast<int>(rating.Best));
    insert.BindInt(4, rating.Win);
    insert.BindInt(5, rating.BestWin);
    const int result = insert.Step();
    return result == SQLITE_DONE ? SQLITE_OK : result;
}

int InsertBetRatings(Connection& connection, int64_t gameId,
                     const std::vector<BetRating>& ratings) {
    int decision = 0;
    for (const BetRating& rating : ratings) {
        Statement insert(
            connection.Handle(),
            "INSERT OR REPLACE INTO bet_ratings VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)");
        insert.BindInt64(1, gameId);
        insert.BindInt(2, decision++);
        insert.BindInt(3, rating.Action);
        insert.BindInt(4, rating.Bet);
        insert.BindInt(5, rating.Value);
        insert.BindInt(6, rating.BestAction);
        insert.BindInt(7, rating.BestBet);
        insert.BindInt(8, rating.BestValue);
        if (const int result = insert.Step(); result != SQLITE_DONE) {
            return result;
        }
    }
    return SQLITE_OK;
}

int InsertGame(Connection& connection, const GameEntry& game, int64_t& id) {
    Statement insert(connection.Handle(),
                     "INSERT INTO games(played_at, winner, bet_count) VALUES(?1, ?2, ?3)");
    insert.BindInt64(1, game.Time);
    insert.BindInt(2, game.Winner);
    insert.BindInt(3, static_cast<int>(game.Bets.size()));
    if (const int result = insert.Step(); result != SQLITE_DONE) {
        return result;
    }
    id = sqlite3_last_insert_rowid(connection.Handle());
    for (int seat = 0; seat < SeatCount; ++seat) {
        const SeatRecord& s = game.Seats[seat];
        Statement row(connection.Handle(),
                      "INSERT INTO seats VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, "
                      "?13, ?14, ?15)");
        row.BindInt64(1, id);
        row.BindInt(2, seat);
        row.BindText(3, s.Name);
        row.BindText(4, HandText(s.Dealt));
        row.BindText(5, HandText(s.Final));
        row.BindInt(6, s.Exchanged);
        row.BindInt(7, s.Showdown.Part);
        row.BindInt(8, s.Showdown.Value);
        row.BindInt(9, s.Showdown.Suit);
        row.BindInt(10, s.Dropped ? 1 : 0);
        row.BindInt(11, s.Bet);
        // Kept per seat so the stats need no pass over the bets.
        row.BindInt(12, static_cast<int>(std::count_if(
                            game.Bets.begin(), game.Bets.end(), [seat](const BetRecord& bet) {
                                return bet.Seat == seat && bet.Action == BetRaise;
                            })));
        row.BindInt(13, s.Bluffing ? 1 : 0);
        row.BindInt(14, s.MoneyBefore);
        row.BindInt(15, s.MoneyAfter);
        if (const int result = row.Step(); result != SQLITE_DONE) {
            return result;
        }
    }
    int turn = 0;
    for (const BetRecord& bet : game.Bets) {
        Statement row(connection.Handle(), "INSERT INTO bets VALUES(?1, ?2, ?3, ?4, ?5, ?6)");
        row.BindInt64(1, id);
        row.BindInt(2, turn++);
        row.BindInt(3, bet.Seat);
        row.BindInt(4, bet.Action);
        row.BindInt(5, bet.Amount);
        row.BindInt(6, bet.Bluffing ? 1 : 0);
        if (const int result = row.Step(); result != SQLITE_DONE) {
            return result;
        }
    }
    if (game.Exchange) {
        if (const int result = InsertExchange(connection, id, *game.Exchange);
            result != SQLITE_OK) {
            return result;
        }
    }
    return game.BetRatings ? InsertBetRatings(connection, id, *game.BetRatings) : SQLITE_OK;
}

// Keeps the newest games only; ids only grow, so the oldest have the smallest.
int DropOldGames(Connection& connection, int64_t newestId, int64_t kept) {
    for (const char* sql :
         {"DELETE FROM bets WHERE game_id <= ?1", "DELETE FROM seats WHERE game_id <= ?1",
          "DELETE FROM exchanges WHERE game_id <= ?1",
          "DELETE FROM bet_ratings WHERE game_id <= ?1", "DELETE FROM games WHERE id <= ?1"}) {
        Statement remove(connection.Handle(), sql);
        remove.BindInt64(1, newestId - kept);
        if (const int result = remove.Step(); result != SQLITE_DONE) {
            return result;
        }
    }
    return SQLITE_OK;
}

// Opens the file in a write transaction with the schema brought up to date.
Outcome BeginWrite(Connection& connection, const std::string& path) {
    int result = connection.Open(path);
    if (result == SQLITE_OK) {
        result = connection.Exec("BEGIN IMMEDIATE");
    }
    if (result != SQLITE_OK) {
        return FromResult(result);
    }
    return PrepareSchema(connection);
}

Outcome WriteGame(const std::string& path, const GameEntry& game, int64_t kept, int64_t& id) {
    Connection connection;
    if (const Outcome begun = BeginWrite(connection, path); begun != Outcome::Done) {
        return begun;
    }
    int result = InsertGame(connection, game, id);
    if (result == SQLITE_OK) {
        result = DropOldGames(connection, id, kept);
    }
    if (result == SQLITE_OK) {
        result = connection.Exec("COMMIT");
    }
    return result == SQLITE_OK ? Outcome::Done : FromResult(result);
}

// An existing file as it stands: damaged when it is not ours or fails SQLite's quick check.
Outcome CheckFile(const std::string& path) {
    Connection connection;
    int result = connection.Open(path);
    if (result != SQLITE_OK) {
        return FromResult(result);
    }
    Statement query(connection.Handle(),
                    "SELECT (SELECT application_id FROM pragma_application_id), "
                    "(SELECT count(*) FROM sqlite_schema), "
                    "(SELECT quick_check FROM pragma_quick_check)");
    result = query.Step();
    if (result != SQLITE_ROW) {
        return FromResult(result);
    }
    const bool fresh = query.ColumnInt(0) == 0 && query.ColumnInt(1) == 0;
    const bool ours = query.ColumnInt(0) == ApplicationId;
    return (fresh || ours) && query.ColumnBytes(2) == "ok" ? Outcome::Done : Outcome::Damaged;
}

// Opens an existing record of this or an older schema for reading: its schema version, or 0
// when there is none to read.
int OpenForReading(Connection& connection, const std::string& folder) {
    const std::optional<std::string> resolved = hivekit::WithoutLinks(folder);
    if (!resolved || connection.Open(*resolved + "/record.db") != SQLITE_OK) {
        return 0;
    }
    Statement query(connection.Handle(),
                    "SELECT (SELECT application_id FROM pragma_application_id), "
                    "(SELECT user_version FROM pragma_user_version)");
    if (query.Step() != SQLITE_ROW || query.ColumnInt(0) != ApplicationId) {
        return 0;
    }
    const int version = query.ColumnInt(1);
    return version <= SchemaVersion ? version : 0;
}

// A row selected as kept, best, win, best_win.
ExchangeRating RatingFrom(Statement& row) {
    return ExchangeRating{static_cast<uint32_t>(row.ColumnInt(0)),
                          static_cast<uint32_t>(row.ColumnInt(1)), row.ColumnInt(2),
                          row.ColumnInt(3)};
}

// The human's last AccuracyGames judged exchanges, newest first; only the human's are judged.
std::vector<ExchangeRating> LatestExchanges(Connection& connection) {
    std::vector<ExchangeRating> ratings;
    Statement select(connection.Handle(),
                     "SELECT kept, best, win, best_win FROM exchanges "
                     "ORDER BY game_id DESC LIMIT ?1");
    select.BindInt(1, AccuracyGames);
    while (select.Step() == SQLITE_ROW) {
        ratings.push_back(RatingFrom(select));
    }
    return ratings;
}

// The human's latest name, and the matches the kept games ended.
void AddHumanRecord(Connection& connection, NameStats& human) {
    Statement latest(connection.Handle(),
                     "SELECT name FROM seats WHERE seat = 0 ORDER BY game_id DESC LIMIT 1");
    if (latest.Step() == SQLITE_ROW) {
        human.Name = latest.ColumnBytes(0);
    }
    Statement matches(connection.Handle(),
                      "SELECT count(*) FILTER (WHERE computers_below = 3), "
                      "count(*) FILTER (WHERE human_below) FROM (SELECT "
                      "sum(seat > 0 AND money_after < 0) AS computers_below, "
                      "max(seat = 0 AND money_after < 0) AS human_below "
                      "FROM seats GROUP BY game_id)");
    if (matches.Step() == SQLITE_ROW) {
        human.MatchesWon = matches.ColumnInt64(0);
        human.MatchesLost = matches.ColumnInt64(1);
    }
}

// The human's last AccuracyGames games with judged bets, whatever the name: what the bets gave
// away in each, in cents, newest first; only the human's bets are judged.
std::vector<int64_t> LatestBetLosses(Connection& connection) {
    std::vector<int64_t> losses;
    Statement select(connection.Handle(),
                     "SELECT sum(best_value - value) FROM bet_ratings "
                     "GROUP BY game_id ORDER BY game_id DESC LIMIT ?1");
    select.BindInt(1, AccuracyGames);
    while (select.Step() == SQLITE_ROW) {
        losses.push_back(select.ColumnInt64(0));
    }
    return losses;
}

// Under the folder's lock `attempt` runs again, since another process may have recovered
// meanwhile; only a file it still finds damaged moves aside (its new name into movedTo), and
// `attempt` runs once more on the fresh file.
Outcome RecoverAndRetry(const std::string& folder, const std::string& path,
                        const std::function<Outcome()>& attempt, std::string& movedTo) {
    hivekit::FolderLock lock(folder);
    if (!lock.Held()) {
        return Outcome::Failed;
    }
    Outcome outcome = attempt();
    if (outcome == Outcome::Damaged) {
        if (std::optional<std::string> moved = hivekit::MoveAside(path)) {
            movedTo = *moved;
            outcome = attempt();
        }
    }
    return outcome;
}

bool IsAbsolute(const char* path) {
    return path != nullptr && path[0] == '/';
}

}  // namespace

std::optional<std::string> DefaultRecordFolder() {
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); IsAbsolute(xdg)) {
        return std::string(xdg) + "/kestrins";
    }
    if (const char* home = std::getenv("HOME"); IsAbsolute(home)) {
        return std::string(home) + "/.local/share/kestrins";
    }
    return std::nullopt;
}

AppendResult RecordStore::Append(const GameEntry& game) const {
    AppendResult appended;
    if (!hivekit::CreatePrivateFolder(folder_)) {
        return appended;
    }
    const std::optional<std::string> resolved = hivekit::WithoutLinks(folder_);
    if (!resolved) {
        return appended;
    }
    const std::string path = *resolved + "/record.db";
    if (!hivekit::CreateStoreFile(path)) {
        return appended;
    }
    const auto write = [&] { return WriteGame(path, game, keptGames_, appended.Id); };
    Outcome outcome = write();
    if (outcome == Outcome::Damaged) {
        outcome = RecoverAndRetry(*resolved, path, write, appended.MovedAside);
    }
    if (outcome != Outcome::Done) {
        appended.Id = 0;
    }
    return appended;
}

std::string RecordStore::SetAsideDamaged() const {
    const std::optional<std::string> resolved = hivekit::WithoutLinks(folder_);
    if (!resolved) {
        return {};
    }
    const std::string path = *resolved + "/record.db";
    const auto check = [&path] { return CheckFile(path); };
    std::string movedTo;
    if (access(path.c_str(), F_OK) == 0 && check() == Outcome::Damaged) {
        RecoverAndRetry(*resolved, path, check, movedTo);
    }
    return movedTo;
}

bool RecordStore::AddExchange(int64_t gameId, const ExchangeRating& rating) const {
    return AddToGame(
        [&](Connection& connection) { return InsertExchange(connection, gameId, rating); });
}

bool RecordStore::AddBetRatings(int64_t gameId, const std::vector<BetRating>& ratings) const {
    return AddToGame(
        [&](Connection& connection) { return InsertBetRatings(connection, gameId, ratings); });
}

bool RecordStore::AddToGame(const std::function<int(hivekit::Connection&)>& insert) const {
    const std::optional<std::string> resolved = hivekit::WithoutLinks(folder_);
    if (!resolved) {
        return false;
    }
    Connection connection;
    if (BeginWrite(connection, *resolved + "/record.db") != Outcome::Done) {
        return false;
    }
    return insert(connection) == SQLITE_OK && connection.Exec("COMMIT") == SQLITE_OK;
}

std::vector<GameEntry> RecordStore::LatestGames(int count) const {
    std::vector<GameEntry> games;
    Connection connection;
    const int version = OpenForReading(connection, folder_);
    if (version == 0) {
        return games;
    }
    Statement select(connection.Handle(),
                     "SELECT id, played_at, winner FROM games ORDER BY id DESC LIMIT ?1");
    select.BindInt(1, count);
    while (select.Step() == SQLITE_ROW) {
        GameEntry game;
        game.Id = select.ColumnInt64(0);
        game.Time = select.ColumnInt64(1);
        game.Winner = select.ColumnInt(2);
        game.Finished = true;
        Statement seats(connection.Handle(),
                        "SELECT seat, name, dealt, final, exchanged, part, value, suit, dropped, "
                        "bet, bluffing, money_before, money_after FROM seats WHERE game_id = ?1");
        seats.BindInt64(1, game.Id);
        while (seats.Step() == SQLITE_ROW) {
            SeatRecord& s = game.Seats[static_cast<std::size_t>(seats.ColumnInt(0) & 3)];
            s.Name = seats.ColumnBytes(1);
            s.Dealt = HandFrom(seats.ColumnBytes(2));
            s.Final = HandFrom(seats.ColumnBytes(3));
            s.Exchanged = seats.ColumnInt(4);
            s.Showdown = PartResult{seats.ColumnInt(5), seats.ColumnInt(6), seats.ColumnInt(7)};
            s.Dropped = seats.ColumnInt(8) != 0;
            s.Bet = seats.ColumnInt(9);
            s.Bluffing = seats.ColumnInt(10) != 0;
            s.MoneyBefore = seats.ColumnInt(11);
            s.MoneyAfter = seats.ColumnInt(12);
        }
        Statement bets(connection.Handle(),
                       "SELECT seat, action, amount, bluffing FROM bets WHERE game_id = ?1 "
                       "ORDER BY turn");
        bets.BindInt64(1, game.Id);
        while (bets.Step() == SQLITE_ROW) {
            game.Bets.push_back(BetRecord{bets.ColumnInt(0), bets.ColumnInt(1), bets.ColumnInt(2),
                                          bets.ColumnInt(3) != 0});
        }
        if (version >= ExchangesVersion) {
            Statement exchange(
                connection.Handle(),
                "SELECT kept, best, win, best_win FROM exchanges WHERE game_id = ?1");
            exchange.BindInt64(1, game.Id);
            if (exchange.Step() == SQLITE_ROW) {
                game.Exchange = RatingFrom(exchange);
            }
        }
        if (version >= BetRatingsVersion) {
            Statement ratings(connection.Handle(),
                              "SELECT action, bet, value, best_action, best_bet, best_value "
                              "FROM bet_ratings WHERE game_id = ?1 ORDER BY decision");
            ratings.BindInt64(1, game.Id);
            while (ratings.Step() == SQLITE_ROW) {
                if (!game.BetRatings) {
                    game.BetRatings.emplace();
                }
                game.BetRatings->push_back(BetRating{ratings.ColumnInt(0), ratings.ColumnInt(1),
                                                     ratings.ColumnInt(2), ratings.ColumnInt(3),
                                                     ratings.ColumnInt(4), ratings.ColumnInt(5)});
            }
        }
        games.push_back(std::move(game));
    }
    return games;
}

std::vector<NameStats> RecordStore::Stats() const {
    std::vector<NameStats> stats;
    Connection connection;
    const int version = OpenForReading(connection, folder_);
    if (version == 0) {
        return stats;
    }
    // The human's rows whatever the name: a rename must not split them into two players.
    Statement select(
        connection.Handle(),
        "SELECT CASE WHEN s.seat = 0 THEN '' ELSE s.name END AS key, s.seat = 0 AS human, "
        "count(*), sum(g.winner = s.seat), sum(s.dropped), sum(s.raises), sum(s.bluffing), "
        "sum(s.bluffing AND g.winner = s.seat), avg(s.bet) "
        "FROM seats s JOIN games g ON g.id = s.game_id "
        "GROUP BY key, human ORDER BY human DESC, count(*) DESC, key");
    while (select.Step() == SQLITE_ROW) {
        NameStats name;
        name.Name = select.ColumnBytes(0);
        name.Human = select.ColumnInt(1) != 0;
        name.Games = select.ColumnInt64(2);
        name.Wins = select.ColumnInt64(3);
        name.Drops = select.ColumnInt64(4);
        name.Raises = select.ColumnInt64(5);
        name.Bluffs = select.ColumnInt64(6);
        name.BluffWins = select.ColumnInt64(7);
        name.AverageBet = select.ColumnDouble(8);
        Statement money(connection.Handle(),
                        name.Human ? "SELECT money_after FROM seats WHERE seat = 0 "
                                     "ORDER BY game_id DESC LIMIT ?2"
                                   : "SELECT money_after FROM seats WHERE name = ?1 AND seat > 0 "
                                     "ORDER BY game_id DESC LIMIT ?2");
        money.BindText(1, name.Name);
        money.BindInt(2, ChartGames);
        while (money.Step() == SQLITE_ROW) {
            name.Money.insert(name.Money.begin(), money.ColumnInt(0));
        }
        if (name.Human) {
            AddHumanRecord(connection, name);
        }
        if (name.Human && version >= ExchangesVersion) {
            const std::vector<ExchangeRating> exchanges = LatestExchanges(connection);
            name.JudgedExchanges = static_cast<int64_t>(exchanges.size());
            name.AccurateExchanges = std::ranges::count_if(exchanges, &ExchangeRating::Accurate);
        }
        if (name.Human && version >= BetRatingsVersion) {
            const std::vector<int64_t> losses = LatestBetLosses(connection);
            name.JudgedBetGames = static_cast<int64_t>(losses.size());
            int64_t cents = 0;
            for (const int64_t loss : losses) {
                cents += loss;
            }
            name.BetLossPerGame = losses.empty() ? 0.0
                                                 : static_cast<double>(cents) / 100.0 /
                                                       static_cast<double>(losses.size());
        }
        stats.push_back(std::move(name));
    }
    return stats;
}

std::vector<BetRow> RecordStore::BetRows() const {
    std::vector<BetRow> rows;
    Connection connection;
    if (OpenForReading(connection, folder_) == 0) {
        return rows;
    }
    Statement select(
        connection.Handle(),
        "SELECT b.game_id, g.played_at, b.seat, b.action, b.amount, b.bluffing, s.name "
        "FROM bets b JOIN games g ON g.id = b.game_id "
        "JOIN seats s ON s.game_id = b.game_id AND s.seat = b.seat "
        "ORDER BY b.game_id, b.turn");
    while (select.Step() == SQLITE_ROW) {
        rows.push_back(BetRow{select.ColumnInt64(0), select.ColumnInt64(1),
                              BetRecord{select.ColumnInt(2), select.ColumnInt(3),
                                        select.ColumnInt(4), select.ColumnInt(5) != 0},
                              select.ColumnBytes(6)});
    }
    return rows;
}

}  // namespace kestrins
