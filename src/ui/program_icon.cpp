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
    // Every size a desktop asks for (taskbars, Alt+Tab, high-DPI screens), drawn from the one
    // picture, so no size is a blurred scaling of another.
    QIcon icon(QStringLiteral(":/quilvane.png"));
    for (const int size : {16, 24, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/quilvane-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

} // namespace quilvane
