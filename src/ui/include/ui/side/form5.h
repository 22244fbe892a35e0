#pragma once

#include "ui/side_window.h"

#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace quilvane {

class InvertedScrollBar;

// The marquee options window: direction, stop time (scroll delay), movement amount (scroll
// amount), behaviour and an optional width in percent or pixels. Ok writes the five marquee
// attribute texts and only hides the window, so the next opening shows the same choices; the
// close box stores nothing and unloads it, so the next opening starts from the defaults.
class Form5 : public SideWindow {
    Q_OBJECT
public:
    explicit Form5(MainWindowLink& main);

    QGroupBox* Frame1 = nullptr;            // direction
    std::array<QRadioButton*, 2> Option1{}; // left, right
    QGroupBox* Frame2 = nullptr;            // speed
    QLabel* Label1 = nullptr;
    QLineEdit* Text1 = nullptr; // stop time
    InvertedScrollBar* VScroll1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* Text2 = nullptr; // movement amount
    InvertedScrollBar* VScroll2 = nullptr;
    QGroupBox* Frame3 = nullptr;            // behaviour
    std::array<QRadioButton*, 3> Option2{}; // scroll, slide, alternate
    QGroupBox* Frame4 = nullptr;            // size
    QCheckBox* Check2 = nullptr;            // width on
    QLineEdit* Text3 = nullptr;             // width
    InvertedScrollBar* VScroll3 = nullptr;
    std::array<QRadioButton*, 2> Option3{}; // percent, pixels
    QPushButton* Command1 = nullptr;        // &Ok

    void Form_Load() override;
    void VScroll1_Change();
    void VScroll2_Change();
    void VScroll3_Change();
    void Check2_Click();
    void Option3_Click(short Index);
    void Command1_Click();

private:
    void CreateControls();
    void ConnectHandlers();
    void SetTabOrder();
};

} // namespace quilvane
