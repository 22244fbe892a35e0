#include "ui/fonts.h"

#include <QStringList>

namespace quilvane {

QFont UiFont(Face face, double points, bool bold) {
    QFont font;
    if (face == Face::PGothic) {
        font.setFamilies({QString::fromUtf8(kPGothicName), QStringLiteral("MS PGothic"),
                          QStringLiteral("Noto Sans CJK JP"), QStringLiteral("IPAPGothic"),
                          QStringLiteral("sans-serif")});
        font.setStyleHint(QFont::SansSerif);
    } else {
        font.setFamilies({QString::fromUtf8("ＭＳ ゴシック"), QStringLiteral("MS Gothic"),
                          QStringLiteral("Noto Sans Mono CJK JP"), QStringLiteral("IPAGothic"),
                          QStringLiteral("monospace")});
        font.setStyleHint(QFont::Monospace);
    }
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

} // namespace quilvane
