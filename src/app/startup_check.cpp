#include "app/startup_check.h"

#include "app/guarded_store.h"

#include <string>
#include <utility>
#include <vector>

namespace quilvane {

namespace {

// Converts a text into the key's settings variable; false, the variable unchanged, when the
// text does not convert. Keys without a variable take any text.
struct Assign {
    Module1& module;
    std::string_view text;

    bool operator()(std::monostate) const { return true; }
    template <class T> bool operator()(const Variable<T>& variable) const {
        auto value = variable.parse(text);
        if (value) {
            module.*variable.member = std::move(*value);
        }
        return value.has_value();
    }
};

// Reads a key into its settings variable; false when the store or the conversion failed.
bool Read(SettingsStore& store, const SettingKey& key, Module1& module) {
    const auto text = ReadConverted(store, key.name, AsStored);
    return text && std::visit(Assign{module, *text}, key.variable);
}

} // namespace

StartupCheckResult RunStartupCheck(SettingsStore& store, Module1& module) {
    // The defaults to write back, in the order the check finds them, written together at the
    // end: every key is read before any is repaired and no key is read twice, so the outcome is
    // the same as writing each at once, while a large shared file is saved once.
    std::vector<StoredValue> repairs; // names and defaults of the table, which outlives them
    const auto repair = [&](const SettingKey& key) {
        repairs.push_back({key.name, key.defaultText});
        std::visit(Assign{module, key.defaultText}, key.variable);
    };

    // The position is one pair: a failure of either rewrites both.
    const bool topRead = Read(store, kPositionKeys[0], module);
    const bool leftRead = Read(store, kPositionKeys[1], module);
    if (!topRead || !leftRead) {
        for (const SettingKey& key : kPositionKeys) {
            repair(key);
        }
    }

    for (const SettingKey& key : kOptionKeys) {
        if (!Read(store, key, module)) {
            repair(key);
        }
    }

    // Any other version, readable or not, is replaced; it decides which message is shown.
    const bool versionCurrent = Read(store, kVerKey, module) && module.reg_ver == kCurrentVersion;
    if (!versionCurrent) {
        repair(kVerKey);
    }

    // A missing face is acceptable on its own (the main window then shows none), but a store
    // under repair gets every default, so a first run leaves no key unwritten.
    if (!Read(store, kFontKey, module) || (module.reg_font.empty() && !repairs.empty())) {
        repair(kFontKey);
    }

    if (!Read(store, kLastColorKey, module)) {
        repair(kLastColorKey);
    }

    // Each faulty slot is rewritten alone, so one lost favourite never costs the others their
    // colours.
    for (const SettingKey& key : kFavouriteKeys) {
        const auto favourite = ReadConverted(store, key.name, AsStored);
        if (!favourite || favourite->empty()) {
            repair(key);
        }
    }

    StartupCheckResult result;
    result.repairsWritten = repairs.empty() || GuardedWriteAll(store, repairs);
    if (!repairs.empty()) {
        result.message =
            versionCurrent ? StartupMessage::RegistryRestored : StartupMessage::RegistryWritten;
    }
    return result;
}

void RereadSettings(SettingsStore& store, Module1& module) {
    for (const SettingKey& key : kVariableKeys) {
        Read(store, key, module);
    }
}

std::optional<MessageBoxContent> MessageBoxFor(StartupMessage message) {
    switch (message) {
    case StartupMessage::RegistryWritten:
        return kRegistryWrittenMessage;
    case StartupMessage::RegistryRestored:
        return kRegistryRestoredMessage;
    case StartupMessage::None:
        break;
    }
    return std::nullopt;
}

} // namespace quilvane
