#include "ui/preview.h"

#include "ui/fonts.h"

#include <QWidget>

namespace quilvane {

void SetPreviewColour(QWidget& textBox, Rgb colour) {
    QPalette palette = textBox.palette();
    palette.setColor(QPalette::Text, QColor(colour.red, colour.green, colour.blue));
    textBox.setPalette(palette);
}

QColor PreviewColour(const QWidget& textBox) {
    return textBox.palette().color(QPalette::Text);
}

void SetPreviewFace(QWidget& textBox, const QString& face) {
    QFont font = textBox.font();
    const QFont design = UiFont(Face::PGothic, font.pointSizeF());
    if (face.isEmpty() || face == QString::fromUtf8("なし")) {
        font.setFamilies(design.families());
    } else {
        font.setFamilies(QStringList{face} + design.families());
    }
    textBox.setFont(font);
}

void SetPreviewBold(QWidget& textBox, bool bold) {
    QFont font = textBox.font();
    font.setBold(bold);
    textBox.setFont(font);
}

void SetPreviewItalic(QWidget& textBox, bool italic) {
    QFont font = textBox.font();
    font.setItalic(italic);
    textBox.setFont(font);
}

} // namespace quilvane
