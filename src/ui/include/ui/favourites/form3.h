#pragma once

#include "app/settings_keys.h"
#include "colour/rgb.h"
#include "ui/side_window.h"

#include <array>

class QGroupBox;
class QLabel;
class QPushButton;

namespace quilvane {

// The favourites window: the colour the main window holds (row 0) above the ten stored
// favourites (rows 1..10). Call hands a row's colour to the main window and closes; Save stores
// the current colour in a row. Shown modally by the main window; rebuilt from the store each time.
class Form3 : public SideWindow {
    Q_OBJECT
public:
    static constexpr int kRowCount = kFavouriteCount + 1; // row 0 is the current colour

    explicit Form3(MainWindowLink& main);
    ~Form3() override;

    QGroupBox* Frame1 = nullptr;     // "Now": the current colour and Back
    QPushButton* Command1 = nullptr; // &Back
    // Indexed families; member n belongs to row n, except Title, whose member k numbers row k+1.
    std::array<QLabel*, kFavouriteCount> Title{};
    std::array<QLabel*, kRowCount> R{};
    std::array<QLabel*, kRowCount> G{};
    std::array<QLabel*, kRowCount> B{};
    std::array<QLabel*, kRowCount> Color{};         // swatches
    std::array<QPushButton*, kRowCount> Command2{}; // &Call; member 0 stays hidden
    std::array<QPushButton*, kRowCount> Command3{}; // &Save; member 0 stays hidden

    void Form_Load() override;
    void Command1_Click();
    void Command2_Click(short index);
    void Command3_Click(short index);

private:
    void CreateControls();
    void ConnectHandlers();
    void SetTabOrder();
    void FillRows();
    void ShowRow(int row, Rgb colour);
    Rgb RowColour(int row) const;
};

} // namespace quilvane
