#include "ui/side_window.h"

#include "platform/services.h"
#include "platform/twips.h"
#include "ui/main_window_link.h"
#include "ui/menu_colour.h"
#include "ui/side_window_placement.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

namespace quilvane {

SideWindow::SideWindow(MainWindowLink& main) : QDialog(&main.Window()), main_(main) {
    setWindowIcon(main.Window().windowIcon());
    QPalette background = palette();
    background.setColor(QPalette::Window, MenuColour());
    setPalette(background);
}

void SideWindow::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Cancel)) {
        if (cancelButton_ != nullptr) {
            cancelButton_->click();
        }
        return;
    }
    QDialog::keyPressEvent(event);
}

QSize SideWindow::OuterSize() const {
    if (isVisible()) {
        return frameGeometry().size();
    }
    return size() + (main_.Window().frameGeometry().size() - main_.Window().geometry().size());
}

int SideWindow::OuterWidthTwips() const {
    return PixelsToTwips(OuterSize().width());
}

int SideWindow::OuterHeightTwips() const {
    return PixelsToTwips(OuterSize().height());
}

void SideWindow::MoveTwips(int top, int left) {
    move(TwipsToPixels(left), TwipsToPixels(top));
}

void SideWindow::PlaceCentredBelowMain() {
    Screen& screen = main_.services().screen;
    const QPoint placed = CentredBelowPlacement(
        main_.TopTwips(), main_.LeftTwips(), main_.WidthTwips(), OuterWidthTwips(),
        OuterHeightTwips(), screen.widthTwips(), screen.heightTwips());
    MoveTwips(placed.y(), placed.x());
}

void SideWindow::setVisible(bool visible) {
    if (visible && !loaded_) {
        loaded_ = true;
        Form_Load();
    }
    QDialog::setVisible(visible);
}

void SideWindow::Form_Unload() {
    main_.ApplyFore();
}

void SideWindow::done(int result) {
    QDialog::done(result);
    Form_Unload();
}

} // namespace quilvane
