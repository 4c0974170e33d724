#include "ui/window_prefs.h"

namespace trelvist::ui {

bool WindowPrefs::oddsMeter() const { return store_.readBool(kWindowSection, kOddsMeterKey, false); }

void WindowPrefs::setOddsMeter(bool on) { store_.writeBool(kWindowSection, kOddsMeterKey, on); }

}  // namespace trelvist::ui
