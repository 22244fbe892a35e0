#include "ui/main/main_procedure.h"

#include "app/startup_check.h"
#include "platform/services.h"
#include "ui/main/form1.h"
#include "ui/messages.h"

namespace quilvane {

std::unique_ptr<Form1> Main(Module1& module, Services& services,
                            const std::function<bool()>& sessionEnded) {
    const StartupCheckResult check = RunStartupCheck(services.store, module);
    // A repair that could not be written is not reported as done: the user learns instead
    // that the settings are not being kept.
    const auto message = check.repairsWritten ? MessageBoxFor(check.message)
                                              : std::optional(kStoreUnwritableMessage);
    if (message) {
        ShowMessage(services.messages, nullptr, *message);
        if (sessionEnded()) {
            return nullptr;
        }
    }
    RereadSettings(services.store, module);
    auto form = std::make_unique<Form1>(module, services);
    form->show();
    return form;
}

} // namespace quilvane
