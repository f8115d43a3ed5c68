// The user's own settings folder: where it lies by the desktop's rules, and settings that
// survive a restart.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "platform/UserConfig.h"
#include "support/TempFolder.h"

namespace {

// Sets an environment variable for one test and puts the old value back.
class EnvVar {
public:
    EnvVar(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    ~EnvVar() {
        if (old_)
            ::setenv(name_, old_->c_str(), 1);
        else
            ::unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

}  // namespace

TEST(UserConfig, FolderFollowsTheDesktopsRules) {
    EnvVar home("HOME", "/home/ana");
    {
        EnvVar xdg("XDG_CONFIG_HOME", "/srv/conf");
        EXPECT_EQ(platform::UserConfigFolder(), "/srv/conf/kestrova");
    }
    for (const char* ignored : {"", "relative/conf"}) {
        EnvVar xdg("XDG_CONFIG_HOME", ignored);
        EXPECT_EQ(platform::UserConfigFolder(), "/home/ana/.config/kestrova") << ignored;
    }
    EnvVar xdg("XDG_CONFIG_HOME", nullptr);
    EnvVar noHome("HOME", nullptr);
    EXPECT_EQ(platform::UserConfigFolder(), "");
    EXPECT_FALSE(platform::WriteUserSetting("display.txt", "window"));
}

TEST(UserConfig, SettingsSurviveARestart) {
    TempFolder dir;
    EnvVar xdg("XDG_CONFIG_HOME", (dir.Native("deep/conf")).c_str());
    EXPECT_EQ(platform::ReadUserSetting("display.txt"), "");
    // The folder is made on the first save; a later save replaces the whole file.
    ASSERT_TRUE(platform::WriteUserSetting("display.txt", "fullscreen"));
    ASSERT_TRUE(platform::WriteUserSetting("display.txt", "window"));
    EXPECT_EQ(platform::ReadUserSetting("display.txt"), "window");
    EXPECT_EQ(dir.Get("deep/conf/kestrova/display.txt"), "window\n");
    // Hand-edited files: only the first line counts, CR LF or not, however long the file.
    dir.Put("deep/conf/kestrova/display.txt", "window\r\nfullscreen\r\n" + std::string(100000, 'x'));
    EXPECT_EQ(platform::ReadUserSetting("display.txt"), "window");
    EXPECT_TRUE(platform::StartsInDesktopWindow(false, platform::ReadUserSetting("display.txt")));
    EXPECT_FALSE(platform::StartsInDesktopWindow(true, "window"));  // the "window" word wins
    EXPECT_FALSE(platform::StartsInDesktopWindow(false, "fullscreen"));
    // A folder in the file's place reads as no setting and cannot be overwritten.
    std::filesystem::remove(dir.Native("deep/conf/kestrova/display.txt"));
    std::filesystem::create_directories(dir.Native("deep/conf/kestrova/display.txt"));
    EXPECT_EQ(platform::ReadUserSetting("display.txt"), "");
    EXPECT_FALSE(platform::WriteUserSetting("display.txt", "window"));
}
