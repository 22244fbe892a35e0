// The Config menu: the five option switches, the always-on-top rule and the three placement
// commands.
#include "app/module1.h"
#include "platform/services.h"
#include "platform/twips.h"
#include "ui/main/form1.h"

#include <QAction>
#include <QLineEdit>

namespace quilvane {

// The option items are checkable menu actions: the menu flips the check mark before their click
// handlers run, so the handlers act on the new state. komoji, dialog and ime need no handler at
// all; their check mark is read where it matters.
void Form1::code_Click() {
    if (!code->isChecked()) {
        Text2->resize(TwipsToPixels(855), Text2->height());
        Text2->setText(Text2->text().mid(1));
    } else {
        Text2->resize(TwipsToPixels(975), Text2->height());
        Text2->setText(QStringLiteral("#") + Text2->text());
    }
}

void Form1::fore_Click() {
    ApplyFore();
}

void Form1::ApplyFore() {
    services_.order.setTopmost(*this, fore->isChecked());
}

void Form1::right_l_Click() {
    MoveTwips(0, services_.screen.widthTwips() - WidthTwips());
    RedrawNow();
}

void Form1::left_l_Click() {
    MoveTwips(0, 0);
    RedrawNow();
}

void Form1::first_Click() {
    MoveTwips(module_.reg_top, module_.reg_left);
    RedrawNow();
}

} // namespace quilvane
