// Opening the side windows from the main window. Each side window is modal; the main window
// leaves the always-on-top band first so the side window can come in front of it.
#include "platform/services.h"
#include "ui/main/form1.h"

namespace quilvane {

void Form1::BeforeSideWindow() {
    services_.order.setTopmost(*this, false);
}

} // namespace quilvane
