#pragma once
// Definitions held as rich text (RTF) are shown formatted; any other text is shown plain. The
// reader understands the part of RTF that word processors write for formatted text: groups,
// paragraphs, line breaks and tabs, page and section breaks, bold, italic, underline, superscript
// and subscript, colours from the colour table, font sizes, characters of the document's code page,
// of the Symbol face and Unicode characters, typographic quotes, dashes and bullets, field results
// (a hyperlink's text) and table cells. It skips hidden text, binary data, style sheets, pictures,
// field instructions and other destinations, and anything after the document's last brace.

#include "platform/ui/controls.h"

#include <QColor>
#include <QString>
#include <vector>

namespace varnel {

struct RichTextRun {
    enum class Vertical { Normal, Super, Sub };

    QString text;  // paragraph breaks and table rows as '\n', table cells apart by '\t'
    bool bold = false;
    bool italic = false;
    bool underline = false;
    QColor colour;      // invalid: the box's own text colour
    double points = 0;  // 0: the box's own size
    Vertical vertical = Vertical::Normal;
};

// Whether the text is RTF (it begins with "{\rtf", after any blanks and line breaks).
bool isRtf(const QString& text);
// The runs of like-formatted text of an RTF document.
std::vector<RichTextRun> readRtf(const QString& rtf);
// Puts the text into the box: RTF formatted, other text plain.
void showRichText(platform::ui::RichTextBox& box, const QString& text);

}  // namespace varnel
