// Plays whole matches through the real engine and windows, checking every game; reports the
// games per second and what the games showed. Stops at the first broken rule.
#include <QApplication>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "match_runner.h"

namespace {

struct Options {
    uint32_t FirstSeed = 1;
    uint32_t Seeds = 10;
    long long GamesPerSeed = 100;
    bool TypeAhead = false;
};

bool ParseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i + 1 < argc; i += 2) {
        const unsigned long long value = std::strtoull(argv[i + 1], nullptr, 10);
        if (std::strcmp(argv[i], "--first-seed") == 0) {
            options.FirstSeed = static_cast<uint32_t>(value);
        } else if (std::strcmp(argv[i], "--seeds") == 0) {
            options.Seeds = static_cast<uint32_t>(value);
        } else if (std::strcmp(argv[i], "--games") == 0) {
            options.GamesPerSeed = static_cast<long long>(value);
        } else if (std::strcmp(argv[i], "--type-ahead") == 0) {
            options.TypeAhead = value != 0;
        } else {
            return false;
        }
    }
    return argc % 2 == 1;
}

double Percent(long long part, long long whole) {
    return whole > 0 ? 100.0 * static_cast<double>(part) / static_cast<double>(whole) : 0.0;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace kestrins;
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::fprintf(
            stderr,
            "usage: %s [--first-seed N] [--seeds N] [--games N per seed] [--type-ahead 0|1]\n",
            argv[0]);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    const Sprites sprites = LoadSprites();

    MatchTally total;
    const auto started = std::chrono::steady_clock::now();
    for (uint32_t i = 0; i < options.Seeds; ++i) {
        const uint32_t seed = options.FirstSeed + i;
        MatchRunner match(seed, sprites, options.TypeAhead);
        for (long long game = 1; game <= options.GamesPerSeed; ++game) {
            if (const auto broken = match.PlayGame()) {
                std::printf("VIOLATION at seed %u, game %lld: %s\n", seed, game, broken->c_str());
                std::printf(
                    "reproduce: %s --first-seed %u --seeds 1 --games %lld --type-ahead %d\n",
                    argv[0], seed, game, options.TypeAhead ? 1 : 0);
                return 1;
            }
        }
        total += match.Tally();
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();

    std::printf("seeds %u..%u, %lld games each%s: %lld games, 0 violations\n", options.FirstSeed,
                options.FirstSeed + options.Seeds - 1, options.GamesPerSeed,
                options.TypeAhead ? ", typing ahead" : "", total.Games);
    std::printf("%.1f s, %.0f games/s\n", seconds, static_cast<double>(total.Games) / seconds);
    std::printf("ties (drawn games) %lld = %.2f %%\n", total.Draws,
                Percent(total.Draws, total.Games));
    std::printf("bluffs %lld of %lld computer seat-games = %.2f %%\n", total.Bluffs,
                total.ComputerSeatGames, Percent(total.Bluffs, total.ComputerSeatGames));
    std::printf(
        "human drops %lld, game overs %lld, victories %lld, cancelled close requests %lld\n",
        total.HumanDrops, total.GameOvers, total.Victories, total.CloseRequests);
    std::printf("human betting turns %lld, pauses with input typed ahead %lld\n", total.HumanTurns,
                total.TypedAheadPauses);
    std::printf("money: %lld $ in settled pots, human net %+lld $\n", total.PotTotal,
                total.HumanNet);
    return 0;
}
