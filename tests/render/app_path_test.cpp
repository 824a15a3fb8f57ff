// The program folder without a trailing separator, so "/Coins.bmp" can be appended; the paths
// of an installed layout relative to it.
#include "render/app_path.h"

#include <QDir>
#include <QTemporaryDir>

#include "platform/install_paths.h"

#include <gtest/gtest.h>

namespace kestrins {
namespace {

TEST(AppPath, DropsOnlyTheRootsTrailingSeparator) {
    const struct {
        const char* folder;
        const char* expected;
    } cases[] = {{"/", ""}, {"/opt/kestrins", "/opt/kestrins"}, {"", ""}};
    for (const auto& c : cases) {
        EXPECT_EQ(AppPathFrom(c.folder), c.expected) << c.folder;
    }
}

TEST(InstallPaths, BesideFirstThenRelativeToTheProgramFolder) {
    // The ordinary layout is pinned by the moved_install test; a program at the root: ".." of
    // "/" is "/" itself.
    EXPECT_EQ(BesideOrInstalled("/", "../share/kestrins", "Coins.bmp"),
              (std::vector<std::string>{"/Coins.bmp", "/share/kestrins/Coins.bmp"}));
    // An unknown program folder must not turn into paths relative to the current directory.
    EXPECT_TRUE(BesideOrInstalled("", "../lib", "libhivekit.so.1").empty());
}

TEST(InstallPaths, FindFileTakesTheFirstRegularFile) {
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    const QDir dir(scratch.path());
    ASSERT_TRUE(dir.mkpath(QStringLiteral("bin/Coins.bmp")));  // a folder of that name
    ASSERT_TRUE(dir.mkpath(QStringLiteral("share")));
    QFile picture(dir.filePath(QStringLiteral("share/Coins.bmp")));
    ASSERT_TRUE(picture.open(QIODevice::WriteOnly));
    const std::string root = scratch.path().toStdString();
    const std::vector<std::string> paths =
        BesideOrInstalled(root + "/bin", "../share", "Coins.bmp");
    EXPECT_EQ(FindFile(paths), root + "/share/Coins.bmp");
    EXPECT_EQ(FindFile({root + "/bin/Coins.bmp", root + "/missing"}), "");
}

}  // namespace
}  // namespace kestrins
