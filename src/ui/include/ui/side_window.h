#pragma once

#include <QColor>
#include <QDialog>
#include <QString>

class QPushButton;

namespace quilvane {

class MainWindowLink;

// A modal window opened from the main window, carrying its icon and placed relative to it in
// twips. Esc presses the window's cancel button when it has one and does nothing otherwise.
class SideWindow : public QDialog {
    Q_OBJECT
public:
    explicit SideWindow(MainWindowLink& main);

    // Runs on every way of closing (a button, Esc, the close box): the main window gets its
    // always-on-top state back.
    void Form_Unload();
    void done(int result) override;
    // The window loads on its first showing, not when it is built: by then the main window has
    // left the always-on-top band, so a message shown while loading comes in front of it.
    void setVisible(bool visible) override;

protected:
    // Fills and places the window; runs once, before the window first appears.
    virtual void Form_Load() = 0;

    void SetCancelButton(QPushButton* button) { cancelButton_ = button; }
    void keyPressEvent(QKeyEvent* event) override;

    // The outer size in twips. Before the first show the window has no frame yet, so the main
    // window's frame stands in for it.
    int OuterWidthTwips() const;
    int OuterHeightTwips() const;
    // Moves the outer frame's top left corner.
    void MoveTwips(int top, int left);
    // Places the window 500 twips below the main window's top, centred on it, kept on the
    // screen's bottom, right and left edges.
    void PlaceCentredBelowMain();

    MainWindowLink& main_;

private:
    QSize OuterSize() const;

    QPushButton* cancelButton_ = nullptr;
    bool loaded_ = false;
};

} // namespace quilvane
