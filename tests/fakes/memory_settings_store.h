#pragma once

#include "app/settings_store.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quilvane {

// An in-memory settings store for tests: set `values` to what the store holds, read `writes`
// to see every write attempted, in order, including those made to fail.
class MemorySettingsStore : public SettingsStore {
public:
    std::map<std::string, std::string, std::less<>> values;
    std::vector<std::pair<std::string, std::string>> writes;
    bool failReads = false;  // every read reports an unreadable store
    bool failWrites = false; // every write reports that it did not reach the store

    std::optional<std::string> read(std::string_view key) override {
        if (failReads) {
            return std::nullopt;
        }
        const auto found = values.find(key);
        return found == values.end() ? std::string() : found->second;
    }

    bool write(std::string_view key, std::string_view text) override {
        writes.emplace_back(key, text);
        if (failWrites) {
            return false;
        }
        values.insert_or_assign(std::string(key), std::string(text));
        return true;
    }
};

} // namespace quilvane
