#include "ui/main/main_procedure.h"

#include "app/startup_check.h"
#include "platform/services.h"
#include "ui/main/form1.h"

namespace quilvane {

namespace {

QString FromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

std::unique_ptr<Form1> Main(Module1& module, Services& services) {
    const StartupCheckResult check = RunStartupCheck(services.store, module);
    if (const auto message = MessageBoxFor(check.message)) {
        services.messages.show(FromView(message->text), FromView(message->title), message->style);
    }
    RereadSettings(services.store, module);
    auto form = std::make_unique<Form1>(module, services);
    form->show();
    return form;
}

} // namespace quilvane
