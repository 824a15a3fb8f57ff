// The lasting record as CSV for a spreadsheet: one file of bet actions, one of seats' games.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "record/record_store.h"

namespace kestrins {

// A field quoted when it holds a comma, a quote or a line break, its quotes doubled; one that a
// spreadsheet would take for a formula (a leading =, +, -, @, tab or carriage return) gets a
// leading apostrophe, so it shows as the text it is.
std::string CsvField(std::string_view text);

// Seconds since 1970 in local time with the offset from UTC, as ISO 8601 writes it
// ("2027-01-15T09:00:00+09:00"), the time the record window shows.
std::string LocalTime(int64_t seconds);

// Both files start with a byte-order mark (so spreadsheets read the Japanese names as UTF-8)
// and a header; lines end in CRLF.
// Per bet: game id, time, seat, name, action, amount and bluffing (1 or 0).
std::string BetRowsCsv(const std::vector<BetRow>& rows);

// Per seat of each game, in the games' order: game id, time, seat, name, the hand as dealt and
// after the exchange, cards exchanged, the hand's category, dropped, bet, money before and after,
// and win, lose or draw.
std::string GameRowsCsv(const std::vector<GameEntry>& games);

}  // namespace kestrins
