#pragma once

#include "app/settings_store.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

namespace quilvane {

// Store access for the places that must never fail: a store that throws counts as a read or
// write that failed, so a broken store can only lead to repairs, never to a stop.

// Reads a key and converts its text with `convert` (text -> std::optional<T>). Nothing when
// the store can't be read, the conversion fails, or either throws.
template <class Convert>
auto ReadConverted(SettingsStore& store, std::string_view key, Convert convert) noexcept
    -> std::invoke_result_t<Convert, const std::string&> {
    try {
        if (const std::optional<std::string> text = store.read(key)) {
            return convert(*text);
        }
    } catch (...) {
    }
    return std::nullopt;
}

// Writes a value; false when it did not reach the store or the store threw.
inline bool GuardedWrite(SettingsStore& store, std::string_view key,
                         std::string_view text) noexcept {
    try {
        return store.write(key, text);
    } catch (...) {
        return false;
    }
}

// Writes several values together; false unless all reached the store, or when it threw.
inline bool GuardedWriteAll(SettingsStore& store, std::span<const StoredValue> values) noexcept {
    try {
        return store.writeAll(values);
    } catch (...) {
        return false;
    }
}

} // namespace quilvane
