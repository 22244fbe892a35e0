#pragma once

#include "colour/rgb.h"

#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QWidget;

namespace quilvane {

class SettingsStore;

// Message boxes, each with a style number built from message_style (message_catalogue.h).
class MessageBox {
public:
    static constexpr int kOk = 1;
    static constexpr int kYes = 6;
    static constexpr int kNo = 7;
    virtual ~MessageBox() = default;
    // Shows the box in front of `owner`, the window that asks (none before any window exists);
    // returns the button pressed: kOk, kYes or kNo.
    virtual int show(QWidget* owner, const QString& text, const QString& title, int style) = 0;
};

// The main window's z-order band: always on top, or the top of the normal band. Never moves,
// resizes or hides the window.
class WindowOrder {
public:
    virtual ~WindowOrder() = default;
    virtual void setTopmost(QWidget& window, bool topmost) = 0;
};

// Opens a document with the program the system associates with it.
class Shell {
public:
    virtual ~Shell() = default;
    // False when the document could not be opened.
    virtual bool openDocument(const QString& path) = 0;
};

// A pause of the user-interface thread.
class Sleep {
public:
    virtual ~Sleep() = default;
    virtual void Delay(int milliseconds) = 0;
};

// The plain text of the system clipboard.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual QString text() = 0;
    virtual void setText(const QString& text) = 0;
};

// The screen in twips, and the installed font faces.
class Screen {
public:
    virtual ~Screen() = default;
    virtual int widthTwips() = 0;
    virtual int heightTwips() = 0;
    // Installed faces in the platform's order, foundry duplicates folded into one name.
    virtual QStringList fontFaces() = 0;
    // Every screen's rectangle on the desktop, in pixels.
    virtual QList<QRect> geometries() = 0;
};

// One pixel's colour picked from anywhere on the screen: by the desktop where it offers that,
// else by the program itself where the platform lets it read the screen.
class ScreenPicker {
public:
    virtual ~ScreenPicker() = default;
    // Whether a pick can be made in this session; the answer may come later. It may ask the
    // desktop, so ask only when a pick comes near.
    virtual void probe(std::function<void(bool available)> answer) = 0;
    // Lets the user pick a pixel, `window` being the program's. `preview` gets the colour under
    // the pointer while the program picks itself; `done` gets the pixel's colour, or nothing
    // when the user cancelled or the pick failed.
    virtual void pick(QWidget& window, std::function<void(Rgb)> preview,
                      std::function<void(std::optional<Rgb>)> done) = 0;
};

// The input method of a text box: switched on each time the box takes the keyboard focus, or
// left as the user sets it.
class InputMethod {
public:
    enum Mode { kNoControl = 0, kOn = 1 };
    virtual ~InputMethod() = default;
    virtual void setMode(QWidget& box, Mode mode) = 0;
};

// Everything a window needs from the platform, handed around by reference.
struct Services {
    SettingsStore& store;
    MessageBox& messages;
    WindowOrder& order;
    Shell& shell;
    Sleep& sleep;
    Clipboard& clipboard;
    Screen& screen;
    InputMethod& inputMethod;
    ScreenPicker& picker;
};

} // namespace quilvane
