// All five windows as a user first sees them: every framed window carries the program's icon, a
// screen reader can name every control, and the face list is as wide as its longest name.
#include "platform/qt_services.h"
#include "ui/favourites/form3.h"
#include "ui/program_icon.h"
#include "ui/side/form2.h"
#include "ui/side/form4.h"
#include "ui/side/form5.h"
#include "ui/side/inverted_scroll_bar.h"
#include "ui/window_bench.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace quilvane {
namespace {

// What a screen reader calls the control. A combo box's own name is its text on Linux, so the
// label that labels it names it there.
QString SpokenName(QWidget& control) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&control);
    const auto labels = accessible->relations(QAccessible::Label);
    if (accessible->role() == QAccessible::ComboBox && !labels.isEmpty()) {
        return labels.front().first->text(QAccessible::Name);
    }
    return accessible->text(QAccessible::Name).trimmed();
}

TEST(LooksTest, IconsAndNamesForScreenReaders) {
    Bench b;
    b.Start();
    Form3 favourites(*b.main);
    Form4 longText(*b.main);
    Form5 marquee(*b.main);
    Form2 about(*b.main);
    about.Form_GotFocus(); // shows its controls
    const QImage icon = ProgramIcon().pixmap(32).toImage();
    ASSERT_FALSE(icon.isNull()); // the icon's resource is linked into the program
    for (QWidget* window :
         std::initializer_list<QWidget*>{b.main.get(), &favourites, &longText, &marquee, &about}) {
        window->show();
        SCOPED_TRACE(window->objectName().toStdString());
        // The about box is a tool window, designed without an icon.
        EXPECT_EQ(window->windowIcon().pixmap(32).toImage(), window == &about ? QImage() : icon);
        for (QWidget* control : window->findChildren<QWidget*>()) {
            const bool container = control->metaObject() == &QWidget::staticMetaObject;
            if (control->window() == window && !container && !control->objectName().isEmpty() &&
                !control->objectName().startsWith("qt_")) {
                EXPECT_NE(SpokenName(*control), "") << control->objectName().toStdString();
            }
        }
    }
    QStringList names;
    for (const char* control :
         {"HScroll1", "HScroll2", "HScroll3", "Text2", "Text1", "Combo2", "Combo1", "Command2"}) {
        names.append(SpokenName(b[control]));
    }
    names << SpokenName(*favourites.Command2[10]) << SpokenName(*favourites.Command3[1])
          << SpokenName(*favourites.Color[0]);
    EXPECT_EQ(names, QStringList({"Red", "Green", "Blue", "CODE", "STRING", "FACE", "SIZE",
                                  "AddSave", "Call 10", "Save 1", "Color Now"}));
    EXPECT_EQ(SpokenName(*marquee.VScroll2), SpokenName(*marquee.Label2));
    // A slot's colour is the description of its buttons; the "Now" colour is its frame's.
    const auto description = [](QWidget* control) {
        return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Description);
    };
    EXPECT_EQ(QStringList({description(favourites.Command2[3]), description(favourites.Command3[3]),
                           description(favourites.Frame1)}),
              QStringList({"Red 0, Green 255, Blue 0", "Red 0, Green 255, Blue 0",
                           "Red 128, Green 128, Blue 128"}));
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(&b["Label10"])->state().invisible);
}

// A message box's icon is named as what it means.
TEST(LooksTest, MessageIconsAreNamed) {
    for (const auto& [style, name] : {std::pair{16, "Error"}, std::pair{36, "Question"}}) {
        QTimer::singleShot(0, [name = name] {
            QWidget& box = *QApplication::activeModalWidget();
            EXPECT_EQ(SpokenName(Get(box, "qt_msgboxex_icon_label")), name);
            box.close();
        });
        QtMessageBox().show(nullptr, "text", "title", style);
    }
}

TEST(LooksTest, FaceListIsAsWideAsItsLongestName) {
    Bench b;
    b.fakes.screen.faces = {"DejaVu Math TeX Gyre", "Noto Sans Mono CJK JP Regular Extra Long"};
    b.Start();
    auto& faces = b.Control<QComboBox>("Combo2");
    faces.showPopup();
    const QAbstractItemView& list = *faces.view();
    for (int row = 0; row < faces.count(); ++row) {
        EXPECT_GE(list.viewport()->width(),
                  list.sizeHintForIndex(list.model()->index(row, 0)).width())
            << faces.itemText(row).toStdString();
    }
    faces.hidePopup();
}

} // namespace
} // namespace quilvane
