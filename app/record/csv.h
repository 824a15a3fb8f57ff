// The record's bets as CSV for a spreadsheet: one row per bet action.
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

// A byte-order mark (so spreadsheets read the Japanese names as UTF-8), a header, then
// game id, UTC time, seat, name, action, amount and bluffing (1 or 0) per bet; lines end in CRLF.
std::string BetRowsCsv(const std::vector<BetRow>& rows);

}  // namespace kestrins
