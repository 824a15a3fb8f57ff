// One copy per store: a later copy over the same store (however its path is spelled) is told no
// and gets its answer from the first; other stores run freely; the lock goes with its holder.
#include "platform/single_instance.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <QDir>
#include <QEventLoop>
#include <QMainWindow>
#include <QTimer>
#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "support/temp_config_home.h"

namespace kestrins {
namespace {

namespace fs = std::filesystem;

class SingleInstanceTest : public ::testing::Test {
protected:
    SingleInstanceTest() {
        fs::create_directory(runtime);
        fs::permissions(runtime, fs::perms::owner_all);
        const char* old = std::getenv("XDG_RUNTIME_DIR");
        previous = old != nullptr ? std::optional<std::string>(old) : std::nullopt;
        setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    }
    ~SingleInstanceTest() override {
        previous ? setenv("XDG_RUNTIME_DIR", previous->c_str(), 1) : unsetenv("XDG_RUNTIME_DIR");
    }

    // A store path in the temporary home.
    QString Store(const std::string& name) const {
        return QString::fromStdString(home.Path() + "/" + name + "/hivekit/current_user.db");
    }
    // Asks from another thread, as a second process would, while this one answers.
    bool AskFrom(SingleInstance& later) {
        std::atomic<bool> answered = false;
        QEventLoop loop;
        std::thread asking([&] {
            answered = later.AskFirstToShow(5000);
            QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
        });
        loop.exec();
        asking.join();
        return answered;
    }

    testing::TempConfigHome home;
    std::string runtime = home.Path() + "/run";
    std::optional<std::string> previous;
};

TEST_F(SingleInstanceTest, ALaterCopyOverTheSameStoreIsRefusedAndAnsweredByTheFirst) {
    fs::create_directories(home.Path() + "/a");
    fs::create_directory_symlink(home.Path() + "/a", home.Path() + "/linked");
    SingleInstance first(Store("a"));
    ASSERT_TRUE(first.Claim());
    int shown = 0;
    QObject::connect(&first, &SingleInstance::ShowRequested, [&shown] { ++shown; });

    SingleInstance other(Store("b"));
    EXPECT_TRUE(other.Claim()) << "another store is another match";
    for (const char* spelling : {"a", "linked"}) {
        SCOPED_TRACE(spelling);
        SingleInstance later(Store(spelling));
        EXPECT_FALSE(later.Claim());
        EXPECT_TRUE(AskFrom(later));
    }
    EXPECT_EQ(shown, 2);
}

TEST_F(SingleInstanceTest, TheLockGoesWithItsHolderAndAHolderThatDoesNotAnswerIsNoAnswer) {
    for (const char* holder : {"first", "next"}) {
        SCOPED_TRACE(holder);
        SingleInstance copy(Store("a"));
        EXPECT_TRUE(copy.Claim()) << "the lock outlived its holder";
    }

    // The same lock held by something that never listens: the later copy gets no answer, and
    // says so rather than wait for ever.
    std::string lockFile;
    for (const auto& entry : fs::directory_iterator(runtime)) {
        if (entry.path().extension() == ".lock") {
            lockFile = entry.path().string();
        }
    }
    ASSERT_FALSE(lockFile.empty());
    const int fd = open(lockFile.c_str(), O_RDWR | O_CLOEXEC);
    ASSERT_EQ(flock(fd, LOCK_EX | LOCK_NB), 0);
    SingleInstance later(Store("a"));
    EXPECT_FALSE(later.Claim());
    EXPECT_FALSE(later.AskFirstToShow(200));
    close(fd);
}

TEST(BringToFront, AMinimizedMainWindowComesBack) {
    QMainWindow window;
    window.show();
    window.setWindowState(Qt::WindowMinimized);
    BringToFront();
    EXPECT_FALSE(window.windowState() & Qt::WindowMinimized);
}

}  // namespace
}  // namespace kestrins
