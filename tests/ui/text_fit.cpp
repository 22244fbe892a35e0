#include "ui/text_fit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <algorithm>
#include <optional>

namespace quilvane {

namespace {

// QLineEdit keeps this much room around its text inside the style's contents rectangle.
constexpr int kLineEditHorizontalMargin = 2;
constexpr int kLineEditVerticalMargin = 1;

QString NameOf(const QWidget& control) {
    if (!control.objectName().isEmpty()) {
        return control.objectName();
    }
    // A combo box's edit field has no name of its own.
    return control.parentWidget()->objectName() + QStringLiteral(" edit field");
}

// The room the control has on screen, in its own coordinates: later siblings cover a part of it
// (or all of it, which yields an empty rectangle).
QRect UncoveredRect(const QWidget& control) {
    QRect room = control.rect();
    const QWidget* parent = control.parentWidget();
    if (parent == nullptr) {
        return room;
    }
    const QObjectList& siblings = parent->children();
    for (qsizetype i = siblings.indexOf(&control) + 1; i < siblings.size(); ++i) {
        const auto* sibling = qobject_cast<const QWidget*>(siblings[i]);
        if (sibling == nullptr || sibling->isHidden() || sibling->isWindow()) {
            continue;
        }
        const QRect over = sibling->geometry().translated(-control.pos());
        if (!over.intersects(room)) {
            continue;
        }
        if (over.contains(room)) {
            return {};
        }
        if (over.left() > room.left()) {
            room.setRight(over.left() - 1);
        } else if (over.right() < room.right()) {
            room.setLeft(over.right() + 1);
        } else if (over.top() > room.top()) {
            room.setBottom(over.top() - 1);
        } else {
            room.setTop(over.bottom() + 1);
        }
    }
    return room;
}

// A caption as the style lays it out: each line placed by the alignment inside the room. The
// result is where ink lands: the glyphs, and the access-key underline below its letter.
QRect InkOf(const QFontMetrics& metrics, const QString& caption, Qt::Alignment alignment,
            const QRect& room) {
    const QStringList lines = caption.split(QLatin1Char('\n'));
    const int blockHeight = static_cast<int>(lines.size()) * metrics.lineSpacing();
    int top = room.top();
    if (alignment & Qt::AlignVCenter) {
        top += (room.height() - blockHeight) / 2;
    } else if (alignment & Qt::AlignBottom) {
        top = room.bottom() + 1 - blockHeight;
    }
    QRect ink;
    for (const QString& line : lines) {
        const qsizetype accessKey = line.indexOf(QLatin1Char('&'));
        QString shown = line;
        shown.remove(QLatin1Char('&'));
        int left = room.left();
        const int advance = metrics.horizontalAdvance(shown);
        if (alignment & Qt::AlignHCenter) {
            left += (room.width() - advance) / 2;
        } else if (alignment & Qt::AlignRight) {
            left = room.right() + 1 - advance;
        }
        const int baseline = top + metrics.ascent();
        ink |= metrics.tightBoundingRect(shown).translated(left, baseline);
        if (accessKey >= 0 && accessKey < shown.size()) {
            const int keyLeft = left + metrics.horizontalAdvance(shown.left(accessKey));
            ink |= QRect(keyLeft, baseline + metrics.underlinePos(),
                         metrics.horizontalAdvance(shown.at(accessKey)), metrics.lineWidth());
        }
        top += metrics.lineSpacing();
    }
    return ink;
}

QRect ButtonTextRect(const QAbstractButton& button) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    option.iconSize = button.iconSize();
    QStyle::SubElement element = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QCheckBox*>(&button) != nullptr) {
        element = QStyle::SE_CheckBoxContents;
    } else if (qobject_cast<const QRadioButton*>(&button) != nullptr) {
        element = QStyle::SE_RadioButtonContents;
    }
    return button.style()->subElementRect(element, &option, &button);
}

QRect GroupBoxTitleRect(const QGroupBox& box) {
    QStyleOptionGroupBox option;
    option.initFrom(&box);
    option.text = box.title();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    option.lineWidth = 1;
    option.textAlignment = box.alignment();
    return box.style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel,
                                       &box);
}

QRect LineEditTextRect(const QLineEdit& edit) {
    QStyleOptionFrame option;
    option.initFrom(&edit);
    option.lineWidth = edit.hasFrame()
                           ? edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &edit)
                           : 0;
    const QRect contents =
        edit.style()->subElementRect(QStyle::SE_LineEditContents, &option, &edit);
    return contents.marginsRemoved(edit.textMargins())
        .adjusted(kLineEditHorizontalMargin, kLineEditVerticalMargin, -kLineEditHorizontalMargin,
                  -kLineEditVerticalMargin);
}

// A control's caption, how it is aligned, the rectangle it is laid out in and the room it is
// drawn in (outside which it is clipped or runs over the control's frame).
struct Caption {
    QString text;
    Qt::Alignment alignment;
    QRect layout;
    QRect room;
};

std::optional<Caption> CaptionOf(const QWidget& control) {
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        return Caption{label->text(), label->alignment(), label->contentsRect(),
                       label->contentsRect()};
    }
    if (const auto* check = qobject_cast<const QCheckBox*>(&control)) {
        const QRect contents = ButtonTextRect(*check);
        return Caption{check->text(), Qt::AlignLeft | Qt::AlignVCenter, contents, contents};
    }
    if (const auto* option = qobject_cast<const QRadioButton*>(&control)) {
        const QRect contents = ButtonTextRect(*option);
        return Caption{option->text(), Qt::AlignLeft | Qt::AlignVCenter, contents, contents};
    }
    if (const auto* button = qobject_cast<const QPushButton*>(&control)) {
        const QRect contents = ButtonTextRect(*button);
        return Caption{button->text(), Qt::AlignCenter, contents, contents};
    }
    if (const auto* box = qobject_cast<const QGroupBox*>(&control)) {
        // The style sizes the title to its text; it must lie inside the frame.
        return Caption{box->title(), Qt::AlignLeft | Qt::AlignVCenter, GroupBoxTitleRect(*box),
                       box->rect()};
    }
    if (const auto* edit = qobject_cast<const QLineEdit*>(&control)) {
        // The box clips its text to this rectangle.
        const QRect text = LineEditTextRect(*edit);
        return Caption{edit->text(), Qt::AlignLeft | Qt::AlignVCenter, text, text};
    }
    return std::nullopt;
}

QString Span(const QRect& rect) {
    return QStringLiteral("x %1..%2, y %3..%4")
        .arg(rect.left())
        .arg(rect.right())
        .arg(rect.top())
        .arg(rect.bottom());
}

} // namespace

QStringList ControlsWhoseTextDoesNotFit(const QWidget& window) {
    QStringList misfits;
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        const std::optional<Caption> caption = CaptionOf(*control);
        if (!caption || control->window() != &window || !control->isVisibleTo(&window)) {
            continue;
        }
        const QRect uncovered = UncoveredRect(*control);
        if (uncovered.isEmpty()) {
            continue;
        }
        const QFontMetrics metrics(control->font());
        QRect ink = InkOf(metrics, caption->text, caption->alignment, caption->layout);
        if (qobject_cast<const QLineEdit*>(control) != nullptr) {
            // Whatever is typed, the box must hold capitals and descenders.
            const QRect sample =
                InkOf(metrics, QStringLiteral("Hgjpqy"), caption->alignment, caption->layout);
            const QRect across = ink.isEmpty() ? sample : ink;
            ink = QRect(QPoint(across.left(), std::min(across.top(), sample.top())),
                        QPoint(across.right(), std::max(across.bottom(), sample.bottom())));
        }
        const QRect room = caption->room.intersected(uncovered);
        if (!ink.isEmpty() && !room.contains(ink)) {
            misfits.append(NameOf(*control) + QStringLiteral(": text at ") + Span(ink) +
                           QStringLiteral(", room ") + Span(room));
        }
    }
    return misfits;
}

} // namespace quilvane
