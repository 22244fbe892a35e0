#pragma once

#include <QFont>

namespace quilvane {

// The two Japanese faces the windows are designed in, requested with fallbacks (their Latin
// names, then installed Japanese faces, then the default) so they look right where missing.
enum class Face { PGothic, Gothic };

QFont UiFont(Face face, double points, bool bold = false);

// The proportional design face's name, as the preview uses it for "no face".
inline constexpr auto kPGothicName = "ＭＳ Ｐゴシック";

} // namespace quilvane
