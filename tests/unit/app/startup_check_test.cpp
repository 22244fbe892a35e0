#include "app/startup_check.h"

#include "colour/rgb.h"
#include "fakes/memory_settings_store.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <stdexcept>

namespace quilvane {
namespace {

using Writes = std::vector<std::pair<std::string, std::string>>;

// Holds the current version and a value for every key, none of them a default.
std::map<std::string, std::string, std::less<>> ValidValues() {
    return {{"top", "1200"},       {"left", "3000"},
            {"Check1", "True"},    {"Check2", "False"},
            {"Check3", "False"},   {"Check4", "True"},
            {"Check5", "True"},    {"ver", "2.8"},
            {"font", "Arial"},     {"Last_Color", "040216040"},
            {"fav1", "001002003"}, {"fav2", "004005006"},
            {"fav3", "007008009"}, {"fav4", "010011012"},
            {"fav5", "013014015"}, {"fav6", "016017018"},
            {"fav7", "019020021"}, {"fav8", "022023024"},
            {"fav9", "025026027"}, {"fav10", "028029030"}};
}

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
    {"top not a number",
     {{"top", "abc"}},
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
        const auto before = store.values;
        Module1 module;
        EXPECT_EQ(Check(store, module), row.message);
        EXPECT_EQ(store.writes, row.writes);
        for (const auto& [key, value] : before) { // keys not rewritten keep their values
            if (std::none_of(row.writes.begin(), row.writes.end(),
                             [&](const auto& w) { return w.first == key; })) {
                EXPECT_EQ(store.values[key], value) << key;
            }
        }
    }
}

TEST(StartupCheck, ValidStoreLoadsEveryVariable) {
    MemorySettingsStore store;
    store.values = ValidValues();
    Module1 module;
    Check(store, module);
    EXPECT_EQ(module.reg_top, 1200);
    EXPECT_EQ(module.reg_left, 3000);
    EXPECT_TRUE(module.reg_Check1 && module.reg_Check4 && module.reg_Check5);
    EXPECT_FALSE(module.reg_Check2 || module.reg_Check3);
    EXPECT_EQ(module.reg_ver, 2.8f);
    EXPECT_EQ(module.reg_font, "Arial");
    EXPECT_EQ(module.reg_Last_Color, "040216040");
}

void ExpectDefaults(const Module1& module) {
    EXPECT_EQ(module.reg_top, 0);
    EXPECT_EQ(module.reg_left, 0);
    EXPECT_FALSE(module.reg_Check1 || module.reg_Check4 || module.reg_Check5);
    EXPECT_TRUE(module.reg_Check2 && module.reg_Check3);
    EXPECT_EQ(module.reg_ver, 2.8f);
    EXPECT_EQ(module.reg_font, "なし");
    EXPECT_EQ(module.reg_Last_Color, "128128128");
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
    ExpectDefaults(module);
}

// A store that throws from read() for chosen keys, as a broken platform layer might.
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

TEST(StartupCheck, UnreadableOrUnwritableStoreLeavesDefaultsInMemory) {
    for (const bool unwritable : {false, true}) {
        SCOPED_TRACE(unwritable ? "unwritable" : "writable");
        MemorySettingsStore failing;
        failing.values = ValidValues();
        failing.failReads = true;
        failing.failWrites = unwritable;
        ThrowingStore throwing;
        throwing.values = ValidValues();
        throwing.failWrites = unwritable;
        for (const auto& [key, value] : ValidValues()) {
            throwing.throwingKeys.insert(key);
        }
        for (MemorySettingsStore* store : {static_cast<MemorySettingsStore*>(&failing),
                                           static_cast<MemorySettingsStore*>(&throwing)}) {
            Module1 module;
            const StartupCheckResult result = RunStartupCheck(*store, module);
            RereadSettings(*store, module);
            EXPECT_EQ(result.message, StartupMessage::RegistryWritten);
            EXPECT_EQ(result.repairsWritten, !unwritable);
            EXPECT_EQ(store->writes.size(), 20u); // every key, the face included
            ExpectDefaults(module);
        }
    }
}

// Random stores: each key absent, valid, or holding odd text, some of them throwing on read.
// The check never throws, and its repairs leave a store that a second check accepts as is.
TEST(StartupCheck, RepairedStorePassesASecondCheck) {
    const std::vector<std::string> texts = {
        "",     " ",    "abc",        "1e3",         "2.5",         "True",      "yes",
        "-1",   "2.8",  "2.80",       "0",           "12345",       "255255256", "128060255",
        "なし", "\xff", "1280602559", "99999999999", "-2147483649", " 7 "};
    std::mt19937 random(20240607);
    const auto keys = ValidValues();
    for (int run = 0; run < 3000; ++run) {
        ThrowingStore store;
        for (const auto& [key, valid] : keys) {
            switch (random() % 4) {
            case 0:
                break; // absent
            case 1:
                store.values[key] = valid;
                break;
            case 2:
                store.values[key] = texts[random() % texts.size()];
                break;
            default:
                store.throwingKeys.insert(key);
            }
        }
        Module1 first;
        EXPECT_NO_THROW(RunStartupCheck(store, first));
        RereadSettings(store, first);
        EXPECT_TRUE(ParseRgbString(first.reg_Last_Color)) << "run " << run;

        store.throwingKeys.clear();
        store.writes.clear();
        Module1 second;
        EXPECT_EQ(RunStartupCheck(store, second).message, StartupMessage::None) << "run " << run;
        EXPECT_TRUE(store.writes.empty()) << "run " << run;
    }
}

TEST(StartupCheck, MessagesOfTheCheck) {
    EXPECT_FALSE(MessageBoxFor(StartupMessage::None));
    const auto written = MessageBoxFor(StartupMessage::RegistryWritten);
    ASSERT_TRUE(written);
    EXPECT_EQ(written->text, "レジストリを新規(追加)書き込みました");
    EXPECT_EQ(written->title, "Regstory Write");
    EXPECT_EQ(written->style, 64);
    const auto restored = MessageBoxFor(StartupMessage::RegistryRestored);
    ASSERT_TRUE(restored);
    EXPECT_EQ(restored->text, "レジストリ異常です。復元しました");
    EXPECT_EQ(restored->title, "Regstory Error");
    EXPECT_EQ(restored->style, 16);
}

} // namespace
} // namespace quilvane
