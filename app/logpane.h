#pragma once

class QString;
class QTextEdit;

namespace LogPane {

// Appends text as a new paragraph at the end of the log pane, as
// QTextEdit::append does, and shows the pane's newest line: a status line
// after a long dump is never left hidden below it. While the layout goes on
// growing the pane, the view follows the end until the reader scrolls away.
//
// A large plain text (a hex dump of up to 1 MiB is 5 million characters in
// 65537 lines) is not appended in place: QTextEdit lays out an appended range
// at once, which froze the window for seconds. It replaces the pane's whole
// document in one edit instead; a whole new document is laid out in steps
// between events, so the text is there at once and the window stays
// responsive. The log holds plain text only, so nothing is lost by that.
void append(QTextEdit &pane, const QString &text);

} // namespace LogPane
