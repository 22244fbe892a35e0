#include "app/startup_check.h"

#include "app/guarded_store.h"
#include "app/stored_values.h"
#include "colour/rgb.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace quilvane {

namespace {

std::array<bool*, kOptionCount> OptionVariables(Module1& module) {
    return {&module.reg_Check1, &module.reg_Check2, &module.reg_Check3, &module.reg_Check4,
            &module.reg_Check5};
}

// "Last_Color" is only usable as a colour the scroll bars accept.
std::optional<std::string> UsableLastColor(const std::string& text) {
    if (ParseRgbString(text)) {
        return text;
    }
    return std::nullopt;
}

template <class T> void AssignIfRead(T& variable, const std::optional<T>& value) {
    if (value) {
        variable = *value;
    }
}

// Collects the defaults to write back, in the order the check finds them, and writes them
// together at the end: every key is read before any is repaired and no key is read twice, so
// the outcome is the same as writing each at once, while a large shared file is saved once.
class Repairs {
public:
    void write(std::string_view key, std::string_view text) {
        pending_.emplace_back(key, std::string(text));
    }

    // Takes a value that was read, or writes the default and takes that instead.
    template <class T>
    void keepOrRepair(const std::optional<T>& value, T& variable, std::string_view key,
                      std::string_view defaultText, const T& defaultValue) {
        if (value) {
            variable = *value;
        } else {
            write(key, defaultText);
            variable = defaultValue;
        }
    }

    bool any() const { return !pending_.empty(); }

    // Writes what was collected; false unless all of it reached the store.
    bool flush(SettingsStore& store) const {
        std::vector<StoredValue> values;
        values.reserve(pending_.size());
        for (const auto& [key, text] : pending_) {
            values.push_back({key, text});
        }
        return values.empty() || GuardedWriteAll(store, values);
    }

private:
    std::vector<std::pair<std::string_view, std::string>> pending_;
};

} // namespace

StartupCheckResult RunStartupCheck(SettingsStore& store, Module1& module) {
    Repairs repairs;

    // The position is one pair: a failure of either rewrites both.
    const auto top = ReadConverted(store, kKeyTop, ParseWholeNumber);
    const auto left = ReadConverted(store, kKeyLeft, ParseWholeNumber);
    if (top && left) {
        module.reg_top = *top;
        module.reg_left = *left;
    } else {
        repairs.write(kKeyTop, kDefaultPosition);
        repairs.write(kKeyLeft, kDefaultPosition);
        module.reg_top = 0;
        module.reg_left = 0;
    }

    const auto options = OptionVariables(module);
    for (int i = 0; i < kOptionCount; ++i) {
        repairs.keepOrRepair(ReadConverted(store, kKeyCheck[i], ParseTruthValue), *options[i],
                             kKeyCheck[i], TruthText(kDefaultCheck[i]), kDefaultCheck[i]);
    }

    // Any other version, readable or not, is replaced; it decides which message is shown.
    auto ver = ReadConverted(store, kKeyVer, ParseSingle);
    const bool versionCurrent = ver == kCurrentVersion;
    if (!versionCurrent) {
        ver.reset();
    }
    repairs.keepOrRepair(ver, module.reg_ver, kKeyVer, kCurrentVersionText, kCurrentVersion);

    // A missing face is acceptable on its own (the main window then shows none), but a store
    // under repair gets every default, so a first run leaves no key unwritten.
    auto font = ReadConverted(store, kKeyFont, AsStored);
    if (font && font->empty() && repairs.any()) {
        font.reset();
    }
    repairs.keepOrRepair(font, module.reg_font, kKeyFont, kDefaultFont, std::string(kDefaultFont));

    repairs.keepOrRepair(ReadConverted(store, kKeyLastColor, UsableLastColor),
                         module.reg_Last_Color, kKeyLastColor, kDefaultLastColor,
                         std::string(kDefaultLastColor));

    // All ten are read before any is repaired; each faulty slot is rewritten alone, so one
    // lost favourite never costs the others their colours.
    std::array<bool, kFavouriteCount> favouriteMissing{};
    for (int i = 0; i < kFavouriteCount; ++i) {
        const auto favourite = ReadConverted(store, kKeyFav[i], AsStored);
        favouriteMissing[i] = !favourite || favourite->empty();
    }
    for (int i = 0; i < kFavouriteCount; ++i) {
        if (favouriteMissing[i]) {
            repairs.write(kKeyFav[i], kDefaultFav[i]);
        }
    }

    StartupCheckResult result;
    result.repairsWritten = repairs.flush(store);
    if (repairs.any()) {
        result.message =
            versionCurrent ? StartupMessage::RegistryRestored : StartupMessage::RegistryWritten;
    }
    return result;
}

void RereadSettings(SettingsStore& store, Module1& module) {
    AssignIfRead(module.reg_top, ReadConverted(store, kKeyTop, ParseWholeNumber));
    AssignIfRead(module.reg_left, ReadConverted(store, kKeyLeft, ParseWholeNumber));
    const auto options = OptionVariables(module);
    for (int i = 0; i < kOptionCount; ++i) {
        AssignIfRead(*options[i], ReadConverted(store, kKeyCheck[i], ParseTruthValue));
    }
    AssignIfRead(module.reg_ver, ReadConverted(store, kKeyVer, ParseSingle));
    AssignIfRead(module.reg_font, ReadConverted(store, kKeyFont, AsStored));
    AssignIfRead(module.reg_Last_Color, ReadConverted(store, kKeyLastColor, UsableLastColor));
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
