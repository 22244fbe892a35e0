#pragma once

#include "platform/services.h"

namespace quilvane {

class QtMessageBox final : public MessageBox {
public:
    int show(QWidget* owner, const QString& text, const QString& title, int style) override;
};

// Flips the always-on-top flag on the native window without recreating it, so the window is
// neither hidden nor moved; asked before the window is first on the screen, the flag is set
// once it is. On X11 the window manager honours it; Wayland has no such request.
class QtWindowOrder final : public WindowOrder {
public:
    void setTopmost(QWidget& window, bool topmost) override;
};

class QtShell final : public Shell {
public:
    bool openDocument(const QString& path) override;
};

class QtSleep final : public Sleep {
public:
    void Delay(int milliseconds) override;
};

class QtClipboard final : public Clipboard {
public:
    QString text() override;
    void setText(const QString& text) override;
};

class QtScreen final : public Screen {
public:
    int widthTwips() override;
    int heightTwips() override;
    QStringList fontFaces() override;
    QList<QRect> geometries() override;
};

} // namespace quilvane
