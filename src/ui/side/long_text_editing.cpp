#include "ui/side/long_text_editing.h"

#include "colour/line_breaks.h"

namespace quilvane {

namespace {

constexpr QChar kCarriageReturn = u'\r';
constexpr QChar kLineFeed = u'\n';
constexpr QChar kCarriageReturnPicture = u'\u240D';
constexpr QChar kLineFeedPicture = u'\u240A';
const QString kLineBreak = QStringLiteral("\r\n");

} // namespace

QString LongTextForEditing(const QString& mainText) {
    const std::string broken = TagsToLineBreaks(mainText.toStdString());
    const QString text = QString::fromStdString(broken);
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == kCarriageReturn && i + 1 < text.size() && text[i + 1] == kLineFeed) {
            shown += kLineFeed; // the text box makes a new line of it
            ++i;
        } else if (c == kCarriageReturn) {
            shown += kCarriageReturnPicture;
        } else if (c == kLineFeed) {
            shown += kLineFeedPicture;
        } else {
            shown += c;
        }
    }
    return shown;
}

QString LongTextFromEditing(const QString& editorText, bool small) {
    QString text;
    text.reserve(editorText.size());
    for (const QChar c : editorText) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator) {
            text += kLineBreak;
        } else if (c == kCarriageReturnPicture) {
            text += kCarriageReturn;
        } else if (c == kLineFeedPicture) {
            text += kLineFeed;
        } else {
            text += c;
        }
    }
    return QString::fromStdString(LineBreaksToTags(text.toStdString(), small));
}

} // namespace quilvane
