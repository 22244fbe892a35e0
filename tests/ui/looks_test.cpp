// All five windows as a user first sees them: every caption fits its control with the faces
// that are installed, every window carries the program's icon, and a screen reader can name
// every control.
#include "ui/favourites/form3.h"
#include "ui/program_icon.h"
#include "ui/side/form2.h"
#include "ui/side/form4.h"
#include "ui/side/form5.h"
#include "ui/side/inverted_scroll_bar.h"
#include "ui/side/side_bench.h"
#include "ui/text_fit.h"

#include "ui/main/list_combo_box.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>

namespace quilvane {
namespace {

// The main window with the widest colour values and the code shown with "#", and the four side
// windows with every control shown.
struct FiveWindows : SideBench {
    FiveWindows() {
        main->white->trigger();
        main->code->trigger();
        favourites = std::make_unique<Form3>(*main);
        longText = std::make_unique<Form4>(*main);
        marquee = std::make_unique<Form5>(*main);
        about = std::make_unique<Form2>(*main);
        about->Form_GotFocus();
        for (QWidget* window : windows()) {
            window->show();
        }
    }

    std::vector<QWidget*> windows() const {
        return {main.get(), favourites.get(), longText.get(), marquee.get(), about.get()};
    }

    std::unique_ptr<Form3> favourites;
    std::unique_ptr<Form4> longText;
    std::unique_ptr<Form5> marquee;
    std::unique_ptr<Form2> about;
};

TEST(LooksTest, EveryCaptionFitsItsControlAt96Dpi) {
    ASSERT_EQ(QApplication::primaryScreen()->logicalDotsPerInch(), 96);
    const FiveWindows w;
    for (const QWidget* window : w.windows()) {
        EXPECT_EQ(ControlsWhoseTextDoesNotFit(*window).join(QLatin1Char('\n')).toStdString(), "")
            << window->objectName().toStdString();
    }
}

// What a screen reader calls the control. A combo box's own name is its text on Linux, so the
// label that labels it names it there.
QString SpokenName(QWidget* control) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
    if (accessible == nullptr) {
        return {};
    }
    const auto labels = accessible->relations(QAccessible::Label);
    if (accessible->role() == QAccessible::ComboBox && !labels.isEmpty()) {
        return labels.front().first->text(QAccessible::Name);
    }
    return accessible->text(QAccessible::Name).trimmed();
}

// Every control of the window that a screen reader could not name, as "window.control".
QStringList ControlsWithoutAccessibleName(const QWidget& window) {
    QStringList nameless;
    for (QWidget* control : window.findChildren<QWidget*>()) {
        const bool container = control->metaObject() == &QWidget::staticMetaObject;
        if (control->window() != &window || container || control->objectName().isEmpty() ||
            control->objectName().startsWith("qt_")) {
            continue;
        }
        if (SpokenName(control).isEmpty()) {
            nameless.append(window.objectName() + "." + control->objectName() + " " +
                            control->metaObject()->className());
        }
    }
    return nameless;
}

TEST(LooksTest, ScreenReadersCanNameEveryControl) {
    const FiveWindows w;
    for (const QWidget* window : w.windows()) {
        EXPECT_EQ(ControlsWithoutAccessibleName(*window).join(' ').toStdString(), "");
    }
    const auto name = SpokenName;
    const Form1& main = *w.main;
    EXPECT_EQ(
        QStringList({name(main.HScroll1), name(main.HScroll2), name(main.HScroll3),
                     name(main.Text2), name(main.Combo2), name(main.Combo1), name(main.Command2)}),
        QStringList({"Red", "Green", "Blue", "CODE", "FACE", "SIZE", "AddSave"}));
    EXPECT_EQ(name(w.favourites->Command2[10]), "Call 10");
    EXPECT_EQ(name(w.favourites->Command3[1]), "Save 1");
    EXPECT_EQ(name(w.favourites->Color[0]), "Color Now");
    EXPECT_EQ(name(w.marquee->VScroll2), name(w.marquee->Label2));
}

TEST(LooksTest, FaceListIsAsWideAsItsLongestName) {
    SideBench b;
    b.fakes.screen.faces = {QStringLiteral("DejaVu Math TeX Gyre"),
                            QStringLiteral("Noto Sans Mono CJK JP Regular Extra Long")};
    b.main = std::make_unique<Form1>(b.module, b.services);
    b.main->show();
    ListComboBox& faces = *b.main->Combo2;
    faces.showPopup();
    const QAbstractItemView& list = *faces.view();
    for (int row = 0; row < faces.count(); ++row) {
        const QModelIndex item = list.model()->index(row, 0);
        EXPECT_GE(list.viewport()->width(), list.sizeHintForIndex(item).width())
            << faces.itemText(row).toStdString();
    }
    faces.hidePopup();
}

// Fails when the icon's resource is not linked into the program.
TEST(LooksTest, EveryFramedWindowCarriesTheProgramIcon) {
    const QIcon icon = ProgramIcon();
    ASSERT_FALSE(icon.isNull());
    EXPECT_TRUE(icon.availableSizes().contains(QSize(32, 32)));
    const QImage picture = icon.pixmap(32).toImage();
    const FiveWindows w;
    for (const QWidget* window :
         {static_cast<QWidget*>(w.main.get()), static_cast<QWidget*>(w.favourites.get()),
          static_cast<QWidget*>(w.longText.get()), static_cast<QWidget*>(w.marquee.get())}) {
        EXPECT_EQ(window->windowIcon().pixmap(32).toImage(), picture)
            << window->objectName().toStdString();
    }
    // The about box is a tool window, designed without an icon.
    EXPECT_TRUE(w.about->windowIcon().isNull());
}

} // namespace
} // namespace quilvane
