// The markup commands Save and AddSave, and the inputs they take from the window: the check
// boxes, the size box and the face box, with their previews.
#include "app/module1.h"
#include "colour/markup.h"
#include "platform/letter_case.h"
#include "platform/services.h"
#include "ui/main/form1.h"
#include "ui/main/list_combo_box.h"
#include "ui/messages.h"
#include "ui/preview.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

namespace quilvane {

MarkupInputs Form1::MarkupInputsFor(const QString& text) const {
    MarkupInputs inputs;
    inputs.text = text.toStdString();
    inputs.colourCode = Text2->text().toStdString();
    inputs.sizeText = Combo1->currentText().toStdString();
    inputs.sizePosition = Combo1->ListIndex();
    inputs.faceText = Combo2->currentText().toStdString();
    inputs.facePosition = Combo2->ListIndex();
    inputs.marquee = Check1->isChecked();
    inputs.bold = Check2->isChecked();
    inputs.italic = Check3->isChecked();
    inputs.center = Check4->isChecked();
    inputs.marqueeAttributes = {module_.MarqueeDirection, module_.MarqueeScrollAmount,
                                module_.MarqueeScrollDelay, module_.MarqueeBehavior,
                                module_.MarqueeWidth};
    inputs.small = komoji->isChecked();
    return inputs;
}

bool Form1::ComposeMarkup(const QString& text, const std::string& before) {
    if (text.isEmpty() && dialog->isChecked() &&
        ShowMessage(services_.messages, this, kEmptyTextQuestion) == MessageBox::kNo) {
        return false;
    }
    module_.MarkupText = before + ComposeMarkupText(MarkupInputsFor(text), UnicodeLetterCase);
    services_.clipboard.setText(QString::fromStdString(module_.MarkupText));
    Command2->setEnabled(!Check1->isChecked());
    return true;
}

// Setting the clipboard's text replaces everything it held, so no separate clearing is needed;
// and a Save the user declines leaves the clipboard as it was instead of emptying it.
void Form1::Command4_Click() {
    ApplyTypedCode(); // the markup never carries a text that is no code
    ComposeMarkup(Text1->text());
}

// The clipboard is set once, with the old text and the new markup together: setting it twice
// in a row races with clipboard managers and Wayland's clipboard bridge to X11, which then
// lose the text.
void Form1::Command2_Click() {
    ApplyTypedCode();
    module_.PriorClipboard = services_.clipboard.text().toStdString();
    ComposeMarkup(Text1->text(), module_.PriorClipboard);
}

void Form1::Check1_Click() {
    Command6->setEnabled(Check1->isChecked());
}

void Form1::Check2_Click() {
    SetPreviewBold(*Text1, Check2->isChecked());
}

void Form1::Check3_Click() {
    SetPreviewItalic(*Text1, Check3->isChecked());
}

void Form1::Combo1_LostFocus() {
    if (Combo1->currentText().isEmpty()) {
        Combo1->setListIndex(0);
    }
    RedrawNow();
}

void Form1::Combo2_Click() {
    const QString face = Combo2->currentText();
    if (!face.isEmpty()) {
        SetPreviewFace(*Text1, face);
    }
    RedrawNow();
}

void Form1::Combo2_Change() {
    if (Combo2->currentText().isEmpty()) {
        SetPreviewFace(*Text1, QString());
    }
    RedrawNow();
}

void Form1::Combo2_LostFocus() {
    if (Combo2->currentText().isEmpty()) {
        Combo2->setListIndex(0);
        Combo2_Click();
    }
    RedrawNow();
}

} // namespace quilvane
