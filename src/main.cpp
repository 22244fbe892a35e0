#include "app/module1.h"
#include "platform/qt_screen_picker.h"
#include "platform/qt_services.h"
#include "platform/qt_settings_store.h"
#include "platform/session_end.h"
#include "platform/wayland.h"
#include "ui/main/form1.h"
#include "ui/main/main_procedure.h"

#include <QApplication>

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
    quilvane::QtScreenPicker picker;
    quilvane::Services services{store, messages, order, shell, sleep, clipboard, screen, picker};
    quilvane::Module1 module;

    const auto form = quilvane::Main(module, services);
    quilvane::Form1& mainWindow = *form;
    quilvane::WatchSessionEndSignals(mainWindow, [&mainWindow] { mainWindow.EndSession(); });
    return QApplication::exec();
}
