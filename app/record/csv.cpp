// CSV quoting after RFC 4180, and the record's bets and games in that form.
#include "record/csv.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "game/constants.h"

namespace kestrins {

namespace {

constexpr const char* ByteOrderMark = "\xEF\xBB\xBF";

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

// Indexed by Part: plain words that a formula can match, as the actions are.
constexpr std::array<const char*, PartRoyalFlush + 1> HandNames = {
    "no_pair", "one_pair",   "two_pair",       "three_of_a_kind", "straight",   "royal_straight",
    "flush",   "full_house", "four_of_a_kind", "straight_flush",  "royal_flush"};

// "♠A ♥10 ♦J ♣Q ♠K", the cards as the record window writes them.
std::string HandText(const Hand& hand) {
    static constexpr std::array<const char*, SuitCount> suits = {"♠", "♥", "♦", "♣"};
    static constexpr std::array<const char*, 13> numbers = {"A", "2", "3",  "4", "5", "6", "7",
                                                            "8", "9", "10", "J", "Q", "K"};
    std::string text;
    for (const Card& card : hand) {
        const bool known =
            card.Suit >= 0 && card.Suit < SuitCount && card.Number >= 1 && card.Number <= 13;
        text += text.empty() ? "" : " ";
        text += known ? std::string(suits[static_cast<std::size_t>(card.Suit)]) +
                            numbers[static_cast<std::size_t>(card.Number - 1)]
                      : "-";
    }
    return text;
}

const char* Result(const GameEntry& game, int32_t seat) {
    return game.Winner == WinnerDraw ? "draw" : game.Winner == seat ? "win" : "lose";
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

std::string LocalTime(int64_t seconds) {
    const auto time = static_cast<std::time_t>(seconds);
    std::tm local{};
    localtime_r(&time, &local);
    std::array<char, 32> text{};
    std::strftime(text.data(), text.size(), "%Y-%m-%dT%H:%M:%S", &local);
    const long offset = std::labs(local.tm_gmtoff) / 60;
    // Room for any long the compiler cannot rule out, not only the real offsets' "+hh:mm".
    std::array<char, 24> zone{};
    std::snprintf(zone.data(), zone.size(), "%c%02ld:%02ld", local.tm_gmtoff < 0 ? '-' : '+',
                  offset / 60, offset % 60);
    return std::string(text.data()) + zone.data();
}

std::string BetRowsCsv(const std::vector<BetRow>& rows) {
    std::string csv =
        std::string(ByteOrderMark) + "game_id,time,seat,name,action,amount,bluffing\r\n";
    for (const BetRow& row : rows) {
        csv += std::to_string(row.GameId) + "," + LocalTime(row.Time) + "," +
               std::to_string(row.Bet.Seat) + "," + CsvField(row.Name) + "," +
               ActionName(row.Bet.Action) + "," + std::to_string(row.Bet.Amount) + "," +
               (row.Bet.Bluffing ? "1" : "0") + "\r\n";
    }
    return csv;
}

std::string GameRowsCsv(const std::vector<GameEntry>& games) {
    std::string csv = std::string(ByteOrderMark) +
                      "game_id,time,seat,name,dealt,final,exchanged,hand,dropped,bet,"
                      "money_before,money_after,result\r\n";
    for (const GameEntry& game : games) {
        for (int32_t seat = 0; seat < SeatCount; ++seat) {
            const SeatRecord& s = game.Seats[static_cast<std::size_t>(seat)];
            const int32_t part = s.Showdown.Part;
            csv += std::to_string(game.Id) + "," + LocalTime(game.Time) + "," +
                   std::to_string(seat) + "," + CsvField(s.Name) + "," + HandText(s.Dealt) + "," +
                   HandText(s.Final) + "," + std::to_string(s.Exchanged) + "," +
                   (part >= PartNone && part <= PartRoyalFlush
                        ? HandNames[static_cast<std::size_t>(part)]
                        : "") +
                   "," + (s.Dropped ? "1" : "0") + "," + std::to_string(s.Bet) + "," +
                   std::to_string(s.MoneyBefore) + "," + std::to_string(s.MoneyAfter) + "," +
                   Result(game, seat) + "\r\n";
        }
    }
    return csv;
}

}  // namespace kestrins
