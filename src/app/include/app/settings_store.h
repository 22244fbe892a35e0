#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace quilvane {

// One value to store: a key of the section and its text.
struct StoredValue {
    std::string_view key;
    std::string_view text;
};

// The per-user settings store: text values under application "Kelvary", section "Quilvane".
// Kept free of Qt so that the stored-value rules can be checked without a window system.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // The stored text of a key; a missing key gives the empty text. Nothing when the store
    // itself can't be read.
    virtual std::optional<std::string> read(std::string_view key) = 0;

    // Creates or replaces a value and makes sure it reached the store; false when it did not.
    virtual bool write(std::string_view key, std::string_view text) = 0;

    // Creates or replaces several values, in this order; false unless every one reached the
    // store. A store kept in one file overrides this to save the file once for all of them.
    virtual bool writeAll(std::span<const StoredValue> values) {
        bool all = true;
        for (const StoredValue& value : values) {
            all = write(value.key, value.text) && all;
        }
        return all;
    }
};

} // namespace quilvane
