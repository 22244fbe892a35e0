// Wiring of the main window's controls, menus and keys to their handlers.
#include "colour/fixed_colours.h"
#include "ui/alt_key_filter.h"
#include "ui/main/form1.h"
#include "ui/main/list_combo_box.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>

namespace quilvane {

void Form1::ConnectHandlers() {
    connect(HScroll1, &QScrollBar::valueChanged, this, &Form1::HScroll1_Change);
    connect(HScroll2, &QScrollBar::valueChanged, this, &Form1::HScroll2_Change);
    connect(HScroll3, &QScrollBar::valueChanged, this, &Form1::HScroll3_Change);
    connect(Command7, &QPushButton::clicked, this, &Form1::Command7_Click);
    // Return, Tab or the focus leaving the box otherwise.
    connect(Text2, &QLineEdit::editingFinished, this, &Form1::ApplyTypedCode);

    QAction* const fixedItems[] = {black, red, green, yellow, blue, cyan, magenta, white};
    for (std::size_t i = 0; i < kFixedColours.size(); ++i) {
        connect(fixedItems[i], &QAction::triggered, this, [this, colour = kFixedColours[i].colour] {
            SetColour(colour);
            RedrawNow();
        });
    }

    // Asked once: the platform may have to ask the desktop, which costs nothing at start.
    connect(Kotei, &QMenu::aboutToShow, this, &Form1::Kotei_FirstOpen, Qt::SingleShotConnection);
    connect(pick, &QAction::triggered, this, &Form1::pick_Click);

    connect(Command4, &QPushButton::clicked, this, &Form1::Command4_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Check1, &QCheckBox::clicked, this, &Form1::Check1_Click);
    connect(Check2, &QCheckBox::clicked, this, &Form1::Check2_Click);
    connect(Check3, &QCheckBox::clicked, this, &Form1::Check3_Click);
    connect(Combo2, &QComboBox::activated, this, &Form1::Combo2_Click);
    connect(Combo2->lineEdit(), &QLineEdit::textEdited, this, &Form1::Combo2_Change);
    Combo1->installEventFilter(this);
    Combo2->installEventFilter(this);

    connect(code, &QAction::triggered, this, &Form1::code_Click);
    connect(fore, &QAction::triggered, this, &Form1::fore_Click);
    connect(right_l, &QAction::triggered, this, &Form1::right_l_Click);
    connect(left_l, &QAction::triggered, this, &Form1::left_l_Click);
    connect(first, &QAction::triggered, this, &Form1::first_Click);

    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command5, &QPushButton::clicked, this, &Form1::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &Form1::Command6_Click);
    connect(tukaikata, &QAction::triggered, this, &Form1::tukaikata_Click);
    connect(version, &QAction::triggered, this, &Form1::version_Click);

    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(exit, &QAction::triggered, this, &Form1::exit_Click);

    // The desktop session ending saves like any other close.
    connect(qApp, &QGuiApplication::commitDataRequest, this, &Form1::Form_QueryUnload);

    // Every key pressed in this window passes Form_KeyDown before the focused control.
    qApp->installEventFilter(this);
    qApp->installEventFilter(new AltKeyFilter(this));
}

Form1::ClickAction Form1::ShortcutAction(int keyCode, Qt::KeyboardModifiers shift) {
    if (shift != Qt::ControlModifier) {
        return nullptr;
    }
    switch (keyCode) {
    case Qt::Key_A:
        return &Form1::Command2_Click;
    case Qt::Key_D:
        return &Form1::Command6_Click;
    case Qt::Key_E:
        return &Form1::Command3_Click;
    case Qt::Key_O:
        return &Form1::Command1_Click;
    case Qt::Key_R:
        return &Form1::Command7_Click;
    case Qt::Key_S:
        return &Form1::Command4_Click;
    case Qt::Key_T:
        return &Form1::Command5_Click;
    default:
        return nullptr;
    }
}

bool Form1::Form_KeyDown(int keyCode, Qt::KeyboardModifiers shift) {
    const ClickAction action = ShortcutAction(keyCode, shift);
    if (action == nullptr) {
        return false;
    }
    // A dropped-down list closes first, as it does whenever its box loses the keyboard.
    for (ListComboBox* box : {Combo1, Combo2}) {
        if (box->view()->isVisible()) {
            box->hidePopup();
        }
    }
    (this->*action)();
    return true;
}

bool Form1::OwnsKeysOf(const QWidget& widget) const {
    const QWidget* window = widget.window();
    return window == this || window == Combo1->view()->window() ||
           window == Combo2->view()->window();
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
        if (watched == Combo1) {
            Combo1_LostFocus();
        } else if (watched == Combo2) {
            Combo2_LostFocus();
        }
    } else if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        // A key travels up from the focused control to its parents; act on its first stop only.
        // A shortcut's key is used up: Qt's text boxes would delete, move or select with it.
        auto* widget = static_cast<QWidget*>(watched);
        if (widget == QApplication::focusWidget() && OwnsKeysOf(*widget)) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (Form_KeyDown(key->key(),
                             key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier |
                                                 Qt::AltModifier | Qt::MetaModifier))) {
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace quilvane
