#include "ui/main/list_combo_box.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QScrollBar>
#include <QWheelEvent>

namespace quilvane {

ListComboBox::ListComboBox(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr); // no inline completion: the typed text is what the markup gets
    // The wheel alone never takes the focus.
    setFocusPolicy(Qt::StrongFocus);
    // When editing ends (focus leaves, Enter), Qt's combo box would turn a typed text that reads
    // like a list item into that item; a typed text stays typed until the user picks an item.
    disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
    // The text starts at the edit field's edge, so that "なし" fits the narrow size box whole.
    lineEdit()->setTextMargins(-2, 0, 0, 0);
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] { typed_ = true; });
    connect(this, &QComboBox::activated, this, [this] { typed_ = false; });
}

int ListComboBox::ListIndex() const {
    return typed_ ? -1 : currentIndex();
}

void ListComboBox::setListIndex(int index) {
    typed_ = false;
    setCurrentIndex(index);
}

void ListComboBox::setTextAsProgram(const QString& text) {
    const int index = findText(text, Qt::MatchExactly);
    if (index >= 0) {
        setListIndex(index);
    } else {
        typed_ = true;
        setEditText(text);
    }
}

void ListComboBox::WidenListToItems() {
    widenOnOpen_ = true;
}

void ListComboBox::showPopup() {
    if (widenOnOpen_) {
        widenOnOpen_ = false;
        QAbstractItemView* list = view();
        list->setTextElideMode(Qt::ElideNone);
        list->setMinimumWidth(list->sizeHintForColumn(0) + 2 * list->frameWidth() +
                              list->verticalScrollBar()->sizeHint().width());
    }
    QComboBox::showPopup();
}

void ListComboBox::wheelEvent(QWheelEvent* event) {
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    QComboBox::wheelEvent(event);
}

} // namespace quilvane
