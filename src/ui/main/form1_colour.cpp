// The colour mixer: the three channel bars, their value labels, the colour code and the
// text preview, and what sets the bars: the fixed and random colours, a typed code and a colour
// picked from the screen.
#include "colour/random_channel.h"
#include "colour/rgb.h"
#include "platform/services.h"
#include "ui/channel_labels.h"
#include "ui/main/form1.h"
#include "ui/preview.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <optional>

namespace quilvane {

void Form1::ChannelChanged(QScrollBar* bar, QLabel* label) {
    label->setText(QString::number(bar->value()));
    ApplyColour();
}

void Form1::HScroll1_Change() {
    ChannelChanged(HScroll1, Label1);
}
void Form1::HScroll2_Change() {
    ChannelChanged(HScroll2, Label2);
}
void Form1::HScroll3_Change() {
    ChannelChanged(HScroll3, Label3);
}

void Form1::ApplyColour() {
    const Rgb fromBars{HScroll1->value(), HScroll2->value(), HScroll3->value()};
    Text2->setText(QString::fromStdString(ColourCode(fromBars, code->isChecked())));
    SetPreviewColour(*Text1, CurrentColour());
}

// Each bar whose value changes runs its change handling at once, red first; a bar already at
// its value runs nothing.
void Form1::SetColour(Rgb colour) {
    HScroll1->setValue(colour.red);
    HScroll2->setValue(colour.green);
    HScroll3->setValue(colour.blue);
}

Rgb Form1::CurrentColour() const {
    return {LabelNumber(*Label1), LabelNumber(*Label2), LabelNumber(*Label3)};
}

void Form1::ApplyTypedCode() {
    if (!Text2->isModified()) {
        return;
    }
    if (const std::optional<Rgb> typed = ParseColourCode(Text2->text().toStdString())) {
        SetColour(*typed);
    }
    // The code as the bars give it: the typed one in the program's form, or the one before.
    ApplyColour();
}

// The item stays usable until the answer comes; a pick without a way to pick changes nothing.
void Form1::Kotei_FirstOpen() {
    services_.picker.probe([this](bool available) { pick->setEnabled(available); });
}

// Nothing changes until the pick ends, apart from the preview of the colour under the pointer.
// The main window leaves the always-on-top band meanwhile, as for a side window, so that the
// desktop's picker can come in front of it.
void Form1::pick_Click() {
    pick->setEnabled(false); // one pick at a time
    services_.order.setTopmost(*this, false);
    services_.picker.pick(
        *this, [this](Rgb colour) { SetPreviewColour(*Text1, colour); },
        [this](std::optional<Rgb> colour) {
            if (colour) {
                SetColour(*colour);
                RedrawNow();
            }
            SetPreviewColour(*Text1, CurrentColour());
            ApplyFore();
            pick->setEnabled(true);
        });
}

void Form1::Command7_Click() {
    SetColour(RandomColour());
}

} // namespace quilvane
