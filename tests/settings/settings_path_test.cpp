// Where the settings file and the hand history live.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

#include "settings/settings_path.h"

namespace trelvist {
namespace {

// Sets or clears an environment variable for one scope.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        value ? ::setenv(name, value, 1) : ::unsetenv(name);
    }
    ~ScopedEnv() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(SettingsPath, ConfigHomeWhenAbsoluteOtherwiseHomeDotConfig) {
    const ScopedEnv home("HOME", "/home/ann");
    {
        const ScopedEnv xdg("XDG_CONFIG_HOME", "/srv/conf/");
        EXPECT_EQ(defaultSettingsPath(), "/srv/conf/trelvist/trelvist.ini");
    }
    for (const char* ignored : {"relative/conf", "", static_cast<const char*>(nullptr)}) {
        const ScopedEnv xdg("XDG_CONFIG_HOME", ignored);
        EXPECT_EQ(defaultSettingsPath(), "/home/ann/.config/trelvist/trelvist.ini") << (ignored ? ignored : "unset");
    }
}

TEST(SettingsPath, HistoryInDataHomeWhenAbsoluteOtherwiseHomeDotLocalShare) {
    const ScopedEnv home("HOME", "/home/ann");
    {
        const ScopedEnv xdg("XDG_DATA_HOME", "/srv/data");
        EXPECT_EQ(defaultHistoryFolder(), "/srv/data/trelvist/history");
    }
    for (const char* ignored : {"relative/data", "", static_cast<const char*>(nullptr)}) {
        const ScopedEnv xdg("XDG_DATA_HOME", ignored);
        EXPECT_EQ(defaultHistoryFolder(), "/home/ann/.local/share/trelvist/history") << (ignored ? ignored : "unset");
    }
}

TEST(SettingsPath, WithoutHomeTheAccountsHomeFolder) {
    const ScopedEnv home("HOME", nullptr);
    const ScopedEnv xdg("XDG_CONFIG_HOME", nullptr);
    const std::string path = defaultSettingsPath();
    EXPECT_TRUE(path.starts_with("/")) << path;
    EXPECT_TRUE(path.ends_with("/.config/trelvist/trelvist.ini")) << path;
}

}  // namespace
}  // namespace trelvist
