// Plays whole matches through the real engine and windows, checking every game; reports the
// games per second, what the games showed and the human's money per game. Stops at the first
// broken rule. With a policy player it is the coach's study: the money each policy makes, and
// for the calibration player the coach's predictions against the money really gained.
#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cmath>
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
    kestrins::Policy Human = kestrins::Policy::Random;
    kestrins::BetEffort Effort = kestrins::WindowEffort;
};

// A few hundred samples a decision: enough to catch a wrong sign or a lost bet in a short run.
constexpr kestrins::BetEffort LightEffort{1, 128, 128, 128, 0.45, int64_t{1} << 20};

bool ParsePolicy(const char* name, kestrins::Policy& policy) {
    using kestrins::Policy;
    const std::pair<const char*, Policy> names[] = {{"random", Policy::Random},
                                                    {"coach", Policy::Coach},
                                                    {"exchange-call", Policy::ExchangeCoachCalls},
                                                    {"pairs-call", Policy::PairsCalls},
                                                    {"calibrate", Policy::Calibrate}};
    for (const auto& [known, value] : names) {
        if (std::strcmp(name, known) == 0) {
            policy = value;
            return true;
        }
    }
    return false;
}

bool ParseEffort(const char* name, kestrins::BetEffort& effort) {
    if (std::strcmp(name, "window") == 0) {
        effort = kestrins::WindowEffort;
    } else if (std::strcmp(name, "record") == 0) {
        effort = kestrins::RecordEffort;
    } else if (std::strcmp(name, "light") == 0) {
        effort = LightEffort;
    } else {
        return false;
    }
    return true;
}

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
        } else if (std::strcmp(argv[i], "--human") == 0) {
            if (!ParsePolicy(argv[i + 1], options.Human)) {
                return false;
            }
        } else if (std::strcmp(argv[i], "--effort") == 0) {
            if (!ParseEffort(argv[i + 1], options.Effort)) {
                return false;
            }
        } else {
            return false;
        }
    }
    return argc % 2 == 1;
}

double Percent(long long part, long long whole) {
    return whole > 0 ? 100.0 * static_cast<double>(part) / static_cast<double>(whole) : 0.0;
}

// The calibration table; fails when a kind with enough decisions is off by more than four
// standard errors.
int ReportCalibration(const kestrins::Calibration& calibration) {
    constexpr const char* Names[] = {"", "raise", "call", "drop"};
    bool off = false;
    std::printf("%-6s %9s %11s %11s %17s\n", "kind", "decisions", "predicted", "realized",
                "realized-predicted");
    for (std::size_t kind = 1; kind < calibration.Kinds.size(); ++kind) {
        const kestrins::Calibration::Row& row = calibration.Kinds[kind];
        if (row.Decisions == 0) {
            continue;
        }
        const double n = static_cast<double>(row.Decisions);
        const double gap = row.Gaps / n;
        const double error =
            n > 1 ? std::sqrt(std::max(0.0, row.GapSquares / n - gap * gap) / (n - 1)) : 0.0;
        std::printf("%-6s %9lld %+10.2f$ %+10.2f$ %+9.2f$ +- %.2f\n", Names[kind], row.Decisions,
                    row.Predicted / n, row.Realized / n, gap, error);
        off = off || (row.Decisions >= 30 && std::abs(gap) > 4.0 * error);
    }
    std::printf("decisions without figures (called, not counted): %lld\n", calibration.Unvalued);
    if (off) {
        std::printf("CALIBRATION OFF by more than four standard errors\n");
    }
    return off ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace kestrins;
    using kestrins::Policy;
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::fprintf(
            stderr,
            "usage: %s [--first-seed N] [--seeds N] [--games N per seed] [--type-ahead 0|1]\n"
            "          [--human random|coach|exchange-call|pairs-call|calibrate]\n"
            "          [--effort window|record|light]\n",
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
        MatchRunner match(seed, sprites, options.TypeAhead, options.Human, options.Effort);
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
        std::fprintf(stderr, "seed %u done: %lld games, human net %+lld $\n", seed,
                     match.Tally().Games, match.Tally().HumanNet);
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
    const double games = static_cast<double>(total.Games);
    const double mean = static_cast<double>(total.HumanNet) / games;
    const double spread = total.HumanNetSquares / games - mean * mean;
    std::printf("human $ per game %+.2f +- %.2f (games %lld, net %lld, squares %.0f)\n", mean,
                games > 1 ? std::sqrt(spread / (games - 1)) : 0.0, total.Games, total.HumanNet,
                total.HumanNetSquares);
    return options.Human == Policy::Calibrate ? ReportCalibration(total.Calibrated) : 0;
}
