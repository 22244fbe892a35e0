#include "app/module1.h"
#include "platform/clipboard_keeper.h"
#include "platform/input_method.h"
#include "platform/qt_screen_picker.h"
#include "platform/qt_services.h"
#include "platform/qt_settings_store.h"
#include "platform/session_end.h"
#include "platform/wayland.h"
#include "ui/main/form1.h"
#include "ui/main/main_procedure.h"

#include <QApplication>
#include <memory>

int main(int argc, char** argv) {
    const bool platformChosen = quilvane::PreferXWaylandForWindowPlacement();
    QApplication application(argc, argv);
    if (platformChosen) {
        quilvane::ForgetPlatformChoice();
    }

    quilvane::QtSettingsStore store;
    quilvane::QtMessageBox messages;
    quilvane::QtWindowOrder order;
    quilvane::QtShell shell;
    quilvane::QtSleep sleep;
    quilvane::QtClipboard clipboard;
    quilvane::QtScreen screen;
    quilvane::QtInputMethod inputMethod;
    quilvane::QtScreenPicker picker;
    quilvane::Services services{store,     messages, order,       shell, sleep,
                                clipboard, screen,   inputMethod, picker};
    quilvane::Module1 module;

    // The system may end the session while the start-up message is still up: before the main
    // window exists the program ends at once, with nothing to save beyond the repairs.
    std::unique_ptr<quilvane::Form1> form;
    bool endedAtStart = false;
    quilvane::WatchSessionEndSignals(application, [&form, &endedAtStart] {
        if (form != nullptr) {
            form->EndSession();
        } else {
            endedAtStart = true;
            QCoreApplication::exit(0); // closes the message
        }
    });
    form = quilvane::Main(module, services, [&endedAtStart] { return endedAtStart; });
    if (form == nullptr) {
        return 0;
    }
    const int status = QApplication::exec();
    quilvane::KeepClipboardAfterExit();
    return status;
}
