#include "ui/fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace quilvane {

namespace {

// The first of the faces that is installed; the generic name at the end is always taken, since
// fontconfig maps it to some installed face.
QString FirstInstalled(const QStringList& installed, const QStringList& faces) {
    for (const QString& face : faces) {
        if (installed.contains(face, Qt::CaseInsensitive)) {
            return face;
        }
    }
    return faces.back();
}

} // namespace

// Qt gets one resolved name rather than a list: every listed name that is not installed would
// cost a fallback search of its own, and a style hint would give inheriting widgets (the menu
// bar) a font that misses the font cache.
QString InstalledFace(Face face) {
    static const QStringList installed = QFontDatabase::families();
    static const QString pGothic =
        FirstInstalled(installed, {QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP"),
                                   QStringLiteral("sans-serif")});
    static const QString gothic = FirstInstalled(
        installed, {QStringLiteral("IPAGothic"), QStringLiteral("Noto Sans Mono CJK JP"),
                    QStringLiteral("monospace")});
    return face == Face::PGothic ? pGothic : gothic;
}

QFont UiFont(Face face, double points, bool bold) {
    QFont font(InstalledFace(face));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

} // namespace quilvane
