// CSV fields survive names with commas, quotes and line breaks.
#include "record/csv.h"

#include <gtest/gtest.h>

#include "game/constants.h"

namespace kestrins {
namespace {

struct FieldCase {
    const char* name;
    const char* text;
    const char* expected;
};

class CsvFieldTest : public ::testing::TestWithParam<FieldCase> {};

TEST_P(CsvFieldTest, QuotesOnlyWhatNeedsIt) {
    EXPECT_EQ(CsvField(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Names, CsvFieldTest,
                         ::testing::Values(FieldCase{"plain", "プレイヤー 1", "プレイヤー 1"},
                                           FieldCase{"comma", "A,B", "\"A,B\""},
                                           FieldCase{"quote", "say \"hi\"", "\"say \"\"hi\"\"\""},
                                           FieldCase{"line_feed", "a\nb", "\"a\nb\""},
                                           FieldCase{"carriage_return", "a\rb", "\"a\rb\""},
                                           FieldCase{"empty", "", ""}),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(BetRowsCsvTest, OneLinePerBetAfterTheHeader) {
    const std::vector<BetRow> rows = {{7, 0, {2, BetRaise, 13, true}, "Mr \"X\", jr"},
                                      {7, 0, {0, BetDrop, 1, false}, "あなた"}};
    EXPECT_EQ(BetRowsCsv(rows),
              "\xEF\xBB\xBFgame_id,time,seat,name,action,amount,bluffing\r\n"
              "7,1970-01-01T00:00:00Z,2,\"Mr \"\"X\"\", jr\",raise,13,1\r\n"
              "7,1970-01-01T00:00:00Z,0,あなた,drop,1,0\r\n");
}

}  // namespace
}  // namespace kestrins
