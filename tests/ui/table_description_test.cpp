// The table in words: marks only on the human's closed hand, drops, the showdown, the title.
#include "ui/table_description.h"

#include <gtest/gtest.h>

#include <string>

#include "game/constants.h"

namespace kestrins {
namespace {

// Cards 1 and 3 of the human marked; a computer seat marked too, which the table never shows.
// A "%2" in a name must stay as typed, not take the bet's place.
MdlMain SampleState() {
    MdlMain state;
    state.Players = {{
        {"あなた",
         {{{SuitSpade, 1, true}, {SuitHeart, 10}, {SuitDiamond, 13, true}, {SuitClub, 12}, {}}},
         95,
         4},
        {"ハル%2",
         {{{SuitHeart, 11, true}, {SuitHeart, 2}, {SuitHeart, 3}, {SuitHeart, 4}, {SuitHeart, 5}}},
         500,
         4},
        {"ミナ",
         {{{SuitSpade, 9}, {SuitDiamond, 9}, {SuitClub, 9}, {SuitSpade, 7}, {SuitDiamond, 7}}},
         -3,
         1,
         true},
        {"ソラ",
         {{{SuitClub, 2}, {SuitClub, 3}, {SuitClub, 4}, {SuitClub, 5}, {SuitClub, 6}}},
         480,
         4},
    }};
    return state;
}

const std::string Seats =
    "あなた: 賭け金 4 ドル、所持金 95 ドル\n"
    "ハル%2: 賭け金 4 ドル、所持金 500 ドル\n"
    "ミナ: ドロップ、賭け金 1 ドル、所持金 -3 ドル\n"
    "ソラ: 賭け金 4 ドル、所持金 480 ドル";
const std::string OpenHands =
    "あなたの手札: スペードのA、ハートの10、ダイヤのK、クラブのQ、空き\n"
    "ハル%2の手札: ハートのJ、ハートの2、ハートの3、ハートの4、ハートの5\n"
    "ミナの手札: スペードの9、ダイヤの9、クラブの9、スペードの7、ダイヤの7\n"
    "ソラの手札: クラブの2、クラブの3、クラブの4、クラブの5、クラブの6\n";
const std::string Title =
    "タイトル画面: 上下の矢印キーで「最初から」か「続きから」を選び、Enter キーで決定します";

TEST(TableDescriptionTest, SaysWhatTheTableAndTheStripShow) {
    const struct {
        const char* name;
        int32_t gameState;
        FieldShows shows;
        int32_t winner;
        const char* message;
        std::string want;
    } cases[] = {
        {"ClosedHandWithMarks", StateDealt, FieldShows::Table, 3, "選んでください",
         "あなたの手札: スペードのA（交換）、ハートの10、ダイヤのK（交換）、クラブのQ、空き\n" +
             Seats + "\nメッセージ: 選んでください"},
        {"ShowdownWithoutMarks", StatePlaying, FieldShows::OpenTable, 3, "",
         OpenHands + "勝者: ソラ\n" + Seats},
        {"DrawnShowdown", StateGameOver, FieldShows::OpenTable, WinnerDraw, "続けるなら F2",
         OpenHands + "引き分け\n" + Seats + "\nメッセージ: 続けるなら F2"},
        {"DealUnderWay", StateReady, FieldShows::Other, 0, "カード配布中",
         "メッセージ: カード配布中"},
        {"ClearedWithoutMessage", StateReady, FieldShows::Other, 0, "", ""},
        {"TitleOverAnOldTable", StateTitle, FieldShows::OpenTable, 0, "最初からから始めます",
         Title + "\nメッセージ: 最初からから始めます"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MdlMain state = SampleState();
        state.GameState = c.gameState;
        state.Winner = c.winner;
        EXPECT_EQ(DescribeTable(state, c.shows, QString::fromUtf8(c.message)).toStdString(),
                  c.want);
    }
}

// A right-to-left name is set apart in the lines it begins, as on the screen.
TEST(TableDescriptionTest, ARightToLeftNameIsSetApartInEveryLine) {
    MdlMain state = SampleState();
    state.Players[3].Name = "שלום";
    state.GameState = StatePlaying;
    state.Winner = 3;
    const std::string said = DescribeTable(state, FieldShows::OpenTable, {}).toStdString();
    for (const std::string line :
         {"\n\u2068שלום\u2069の手札: クラブの2", "勝者: \u2068שלום\u2069\n",
          "\n\u2068שלום\u2069: 賭け金 4 ドル", "\nミナ: ドロップ"}) {
        EXPECT_NE(said.find(line), std::string::npos) << line;
    }
}

}  // namespace
}  // namespace kestrins
