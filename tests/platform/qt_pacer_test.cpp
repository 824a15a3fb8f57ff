// The real pacer: pauses block without spinning, keep timers running, and follow KESTRINS_PACE.
#include "platform/qt_pacer.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTimer>
#include <cstdlib>
#include <ctime>

namespace kestrins {
namespace {

TEST(QtPacer, PauseLastsItsTimeWithoutBurningCpuAndTimersStillFire) {
    QtPacer pacer(1.0);
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&ticks] { ++ticks; });
    timer.start(20);

    QElapsedTimer wall;
    wall.start();
    const std::clock_t cpuBefore = std::clock();
    pacer.Sleep(300);
    const double cpu = static_cast<double>(std::clock() - cpuBefore) / CLOCKS_PER_SEC;

    EXPECT_GE(wall.elapsed(), 300);
    EXPECT_LT(cpu, 0.1) << "a pause must block, not poll";
    EXPECT_GE(ticks, 5);
}

TEST(QtPacer, ScaleShortensOrSkipsPauses) {
    QElapsedTimer wall;
    wall.start();
    QtPacer(0.0).Sleep(5000);
    QtPacer(0.01).Sleep(5000);
    EXPECT_LT(wall.elapsed(), 1000);
}

TEST(QtPacer, PaceFromEnvironmentAcceptsOnlyNonNegativeNumbers) {
    const struct {
        const char* text;
        double want;
    } cases[] = {{"0", 0.0},   {"0.5", 0.5}, {"2", 2.0},   {"", 1.0},   {"-1", 1.0},
                 {"abc", 1.0}, {"1x", 1.0},  {"nan", 1.0}, {"inf", 1.0}};
    for (const auto& c : cases) {
        setenv("KESTRINS_PACE", c.text, 1);
        EXPECT_DOUBLE_EQ(QtPacer::PaceFromEnvironment(), c.want) << c.text;
    }
    unsetenv("KESTRINS_PACE");
    EXPECT_DOUBLE_EQ(QtPacer::PaceFromEnvironment(), 1.0);
}

}  // namespace
}  // namespace kestrins
