#pragma once

#include "app/message_catalogue.h"
#include "app/module1.h"
#include "app/settings_keys.h"
#include "app/settings_store.h"

#include <optional>

namespace quilvane {

// Which message the caller shows once the start-up check is done.
enum class StartupMessage {
    None,
    RegistryWritten,  // "Regstory Write": the store had no current settings version
    RegistryRestored, // "Regstory Error": the store had the current version, other values bad
};

struct StartupCheckResult {
    StartupMessage message = StartupMessage::None;
    // False when a default could not be written back; the settings variables still hold the
    // defaults, so the program runs as if the repair had reached the store.
    bool repairsWritten = true;
};

// Validates every stored value, in the store's key order, and writes the default of each key
// it can't use; any such repair makes the result name a message. A failed read (store
// unreadable, text not convertible, anything thrown) counts as an unusable value; nothing
// escapes.
//   - "top"/"left": if either fails, both are written as "0".
//   - "Check1".."Check5": each rewritten alone when it fails.
//   - "ver": rewritten whenever it is not 2.8; only then is the message "Regstory Write".
//   - "font": taken as it stands; rewritten when its read fails, or when it is missing while
//     the store is already being repaired (so a first run writes every key).
//   - "Last_Color": rewritten when it is not a valid RgbString (empty included).
//   - "fav1".."fav10": a missing or empty slot is rewritten alone with its own default; the
//     contents of a non-empty slot are not checked here.
// Fills the settings variables with what it read, or with the default it wrote.
StartupCheckResult RunStartupCheck(SettingsStore& store, Module1& module);

// Re-reads "top", "left", "Check1".."Check5", "ver", "font" and "Last_Color" into the settings
// variables after the message; a key that fails keeps its variable unchanged. A "Last_Color"
// that is not a valid RgbString counts as a failure, so after RunStartupCheck the variable
// always holds a usable colour.
void RereadSettings(SettingsStore& store, Module1& module);

// The text, title and style of a message; nothing for StartupMessage::None.
std::optional<MessageBoxContent> MessageBoxFor(StartupMessage message);

} // namespace quilvane
