#include "app/startup_check.h"

#include "colour/rgb.h"
#include "fakes/memory_settings_store.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <stdexcept>
#include <tuple>

namespace quilvane {
namespace {

using Writes = std::vector<std::pair<std::string, std::string>>;
using Values = std::map<std::string, std::string, std::less<>>;

// The current version and a value for every key, none of them a default.
Values ValidValues() {
    Values values = {
        {"top", "1200"},     {"left", "3000"},           {"Check1", "True"}, {"Check2", "False"},
        {"Check3", "False"}, {"Check4", "True"},         {"Check5", "True"}, {"ver", "2.8"},
        {"font", "Arial"},   {"Last_Color", "040216040"}};
    for (int n = 1; n <= 10; ++n) {
        values["fav" + std::to_string(n)] = "0010020" + std::to_string(10 + n);
    }
    return values;
}

auto Variables(const Module1& m) {
    return std::tuple(m.reg_top, m.reg_left, m.reg_Check1, m.reg_Check2, m.reg_Check3, m.reg_Check4,
                      m.reg_Check5, m.reg_ver, m.reg_font, m.reg_Last_Color);
}
const auto kDefaultVariables = std::tuple(0, 0, false, true, true, false, false, 2.8f,
                                          std::string("なし"), std::string("128128128"));

StartupMessage Check(SettingsStore& store, Module1& module) {
    const StartupMessage message = RunStartupCheck(store, module).message;
    RereadSettings(store, module);
    return message;
}

struct StoreCase {
    const char* name;
    std::vector<std::pair<std::string, std::optional<std::string>>> changes; // nullopt: absent
    Writes writes;
    StartupMessage message;
};

const StoreCase kStoreCases[] = {
    {"valid store", {}, {}, StartupMessage::None},
    {"older version", {{"ver", "2.5"}}, {{"ver", "2.8"}}, StartupMessage::RegistryWritten},
    {"bad truth value",
     {{"Check2", "yes"}},
     {{"Check2", "True"}},
     StartupMessage::RegistryRestored},
    {"left missing",
     {{"top", "300"}, {"left", std::nullopt}},
     {{"top", "0"}, {"left", "0"}},
     StartupMessage::RegistryRestored},
    {"font missing", {{"font", std::nullopt}}, {}, StartupMessage::None},
    {"font missing in a store under repair",
     {{"ver", std::nullopt}, {"font", std::nullopt}},
     {{"ver", "2.8"}, {"font", "なし"}},
     StartupMessage::RegistryWritten},
    {"Last_Color short",
     {{"Last_Color", "12345"}},
     {{"Last_Color", "128128128"}},
     StartupMessage::RegistryRestored},
    {"Last_Color above 255",
     {{"Last_Color", "128256128"}},
     {{"Last_Color", "128128128"}},
     StartupMessage::RegistryRestored},
    {"favourites missing and empty",
     {{"fav7", std::nullopt}, {"fav9", ""}},
     {{"fav7", "255000255"}, {"fav9", "128060255"}},
     StartupMessage::RegistryRestored},
    {"favourite not a colour", {{"fav3", "abc"}}, {}, StartupMessage::None},
};

TEST(StartupCheck, RepairsExactlyTheUnusableKeys) {
    for (const StoreCase& row : kStoreCases) {
        SCOPED_TRACE(row.name);
        MemorySettingsStore store;
        store.values = ValidValues();
        for (const auto& [key, value] : row.changes) {
            if (value) {
                store.values[key] = *value;
            } else {
                store.values.erase(key);
            }
        }
        Values expected = store.values;
        for (const auto& [key, value] : row.writes) {
            expected[key] = value;
        }
        Module1 module;
        EXPECT_EQ(Check(store, module), row.message);
        EXPECT_EQ(store.writes, row.writes);
        EXPECT_EQ(store.values, expected);
    }
}

TEST(StartupCheck, ValidStoreLoadsEveryVariable) {
    MemorySettingsStore store;
    store.values = ValidValues();
    Module1 module;
    Check(store, module);
    EXPECT_EQ(Variables(module), std::tuple(1200, 3000, true, false, false, true, true, 2.8f,
                                            std::string("Arial"), std::string("040216040")));
}

TEST(StartupCheck, FirstRunWritesEveryDefaultInKeyOrder) {
    MemorySettingsStore store;
    Module1 module;
    EXPECT_EQ(Check(store, module), StartupMessage::RegistryWritten);
    const Writes expected = {{"top", "0"},          {"left", "0"},
                             {"Check1", "False"},   {"Check2", "True"},
                             {"Check3", "True"},    {"Check4", "False"},
                             {"Check5", "False"},   {"ver", "2.8"},
                             {"font", "なし"},      {"Last_Color", "128128128"},
                             {"fav1", "000000000"}, {"fav2", "255000000"},
                             {"fav3", "000255000"}, {"fav4", "000000255"},
                             {"fav5", "255255000"}, {"fav6", "000255255"},
                             {"fav7", "255000255"}, {"fav8", "255255255"},
                             {"fav9", "128060255"}, {"fav10", "040216040"}};
    EXPECT_EQ(store.writes, expected);
    EXPECT_EQ(Variables(module), kDefaultVariables);
}

// A store whose read() throws for chosen keys, as a broken platform layer might.
class ThrowingStore : public MemorySettingsStore {
public:
    std::set<std::string, std::less<>> throwingKeys;
    std::optional<std::string> read(std::string_view key) override {
        if (throwingKeys.contains(key)) {
            throw std::runtime_error("unreadable");
        }
        return MemorySettingsStore::read(key);
    }
};

// Whether repairs reach the store or not, a store that throws on every read leaves the
// program with the defaults and the first-run message.
TEST(StartupCheck, UnreadableStoreLeavesDefaultsInMemory) {
    for (const bool unwritable : {false, true}) {
        ThrowingStore store;
        store.values = ValidValues();
        for (const auto& [key, value] : store.values) {
            store.throwingKeys.insert(key);
        }
        store.failWrites = unwritable;
        Module1 module;
        const StartupCheckResult result = RunStartupCheck(store, module);
        RereadSettings(store, module);
        EXPECT_EQ(result.message, StartupMessage::RegistryWritten);
        EXPECT_EQ(result.repairsWritten, !unwritable);
        EXPECT_EQ(store.writes.size(), 20u); // every key, the face included
        EXPECT_EQ(Variables(module), kDefaultVariables);
    }
}

// Random stores: each key absent, valid, holding odd text, or throwing on read. The check
// never throws, and its repairs leave a store that a second check accepts as it is.
TEST(StartupCheck, RepairedStorePassesASecondCheck) {
    const std::string texts[] = {"",    " ",         "abc",        "1e3",   "2.5",  "True",
                                 "yes", "-1",        "2.80",       "12345", "\xff", "なし",
                                 " 7 ", "255255256", "1280602559", "0",     "2.8",  "-2147483649"};
    std::mt19937 random(20240607);
    for (int run = 0; run < 3000; ++run) {
        ThrowingStore store;
        for (const auto& [key, valid] : ValidValues()) {
            switch (random() % 4) {
            case 0:
                break;
            case 1:
                store.values[key] = valid;
                break;
            case 2:
                store.values[key] = texts[random() % std::size(texts)];
                break;
            default:
                store.throwingKeys.insert(key);
            }
        }
        Module1 first;
        EXPECT_NO_THROW(Check(store, first));
        EXPECT_TRUE(ParseRgbString(first.reg_Last_Color)) << "run " << run;

        store.throwingKeys.clear();
        store.writes.clear();
        Module1 second;
        EXPECT_EQ(RunStartupCheck(store, second).message, StartupMessage::None) << "run " << run;
        EXPECT_TRUE(store.writes.empty()) << "run " << run;
    }
}

} // namespace
} // namespace quilvane
