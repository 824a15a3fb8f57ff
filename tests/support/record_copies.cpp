// One SQL batch that copies game 1 with its seats and bets under new ids.
#include "support/record_copies.h"

#include <sqlite3.h>

namespace kestrins::testing {

bool FillWithCopiesOfGameOne(const std::string& path, int64_t games) {
    sqlite3* db = nullptr;
    if (sqlite3_open(path.c_str(), &db) != SQLITE_OK) {
        sqlite3_close(db);
        return false;
    }
    const std::string sql =
        "BEGIN;"
        "WITH RECURSIVE n(i) AS (SELECT 2 UNION ALL SELECT i + 1 FROM n WHERE i < " +
        std::to_string(games) +
        ") INSERT INTO games SELECT i, played_at, winner, bet_count FROM n, games WHERE id = 1;"
        "INSERT INTO seats SELECT g.id, s.seat, s.name, s.dealt, s.final, s.exchanged, s.part, "
        "s.value, s.suit, s.dropped, s.bet, s.raises, s.bluffing, s.money_before, s.money_after "
        "FROM games g, seats s WHERE g.id > 1 AND s.game_id = 1;"
        "INSERT INTO bets SELECT g.id, b.turn, b.seat, b.action, b.amount, b.bluffing "
        "FROM games g, bets b WHERE g.id > 1 AND b.game_id = 1;"
        "COMMIT;";
    const bool filled = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return filled;
}

}  // namespace kestrins::testing
