#include "lookups/rich_text.h"

#include <QTextCharFormat>
#include <QTextCursor>

namespace varnel {

namespace {

struct GroupState {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int colourIndex = 0;
    double points = 0;
    bool skipped = false;     // a destination whose text is not shown
    bool colourTable = false;
    int unicodeSkip = 1;      // characters that stand in for a \u character
};

class RtfReader {
public:
    explicit RtfReader(const QString& rtf) : rtf_(rtf) {}

    std::vector<RichTextRun> read()
    {
        while (pos_ < rtf_.size()) {
            const QChar c = rtf_[pos_++];
            if (c == u'{')
                stack_.push_back(state());
            else if (c == u'}') {
                if (stack_.size() > 1)
                    stack_.pop_back();
            } else if (c == u'\\')
                controlWord();
            else if (c == u'\r' || c == u'\n')
                continue;
            else
                text(c);
        }
        return std::move(runs_);
    }

private:
    GroupState& state() { return stack_.back(); }

    void controlWord()
    {
        if (pos_ >= rtf_.size())
            return;
        const QChar c = rtf_[pos_];
        if (!c.isLetter()) {
            ++pos_;
            controlSymbol(c);
            return;
        }
        QString word;
        while (pos_ < rtf_.size() && rtf_[pos_].isLetter() && rtf_[pos_].unicode() < 128)
            word += rtf_[pos_++];
        bool hasParameter = false;
        int parameter = 0;
        const qsizetype start = pos_;
        if (pos_ < rtf_.size() && (rtf_[pos_] == u'-' || rtf_[pos_].isDigit())) {
            ++pos_;
            while (pos_ < rtf_.size() && rtf_[pos_].isDigit())
                ++pos_;
            parameter = rtf_.mid(start, pos_ - start).toInt(&hasParameter);
        }
        if (pos_ < rtf_.size() && rtf_[pos_] == u' ')
            ++pos_;
        apply(word, hasParameter, parameter);
    }

    void controlSymbol(QChar c)
    {
        switch (c.unicode()) {
        case '\\':
        case '{':
        case '}': text(c); break;
        case '~': text(QChar(0x00A0)); break;
        case '_': text(u'-'); break;
        case '*': state().skipped = true; break;
        case '\'': {
            bool ok = false;
            const int code = rtf_.mid(pos_, 2).toInt(&ok, 16);
            pos_ += 2;
            if (ok)
                text(QChar(static_cast<char16_t>(code)));
            break;
        }
        case '\r':
        case '\n': text(u'\n'); break;
        default: break;  // \- optional hyphen and other symbols show nothing
        }
    }

    void apply(const QString& word, bool hasParameter, int parameter)
    {
        GroupState& s = state();
        const bool on = !hasParameter || parameter != 0;
        if (word == QLatin1String("par") || word == QLatin1String("line"))
            text(u'\n');
        else if (word == QLatin1String("tab"))
            text(u'\t');
        else if (word == QLatin1String("b"))
            s.bold = on;
        else if (word == QLatin1String("i"))
            s.italic = on;
        else if (word == QLatin1String("ul"))
            s.underline = on;
        else if (word == QLatin1String("ulnone"))
            s.underline = false;
        else if (word == QLatin1String("cf"))
            s.colourIndex = parameter;
        else if (word == QLatin1String("fs"))
            s.points = parameter / 2.0;
        else if (word == QLatin1String("plain")) {
            s.bold = s.italic = s.underline = false;
            s.colourIndex = 0;
            s.points = 0;
        } else if (word == QLatin1String("uc"))
            s.unicodeSkip = parameter;
        else if (word == QLatin1String("u"))
            unicode(parameter);
        else if (word == QLatin1String("colortbl")) {
            s.skipped = true;
            s.colourTable = true;
        } else if (word == QLatin1String("red"))
            red_ = parameter;
        else if (word == QLatin1String("green"))
            green_ = parameter;
        else if (word == QLatin1String("blue"))
            blue_ = parameter;
        else if (word == QLatin1String("fonttbl") || word == QLatin1String("stylesheet") || word == QLatin1String("info")
                 || word == QLatin1String("pict") || word == QLatin1String("header") || word == QLatin1String("footer")
                 || word == QLatin1String("object") || word == QLatin1String("field"))
            s.skipped = true;
    }

    void unicode(int code)
    {
        text(QChar(static_cast<char16_t>(code < 0 ? code + 65536 : code)));
        // The stand-in characters that follow are not shown.
        for (int skipped = 0; skipped < state().unicodeSkip && pos_ < rtf_.size(); ++skipped) {
            if (rtf_[pos_] == u'\\' && pos_ + 1 < rtf_.size() && rtf_[pos_ + 1] == u'\'')
                pos_ += 4;
            else if (rtf_[pos_] == u'{' || rtf_[pos_] == u'}' || rtf_[pos_] == u'\\')
                break;
            else
                ++pos_;
        }
    }

    void text(QChar c)
    {
        GroupState& s = state();
        if (s.colourTable) {
            if (c == u';') {
                colours_.push_back(red_ < 0 ? QColor() : QColor(red_, green_ < 0 ? 0 : green_, blue_ < 0 ? 0 : blue_));
                red_ = green_ = blue_ = -1;
            }
            return;
        }
        if (s.skipped)
            return;
        const QColor colour = s.colourIndex > 0 && s.colourIndex < static_cast<int>(colours_.size())
                                  ? colours_[static_cast<std::size_t>(s.colourIndex)]
                                  : QColor();
        if (runs_.empty() || runs_.back().bold != s.bold || runs_.back().italic != s.italic
            || runs_.back().underline != s.underline || runs_.back().colour != colour || runs_.back().points != s.points)
            runs_.push_back({QString(), s.bold, s.italic, s.underline, colour, s.points});
        runs_.back().text += c;
    }

    const QString& rtf_;
    qsizetype pos_ = 0;
    std::vector<GroupState> stack_{GroupState{}};
    std::vector<QColor> colours_;
    int red_ = -1, green_ = -1, blue_ = -1;
    std::vector<RichTextRun> runs_;
};

}  // namespace

bool isRtf(const QString& text) { return text.startsWith(QLatin1String("{\\rtf")); }

std::vector<RichTextRun> readRtf(const QString& rtf) { return RtfReader(rtf).read(); }

void showRichText(platform::ui::RichTextBox& box, const QString& text)
{
    if (!isRtf(text)) {
        box.setText(text);
        return;
    }
    const std::vector<RichTextRun> runs = readRtf(text);
    QString plain;
    for (const RichTextRun& run : runs)
        plain += run.text;
    // The box keeps the plain text for its searches; the document then gets the formatting.
    box.setText(plain);
    box.clear();
    QTextCursor cursor(box.document());
    for (const RichTextRun& run : runs) {
        QTextCharFormat format;
        format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
        format.setFontItalic(run.italic);
        format.setFontUnderline(run.underline);
        format.setForeground(run.colour.isValid() ? run.colour : box.palette().color(QPalette::Text));
        if (run.points > 0)
            format.setFontPointSize(run.points);
        cursor.insertText(run.text, format);
    }
}

}  // namespace varnel
