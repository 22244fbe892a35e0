// The same-fonts start-up floor: the smallest window that loads the faces the main window's
// look needs. Its fonts come from the program's own face resolution at the main window's
// sizes (the regular face at 9.75, 12 and 14.25 points, the bold one at 14.25, the fixed-pitch
// one at 12), and a menu title in Japanese keeps the system font, as the main window's menus do.
// The start-up benchmark compares the real program against it on the same X server.
#include "ui/fonts.h"

#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QVBoxLayout>
#include <QWidget>

namespace {

void AddLabel(QWidget& window, const QFont& font) {
    auto* label = new QLabel(QStringLiteral("Quilvane なし"), &window);
    label->setFont(font);
    window.layout()->addWidget(label);
}

} // namespace

int main(int argc, char** argv) {
    using quilvane::Face;
    using quilvane::UiFont;
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("quilvane_bench_same_fonts"));
    auto* layout = new QVBoxLayout(&window);
    auto* menuBar = new QMenuBar(&window);
    menuBar->addMenu(QString::fromUtf8("ﾌｧｲﾙ(&F)"));
    layout->setMenuBar(menuBar);
    for (const double points : {9.75, 12.0, 14.25}) {
        AddLabel(window, UiFont(Face::PGothic, points));
    }
    AddLabel(window, UiFont(Face::PGothic, 14.25, true));
    AddLabel(window, UiFont(Face::Gothic, 12));
    window.show();
    return QApplication::exec();
}
