// CSV quoting after RFC 4180, and the bet rows in that form.
#include "record/csv.h"

#include <ctime>

#include "game/constants.h"

namespace kestrins {

namespace {

std::string UtcTime(int64_t seconds) {
    const auto time = static_cast<std::time_t>(seconds);
    std::tm utc{};
    gmtime_r(&time, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
    return text;
}

const char* ActionName(int32_t action) {
    switch (action) {
        case BetRaise:
            return "raise";
        case BetCall:
            return "call";
        case BetDrop:
            return "drop";
        default:
            return "";
    }
}

}  // namespace

std::string CsvField(std::string_view text) {
    const bool formula =
        !text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos;
    std::string field(formula ? "'" : "");
    field += text;
    if (field.find_first_of(",\"\r\n") == std::string::npos) {
        return field;
    }
    std::string quoted = "\"";
    for (const char c : field) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + "\"";
}

std::string BetRowsCsv(const std::vector<BetRow>& rows) {
    std::string csv = "\xEF\xBB\xBFgame_id,time,seat,name,action,amount,bluffing\r\n";
    for (const BetRow& row : rows) {
        csv += std::to_string(row.GameId) + "," + UtcTime(row.Time) + "," +
               std::to_string(row.Bet.Seat) + "," + CsvField(row.Name) + "," +
               ActionName(row.Bet.Action) + "," + std::to_string(row.Bet.Amount) + "," +
               (row.Bet.Bluffing ? "1" : "0") + "\r\n";
    }
    return csv;
}

}  // namespace kestrins
