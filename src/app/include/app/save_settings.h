#pragma once

#include "app/module1.h"
#include "app/settings_store.h"

namespace quilvane {

// Writes what the main window hands over when it closes, in this order: "Check1".."Check5",
// "top", "left", "font", "Last_Color". Every key is attempted; false when any write failed.
bool SaveSettings(SettingsStore& store, const Module1& module);

} // namespace quilvane
