#include "ui/main/form1.h"

#include "app/module1.h"
#include "colour/fixed_colours.h"
#include "platform/services.h"
#include "platform/twips.h"
#include "ui/channel_labels.h"
#include "ui/fonts.h"
#include "ui/main/list_combo_box.h"
#include "ui/menu_colour.h"
#include "ui/place_control.h"
#include "ui/program_icon.h"
#include "ui/value_scroll_bar.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <limits>

namespace quilvane {

namespace {

constexpr int kClientWidth = 4740;
constexpr int kClientHeight = 3285;

QLabel* ColourLetter(QWidget* parent, const char* name, const char* letter, int top,
                     Channel channel) {
    auto* label = PlaceControl(new QLabel(QLatin1String(letter), parent), name, 120, top, 375, 255);
    label->setFont(UiFont(Face::PGothic, 14.25, true));
    label->setAlignment(Qt::AlignCenter);
    SetChannelColour(*label, channel);
    return label;
}

QLabel* ChannelValue(QWidget* parent, const char* name, const char* caption, int left, int top,
                     int width, Channel channel) {
    auto* label =
        PlaceControl(new QLabel(QLatin1String(caption), parent), name, left, top, width, 255);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    SetChannelColour(*label, channel);
    return label;
}

// `channel` names the bar for screen readers, as the letter beside it does for the eye.
QScrollBar* ChannelBar(QWidget* parent, const char* name, const char* channel, int top) {
    auto* bar = PlaceControl(new ValueScrollBar(Qt::Horizontal, parent), name, 600, top, 2055, 255);
    bar->setAccessibleName(QLatin1String(channel));
    bar->setRange(0, 255);
    bar->setSingleStep(1);
    bar->setPageStep(10);
    bar->setTracking(false); // the displays follow when the thumb is released
    return bar;
}

template <typename Widget>
Widget* Captioned(QWidget* parent, const char* name, const char* caption, double points, int left,
                  int top, int width, int height) {
    auto* widget = PlaceControl(new Widget(QString::fromUtf8(caption), parent), name, left, top,
                                width, height);
    widget->setFont(UiFont(Face::PGothic, points));
    return widget;
}

} // namespace

Form1::Form1(Module1& module, Services& services) : module_(module), services_(services) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Quilvane"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setWindowIcon(ProgramIcon());
    setFont(UiFont(Face::PGothic, 14.25));
    QPalette background = palette();
    background.setColor(QPalette::Window, MenuColour());
    setPalette(background);
    CreateControls();
    CreateMenus();
    ConnectHandlers();
    SetTabOrder();
    // The window takes its final size before it is placed. Placed before its first showing, it
    // is put by its outer frame, as the stored position is; a size that still changed while it
    // is shown would make Qt place it by its client area, the title bar above the stored point.
    layout()->activate();
    Form_Load();
}

// The code box reports its editing finished when it loses the focus as the window's controls go;
// by then this is no longer a Form1 to apply a code to.
Form1::~Form1() {
    disconnect(Text2, &QLineEdit::editingFinished, this, &Form1::ApplyTypedCode);
}

void Form1::CreateControls() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(TwipsToPixels(kClientWidth), TwipsToPixels(kClientHeight));
    setCentralWidget(client);
    layout()->setSizeConstraint(QLayout::SetFixedSize); // a fixed single-line border

    Label5 = ColourLetter(client, "Label5", "R", 120, Channel::Red);
    HScroll1 = ChannelBar(client, "HScroll1", "Red", 120);
    Label1 = ChannelValue(client, "Label1", "0", 2640, 120, 615, Channel::Red);
    Label6 = ColourLetter(client, "Label6", "G", 480, Channel::Green);
    HScroll2 = ChannelBar(client, "HScroll2", "Green", 480);
    Label2 = ChannelValue(client, "Label2", "55", 2640, 480, 615, Channel::Green);
    Label7 = ColourLetter(client, "Label7", "B", 840, Channel::Blue);
    HScroll3 = ChannelBar(client, "HScroll3", "Blue", 840);
    // Wider to the left than the design (2760, 495) so that "255" in the installed face is not cut
    // off; the text is right-aligned and the label transparent, so nothing else moves.
    Label3 = ChannelValue(client, "Label3", "255", 2640, 840, 615, Channel::Blue);

    Label8 = Captioned<QLabel>(client, "Label8", "CODE", 12, 3480, 80, 735, 255);
    Text2 = PlaceControl(new QLineEdit(client), "Text2", 3600, 335, 855, 360);
    Text2->setFont(UiFont(Face::Gothic, 12));
    QPalette codePalette = Text2->palette();
    codePalette.setColor(QPalette::Base, QColor(192, 192, 192));
    Text2->setPalette(codePalette);
    Text2->setAccessibleName(Label8->text());
    Command7 = Captioned<QPushButton>(client, "Command7", "&Random", 9.75, 3600, 800, 855, 375);

    Label10 = Captioned<QLabel>(client, "Label10", "STRING", 12, 120, 1365, 855, 255);
    // Covered by String, it shows nothing; hidden, screen readers leave it out too.
    Label10->hide();
    Command5 = Captioned<QPushButton>(client, "Command5", "S&tring", 12, 120, 1320, 855, 375);
    Text1 = PlaceControl(new QLineEdit(client), "Text1", 1080, 1320, 3495, 345);
    Text1->setAccessibleName(Label10->text()); // the design's caption of the box, under String
    Text1->setMaxLength(std::numeric_limits<int>::max()); // a long text must not be cut off
    // The installed face's line is taller than the design face's: the box's inner margin above
    // and below holds the descenders.
    Text1->setTextMargins(0, -1, 0, -1);

    Label11 = Captioned<QLabel>(client, "Label11", "FACE", 12, 240, 1830, 615, 255);
    Combo2 = PlaceControl(new ListComboBox(client), "Combo2", 1080, 1800, 1935, 315);
    Combo2->setFont(UiFont(Face::PGothic, 9.75));
    Combo2->setAccessibleName(Label11->text());
    Label11->setBuddy(Combo2); // where a box's name is its text, the label names it
    // One pixel wider than the design (495) so that the installed face's "SIZE" is not cut off.
    Label9 = Captioned<QLabel>(client, "Label9", "SIZE", 12, 3195, 1830, 510, 255);
    Combo1 = PlaceControl(new ListComboBox(client), "Combo1", 3840, 1800, 735, 315);
    Combo1->setFont(UiFont(Face::PGothic, 9.75));
    Combo1->setAccessibleName(Label9->text());
    Label9->setBuddy(Combo1);
    Combo1->addItems({QString::fromUtf8("なし"), QStringLiteral("1"), QStringLiteral("2"),
                      QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5"),
                      QStringLiteral("6"), QStringLiteral("7")});

    Check1 = Captioned<QCheckBox>(client, "Check1", "Marquee", 9.75, 120, 2200, 1095, 375);
    Command6 = Captioned<QPushButton>(client, "Command6", "&Detail", 12, 1200, 2200, 855, 375);
    Check2 = Captioned<QCheckBox>(client, "Check2", "Bold", 9.75, 2160, 2200, 735, 375);
    Check3 = Captioned<QCheckBox>(client, "Check3", "Italic", 9.75, 2910, 2200, 735, 375);
    Check4 = Captioned<QCheckBox>(client, "Check4", "Center", 9.75, 3720, 2200, 975, 375);
    // The caption starts as close to the box as on the design platform, so "Marquee" stays clear
    // of Detail and "Italic" inside its box.
    for (QCheckBox* check : {Check1, Check2, Check3, Check4}) {
        check->setStyleSheet(QStringLiteral("QCheckBox { spacing: 4px; }"));
    }
    Command1 = Captioned<QPushButton>(client, "Command1", "Fav&ourite", 12, 120, 2690, 1215, 495);
    Command2 = Captioned<QPushButton>(client, "Command2", "&AddSave", 9.75, 1800, 2690, 855, 495);
    Command2->setAccessibleName(QStringLiteral("AddSave")); // one word, whatever the lines
    Command4 = Captioned<QPushButton>(client, "Command4", "&Save", 12, 2760, 2690, 855, 495);
    Command3 = Captioned<QPushButton>(client, "Command3", "&Exit", 12, 3720, 2690, 855, 495);
}

void Form1::CreateMenus() {
    const auto item = [](QMenu* menu, std::string_view name, std::string_view caption) {
        QAction* action = menu->addAction(
            QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())));
        action->setObjectName(
            QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
        return action;
    };
    const auto option = [&item](QMenu* menu, std::string_view name, std::string_view caption) {
        QAction* action = item(menu, name, caption);
        action->setCheckable(true);
        return action;
    };
    const auto heading = [this](QMenu* parent, const char* name, const char* caption) {
        QMenu* menu = parent != nullptr ? parent->addMenu(QString::fromUtf8(caption))
                                        : menuBar()->addMenu(QString::fromUtf8(caption));
        menu->setObjectName(QLatin1String(name));
        return menu;
    };

    menuBar()->setFont(QApplication::font()); // the menus keep the system's menu font
    file = heading(nullptr, "file", "ﾌｧｲﾙ(&F)");
    exit = item(file, "exit", "終了(&E)");

    Config = heading(nullptr, "Config", "設定(&C)");
    gamen = heading(Config, "gamen", "画面位置");
    right_l = item(gamen, "right_l", "右端");
    left_l = item(gamen, "left_l", "左端");
    first = item(gamen, "first", "最初に起動した位置");
    Line2 = Config->addSeparator();
    Line2->setObjectName(QStringLiteral("Line2"));
    code = option(Config, "code", "CODEは\"#\"付きで(&C)");
    komoji = option(Config, "komoji", "小文字で保存(&K)");
    dialog = option(Config, "dialog", "確認メッセージを表示(&D)");
    // The ime option takes effect at the next start: Form_Load gives the text boxes its mode.
    ime = option(Config, "ime", "起動時IME入力ON(&O)");
    fore = option(Config, "fore", "常に手前に表示(&A)");

    Kotei = heading(nullptr, "Kotei", "固定色(&K)");
    QAction* Form1::*const fixedItems[] = {&Form1::black,   &Form1::red,  &Form1::green,
                                           &Form1::yellow,  &Form1::blue, &Form1::cyan,
                                           &Form1::magenta, &Form1::white};
    for (std::size_t i = 0; i < kFixedColours.size(); ++i) {
        this->*fixedItems[i] = item(Kotei, kFixedColours[i].name, kFixedColours[i].caption);
    }
    Line3 = Kotei->addSeparator();
    Line3->setObjectName(QStringLiteral("Line3"));
    pick = item(Kotei, "pick", "画面から(&P)");

    help = heading(nullptr, "help", "ﾍﾙﾌﾟ(&H)");
    tukaikata = item(help, "tukaikata", "使い方の表示");
    version = item(help, "version", "ﾊﾞｰｼﾞｮﾝ情報");
}

void Form1::SetTabOrder() {
    for (QLabel* label : findChildren<QLabel*>()) {
        label->setFocusPolicy(Qt::NoFocus);
    }
    const QList<QWidget*> order = {Text1,    Command4, Command3, HScroll1, HScroll2, HScroll3,
                                   Combo1,   Combo2,   Command1, Command2, Command5, Text2,
                                   Command6, Check1,   Check2,   Check3,   Check4,   Command7};
    for (qsizetype i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
    Text1->setFocus();
}

int Form1::TopTwips() const {
    return PixelsToTwips(pos().y());
}
int Form1::LeftTwips() const {
    return PixelsToTwips(pos().x());
}
int Form1::WidthTwips() const {
    return PixelsToTwips(frameGeometry().width());
}
int Form1::HeightTwips() const {
    return PixelsToTwips(frameGeometry().height());
}

void Form1::MoveTwips(int top, int left) {
    move(TwipsToPixels(left), TwipsToPixels(top));
}

void Form1::RedrawNow() {
    repaint();
}

void Form1::closeEvent(QCloseEvent* event) {
    Form_QueryUnload();
    event->accept();
    // Closing the main window ends the program, whatever side window is still loaded.
    QCoreApplication::quit();
}

} // namespace quilvane
