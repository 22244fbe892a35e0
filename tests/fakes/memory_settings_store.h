#pragma once

#include "app/settings_store.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quilvane {

// Every key in the store's order with the value a first start writes, as "key=text" pairs split
// by blanks.
inline constexpr const char* kFirstStartValues =
    "top=0 left=0 Check1=False Check2=True Check3=True Check4=False Check5=False ver=2.8 "
    "font=なし Last_Color=128128128 fav1=000000000 fav2=255000000 fav3=000255000 "
    "fav4=000000255 fav5=255255000 fav6=000255255 fav7=255000255 fav8=255255255 "
    "fav9=128060255 fav10=040216040";

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
