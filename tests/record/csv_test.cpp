// CSV fields survive names with commas, quotes and line breaks, and never turn into formulas.
#include "record/csv.h"

#include <gtest/gtest.h>

#include <utility>

#include "game/constants.h"

namespace kestrins {
namespace {

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
    const std::vector<BetRow> rows = {{7, 0, {2, BetRaise, 13, true}, "Mr \"X\", jr"},
                                      {7, 0, {0, BetDrop, 1, false}, "あなた"}};
    EXPECT_EQ(BetRowsCsv(rows),
              "\xEF\xBB\xBFgame_id,time,seat,name,action,amount,bluffing\r\n"
              "7,1970-01-01T00:00:00Z,2,\"Mr \"\"X\"\", jr\",raise,13,1\r\n"
              "7,1970-01-01T00:00:00Z,0,あなた,drop,1,0\r\n");
}

}  // namespace
}  // namespace kestrins
