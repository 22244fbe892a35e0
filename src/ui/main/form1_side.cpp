// The main window's side of the side windows: opening them, the help command, and what they see
// of the main window. Each side window is modal; the main window leaves the always-on-top band
// first so the side window can come in front of it.
#include "app/module1.h"
#include "colour/marquee_attributes.h"
#include "platform/services.h"
#include "ui/favourites/form3.h"
#include "ui/main/form1.h"
#include "ui/messages.h"
#include "ui/preview.h"
#include "ui/side/form2.h"
#include "ui/side/form4.h"
#include "ui/side/form5.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>

namespace quilvane {

int Form1::ShowSideWindow(QDialog& window) {
    services_.order.setTopmost(*this, false);
    const int result = window.exec();
    // The main window takes the keyboard back, also where no window manager hands it over.
    activateWindow();
    return result;
}

// The favourites window gives the always-on-top band back itself when it closes; a chosen
// colour leaves the focus on Save.
void Form1::Command1_Click() {
    Form3 favourites(*this);
    if (ShowSideWindow(favourites) == QDialog::Accepted) {
        Command4->setFocus();
    }
}

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

bool Form1::ConfirmationsOn() const {
    return dialog->isChecked();
}

bool Form1::LowerCaseMarkup() const {
    return komoji->isChecked();
}

float Form1::StoredVersion() const {
    return module_.reg_ver;
}

InputMethod::Mode Form1::TextInputMethod() const {
    return module_.reg_Check2 ? InputMethod::kOn : InputMethod::kNoControl;
}

MainWindowLink::PreviewLook Form1::Preview() const {
    return {Text1->font().families(), PreviewColour(*Text1), Check2->isChecked(),
            Check3->isChecked()};
}

QString Form1::PreviewText() const {
    return Text1->text();
}

void Form1::SetPreviewText(const QString& text) {
    Text1->setText(text);
}

void Form1::SetMarqueeAttributes(const MarqueeAttributes& attributes) {
    module_.MarqueeDirection = attributes.direction;
    module_.MarqueeScrollAmount = attributes.scrollAmount;
    module_.MarqueeScrollDelay = attributes.scrollDelay;
    module_.MarqueeBehavior = attributes.behavior;
    module_.MarqueeWidth = attributes.width;
}

} // namespace quilvane
