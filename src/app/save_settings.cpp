#include "app/save_settings.h"

#include "app/guarded_store.h"
#include "app/settings_keys.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace quilvane {

namespace {

// The text a settings variable is written as at close.
struct Format {
    const Module1& module;

    std::string operator()(const Variable<std::int32_t>& v) const {
        return WholeNumberText(module.*v.member);
    }
    std::string operator()(const Variable<bool>& v) const {
        return std::string(TruthText(module.*v.member));
    }
    std::string operator()(const Variable<std::string>& v) const { return module.*v.member; }
    // The version and the favourites are not written at close.
    std::string operator()(const auto&) const { return {}; }
};

} // namespace

bool SaveSettings(SettingsStore& store, const Module1& module) {
    std::map<int, std::pair<std::string_view, std::string>> texts; // by place in the save
    for (const SettingKey& key : kVariableKeys) {
        if (key.closeOrder > 0) {
            texts.try_emplace(key.closeOrder, key.name, std::visit(Format{module}, key.variable));
        }
    }
    // One write for all of them: a shared settings file is saved once, however large it is.
    std::vector<StoredValue> values;
    for (const auto& [order, text] : texts) {
        values.push_back({text.first, text.second});
    }
    return GuardedWriteAll(store, values);
}

} // namespace quilvane
