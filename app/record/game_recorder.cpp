// Copies what the round reports into this run's game records; reads the state, changes nothing.
#include "record/game_recorder.h"

#include <QStringList>
#include <algorithm>
#include <cmath>
#include <ctime>

#include "coach/keep_ranking.h"
#include "platform/message_box.h"
#include "record/record_store.h"
#include "record/win_odds_run.h"

namespace kestrins {

GameRecorder::GameRecorder(MessageBoxes& boxes) : boxes_(boxes) {
    judgePool_.setMaxThreadCount(1);
    judgePool_.setThreadPriority(QThread::IdlePriority);
}

GameRecorder::~GameRecorder() {
    // Cancelled before the pool waits for its thread, which then stops at its next look.
    qDeleteAll(findChildren<BetJudgeRun*>(Qt::FindDirectChildrenOnly));
}

void GameRecorder::GameDealt(const MdlMain& state) {
    GameEntry game;
    game.Time = static_cast<int64_t>(std::time(nullptr));
    for (int32_t seat = 0; seat < SeatCount; ++seat) {
        const Player& player = state.Players[seat];
        SeatRecord& record = game.Seats[seat];
        record.Name = player.Name;
        record.Dealt = player.Cards;
        record.Final = player.Cards;
        record.MoneyBefore = player.Money;
        record.MoneyAfter = player.Money;
    }
    games_.push_back(std::move(game));
    seen_ = BetSituation{};
    seen_.Dealt = state.Players[0].Cards;
    seen_.Final = seen_.Dealt;
    seen_.Opener = state.Winner;
    // The drop button is set up from the allowance at the start of the round.
    seen_.CanDrop = state.DropCount > 0;
    for (int32_t seat = 0; seat < SeatCount; ++seat) {
        seen_.Patterns[static_cast<std::size_t>(seat)] = state.Players[seat].Pattern;
    }
    decisions_.clear();
    emit Changed();
}

void GameRecorder::CardsExchanged(const MdlMain& state, int32_t seat, int32_t count) {
    if (games_.empty()) {
        return;
    }
    SeatRecord& record = games_.back().Seats[seat];
    record.Final = state.Players[seat].Cards;
    record.Exchanged = count;
    if (seat == 0) {
        seen_.Final = record.Final;
        JudgeExchange(games_.size() - 1);
    } else {
        seen_.Exchanged[static_cast<std::size_t>(seat)] = count;
    }
    emit Changed();
}

void GameRecorder::JudgeExchange(std::size_t index) {
    const SeatRecord& human = games_[index].Seats[0];
    KeepMask kept = 0;
    for (int32_t i = 0; i < HandSize; ++i) {
        const Card& dealt = human.Dealt[static_cast<std::size_t>(i)];
        if (std::any_of(human.Final.begin(), human.Final.end(),
                        [&dealt](const Card& card) { return CardId(card) == CardId(dealt); })) {
            kept |= KeepMask{1} << i;
        }
    }
    auto* run = new WinOddsRun(human.Dealt, this);
    connect(run, &WinOddsRun::Finished, this,
            [this, index, kept, run](const std::array<WinOdds, KeepChoiceCount>& odds) {
                run->deleteLater();
                const auto tenths = [](double share) {
                    return static_cast<int32_t>(std::lround(share * 1000.0));
                };
                const KeepMask best = RankKeeps(odds)[0];
                GameEntry& game = games_[index];
                game.Exchange =
                    ExchangeRating{kept, best, tenths(odds[kept].Win), tenths(odds[best].Win)};
                // A game stored before the judgement came in gets it now.
                if (game.Id != 0 && RecordStore(DefaultRecordFolder().value_or(std::string()))
                                        .AddExchange(game.Id, *game.Exchange)) {
                    emit ExchangeStored();
                }
                emit Changed();
            });
}

void GameRecorder::BetMade(const MdlMain& state, int32_t seat, int32_t action, bool bluffing) {
    if (games_.empty()) {
        return;
    }
    const int32_t bet = state.Players[seat].Bet;
    games_.back().Bets.push_back(BetRecord{seat, action, bet, bluffing});
    if (seat == 0) {
        decisions_.push_back(BetDecision{seen_, BetOption{action, bet}});
    }
    seen_.Turns.push_back(SeenTurn{seat, action, bet});
    emit Changed();
}

void GameRecorder::GameSettled(const MdlMain& state, const std::array<PartResult, 4>& handValues,
                               int32_t winner, const MdlCPUPlayer& cpu) {
    if (games_.empty()) {
        return;
    }
    GameEntry& game = games_.back();
    game.Winner = winner;
    for (int32_t seat = 0; seat < SeatCount; ++seat) {
        const Player& player = state.Players[seat];
        SeatRecord& record = game.Seats[seat];
        record.Final = player.Cards;
        record.Showdown = handValues[seat];
        record.Dropped = player.Dropped;
        record.Bet = player.Bet;
        record.Bluffing = cpu.Bluffing[seat];
        record.MoneyAfter = player.Money;
    }
}

void GameRecorder::GameEnded() {
    if (games_.empty()) {
        return;
    }
    games_.back().Finished = true;
    Keep(games_.back());
    if (!decisions_.empty()) {
        JudgeBets(games_.size() - 1, std::move(decisions_));
        decisions_.clear();
    }
    emit Changed();
}

void GameRecorder::JudgeBets(std::size_t index, std::vector<BetDecision> decisions) {
    auto* run = new BetJudgeRun(std::move(decisions), judgePool_, this);
    connect(run, &BetJudgeRun::Finished, this,
            [this, index](const std::vector<BetRating>& ratings) {
                GameEntry& game = games_[index];
                game.BetRatings = ratings;
                // A game stored before the judgement came in gets it now.
                if (game.Id != 0 && RecordStore(DefaultRecordFolder().value_or(std::string()))
                                        .AddBetRatings(game.Id, ratings)) {
                    emit BetsStored();
                }
                emit Changed();
            });
}

void GameRecorder::CheckLastingRecord() {
    if (const std::optional<std::string> folder = DefaultRecordFolder()) {
        const RecordStore store(*folder);
        if (const std::string movedAside = store.SetAsideDamaged(); !movedAside.empty()) {
            ReportMovedAside(store.Path(), movedAside);
        }
    }
}

QString GameRecorder::MovedAsideText(const std::string& path, const std::string& movedAside) {
    return tr("対戦記録のファイルが壊れていたため読み込めませんでした。\n%1\nは\n%2\n"
              "として残し、新しい記録を始めました。")
        .arg(QString::fromStdString(path), QString::fromStdString(movedAside));
}

void GameRecorder::ReportMovedAside(const std::string& path, const std::string& movedAside) {
    boxes_.Show(MovedAsideText(path, movedAside).toStdString(), tr("対戦記録").toStdString(),
                MessageButtons::Ok, MessageIcon::Information);
}

void GameRecorder::Keep(GameEntry& game) {
    // One box per game at most: a damaged record moved aside and a game that could not be kept
    // after all are said together.
    QStringList said;
    const std::optional<std::string> folder = DefaultRecordFolder();
    if (folder) {
        const RecordStore store(*folder);
        const AppendResult appended = store.Append(game);
        game.Id = appended.Id;
        if (!appended.MovedAside.empty()) {
            said << MovedAsideText(store.Path(), appended.MovedAside);
        }
    }
    const bool failed = game.Id == 0 && !failureShown_;
    if (failed) {
        failureShown_ = true;
        const QString where =
            folder ? QString::fromStdString(*folder) : tr("(データフォルダーが不明)");
        said << tr("対戦記録を保存できませんでした。\n%1\nに書き込めません。"
                   "ゲームはこのまま続けられますが、記録は残りません。")
                    .arg(where);
    }
    if (!said.isEmpty()) {
        boxes_.Show(said.join(QStringLiteral("\n\n")).toStdString(), tr("対戦記録").toStdString(),
                    MessageButtons::Ok, failed ? MessageIcon::Error : MessageIcon::Information);
    }
}

}  // namespace kestrins
