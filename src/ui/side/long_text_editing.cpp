#include "ui/side/long_text_editing.h"

#include "colour/line_breaks.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QMimeData>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <array>

namespace quilvane {

namespace {

constexpr int kMarkObject = QTextFormat::UserObject + 1;
constexpr int kMarkedCharacter = QTextFormat::UserProperty + 1;
const QString kLineBreak = QStringLiteral("\r\n");

struct Mark {
    char16_t character;
    const char* label;
};

// Every character the text box would turn into a new line of its own.
constexpr std::array<Mark, 6> kMarks = {{{u'\r', "CR"},
                                         {u'\n', "LF"},
                                         {u'\u2028', "LS"},
                                         {u'\u2029', "PS"},
                                         {u'\uFDD0', "FDD0"},
                                         {u'\uFDD1', "FDD1"}}};

const Mark* MarkFor(QChar c) {
    for (const Mark& mark : kMarks) {
        if (c == mark.character) {
            return &mark;
        }
    }
    return nullptr;
}

QString LabelOf(const QTextFormat& format) {
    const QChar marked(static_cast<char16_t>(format.intProperty(kMarkedCharacter)));
    const Mark* mark = MarkFor(marked);
    return mark != nullptr ? QLatin1String(mark->label) : QString();
}

// Labels in a smaller font than the text, so a mark reads as a sign rather than as letters.
QFont LabelFont(const QTextDocument& document) {
    QFont font = document.defaultFont();
    font.setPointSizeF(font.pointSizeF() * 0.6);
    return font;
}

constexpr qreal kPadding = 2;

} // namespace

void LineMarks::RegisterOn(QTextDocument& document) {
    document.documentLayout()->registerHandler(kMarkObject, this);
}

QSizeF LineMarks::intrinsicSize(QTextDocument* document, int, const QTextFormat& format) {
    const QFontMetricsF label(LabelFont(*document));
    const QFontMetricsF text(document->defaultFont());
    return {label.horizontalAdvance(LabelOf(format)) + 2 * kPadding, text.ascent()};
}

void LineMarks::drawObject(QPainter* painter, const QRectF& rect, QTextDocument* document, int,
                           const QTextFormat& format) {
    painter->save();
    painter->setFont(LabelFont(*document));
    painter->drawRect(rect.adjusted(0.5, 0.5, -0.5, -0.5));
    painter->drawText(rect, Qt::AlignCenter, LabelOf(format));
    painter->restore();
}

void LoadLongText(QTextDocument& document, const QString& mainText) {
    const QString text = QString::fromStdString(TagsToLineBreaks(mainText.toStdString()));
    document.clear();
    QTextCursor cursor(&document);
    QTextCharFormat markFormat;
    markFormat.setObjectType(kMarkObject);
    qsizetype copied = 0; // everything before this position is in the document
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool lineBreak = text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n';
        const Mark* mark = lineBreak ? nullptr : MarkFor(text[i]);
        if (!lineBreak && mark == nullptr) {
            continue;
        }
        cursor.insertText(text.sliced(copied, i - copied));
        if (lineBreak) {
            cursor.insertBlock();
            ++i;
        } else {
            markFormat.setProperty(kMarkedCharacter, static_cast<int>(mark->character));
            cursor.insertText(QString(QChar::ObjectReplacementCharacter), markFormat);
        }
        copied = i + 1;
    }
    cursor.insertText(text.sliced(copied));
}

namespace {

// The document's characters: every new line `newLine`, every mark its character again. A line
// separator the user made (Shift+Enter) is a new line like Enter's.
QString Characters(const QTextDocument& document, const QString& newLine) {
    QString text;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block != document.begin()) {
            text += newLine;
        }
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextCharFormat format = fragment.fragment().charFormat();
            const QString part = fragment.fragment().text();
            if (format.objectType() == kMarkObject) {
                // Marks with the same character may share one fragment.
                text += QString(part.size(),
                                QChar(static_cast<char16_t>(format.intProperty(kMarkedCharacter))));
            } else {
                text += QString(part).replace(QChar::LineSeparator, newLine);
            }
        }
    }
    return text;
}

} // namespace

QString LongTextFromEditing(const QTextDocument& document, bool small) {
    return QString::fromStdString(
        LineBreaksToTags(Characters(document, kLineBreak).toStdString(), small));
}

QMimeData* LongTextBox::createMimeDataFromSelection() const {
    QTextDocument selection;
    QTextCursor(&selection).insertFragment(textCursor().selection());
    auto* data = new QMimeData;
    data->setText(Characters(selection, QStringLiteral("\n")));
    return data;
}

} // namespace quilvane
