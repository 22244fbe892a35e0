// The start-up check over any store: it never fails, leaves every value of the first group
// convertible and the colour usable, fills the settings variables with what the store then
// holds, and a second check finds nothing to repair.
#include "app/startup_check.h"
#include "app/stored_values.h"
#include "colour/rgb.h"
#include "fuzz_support.h"

#include <tuple>

using namespace quilvane;
using quilvane::fuzz::Require;
using quilvane::fuzz::Stored;

namespace {

auto SettingsVariables(const Module1& m) {
    return std::tie(m.reg_top, m.reg_left, m.reg_Check1, m.reg_Check2, m.reg_Check3, m.reg_Check4,
                    m.reg_Check5, m.reg_ver, m.reg_font, m.reg_Last_Color);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MemorySettingsStore store = fuzz::StoreFromLines(fuzz::AsText(data, size));
    const bool versionWasCurrent = ParseSingle(Stored(store, kVerKey.name)) == kCurrentVersion;

    Module1 module;
    const StartupCheckResult first = RunStartupCheck(store, module);
    Require(first.repairsWritten, "every repair reaches a writable store");
    Require((first.message == StartupMessage::None) == store.writes.empty(),
            "a message is named exactly when something was written");
    Require(store.writes.empty() ||
                (first.message == StartupMessage::RegistryWritten) == !versionWasCurrent,
            "the message tells a missing version from other repairs");
    RereadSettings(store, module);

    Require(ParseWholeNumber(Stored(store, kPositionKeys[0].name)) == module.reg_top,
            "top converts");
    Require(ParseWholeNumber(Stored(store, kPositionKeys[1].name)) == module.reg_left,
            "left converts");
    const bool options[] = {module.reg_Check1, module.reg_Check2, module.reg_Check3,
                            module.reg_Check4, module.reg_Check5};
    for (std::size_t i = 0; i < kOptionKeys.size(); ++i) {
        Require(ParseTruthValue(Stored(store, kOptionKeys[i].name)) == options[i],
                "an option converts");
    }
    Require(ParseSingle(Stored(store, kVerKey.name)) == kCurrentVersion &&
                module.reg_ver == kCurrentVersion,
            "the version is the current one");
    Require(Stored(store, kFontKey.name) == module.reg_font, "the face is what the store holds");
    Require(ParseRgbString(module.reg_Last_Color).has_value() &&
                Stored(store, kLastColorKey.name) == module.reg_Last_Color,
            "the last colour is usable");
    for (const SettingKey& key : kFavouriteKeys) {
        Require(!Stored(store, key.name).empty(), "every favourite is present");
    }

    store.writes.clear();
    Module1 again;
    const StartupCheckResult second = RunStartupCheck(store, again);
    RereadSettings(store, again);
    Require(store.writes.empty(), "a second check writes nothing");
    Require(second.message == StartupMessage::None && second.repairsWritten,
            "a second check reports nothing");
    Require(SettingsVariables(again) == SettingsVariables(module),
            "a second check reads the same settings");
    return 0;
}
