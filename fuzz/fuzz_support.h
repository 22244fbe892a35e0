#pragma once

#include "fakes/memory_settings_store.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace quilvane::fuzz {

// Stops the run with a message when a property does not hold; libFuzzer keeps the input.
inline void Require(bool holds, std::string_view property) {
    if (!holds) {
        std::fprintf(stderr, "property violated: %.*s\n", static_cast<int>(property.size()),
                     property.data());
        std::abort();
    }
}

inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// A store decoded from the input: one "key=value" per line, the value being everything after
// the first "=" up to the line feed. A later line for a key replaces an earlier one; lines
// without "=" are skipped, so any input is a store.
inline MemorySettingsStore StoreFromLines(std::string_view input) {
    MemorySettingsStore store;
    while (!input.empty()) {
        const std::size_t end = input.find('\n');
        const std::string_view line = input.substr(0, end);
        input.remove_prefix(end == std::string_view::npos ? input.size() : end + 1);
        if (const std::size_t equals = line.find('='); equals != std::string_view::npos) {
            store.values.insert_or_assign(std::string(line.substr(0, equals)),
                                          std::string(line.substr(equals + 1)));
        }
    }
    return store;
}

// The stored text of a key, which the store under test always reads.
inline std::string Stored(MemorySettingsStore& store, std::string_view key) {
    return store.read(key).value();
}

} // namespace quilvane::fuzz
