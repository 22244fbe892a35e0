#include "ui/side/form5.h"

#include "colour/marquee_attributes.h"
#include "platform/services.h"
#include "ui/fonts.h"
#include "ui/frame_style.h"
#include "ui/main_window_link.h"
#include "ui/menu_colour.h"
#include "ui/place_control.h"
#include "ui/side/inverted_scroll_bar.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <tuple>

namespace quilvane {

namespace {

constexpr int kClientWidth = 4710;
constexpr int kClientHeight = 2505;
constexpr int kPercentTop = 100;
constexpr int kPixelTop = 32767;

QGroupBox* Frame(QWidget* parent, const char* name, const char* caption, int left, int top,
                 int width, int height) {
    return PlaceControl(new QGroupBox(QString::fromUtf8(caption), parent), name, left, top, width,
                        height);
}

QRadioButton* Option(QWidget* frame, const char* name, const char* caption, int left, int top,
                     int width) {
    return PlaceControl(new QRadioButton(QString::fromUtf8(caption), frame), name, left, top, width,
                        255);
}

QLineEdit* Box(QWidget* frame, const char* name, const char* text, int left, int top, int width) {
    return PlaceControl(new QLineEdit(QLatin1String(text), frame), name, left, top, width, 270);
}

InvertedScrollBar* Bar(QWidget* frame, const char* name, int left, int top, int topValue,
                       int step) {
    auto* bar = PlaceControl(new InvertedScrollBar(frame), name, left, top, 135, 255);
    bar->SetTop(topValue);
    bar->setSingleStep(step);
    bar->setPageStep(step);
    return bar;
}

void SetBackground(QLineEdit& box, const QColor& colour) {
    QPalette palette = box.palette();
    palette.setColor(QPalette::Base, colour);
    box.setPalette(palette);
}

// An empty box stands for its default, which goes back into the box and its bar.
void RestoreDefaultIfEmpty(QLineEdit& box, QScrollBar& bar, int fallback) {
    if (box.text().isEmpty()) {
        bar.setValue(fallback);
        box.setText(QString::number(fallback));
    }
}

} // namespace

Form5::Form5(MainWindowLink& main) : SideWindow(main) {
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Marquee Control"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                   Qt::WindowCloseButtonHint);
    setFont(UiFont(Face::PGothic, 9));
    StyleFrames(*this);
    resize(TwipsToPixels(kClientWidth), TwipsToPixels(kClientHeight));
    CreateControls();
    ConnectHandlers();
    SetTabOrder();
}

void Form5::CreateControls() {
    Frame1 = Frame(this, "Frame1", "方向", 120, 0, 975, 1095);
    Option1[0] = Option(Frame1, "Option1_0", "左", 240, 300, 615);
    Option1[1] = Option(Frame1, "Option1_1", "右", 240, 680, 615);

    Frame2 = Frame(this, "Frame2", "移動速度", 1400, 0, 1695, 1095);
    Label1 = PlaceControl(new QLabel(QString::fromUtf8("停止時間"), Frame2), "Label1", 120, 340,
                          855, 255);
    Text1 = Box(Frame2, "Text1", "90", 960, 300, 495);
    VScroll1 = Bar(Frame2, "VScroll1", 1440, 300, 256, 1);
    Label2 =
        PlaceControl(new QLabel(QString::fromUtf8("移動量"), Frame2), "Label2", 120, 720, 615, 255);
    Text2 = Box(Frame2, "Text2", "6", 960, 680, 495);
    VScroll2 = Bar(Frame2, "VScroll2", 1440, 680, 256, 1);
    // Each box and its bar are named by the caption beside them, not by their frame's.
    for (auto [caption, box, bar] :
         {std::tuple{Label1, Text1, VScroll1}, {Label2, Text2, VScroll2}}) {
        box->setAccessibleName(caption->text());
        bar->setAccessibleName(caption->text());
    }

    Frame3 = Frame(this, "Frame3", "動作", 3360, 0, 1215, 1095);
    Option2[0] = Option(Frame3, "Option2_0", "ｽｸﾛｰﾙ", 200, 240, 855);
    Option2[1] = Option(Frame3, "Option2_1", "ｽﾗｲﾄﾞ", 200, 480, 855);
    Option2[2] = Option(Frame3, "Option2_2", "交互", 200, 720, 855);

    Frame4 = Frame(this, "Frame4", "サイズ", 120, 1200, 4455, 615);
    Check2 = PlaceControl(new QCheckBox(QString::fromUtf8("幅を指定"), Frame4), "Check2", 240, 200,
                          1095, 330);
    Check2->setFont(UiFont(Face::PGothic, 9.75));
    Text3 = Box(Frame4, "Text3", "100", 1560, 240, 615);
    SetBackground(*Text3, MenuColour());
    VScroll3 = Bar(Frame4, "VScroll3", 2160, 240, 3000, 10);
    Option3[0] = Option(Frame4, "Option3_0", "ﾊﾟｰｾﾝﾄ", 2400, 240, 975);
    Option3[1] = Option(Frame4, "Option3_1", "ﾋﾟｸｾﾙ", 3480, 240, 855);

    for (auto* first : {Option1[0], Option2[0], Option3[0]}) {
        first->setChecked(true);
    }

    Command1 = PlaceControl(new QPushButton(QStringLiteral("&Ok"), this), "Command1", 3360, 1920,
                            1095, 495);
    Command1->setFont(UiFont(Face::PGothic, 12));
    Command1->setAutoDefault(false); // neither Enter nor Esc presses Ok
}

void Form5::ConnectHandlers() {
    connect(VScroll1, &QScrollBar::valueChanged, this, &Form5::VScroll1_Change);
    connect(VScroll2, &QScrollBar::valueChanged, this, &Form5::VScroll2_Change);
    connect(VScroll3, &QScrollBar::valueChanged, this, &Form5::VScroll3_Change);
    connect(Check2, &QCheckBox::toggled, this, &Form5::Check2_Click);
    for (short index = 0; index < static_cast<short>(Option3.size()); ++index) {
        connect(Option3[index], &QRadioButton::toggled, this, [this, index](bool selected) {
            if (selected) {
                Option3_Click(index);
            }
        });
    }
    connect(Command1, &QPushButton::clicked, this, &Form5::Command1_Click);
}

void Form5::SetTabOrder() {
    for (QLabel* label : findChildren<QLabel*>()) {
        label->setFocusPolicy(Qt::NoFocus);
    }
    const QList<QWidget*> order = {Command1,   Option1[0], Option1[1], Text1,      Text2,
                                   Option2[1], Option2[0], Option2[2], VScroll1,   VScroll2,
                                   Text3,      VScroll3,   Check2,     Option3[1], Option3[0]};
    for (qsizetype i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
    Command1->setFocus();
}

void Form5::Form_Load() {
    // Centred on the main window at this window's design width.
    PlaceCentredBelowMain();

    VScroll1->setValue(kDefaultScrollDelay);
    VScroll2->setValue(kDefaultScrollAmount);
    VScroll3->setValue(kDefaultWidth);
    VScroll3->SetTop(kPercentTop);
    Text1->setText(QString::number(kDefaultScrollDelay));
    Text2->setText(QString::number(kDefaultScrollAmount));
    Check2_Click(); // unticked: the width controls are off

    // Then as wide as the main window, keeping its left.
    resize(main_.Window().width(), height());
}

void Form5::VScroll1_Change() {
    Text1->setText(QString::number(VScroll1->value()));
}

void Form5::VScroll2_Change() {
    Text2->setText(QString::number(VScroll2->value()));
}

void Form5::VScroll3_Change() {
    Text3->setText(QString::number(VScroll3->value()));
}

void Form5::Check2_Click() {
    const bool on = Check2->isChecked();
    Text3->setEnabled(on);
    SetBackground(*Text3, on ? QApplication::palette().color(QPalette::Base) : MenuColour());
    VScroll3->setEnabled(on);
}

// A value above the new top is brought down to it by the bar, and its box follows at once.
void Form5::Option3_Click(short Index) {
    VScroll3->SetTop(Index == 0 ? kPercentTop : kPixelTop);
}

void Form5::Command1_Click() {
    RestoreDefaultIfEmpty(*Text2, *VScroll2, kDefaultScrollAmount);
    RestoreDefaultIfEmpty(*Text1, *VScroll1, kDefaultScrollDelay);
    if (Check2->isChecked()) {
        // The width then written is the default the box shows again.
        RestoreDefaultIfEmpty(*Text3, *VScroll3, kDefaultWidth);
    }

    MarqueeChoices choices;
    choices.directionIndex = Option1[0]->isChecked() ? 0 : 1;
    choices.stopTimeText = Text1->text().toStdString();
    choices.amountText = Text2->text().toStdString();
    choices.behaviourIndex = Option2[0]->isChecked() ? 0 : Option2[1]->isChecked() ? 1 : 2;
    choices.widthTicked = Check2->isChecked();
    choices.widthText = Text3->text().toStdString();
    choices.percent = Option3[0]->isChecked();
    main_.SetMarqueeAttributes(MarqueeAttributesFromChoices(choices));

    accept();
}

} // namespace quilvane
