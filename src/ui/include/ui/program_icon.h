#pragma once

#include <QIcon>

namespace quilvane {

// The program's icon at 16, 24, 32, 48, 64, 128 and 256 pixels, which every window carries.
QIcon ProgramIcon();

} // namespace quilvane
