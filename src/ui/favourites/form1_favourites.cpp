// The main window's "Fav&ourite" button.
#include "ui/favourites/form3.h"
#include "ui/main/form1.h"

namespace quilvane {

// The favourites window comes in front of a main window taken out of the always-on-top band;
// it gives the band back itself when it closes.
void Form1::Command1_Click() {
    Form3 favourites(*this);
    ShowSideWindow(favourites);
}

} // namespace quilvane
