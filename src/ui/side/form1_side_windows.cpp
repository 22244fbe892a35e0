// The main window's openers of the long text, marquee options and about windows, and the help
// command.
#include "app/settings_keys.h"
#include "platform/services.h"
#include "ui/main/form1.h"
#include "ui/messages.h"
#include "ui/side/form2.h"
#include "ui/side/form4.h"
#include "ui/side/form5.h"

#include <QCoreApplication>

namespace quilvane {

namespace {

constexpr MessageBoxContent kHelpMissingMessage{"QV.htmlがありません", "Help File Not Found!", 16};

} // namespace

void Form1::Command5_Click() {
    Form4 longText(*this);
    ShowSideWindow(longText);
}

void Form1::Command6_Click() {
    if (marqueeOptions_ == nullptr) {
        marqueeOptions_ = new Form5(*this);
    }
    // Ok only hides the window, which keeps its choices for the next opening; the close box
    // unloads it, so that the next opening starts from the defaults.
    if (ShowSideWindow(*marqueeOptions_) == QDialog::Rejected) {
        delete marqueeOptions_;
        marqueeOptions_ = nullptr;
    }
}

void Form1::version_Click() {
    Form2 about(*this);
    ShowSideWindow(about);
}

// Opening the page does not touch the main window's z-order.
void Form1::tukaikata_Click() {
    const QString page = QCoreApplication::applicationDirPath() + QStringLiteral("/QV.html");
    if (!services_.shell.openDocument(page)) {
        ShowMessage(services_.messages, this, kHelpMissingMessage);
    }
}

} // namespace quilvane
