#pragma once

#include <QFont>

namespace quilvane {

// The two Japanese faces the windows are designed in. Each stands for the first installed face
// of a list that starts with a metric-compatible stand-in, so captions keep the designed fit.
enum class Face { PGothic, Gothic };

// The installed face that stands for the design face, looked up once per run.
QString InstalledFace(Face face);

QFont UiFont(Face face, double points, bool bold = false);

} // namespace quilvane
