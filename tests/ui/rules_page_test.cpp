// The rules page against the game itself: every raise size and hand the page names is what the
// betting rule does at its smallest and largest draws, the opener is the one start-up sets, and
// the game record says a dropped stake is lost only when the game was not drawn.
#include <gtest/gtest.h>

#include <array>

#include "card_text.h"
#include "game/decide_bet.h"
#include "game/part_name.h"
#include "platform/hivekit_binding.h"
#include "recording_view.h"
#include "settings/startup.h"
#include "support/scripted_random.h"
#include "ui/frm_option.h"
#include "ui/how_to_play.h"
#include "ui/record_text.h"

namespace kestrins::testing {
namespace {

// One hand of each category, PartNone to PartRoyalFlush.
constexpr std::array<const char*, PartRoyalFlush + 1> Hands = {
    "2S 5H 9D JC KS", "5S 5H 9D JC KS",  "5S 5H 9D 9C KS", "5S 5H 5D JC KS",
    "5S 6H 7D 8C 9S", "AS 10H JD QC KS", "2H 5H 9H JH KH", "5S 5H 5D KC KS",
    "5S 5H 5D 5C KS", "5H 6H 7H 8H 9H",  "AS 10S JS QS KS"};

// How far a seat raises over a call of 1 after its bluff rolls, at the highest call limit.
int32_t Raise(std::size_t part, int32_t pattern, bool bluffing, float sizeDraw) {
    MdlMain state;
    MdlCPUPlayer cpu;
    Player& seat = state.Players[2];
    seat.Cards = HandOf(Hands[part]);
    seat.Pattern = pattern;
    seat.Bet = 1;
    state.RaiseHistory = {0};
    cpu.Bluffing[2] = bluffing;
    cpu.BluffRolls[2] = 2;
    ScriptedRandom random{0.999f, sizeDraw};
    RecordingView view(state);
    EXPECT_TRUE(DecideBet(state, cpu, 2, 1, random, view)) << part;
    return seat.Bet - 1;
}

struct Span {
    int32_t least = BetCap;
    int32_t most = 0;
    void Add(const Span& other) {
        least = std::min(least, other.least);
        most = std::max(most, other.most);
    }
    bool operator==(const Span&) const = default;
    QString Text() const { return QStringLiteral("%1〜%2 $").arg(least).arg(most); }
};

Span Raises(std::size_t part, int32_t pattern, bool bluffing) {
    return {Raise(part, pattern, bluffing, 0.0f), Raise(part, pattern, bluffing, 0.999f)};
}

QString HandName(std::size_t part) {
    return QString::fromUtf8(PartName(static_cast<int32_t>(part)).data());
}

TEST(RulesPageTest, StatesWhatTheBettingRuleAndStartUpDo) {
    const QString page = HowToPlayText();
    // Small raises are those of no hand; the first hand that raises otherwise raises large, as
    // does a bluff that changes the raise.
    std::size_t firstLarge = 0;
    while (firstLarge < Hands.size() && Raises(firstLarge, 0, false) == Raises(0, 0, false)) {
        ++firstLarge;
    }
    Span large;
    std::size_t lastBluff = 0;
    for (int32_t pattern = 0; pattern < PatternCount; ++pattern) {
        Span small;
        for (std::size_t part = 0; part < Hands.size(); ++part) {
            (part < firstLarge ? small : large).Add(Raises(part, pattern, false));
            if (Raises(part, pattern, true) != Raises(part, pattern, false)) {
                large.Add(Raises(part, pattern, true));
                lastBluff = std::max(lastBluff, part);
            }
        }
        if (pattern == 0 || pattern == PatternCount - 1) {
            const QString stated = SpiritCaption(pattern) + QStringLiteral(" で ") + small.Text();
            EXPECT_TRUE(page.contains(stated)) << stated.toStdString();
        }
    }
    for (const QString& stated :
         {QStringLiteral("1 回に ") + large.Text(), HandName(firstLarge) + QStringLiteral("以上"),
          HandName(lastBluff) + QStringLiteral("以下の手でブラフ")}) {
        EXPECT_TRUE(page.contains(stated)) << stated.toStdString();
    }

    HivekitBinding none({"/nonexistent/libhivekit.so.1"});
    MdlMain state;
    StartUp(state, none);
    const std::array<QString, SeatCount> places = {
        QStringLiteral("あなた"), QStringLiteral("左の席"), QStringLiteral("向かいの席"),
        QStringLiteral("右の席")};
    for (const QString& stated :
         {QStringLiteral("最初のゲームは") + places[static_cast<std::size_t>(state.Winner)],
          QStringLiteral("引き分けのあとは") + places[WinnerDraw % SeatCount]}) {
        EXPECT_TRUE(page.contains(stated)) << stated.toStdString();
    }
}

TEST(RulesPageTest, RecordSaysADroppedStakeIsLostUnlessTheGameWasDrawn) {
    GameEntry game;
    game.Finished = true;
    game.Seats[2].Dropped = true;
    game.Bets = {{2, BetDrop, 1, false}};
    for (const auto& [winner, line] : {std::pair{1, "ドロップ (1 $ を失う)"},
                                       std::pair{WinnerDraw, "ドロップ (1 $ は引き分けで戻る)"}}) {
        game.Winner = winner;
        const QString text = GameText(game, 1);
        EXPECT_TRUE(text.contains(QString::fromUtf8(line))) << text.toStdString();
        EXPECT_EQ(text.count(QStringLiteral("を失う")), winner == WinnerDraw ? 0 : 1);
    }
}

}  // namespace
}  // namespace kestrins::testing
