// The main window's start-up state: caption, colour, face, position, options and z-order from
// the settings read at start.
#include "app/module1.h"
#include "colour/rgb.h"
#include "platform/services.h"
#include "platform/twips.h"
#include "ui/main/form1.h"
#include "ui/main/list_combo_box.h"
#include "ui/main/on_screen.h"
#include "ui/preview.h"
#include "ui/version_text.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

namespace quilvane {

namespace {

constexpr Rgb kFallbackColour{128, 128, 128};

} // namespace

void Form1::Form_Load() {
    module_.MarqueeWidth.clear();
    const QString caption = QStringLiteral("Quilvane Ver") + VersionText(module_.reg_ver);
    setWindowTitle(caption);
    Command2->setText(QStringLiteral("&Add\nSave"));
    Command2->setEnabled(false);
    Text1->setVisible(true);
    Combo1->setVisible(true);
    Combo1->setListIndex(0);

    // The start-up check has already replaced an unusable stored colour; the fallback only
    // guards a store that could not be written.
    const Rgb colour = ParseRgbString(module_.reg_Last_Color).value_or(kFallbackColour);
    SetColour(colour);
    Label1->setText(QString::number(colour.red));
    Label2->setText(QString::number(colour.green));
    Label3->setText(QString::number(colour.blue));
    Text2->setText(QString::fromStdString(ColourCode(colour, false)));
    SetPreviewColour(*Text1, colour);
    Text1->setText(caption);

    FillFaceList();
    Combo2->setListIndex(0);
    Combo2_Click();
    Combo2->setTextAsProgram(QString::fromStdString(module_.reg_font));
    Combo2_Change();
    SetPreviewFace(*Text1, QString::fromStdString(module_.reg_font));

    // A position wholly off every screen would leave the window unreachable: open it at 0, 0,
    // and let "first" return there too.
    if (!IntersectsAnyScreen(module_.reg_left, module_.reg_top, WidthTwips(), HeightTwips(),
                             services_.screen.geometries())) {
        module_.reg_top = 0;
        module_.reg_left = 0;
    }
    MoveTwips(module_.reg_top, module_.reg_left);

    komoji->setChecked(module_.reg_Check1);
    ime->setChecked(module_.reg_Check2);
    dialog->setChecked(module_.reg_Check3);
    fore->setChecked(module_.reg_Check4);
    code->setChecked(module_.reg_Check5);
    if (code->isChecked()) {
        Text2->resize(TwipsToPixels(975), Text2->height());
        Text2->setText(QStringLiteral("#") + Text2->text());
    } else {
        Text2->resize(TwipsToPixels(855), Text2->height());
    }
    services_.order.setTopmost(*this, module_.reg_Check4);
    Command6->setEnabled(false);
    services_.inputMethod.setMode(*Text1, TextInputMethod());
}

void Form1::FillFaceList() {
    Combo2->clear();
    Combo2->addItem(QString::fromUtf8("なし"));
    // Every installed face is offered after "なし", in the platform's order.
    Combo2->addItems(services_.screen.fontFaces());
    Combo2->WidenListToItems();
}

} // namespace quilvane
