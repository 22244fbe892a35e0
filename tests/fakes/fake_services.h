#pragma once

#include "app/message_catalogue.h"
#include "fakes/memory_settings_store.h"
#include "platform/services.h"

#include <QStringList>
#include <QWidget>
#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace quilvane {

// A message box that records each message shown, as "title: text (style)", and its owner, and
// answers from a script (OK, or Yes when the script is empty); `onShow` runs as each box comes up.
struct FakeMessageBox : MessageBox {
    std::vector<std::string> shown;
    std::vector<QWidget*> owners;
    std::deque<int> answers;
    std::function<void()> onShow;

    int show(QWidget* owner, const QString& text, const QString& title, int style) override {
        shown.push_back(QStringLiteral("%1: %2 (%3)").arg(title, text).arg(style).toStdString());
        owners.push_back(owner);
        if (onShow) {
            onShow();
        }
        if (!answers.empty()) {
            const int answer = answers.front();
            answers.pop_front();
            return answer;
        }
        return (style & message_style::kButtonsMask) == message_style::kYesNo ? kYes : kOk;
    }
};

// Records each z-order request: the window and whether it asked for always on top.
struct FakeWindowOrder : WindowOrder {
    std::vector<std::pair<QWidget*, bool>> calls;
    void setTopmost(QWidget& window, bool topmost) override {
        calls.emplace_back(&window, topmost);
    }
};

struct FakeShell : Shell {
    QStringList opened;
    bool succeed = true;
    bool openDocument(const QString& path) override {
        opened.append(path);
        return succeed;
    }
};

// Records the pauses instead of waiting; `onDelay` runs inside each, to look at a window while
// it waits.
struct FakeSleep : Sleep {
    std::vector<int> delays;
    std::function<void()> onDelay;
    void Delay(int milliseconds) override {
        delays.push_back(milliseconds);
        if (onDelay) {
            onDelay();
        }
    }
};

// A clipboard of its own, so tests see exactly what the program put there.
struct FakeClipboard : Clipboard {
    QString content;
    QString text() override { return content; }
    void setText(const QString& text) override { content = text; }
};

// A 1280 x 800 pixel screen (15 twips a pixel) with a short face list; `screens` lists every
// screen of the desktop.
struct FakeScreen : Screen {
    int width = 19200;
    int height = 12000;
    QStringList faces = {QStringLiteral("Noto Sans"), QStringLiteral("Noto Serif"),
                         QString::fromUtf8("ＭＳ ゴシック")};
    int widthTwips() override { return width; }
    int heightTwips() override { return height; }
    QStringList fontFaces() override { return faces; }
    QList<QRect> screens = {QRect(0, 0, 1280, 800)};
    QList<QRect> geometries() override { return screens; }
};

// The input-method mode each text box was given, as "window.box mode" ("Form1.Text1 1").
struct FakeInputMethod : InputMethod {
    QStringList modes;
    void setMode(QWidget& box, Mode mode) override {
        modes << box.window()->objectName() + '.' + box.objectName() + ' ' + QString::number(mode);
    }
};

// Answers that no pick can be made (a pick asked for still runs); keeps a pick's callbacks for
// the test to call: `preview` with a colour under the pointer, `done` with the pick's end.
struct FakeScreenPicker : ScreenPicker {
    std::function<void(Rgb)> preview;
    std::function<void(std::optional<Rgb>)> done;
    void probe(std::function<void(bool)> answer) override { answer(false); }
    void pick(QWidget&, std::function<void(Rgb)> hovered,
              std::function<void(std::optional<Rgb>)> ended) override {
        preview = std::move(hovered);
        done = std::move(ended);
    }
};

// All fakes together, with the Services view the windows take.
struct FakeServices {
    MemorySettingsStore store;
    FakeMessageBox messages;
    FakeWindowOrder order;
    FakeShell shell;
    FakeSleep sleep;
    FakeClipboard clipboard;
    FakeScreen screen;
    FakeInputMethod inputMethod;
    FakeScreenPicker picker;
    Services services{store, messages, order, shell, sleep, clipboard, screen, inputMethod, picker};
};

} // namespace quilvane
