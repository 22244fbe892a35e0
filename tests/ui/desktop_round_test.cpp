// What real desktops showed: the always-on-top band asked for once the window is mapped, message
// boxes in front of the window the user sees, the end of the session during the start-up
// message, copied marks, the wheel over the size and face boxes, and what a screen reader says.
// Controls are reached by name, as a user reaches them.
#include "app/module1.h"
#include "fakes/fake_services.h"
#include "platform/qt_services.h"
#include "ui/main/form1.h"
#include "ui/main/main_procedure.h"
#include "ui/user_input.h"

#include <QAccessible>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <stdexcept>

namespace quilvane {
namespace {

template <typename Control> Control& Child(const QObject& parent, const char* name) {
    auto* child = parent.findChild<Control*>(QLatin1String(name));
    if (child == nullptr) {
        throw std::runtime_error(std::string("no control ") + name);
    }
    return *child;
}

QString Spoken(QObject& control, QAccessible::Text text) {
    return QAccessible::queryAccessibleInterface(&control)->text(text);
}

// Runs `act` on the modal window that `open` brings up; a watchdog closes a window left open.
void WhileModal(const std::function<void()>& open, const std::function<void(QWidget&)>& act) {
    bool acted = false;
    QTimer watchdog;
    QObject::connect(&watchdog, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            modal->close();
        }
    });
    watchdog.start(10000);
    QTimer::singleShot(0, [&] {
        acted = true;
        act(*QApplication::activeModalWidget());
    });
    open();
    EXPECT_TRUE(acted);
}

// The main window after a first start, active.
struct Desktop {
    Desktop() : main(Main(module, fakes.services)) { QApplication::setActiveWindow(main.get()); }
    void Open(const char* button, const std::function<void(QWidget&)>& act) {
        WhileModal([this, button] { Child<QPushButton>(*main, button).click(); }, act);
    }
    FakeServices fakes;
    Module1 module;
    std::unique_ptr<Form1> main;
};

TEST(DesktopRoundTest, BandIsAskedForOnceTheWindowIsMapped) {
    struct Row {
        const char* name;
        std::vector<bool> askedBeforeMap;
        bool onTopAfterMap;
    };
    for (const Row& row :
         {Row{"on top", {true}, true}, Row{"last wish wins", {true, false}, false}}) {
        SCOPED_TRACE(row.name);
        QWidget window;
        QtWindowOrder order;
        for (const bool topmost : row.askedBeforeMap) {
            order.setTopmost(window, topmost);
        }
        EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        EXPECT_EQ(window.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint),
                  row.onTopAfterMap);
    }
}

TEST(DesktopRoundTest, WindowIconComesAtEverySizeADesktopAsksFor) {
    const Desktop d;
    QList<int> sides;
    for (const QSize size : d.main->windowIcon().availableSizes()) {
        EXPECT_FALSE(d.main->windowIcon().pixmap(size).isNull()) << size.width();
        sides.append(size.width());
    }
    std::sort(sides.begin(), sides.end());
    EXPECT_EQ(sides, QList<int>({16, 24, 32, 48, 64, 128, 256}));
}

TEST(DesktopRoundTest, SessionEndedDuringTheStartUpMessageShowsNoWindow) {
    FakeServices fakes;
    Module1 module;
    EXPECT_EQ(Main(module, fakes.services, [] { return true; }), nullptr);
    EXPECT_EQ(fakes.messages.shown.size(), 1u);
}

TEST(DesktopRoundTest, CopiedMarkIsTheCharacterItStandsFor) {
    struct Row {
        const char* main;
        const char* copied; // the whole long text
        const char* back;   // after pasting it at the end and Ok
    };
    const Row rows[] = {
        {"a\rb", "a\rb", "a\rba<BR>b"},
        {"x\u2028y", "x\u2028y", "x\u2028yx<BR>y"},
        {"p<br>q", "p\nq", "p<BR>qp<BR>q"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.main);
        Desktop d;
        Child<QLineEdit>(*d.main, "Text1").setText(QString::fromUtf8(row.main));
        d.Open("Command5", [&row](QWidget& longText) {
            auto& box = Child<QPlainTextEdit>(longText, "Text1");
            box.selectAll();
            QTest::keyClick(&box, Qt::Key_C, Qt::ControlModifier);
            EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8(row.copied));
            box.moveCursor(QTextCursor::End);
            QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
            Child<QPushButton>(longText, "Command1").click();
        });
        EXPECT_EQ(Child<QLineEdit>(*d.main, "Text1").text(), QString::fromUtf8(row.back));
    }
}

TEST(DesktopRoundTest, WheelStepsOnlyTheFocusedBox) {
    for (const char* name : {"Combo1", "Combo2"}) {
        SCOPED_TRACE(name);
        Desktop d;
        auto& box = Child<QComboBox>(*d.main, name);
        auto& text = Child<QLineEdit>(*d.main, "Text1");
        text.setFocus();
        TurnWheel(box, {0, -120});
        EXPECT_EQ(box.currentIndex(), 0);
        EXPECT_TRUE(text.hasFocus());
        box.setFocus();
        TurnWheel(box, {0, -120});
        EXPECT_EQ(box.currentIndex(), 1);
    }
}

TEST(DesktopRoundTest, ScreenReadersHearColoursBarsAndIcons) {
    Desktop d;
    EXPECT_EQ(QStringList({Spoken(Child<QWidget>(*d.main, "HScroll1"), QAccessible::Name),
                           Spoken(Child<QWidget>(*d.main, "HScroll2"), QAccessible::Name),
                           Spoken(Child<QWidget>(*d.main, "HScroll3"), QAccessible::Name)}),
              QStringList({"Red", "Green", "Blue"}));
    auto& hiddenCaption = Child<QWidget>(*d.main, "Label10");
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(&hiddenCaption)->state().invisible);
    d.Open("Command1", [](QWidget& favourites) {
        for (const char* control : {"Command2_3", "Command3_3"}) {
            EXPECT_EQ(Spoken(Child<QWidget>(favourites, control), QAccessible::Description),
                      "Red 0, Green 255, Blue 0")
                << control;
        }
        EXPECT_EQ(Spoken(Child<QWidget>(favourites, "Frame1"), QAccessible::Description),
                  "Red 128, Green 128, Blue 128");
        favourites.close();
    });
    for (const auto& [style, icon] : {std::pair{16, "Error"}, std::pair{36, "Question"}}) {
        QtMessageBox messages;
        WhileModal([&messages, style = style] { messages.show(nullptr, "text", "title", style); },
                   [icon = icon](QWidget& box) {
                       EXPECT_EQ(
                           Spoken(Child<QWidget>(box, "qt_msgboxex_icon_label"), QAccessible::Name),
                           icon);
                       box.close();
                   });
    }
}

} // namespace
} // namespace quilvane
