#include "app/save_settings.h"

#include "app/guarded_store.h"
#include "app/settings_keys.h"
#include "app/stored_values.h"

namespace quilvane {

bool SaveSettings(SettingsStore& store, const Module1& module) {
    const bool options[kOptionCount] = {module.reg_Check1, module.reg_Check2, module.reg_Check3,
                                        module.reg_Check4, module.reg_Check5};
    bool saved = true;
    for (int i = 0; i < kOptionCount; ++i) {
        saved &= GuardedWrite(store, kKeyCheck[i], TruthText(options[i]));
    }
    saved &= GuardedWrite(store, kKeyTop, WholeNumberText(module.reg_top));
    saved &= GuardedWrite(store, kKeyLeft, WholeNumberText(module.reg_left));
    saved &= GuardedWrite(store, kKeyFont, module.reg_font);
    saved &= GuardedWrite(store, kKeyLastColor, module.reg_Last_Color);
    return saved;
}

} // namespace quilvane
