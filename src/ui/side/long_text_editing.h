#pragma once

#include <QString>

namespace quilvane {

// The long text window edits the main window's one-line text over several lines. Its text box
// keeps a line break as a paragraph separator (Enter) or a line separator (Shift+Enter), and
// would start a new line at every lone carriage return or line feed as well. In the stored text
// only the pair carriage return + line feed is a line break; a lone one is kept, so the window
// shows it as its control picture (U+240D, U+240A) instead and gives it back unchanged.

// The main window's text as the text box shows it: every line-break tag, in any letter case, a
// new line.
QString LongTextForEditing(const QString& mainText);

// The text box's raw text as the main window takes it back: every new line the tag "<br>"
// (small) or "<BR>", the control pictures the lone characters again.
QString LongTextFromEditing(const QString& editorText, bool small);

} // namespace quilvane
