#pragma once

#include "ui/side_window.h"

class QPlainTextEdit;
class QPushButton;

namespace quilvane {

// The long text window: the main window's text over several lines, its line-break tags shown as
// new lines, previewed in the main window's face, colour, bold and italic. Ok writes the text
// back as one line with the tags; Cancel, Esc and the close box leave it as it was. Created for
// each opening and shown modally.
class Form4 : public SideWindow {
    Q_OBJECT
public:
    explicit Form4(MainWindowLink& main);

    QPlainTextEdit* Text1 = nullptr;
    QPushButton* Command1 = nullptr; // &Ok
    QPushButton* Command2 = nullptr; // &Cancel, also Esc

    void Form_Load() override;
    void Command1_Click();
    void Command2_Click();

private:
    void CreateControls();
};

} // namespace quilvane
