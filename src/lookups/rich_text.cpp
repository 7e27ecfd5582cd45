#include "lookups/rich_text.h"

#include <QStringDecoder>
#include <QTextCharFormat>
#include <QTextCursor>
#include <algorithm>
#include <iterator>

namespace varnel {

namespace {

using Vertical = RichTextRun::Vertical;

struct GroupState {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int colourIndex = 0;
    double points = 0;
    Vertical vertical = Vertical::Normal;
    bool skipped = false;     // a destination whose text is not shown
    bool colourTable = false;
    int unicodeSkip = 1;      // characters that stand in for a \u character
};

constexpr int defaultCodePage = 1252;

// Bytes 0x80 to 0x9F of Windows-1252; every other byte is the Latin-1 character of its value.
// The five bytes the code page leaves unassigned stay the control characters of their value.
constexpr char16_t windows1252[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Bytes of the document's code page as text; a code page that the system cannot decode is read
// as Windows-1252.
QString decodeBytes(const QByteArray& bytes, int codePage)
{
    if (codePage != defaultCodePage) {
        for (const char* name : {"windows-%1", "cp%1"}) {
            QStringDecoder decoder(QString::fromLatin1(name).arg(codePage).toLatin1().constData());
            if (decoder.isValid())
                return decoder.decode(bytes);
        }
    }
    QString text;
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        text += QChar(value >= 0x80 && value < 0xA0 ? windows1252[value - 0x80] : char16_t(value));
    }
    return text;
}

// Control words that stand for one character.
struct SymbolWord {
    const char* word;
    char16_t character;
};
constexpr SymbolWord symbolWords[] = {
    {"par", u'\n'},       {"line", u'\n'},      {"tab", u'\t'},           {"lquote", 0x2018},
    {"rquote", 0x2019},   {"ldblquote", 0x201C}, {"rdblquote", 0x201D},   {"endash", 0x2013},
    {"emdash", 0x2014},   {"bullet", 0x2022},
};

// Destinations whose text is not shown even without the \* that marks the unknown ones.
constexpr const char* skippedDestinations[] = {
    "fonttbl", "stylesheet", "info",    "pict",    "object",  "fldinst", "header",  "headerl",
    "headerr", "headerf",    "footer",  "footerl", "footerr", "footerf", "footnote",
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
        case '\'': codePageCharacters(); break;
        case '\r':
        case '\n': text(u'\n'); break;
        default: break;  // \- optional hyphen and other symbols show nothing
        }
    }

    // \'hh and the \'hh that follow it at once: bytes of the document's code page, decoded
    // together so that a character of two bytes comes out whole.
    void codePageCharacters()
    {
        QByteArray bytes;
        for (;;) {
            bool ok = false;
            const int code = pos_ + 2 <= rtf_.size() ? rtf_.mid(pos_, 2).toInt(&ok, 16) : 0;
            if (!ok)
                break;
            bytes += static_cast<char>(code);
            pos_ += 2;
            if (rtf_.mid(pos_, 2) != QLatin1String("\\'"))
                break;
            pos_ += 2;
        }
        for (const QChar c : decodeBytes(bytes, codePage_))
            text(c);
    }

    void apply(const QString& word, bool hasParameter, int parameter)
    {
        GroupState& s = state();
        const bool on = !hasParameter || parameter != 0;
        const auto is = [&word](const char* name) { return word == QLatin1String(name); };
        if (const auto symbol = std::find_if(std::begin(symbolWords), std::end(symbolWords),
                                             [&](const SymbolWord& w) { return is(w.word); });
            symbol != std::end(symbolWords))
            text(QChar(symbol->character));
        else if (is("cell") || is("nestcell")) {
            if (!s.skipped)
                ++pendingCells_;
        } else if (is("row") || is("nestrow")) {
            pendingCells_ = 0;
            text(u'\n');
        } else if (is("b"))
            s.bold = on;
        else if (is("i"))
            s.italic = on;
        else if (is("ul"))
            s.underline = on;
        else if (is("ulnone"))
            s.underline = false;
        else if (is("super"))
            s.vertical = Vertical::Super;
        else if (is("sub"))
            s.vertical = Vertical::Sub;
        else if (is("nosupersub"))
            s.vertical = Vertical::Normal;
        else if (is("up"))
            s.vertical = on ? Vertical::Super : Vertical::Normal;
        else if (is("dn"))
            s.vertical = on ? Vertical::Sub : Vertical::Normal;
        else if (is("cf"))
            s.colourIndex = parameter;
        else if (is("fs"))
            s.points = parameter / 2.0;
        else if (is("plain")) {
            s.bold = s.italic = s.underline = false;
            s.colourIndex = 0;
            s.points = 0;
            s.vertical = Vertical::Normal;
        } else if (is("uc"))
            s.unicodeSkip = std::max(parameter, 0);
        else if (is("u"))
            unicode(parameter);
        else if (is("ansicpg")) {
            if (parameter > 0)
                codePage_ = parameter;
        } else if (is("colortbl")) {
            s.skipped = true;
            s.colourTable = true;
        } else if (is("red"))
            red_ = parameter;
        else if (is("green"))
            green_ = parameter;
        else if (is("blue"))
            blue_ = parameter;
        else if (std::any_of(std::begin(skippedDestinations), std::end(skippedDestinations), is))
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
        // The cells ended before this character: it stands in the next one.
        for (; pendingCells_ > 0; --pendingCells_)
            append(u'\t');
        append(c);
    }

    void append(QChar c)
    {
        const GroupState& s = state();
        const QColor colour = s.colourIndex > 0 && s.colourIndex < static_cast<int>(colours_.size())
                                  ? colours_[static_cast<std::size_t>(s.colourIndex)]
                                  : QColor();
        if (runs_.empty() || runs_.back().bold != s.bold || runs_.back().italic != s.italic
            || runs_.back().underline != s.underline || runs_.back().colour != colour || runs_.back().points != s.points
            || runs_.back().vertical != s.vertical)
            runs_.push_back({QString(), s.bold, s.italic, s.underline, colour, s.points, s.vertical});
        runs_.back().text += c;
    }

    const QString& rtf_;
    qsizetype pos_ = 0;
    std::vector<GroupState> stack_{GroupState{}};
    std::vector<QColor> colours_;
    int red_ = -1, green_ = -1, blue_ = -1;
    int codePage_ = defaultCodePage;
    int pendingCells_ = 0;  // cells ended since the last character of the row
    std::vector<RichTextRun> runs_;
};

QTextCharFormat::VerticalAlignment verticalAlignment(Vertical vertical)
{
    switch (vertical) {
    case Vertical::Super: return QTextCharFormat::AlignSuperScript;
    case Vertical::Sub: return QTextCharFormat::AlignSubScript;
    case Vertical::Normal: break;
    }
    return QTextCharFormat::AlignNormal;
}

}  // namespace

bool isRtf(const QString& text) { return text.startsWith(QLatin1String("{\\rtf")); }

std::vector<RichTextRun> readRtf(const QString& rtf) { return RtfReader(rtf).read(); }

void showRichText(platform::ui::RichTextBox& box, const QString& text)
{
    if (!isRtf(text)) {
        box.setText(text);
        return;
    }
    std::vector<std::pair<QString, QTextCharFormat>> pieces;
    for (const RichTextRun& run : readRtf(text)) {
        QTextCharFormat format;
        format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
        format.setFontItalic(run.italic);
        format.setFontUnderline(run.underline);
        format.setForeground(run.colour.isValid() ? run.colour : box.palette().color(QPalette::Text));
        format.setVerticalAlignment(verticalAlignment(run.vertical));
        if (run.points > 0)
            format.setFontPointSize(run.points);
        pieces.emplace_back(run.text, format);
    }
    box.setFormattedText(pieces);
}

}  // namespace varnel
