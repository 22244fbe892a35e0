#pragma once

#include <QComboBox>

namespace quilvane {

// An editable combo box that knows whether its text was picked from the list or typed: a typed
// text has no selected position (-1), even when it reads like a list item.
class ListComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit ListComboBox(QWidget* parent = nullptr);

    // The selected position, or -1 while the text is a typed one.
    int ListIndex() const;
    // Selects a list position as the program does (no "typed" state afterwards).
    void setListIndex(int index);
    // Sets the text as the program does: a text that is a list item selects that item.
    void setTextAsProgram(const QString& text);
    // Makes the drop-down list at least as wide as its longest item, so no name is cut short.
    // The items are measured when the list next opens: at start nobody sees the list yet, and
    // measuring every installed face's name would delay the window.
    void WidenListToItems();
    void showPopup() override;

protected:
    // Over an unfocused box the wheel does nothing, so that the markup never takes a size or a
    // face the user did not pick; with the focus in the box it steps through the list.
    void wheelEvent(QWheelEvent* event) override;

private:
    bool typed_ = false;
    bool widenOnOpen_ = false;
};

} // namespace quilvane
