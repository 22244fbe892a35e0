#include "app/startup_check.h"

#include "fakes/memory_settings_store.h"

#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>

namespace quilvane {
namespace {

// A store of "key=text" pairs split by blanks, whose reads throw when `throwing`, as a broken
// platform layer might. Change takes more pairs, a key without "=" being one to remove.
struct Store : MemorySettingsStore {
    bool throwing = false;
    std::optional<std::string> read(std::string_view key) override {
        return throwing ? throw std::runtime_error("unreadable") : MemorySettingsStore::read(key);
    }
    void Change(std::string_view changes) {
        std::istringstream words{std::string(changes)};
        for (std::string word; words >> word;) {
            if (const auto equals = word.find('='); equals == std::string::npos) {
                values.erase(word);
            } else {
                values[word.substr(0, equals)] = word.substr(equals + 1);
            }
        }
    }
};

// The current version and a value for every key, none of them a default.
constexpr auto kValidStore =
    "top=1200 left=3000 Check1=True Check2=False Check3=False Check4=True Check5=True ver=2.8 "
    "font=Arial Last_Color=040216040 fav1=001002011 fav2=001002012 fav3=001002013 "
    "fav4=001002014 fav5=001002015 fav6=001002016 fav7=001002017 fav8=001002018 "
    "fav9=001002019 fav10=001002020";

// The settings variables from reg_top to reg_Last_Color, options as 1 and 0.
std::string Variables(const Module1& m) {
    std::ostringstream out;
    out << m.reg_top << ' ' << m.reg_left << ' ' << m.reg_Check1 << m.reg_Check2 << m.reg_Check3
        << m.reg_Check4 << m.reg_Check5 << ' ' << m.reg_ver << ' ' << m.reg_font << ' '
        << m.reg_Last_Color;
    return out.str();
}

enum class Start { Valid, Empty, Throwing }; // the store before the row's changes

struct StoreCase {
    const char* name;
    Start start;
    const char* changes;
    const char* writes; // in order
    StartupMessage message;
    const char* variables = nullptr; // after the re-read, when the row checks them
    bool failWrites = false;
};

constexpr auto kWritten = StartupMessage::RegistryWritten;
constexpr auto kRestored = StartupMessage::RegistryRestored;
constexpr auto kNone = StartupMessage::None;

const StoreCase kStoreCases[] = {
    {"valid store", Start::Valid, "", "", kNone, "1200 3000 10011 2.8 Arial 040216040"},
    {"first run", Start::Empty, "", kFirstStartValues, kWritten, "0 0 01100 2.8 なし 128128128"},
    {"every read throws, no write lands", Start::Throwing, "", kFirstStartValues, kWritten,
     "0 0 01100 2.8 なし 128128128", true},
    {"older version", Start::Valid, "ver=2.5", "ver=2.8", kWritten},
    {"bad truth value", Start::Valid, "Check2=yes", "Check2=True", kRestored},
    {"left missing", Start::Valid, "top=300 left", "top=0 left=0", kRestored},
    {"font missing", Start::Valid, "font", "", kNone},
    {"font missing in a store under repair", Start::Valid, "ver font", "ver=2.8 font=なし",
     kWritten},
    // The re-read finds the short text again and keeps the usable default.
    {"Last_Color short, no write lands", Start::Valid, "Last_Color=12345", "Last_Color=128128128",
     kRestored, "1200 3000 10011 2.8 Arial 128128128", true},
    {"favourites missing and empty", Start::Valid, "fav7 fav9=", "fav7=255000255 fav9=128060255",
     kRestored},
    {"favourite not a colour", Start::Valid, "fav3=abc", "", kNone},
};

TEST(StartupCheck, RepairsExactlyTheUnusableKeysInKeyOrder) {
    for (const StoreCase& row : kStoreCases) {
        SCOPED_TRACE(row.name);
        Store store;
        store.Change(row.start == Start::Valid ? kValidStore : "");
        store.Change(row.changes);
        store.throwing = row.start == Start::Throwing;
        store.failWrites = row.failWrites;
        Module1 module;
        const StartupCheckResult result = RunStartupCheck(store, module);
        RereadSettings(store, module);
        EXPECT_EQ(result.message, row.message);
        EXPECT_EQ(result.repairsWritten, !row.failWrites);
        std::string writes;
        for (const auto& [key, value] : store.writes) {
            writes.append(writes.empty() ? "" : " ").append(key + "=" + value);
        }
        EXPECT_EQ(writes, row.writes);
        if (row.variables) {
            EXPECT_EQ(Variables(module), row.variables);
        }
    }
}

} // namespace
} // namespace quilvane
