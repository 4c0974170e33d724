#pragma once
// The window's own preferences, kept in a section of the settings file that the game never
// reads or writes.
#include "settings/store.h"

namespace trelvist::ui {

inline constexpr char kWindowSection[] = "Window";
inline constexpr char kOddsMeterKey[] = "oddsMeter";

class WindowPrefs {
public:
    explicit WindowPrefs(SettingsStore& store) : store_(store) {}

    // Off unless the file says otherwise.
    bool oddsMeter() const;
    // Throws SettingsWriteError, leaving the file as it was, when the write is refused.
    void setOddsMeter(bool on);

private:
    SettingsStore& store_;
};

}  // namespace trelvist::ui
