#pragma once

#include <QString>

namespace quilvane {

// The settings version as the windows show it: the shortest decimal text, "2.8".
inline QString VersionText(float version) {
    return QString::number(static_cast<double>(version), 'g', 7);
}

} // namespace quilvane
