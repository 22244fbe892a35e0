#include "ui/channel_labels.h"

#include <QColor>
#include <QLabel>
#include <QPalette>

namespace quilvane {

void SetChannelColour(QLabel& label, Channel channel) {
    static const QColor colours[] = {QColor(255, 0, 0), QColor(0, 192, 0), QColor(0, 0, 255)};
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, colours[static_cast<int>(channel)]);
    label.setPalette(palette);
}

int LabelNumber(const QLabel& label) {
    return label.text().toInt();
}

} // namespace quilvane
