#include "ui/side/form2.h"

#include "colour/colour_sweep.h"
#include "platform/services.h"
#include "ui/fonts.h"
#include "ui/main_window_link.h"
#include "ui/place_control.h"
#include "ui/version_text.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>

namespace quilvane {

namespace {

constexpr int kClientWidth = 4125;
constexpr int kClientHeight = 1410;
constexpr int kPauseAfterSweep = 300; // milliseconds
const QColor kSilver(192, 192, 192);

QLabel* Caption(QWidget* parent, const char* name, const char* text, int left, int top, int width,
                int height, double points, bool bold) {
    auto* label =
        PlaceControl(new QLabel(QString::fromUtf8(text), parent), name, left, top, width, height);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(UiFont(Face::PGothic, points, bold));
    return label;
}

} // namespace

Form2::Form2(MainWindowLink& main) : SideWindow(main) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QString::fromUtf8("ﾊﾞｰｼﾞｮﾝ情報"));
    // A tool window: small caption with a close box, no icon and no taskbar entry.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setWindowIcon(QIcon());
    setFixedSize(TwipsToPixels(kClientWidth), TwipsToPixels(kClientHeight));
    setAutoFillBackground(true);
    SetBackground(kSilver);
    CreateControls();
}

void Form2::CreateControls() {
    Label1 = Caption(this, "Label1", "Quilvane Ver1.1", 120, 120, 3855, 375, 14.25, true);
    Label2 = Caption(this, "Label2", "HTMLのfontタグを手軽に", 600, 600, 2895, 255, 11.25, false);
    Command1 = PlaceControl(new QPushButton(QStringLiteral("&OK"), this), "Command1", 1200, 960,
                            1815, 300);
    Command1->setFocus();
    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
}

void Form2::Form_Load() {
    Label1->setText(QStringLiteral("Quilvane Ver ") + VersionText(main_.StoredVersion()));

    PlaceCentredBelowMain();

    Command1->hide();
    Label1->hide();
    Label2->hide();
}

// The box gets the focus itself when it is first shown, its only focusable control being
// hidden; the sweep and the pause run to their end before any input is handled.
bool Form2::event(QEvent* event) {
    const bool handled = SideWindow::event(event);
    if (event->type() == QEvent::WindowActivate && !swept_) {
        swept_ = true;
        Form_GotFocus();
    }
    return handled;
}

void Form2::Form_GotFocus() {
    for (const Rgb& colour : ColourSweep()) {
        SetBackground(QColor(colour.red, colour.green, colour.blue));
        repaint();
    }
    main_.services().sleep.Delay(kPauseAfterSweep);
    Command1->show();
    Label1->show();
    Label2->show();
    repaint();
}

void Form2::SetBackground(const QColor& colour) {
    QPalette background = palette();
    background.setColor(QPalette::Window, colour);
    setPalette(background);
}

void Form2::Command1_Click() {
    accept();
}

} // namespace quilvane
