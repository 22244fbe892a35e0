#pragma once

#include "ui/side_window.h"

class QLabel;
class QPushButton;

namespace quilvane {

// The about box: a background sweep from black to white, then the program's name with its
// version, a second line and OK. Created for each opening and shown modally.
class Form2 : public SideWindow {
    Q_OBJECT
public:
    explicit Form2(MainWindowLink& main);

    QLabel* Label1 = nullptr; // name and version
    QLabel* Label2 = nullptr;
    QPushButton* Command1 = nullptr; // &OK

    void Form_Load() override;
    void Form_GotFocus();
    void Command1_Click();

protected:
    bool event(QEvent* event) override;

private:
    void CreateControls();
    void SetBackground(const QColor& colour);

    bool swept_ = false;
};

} // namespace quilvane
