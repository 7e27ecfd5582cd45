#pragma once
// Definitions held as rich text (RTF) are shown formatted; any other text is shown plain. The
// reader understands the part of RTF that formatted definitions use: groups, paragraphs, line
// breaks and tabs, bold, italic, underline, colours from the colour table, font sizes, escaped
// and Unicode characters; it skips font tables, style sheets, pictures and other destinations.

#include "platform/ui/controls.h"

#include <QColor>
#include <QString>
#include <vector>

namespace varnel {

struct RichTextRun {
    QString text;  // paragraph breaks as '\n'
    bool bold = false;
    bool italic = false;
    bool underline = false;
    QColor colour;      // invalid: the box's own text colour
    double points = 0;  // 0: the box's own size
};

// Whether the text is RTF (it begins with "{\rtf").
bool isRtf(const QString& text);
// The runs of like-formatted text of an RTF document.
std::vector<RichTextRun> readRtf(const QString& rtf);
// Puts the text into the box: RTF formatted, other text plain.
void showRichText(platform::ui::RichTextBox& box, const QString& text);

}  // namespace varnel
