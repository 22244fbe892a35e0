#pragma once

#include "colour/rgb.h"

#include <QColor>
#include <QString>

class QWidget;

namespace quilvane {

// The text preview: a text box shown in the colour, face, weight and slant the markup carries.
void SetPreviewColour(QWidget& textBox, Rgb colour);
QColor PreviewColour(const QWidget& textBox);
// "なし" and the empty name show the design face; any other name is asked for as it stands.
void SetPreviewFace(QWidget& textBox, const QString& face);
void SetPreviewBold(QWidget& textBox, bool bold);
void SetPreviewItalic(QWidget& textBox, bool italic);

} // namespace quilvane
