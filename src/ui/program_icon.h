#pragma once

#include <QIcon>

namespace quilvane {

// The program's 32 x 32 icon, which every window carries.
QIcon ProgramIcon();

} // namespace quilvane
