#include "ui/program_icon.h"

// The icon's resource is compiled into the static library; registering it by name here makes the
// linker keep it in every program that shows a window.
static void RegisterProgramResources() {
    Q_INIT_RESOURCE(quilvane);
}

namespace quilvane {

QIcon ProgramIcon() {
    static const bool registered = (RegisterProgramResources(), true);
    (void)registered;
    return QIcon(QStringLiteral(":/quilvane.png"));
}

} // namespace quilvane
