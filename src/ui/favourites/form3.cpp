#include "ui/favourites/form3.h"

#include "app/favourites.h"
#include "app/guarded_store.h"
#include "colour/rgb.h"
#include "platform/services.h"
#include "platform/twips.h"
#include "ui/channel_labels.h"
#include "ui/fonts.h"
#include "ui/frame_style.h"
#include "ui/main_window_link.h"
#include "ui/messages.h"
#include "ui/place_control.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace quilvane {

namespace {

constexpr int kClientWidth = 4410;
constexpr int kClientHeight = 4335;
constexpr double kTextPoints = 11.25;
constexpr double kButtonPoints = 9.75;

// Row n of the list (1..10) lies at this top; row 0 sits in the frame above.
int RowTop(int row) {
    return 360 + 360 * row;
}

QString MemberName(const char* family, int index) {
    return QStringLiteral("%1_%2").arg(QLatin1String(family)).arg(index);
}

// How a screen reader tells the rows apart: by number, row 0 being the current colour.
QString RowName(int index) {
    return index == 0 ? QStringLiteral("Now") : QString::number(index);
}

QLabel* ValueLabel(QWidget* parent, const char* family, int index, int left, int top,
                   Channel channel) {
    auto* label = PlaceControl(new QLabel(parent), MemberName(family, index), left, top, 435, 255);
    label->setFont(UiFont(Face::PGothic, kTextPoints));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    SetChannelColour(*label, channel);
    return label;
}

QLabel* Swatch(QWidget* parent, int index, int left, int top) {
    auto* swatch =
        PlaceControl(new QLabel(parent), MemberName("Color", index), left, top, 375, 255);
    swatch->setAutoFillBackground(true);
    swatch->setAccessibleName(QStringLiteral("Color ") + RowName(index));
    return swatch;
}

QPushButton* RowButton(QWidget* parent, const char* family, int index, const char* caption,
                       int left, int top) {
    auto* button = PlaceControl(new QPushButton(QLatin1String(caption), parent),
                                MemberName(family, index), left, top, 615, 240);
    button->setFont(UiFont(Face::PGothic, kButtonPoints));
    button->setAccessibleName(QString(caption).remove(QLatin1Char('&')) + QLatin1Char(' ') +
                              RowName(index));
    return button;
}

} // namespace

Form3::Form3(MainWindowLink& main) : SideWindow(main) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Form3"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(TwipsToPixels(kClientWidth), TwipsToPixels(kClientHeight));
    CreateControls();
    ConnectHandlers();
    SetTabOrder();
}

Form3::~Form3() = default;

void Form3::CreateControls() {
    Frame1 = PlaceControl(new QGroupBox(QStringLiteral("Now"), this), QStringLiteral("Frame1"), 40,
                          0, 4335, 600);
    Frame1->setFont(UiFont(Face::PGothic, kTextPoints, true));
    StyleFrames(*Frame1);
    R[0] = ValueLabel(Frame1, "R", 0, 675, 240, Channel::Red);
    G[0] = ValueLabel(Frame1, "G", 0, 1230, 240, Channel::Green);
    B[0] = ValueLabel(Frame1, "B", 0, 1755, 240, Channel::Blue);
    Color[0] = Swatch(Frame1, 0, 2360, 240);
    Command1 = PlaceControl(new QPushButton(QStringLiteral("&Back"), Frame1),
                            QStringLiteral("Command1"), 2840, 200, 1335, 340);
    Command1->setFont(UiFont(Face::PGothic, kTextPoints));
    Command2[0] = RowButton(Frame1, "Command2", 0, "&Call", 2880, 240);
    Command3[0] = RowButton(Frame1, "Command3", 0, "&Save", 3480, 240);

    for (int n = 1; n < kRowCount; ++n) {
        const int top = RowTop(n);
        auto* title = PlaceControl(new QLabel(QString::number(n), this), MemberName("Title", n - 1),
                                   240, top, 300, 255);
        title->setFont(UiFont(Face::PGothic, kTextPoints, true));
        title->setAlignment(Qt::AlignCenter);
        Title[n - 1] = title;
        R[n] = ValueLabel(this, "R", n, 675, top, Channel::Red);
        G[n] = ValueLabel(this, "G", n, 1260, top, Channel::Green);
        B[n] = ValueLabel(this, "B", n, 1800, top, Channel::Blue);
        Color[n] = Swatch(this, n, 2400, top);
        Command2[n] = RowButton(this, "Command2", n, "&Call", 2880, top);
        Command3[n] = RowButton(this, "Command3", n, "&Save", 3600, top);
    }
}

void Form3::ConnectHandlers() {
    connect(Command1, &QPushButton::clicked, this, &Form3::Command1_Click);
    for (short n = 0; n < kRowCount; ++n) {
        connect(Command2[n], &QPushButton::clicked, this, [this, n] { Command2_Click(n); });
        connect(Command3[n], &QPushButton::clicked, this, [this, n] { Command3_Click(n); });
    }
}

// Back first, then Call and Save of each row in turn, so Back has the focus on opening.
void Form3::SetTabOrder() {
    QWidget* previous = Command1;
    for (int n = 1; n < kRowCount; ++n) {
        setTabOrder(previous, Command2[n]);
        setTabOrder(Command2[n], Command3[n]);
        previous = Command3[n];
    }
    Command1->setFocus();
}

void Form3::Form_Load() {
    setWindowTitle(QStringLiteral("Favourite Data Call"));
    PlaceCentredBelowMain();
    Command2[0]->hide();
    Command3[0]->hide();
    FillRows();
}

// Row 0 shows the main window's colour; rows 1..10 the stored favourites, a faulty slot
// replaced by its own default (the others keep their colours) and reported once.
void Form3::FillRows() {
    ShowRow(0, main_.CurrentColour());
    const FavouriteSlots stored = LoadFavouriteSlots(main_.services().store);
    for (int n = 1; n < kRowCount; ++n) {
        ShowRow(n, stored.colours[static_cast<std::size_t>(n - 1)]);
    }
    if (stored.repaired) {
        // When the defaults could not be written, saying they were restored would be untrue:
        // the window still shows them, and the message says the store was not written.
        ShowMessage(main_.services().messages, this,
                    stored.rewritesSucceeded ? kFavouritesResetMessage : kStoreUnwritableMessage);
    }
}

void Form3::ShowRow(int row, Rgb colour) {
    R[row]->setText(QString::number(colour.red));
    G[row]->setText(QString::number(colour.green));
    B[row]->setText(QString::number(colour.blue));
    // The values sit in labels that take no focus: moving with Tab, a screen reader user learns
    // what a row holds from the description of its buttons (the "Now" row from its frame).
    const QString described = QStringLiteral("Red %1, Green %2, Blue %3")
                                  .arg(colour.red)
                                  .arg(colour.green)
                                  .arg(colour.blue);
    Command2[row]->setAccessibleDescription(described);
    Command3[row]->setAccessibleDescription(described);
    Color[row]->setAccessibleDescription(described);
    if (row == 0) {
        Frame1->setAccessibleDescription(described);
    }
    QPalette palette = Color[row]->palette();
    palette.setColor(QPalette::Window, QColor(colour.red, colour.green, colour.blue));
    Color[row]->setPalette(palette);
}

Rgb Form3::RowColour(int row) const {
    return {LabelNumber(*R[row]), LabelNumber(*G[row]), LabelNumber(*B[row])};
}

void Form3::Command1_Click() {
    done(QDialog::Rejected);
}

// Red, then green, then blue: each bar whose value changes runs the main window's colour
// handling before the next is set.
void Form3::Command2_Click(short index) {
    main_.SetColour(RowColour(index));
    done(QDialog::Accepted);
}

void Form3::Command3_Click(short index) {
    // Row 0 shows the main window's colour: it has no slot to store.
    if (index < 1 || index > kFavouriteCount) {
        return;
    }
    Services& services = main_.services();
    if (main_.ConfirmationsOn()) {
        const std::string question = OverwriteQuestionText(index);
        if (ShowMessage(services.messages, this,
                        {question, kOverwriteQuestion.title, kOverwriteQuestion.style}) ==
            MessageBox::kNo) {
            return;
        }
    }
    // The row changes only once the slot is stored, so it never shows a colour the store lacks.
    const Rgb current = RowColour(0);
    if (!GuardedWrite(services.store, kFavouriteKeys[static_cast<std::size_t>(index - 1)].name,
                      RgbString(current))) {
        ShowMessage(services.messages, this, kFavouriteNotSavedMessage);
        return;
    }
    ShowRow(index, current);
}

} // namespace quilvane
