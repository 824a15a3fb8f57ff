// CSV fields survive names with commas, quotes and line breaks and never turn into formulas;
// times are local with their offset; the games file has every seat's hands and result.
#include "record/csv.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <utility>

#include "game/constants.h"

namespace kestrins {
namespace {

// Sets the local time zone for one test.
class LocalZone {
public:
    explicit LocalZone(const char* zone) {
        if (const char* old = std::getenv("TZ")) {
            previous_ = old;
        }
        setenv("TZ", zone, 1);
        tzset();
    }
    ~LocalZone() {
        if (previous_.empty()) {
            unsetenv("TZ");
        } else {
            setenv("TZ", previous_.c_str(), 1);
        }
        tzset();
    }

private:
    std::string previous_;
};

constexpr int64_t Moment = 1'800'000'000;  // 2027-01-15 08:00:00 UTC

TEST(CsvTest, TimesAreLocalWithTheirOffset) {
    for (const auto& [zone, expected] : {std::pair{"UTC0", "2027-01-15T08:00:00+00:00"},
                                         {"JST-9", "2027-01-15T17:00:00+09:00"},
                                         {"<-0330>3:30", "2027-01-15T04:30:00-03:30"}}) {
        LocalZone local(zone);
        EXPECT_EQ(LocalTime(Moment), expected) << zone;
    }
}

TEST(CsvTest, GamesFileHasOneRowPerSeatWithHandsAndResult) {
    LocalZone local("JST-9");
    GameEntry won;
    won.Id = 4;
    won.Time = Moment;
    won.Winner = 1;
    for (int seat = 0; seat < SeatCount; ++seat) {
        SeatRecord& s = won.Seats[static_cast<std::size_t>(seat)];
        s.Name = "P" + std::to_string(seat);
        s.Dealt = {{{0, 1}, {1, 10}, {2, 11}, {3, 12}, {0, 13}}};
        s.Final = {{{3, 2}, {2, 3}, {1, 4}, {0, 5}, {3, 6}}};
        s.Exchanged = seat;
        s.Showdown = {seat == 1 ? PartStraight : PartNone, 0, 0};
        s.Bet = 3;
        s.MoneyBefore = 100;
        s.MoneyAfter = seat == 1 ? 109 : 97;
    }
    won.Seats[3].Name = "x,y";
    won.Seats[3].Dropped = true;
    GameEntry drawn = won;
    drawn.Id = 5;
    drawn.Winner = WinnerDraw;
    const std::string csv = GameRowsCsv({won, drawn});
    const std::string head =
        "\xEF\xBB\xBFgame_id,time,seat,name,dealt,final,exchanged,hand,dropped,bet,money_before,"
        "money_after,result\r\n";
    const std::string hands = "♠A ♥10 ♦J ♣Q ♠K,♣2 ♦3 ♥4 ♠5 ♣6";
    EXPECT_EQ(csv.substr(0, head.size()), head);
    EXPECT_NE(
        csv.find("4,2027-01-15T17:00:00+09:00,1,P1," + hands + ",1,straight,0,3,100,109,win\r\n"),
        std::string::npos);
    EXPECT_NE(csv.find("4,2027-01-15T17:00:00+09:00,3,\"x,y\"," + hands +
                       ",3,no_pair,1,3,100,97,lose\r\n"),
              std::string::npos);
    EXPECT_NE(
        csv.find("5,2027-01-15T17:00:00+09:00,0,P0," + hands + ",0,no_pair,0,3,100,97,draw\r\n"),
        std::string::npos);
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 9);
}

// Each character that forces quoting alone in a field; the bet rows show a field left bare.
TEST(CsvTest, FieldsQuoteOnlyWhatNeedsItOneLinePerBet) {
    for (const auto& [text, expected] : {std::pair{"A,B", "\"A,B\""},
                                         {"say \"hi\"", "\"say \"\"hi\"\"\""},
                                         {"a\nb", "\"a\nb\""},
                                         {"a\rb", "\"a\rb\""},
                                         // What a spreadsheet would run as a formula stays text.
                                         {"=1+1", "'=1+1"},
                                         {"+x", "'+x"},
                                         {"-x", "'-x"},
                                         {"@SUM(A1)", "'@SUM(A1)"},
                                         {"\tx", "'\tx"},
                                         {"\r=x", "\"'\r=x\""},
                                         {"a=b", "a=b"}}) {
        EXPECT_EQ(CsvField(text), expected) << text;
    }
    LocalZone local("UTC0");
    const std::vector<BetRow> rows = {{7, 0, {2, BetRaise, 13, true}, "Mr \"X\", jr"},
                                      {7, 0, {0, BetDrop, 1, false}, "あなた"}};
    EXPECT_EQ(BetRowsCsv(rows),
              "\xEF\xBB\xBFgame_id,time,seat,name,action,amount,bluffing\r\n"
              "7,1970-01-01T00:00:00+00:00,2,\"Mr \"\"X\"\", jr\",raise,13,1\r\n"
              "7,1970-01-01T00:00:00+00:00,0,あなた,drop,1,0\r\n");
}

}  // namespace
}  // namespace kestrins
