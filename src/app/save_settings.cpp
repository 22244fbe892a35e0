#include "app/save_settings.h"

#include "app/guarded_store.h"
#include "app/settings_keys.h"
#include "app/stored_values.h"

#include <string>

namespace quilvane {

bool SaveSettings(SettingsStore& store, const Module1& module) {
    const std::string top = WholeNumberText(module.reg_top);
    const std::string left = WholeNumberText(module.reg_left);
    // One write for all nine: a shared settings file is saved once, however large it is.
    const StoredValue values[] = {
        {kKeyCheck[0], TruthText(module.reg_Check1)},
        {kKeyCheck[1], TruthText(module.reg_Check2)},
        {kKeyCheck[2], TruthText(module.reg_Check3)},
        {kKeyCheck[3], TruthText(module.reg_Check4)},
        {kKeyCheck[4], TruthText(module.reg_Check5)},
        {kKeyTop, top},
        {kKeyLeft, left},
        {kKeyFont, module.reg_font},
        {kKeyLastColor, module.reg_Last_Color},
    };
    return GuardedWriteAll(store, values);
}

} // namespace quilvane
