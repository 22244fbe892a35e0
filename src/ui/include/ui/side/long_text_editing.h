#pragma once

#include <QObject>
#include <QPlainTextEdit>
#include <QString>
#include <QTextObjectInterface>

class QTextDocument;

namespace quilvane {

// The long text window edits the main window's one-line text over several lines. In the stored
// text only the pair carriage return + line feed is a line break, shown as a new line. The text
// box would also start a new line at a lone carriage return or line feed, at the line and
// paragraph separators (U+2028, U+2029) and at its own frame characters, so each of those stands
// in the box as a mark: an object drawn as a small labelled frame, which no typed character can
// be mistaken for, and which gives the character back unchanged.

// Draws the marks; registered on the box's document once.
class LineMarks : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)
public:
    using QObject::QObject;

    // Lets `document` draw marks; the document must outlive nothing of this object.
    void RegisterOn(QTextDocument& document);

    QSizeF intrinsicSize(QTextDocument* document, int positionInDocument,
                         const QTextFormat& format) override;
    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument* document,
                    int positionInDocument, const QTextFormat& format) override;
};

// The long text box. Copying puts the characters on the clipboard, each mark as the character
// it stands for (the object character behind a mark would be an invisible stray in a page).
class LongTextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    QMimeData* createMimeDataFromSelection() const override;
};

// Fills `document` with the main window's text: every line-break tag, in any letter case, a new
// line; the characters above marks.
void LoadLongText(QTextDocument& document, const QString& mainText);

// The document's text as the main window takes it back: every new line the tag "<br>" (small)
// or "<BR>", every mark its character again. A line separator the user made (Shift+Enter) is a
// new line like Enter's.
QString LongTextFromEditing(const QTextDocument& document, bool small);

} // namespace quilvane
