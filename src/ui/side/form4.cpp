#include "ui/side/form4.h"

#include "platform/services.h"
#include "ui/fonts.h"
#include "ui/main_window_link.h"
#include "ui/place_control.h"
#include "ui/preview.h"
#include "ui/side/long_text_editing.h"
#include "ui/side_window_placement.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace quilvane {

namespace {

constexpr int kClientHeight = 2100;

QPushButton* Button(QWidget* parent, const char* name, const char* caption, int left) {
    auto* button =
        PlaceControl(new QPushButton(QLatin1String(caption), parent), name, left, 1560, 855, 495);
    button->setFont(UiFont(Face::PGothic, 12));
    button->setAutoDefault(false); // no default button: Enter in the text box starts a new line
    return button;
}

} // namespace

Form4::Form4(MainWindowLink& main) : SideWindow(main) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Long Sentence Mode"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    CreateControls();
}

void Form4::CreateControls() {
    Text1 = PlaceControl(new LongTextBox(this), "Text1", 120, 120, 4455, 1305);
    Text1->setFont(UiFont(Face::PGothic, 11.25));
    Text1->setAccessibleName(QStringLiteral("STRING")); // the main window's text, on several lines
    Text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text1->setTabChangesFocus(true);
    (new LineMarks(Text1))->RegisterOn(*Text1->document());
    Command1 = Button(this, "Command1", "&Ok", 2640);
    Command2 = Button(this, "Command2", "&Cancel", 3600);
    SetCancelButton(Command2);
    setTabOrder(Text1, Command1);
    setTabOrder(Command1, Command2);
    Text1->setFocus();

    connect(Command1, &QPushButton::clicked, this, &Form4::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form4::Command2_Click);
}

void Form4::Form_Load() {
    // The client area is as wide as the main window's; the frames are alike.
    setFixedSize(main_.Window().width(), TwipsToPixels(kClientHeight));

    // The preview takes only the face from the main window; the size stays this window's own.
    const MainWindowLink::PreviewLook look = main_.Preview();
    QFont font = Text1->font();
    font.setFamilies(look.families);
    Text1->setFont(font);
    SetPreviewColour(*Text1, Rgb{look.colour.red(), look.colour.green(), look.colour.blue()});
    if (look.bold) {
        SetPreviewBold(*Text1, true);
    }
    if (look.italic) {
        SetPreviewItalic(*Text1, true);
    }

    LoadLongText(*Text1->document(), main_.PreviewText());

    Services& services = main_.services();
    const QPoint placed = LongTextPlacement(main_.TopTwips(), main_.LeftTwips(), OuterWidthTwips(),
                                            OuterHeightTwips(), services.screen.widthTwips(),
                                            services.screen.heightTwips());
    MoveTwips(placed.y(), placed.x());
    services.inputMethod.setMode(*Text1, main_.TextInputMethod());
}

void Form4::Command1_Click() {
    main_.SetPreviewText(LongTextFromEditing(*Text1->document(), main_.LowerCaseMarkup()));
    accept();
}

void Form4::Command2_Click() {
    reject();
}

} // namespace quilvane
