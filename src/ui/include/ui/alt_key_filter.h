#pragma once

#include <QObject>

namespace quilvane {

// Keeps Alt+letter from typing into a text box, in every window of the program. On the platform
// the windows were designed for, Alt+letter is an access key and never text; Qt on Linux types
// the letter when no enabled button or menu takes the access key (a disabled "&AddSave", a
// letter no caption carries). Installed on the application, ahead of the focused control.
class AltKeyFilter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace quilvane
