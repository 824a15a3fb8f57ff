// The lasting record: writing one game into a full record, and opening the record window over it.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "game/constants.h"
#include "platform/message_box.h"
#include "record/game_recorder.h"
#include "record/record_store.h"
#include "support/record_copies.h"
#include "support/temp_config_home.h"
#include "ui/frm_record.h"

namespace kestrins {
namespace {

class SilentBoxes final : public MessageBoxes {
public:
    MessageAnswer Show(const std::string&, const std::string&, MessageButtons,
                       MessageIcon) override {
        return MessageAnswer::Ok;
    }
};

GameEntry TypicalGame() {
    GameEntry game;
    game.Time = 1'800'000'000;
    game.Finished = true;
    for (int seat = 0; seat < SeatCount; ++seat) {
        game.Seats[seat].Name = "プレイヤー " + std::to_string(seat);
        game.Seats[seat].Bet = 5;
        game.Seats[seat].MoneyAfter = 100 * seat;
    }
    for (int turn = 0; turn < 6; ++turn) {
        game.Bets.push_back({turn % SeatCount, turn == 1 ? BetRaise : BetCall, 5, turn == 2});
    }
    return game;
}

// A record holding KeptGames games, so every write also drops the oldest.
struct FullRecord {
    testing::TempConfigHome home;
    RecordStore store{home.RecordFolder()};
    FullRecord() {
        store.Append(TypicalGame());
        testing::FillWithCopiesOfGameOne(store.Path(), KeptGames);
    }
};

void BM_RecordOneGame(benchmark::State& state) {
    FullRecord record;
    const GameEntry game = TypicalGame();
    for (auto _ : state) {
        benchmark::DoNotOptimize(record.store.Append(game).Id);
    }
}
BENCHMARK(BM_RecordOneGame)->Unit(benchmark::kMillisecond);

void BM_ShowRecordWindowOverTenThousandGames(benchmark::State& state) {
    FullRecord record;
    SilentBoxes boxes;
    GameRecorder recorder(boxes);
    for (auto _ : state) {
        FrmRecord window(recorder, boxes, nullptr);
        window.show();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_ShowRecordWindowOverTenThousandGames)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kestrins
