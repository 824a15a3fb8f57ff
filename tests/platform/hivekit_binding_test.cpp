// The binding finds the library only by absolute path and survives a missing library or function.
#include "platform/hivekit_binding.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "platform/program_folder.h"
#include "support/temp_config_home.h"

namespace kestrins {
namespace {

// How many of the five calls succeeded.
int CallEverything(HivekitBinding& binding, int32_t& number, std::array<char, 2048>& text) {
    const char* key = "Software\\Test";
    return binding.DeleteValue(HKEY_CURRENT_USER, key, "a") +
           binding.GetValueDWORD(HKEY_CURRENT_USER, key, "a", &number) +
           binding.GetValueText(HKEY_CURRENT_USER, key, "a", text.data()) +
           binding.SetValueDWORD(HKEY_CURRENT_USER, key, "a", 5) +
           binding.SetValueText(HKEY_CURRENT_USER, key, "a", "x");
}

TEST(HivekitBinding, AMissingLibraryOrFunctionFailsThoseCallsAndTellsOnce) {
    // A relative name must not be looked up in the current directory, even where it exists.
    ASSERT_EQ(chdir(ProgramFolder().c_str()), 0);
    const struct {
        std::string path;
        int working;               // how many of the five calls succeed
        const char* firstMissing;  // empty: the library itself
    } cases[] = {{"/nonexistent/libhivekit.so.1", 0, ""},
                 {"libhivekit.so.1", 0, ""},
                 // Only the number read works, and it reads the partial library's 42.
                 {ProgramFolder() + "/libpartial_hivekit.so", 1, "DeleteValue"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        std::vector<std::string> notices;
        HivekitBinding binding({"/nonexistent/first.so", c.path});
        binding.SetUnavailableNotice(
            [&notices](std::string_view missing) { notices.emplace_back(missing); });
        int32_t number = 0;
        std::array<char, 2048> text{};
        for (int round = 0; round < 3; ++round) {
            EXPECT_EQ(CallEverything(binding, number, text), c.working);
        }
        EXPECT_EQ(number, 42 * c.working);
        EXPECT_EQ(notices, std::vector<std::string>{c.firstMissing});
        EXPECT_FALSE(binding.CanWrite());
    }
}

std::string lastCaption;

TEST(HivekitBinding, HandsItsMessageFunctionToTheLibrary) {
    testing::TempConfigHome home;
    HivekitBinding binding(DefaultHivekitPaths());
    binding.SetMessageFunction([](const char* caption, const char*) { lastCaption = caption; });
    int notices = 0;
    binding.SetUnavailableNotice([&notices](std::string_view) { ++notices; });
    const std::string longText(2047, 'a');
    ASSERT_EQ(binding.SetValueText(HKEY_CURRENT_USER, "K", "long", longText.c_str()), 1);
    std::array<char, 2048> buffer{};
    EXPECT_EQ(binding.GetValueText(HKEY_CURRENT_USER, "K", "long", buffer.data()), 0);
    EXPECT_EQ(lastCaption, "制限");
    EXPECT_EQ(notices, 0);
}

}  // namespace
}  // namespace kestrins
