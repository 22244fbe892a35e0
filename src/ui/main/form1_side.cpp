// Opening the side windows from the main window. Each side window is modal; the main window
// leaves the always-on-top band first so the side window can come in front of it.
#include "platform/services.h"
#include "ui/main/form1.h"

#include <QDialog>

namespace quilvane {

int Form1::ShowSideWindow(QDialog& window) {
    services_.order.setTopmost(*this, false);
    const int result = window.exec();
    // The main window takes the keyboard back, also where no window manager hands it over.
    activateWindow();
    return result;
}

} // namespace quilvane
