// Leaving the program: Exit with its question, and the save of position, options, face and
// colour whenever the main window closes.
#include "app/module1.h"
#include "app/save_settings.h"
#include "app/settings_store.h"
#include "colour/rgb.h"
#include "platform/services.h"
#include "platform/wayland.h"
#include "ui/main/form1.h"
#include "ui/main/list_combo_box.h"
#include "ui/messages.h"

#include <QAction>

namespace quilvane {

void Form1::Command3_Click() {
    if (dialog->isChecked() &&
        ShowMessage(services_.messages, this, kExitQuestion) == MessageBox::kNo) {
        return;
    }
    EndProgram();
}

void Form1::exit_Click() {
    Command3_Click();
}

// Closing runs Form_QueryUnload (closeEvent), which also ends the program.
void Form1::EndProgram() {
    close();
}

void Form1::EndSession() {
    endingSession_ = true;
    close();
}

void Form1::Form_QueryUnload() {
    if (Combo1->currentText().isEmpty()) {
        Combo1->setListIndex(0);
    }
    if (Combo2->currentText().isEmpty()) {
        Combo2->setListIndex(0);
    }
    // Where the window's position is unknown, the one read at start is kept rather than lost.
    if (WindowPositionsKnown()) {
        module_.reg_top = TopTwips();
        module_.reg_left = LeftTwips();
    }
    module_.reg_font = Combo2->currentText().toStdString();
    module_.reg_Check1 = komoji->isChecked();
    module_.reg_Check2 = ime->isChecked();
    module_.reg_Check3 = dialog->isChecked();
    module_.reg_Check4 = fore->isChecked();
    module_.reg_Check5 = code->isChecked();
    module_.reg_Last_Color = RgbString(CurrentColour());
    // When the session ends nobody may be there to answer a message, and waiting for an answer
    // would keep the program from ending as the system asked.
    if (!SaveSettings(services_.store, module_) && !endingSession_) {
        ShowMessage(services_.messages, this, kStoreUnwritableMessage);
    }
}

} // namespace quilvane
