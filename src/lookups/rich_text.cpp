#include "lookups/rich_text.h"

#include <QStringDecoder>
#include <QTextCharFormat>
#include <QTextCursor>
#include <algorithm>
#include <iterator>
#include <map>

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
    bool hidden = false;      // \v: text a word processor does not show
    bool skipped = false;     // a destination whose text is not shown
    bool colourTable = false;
    bool fontTable = false;
    int font = -1;            // the number of the font in the font table
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

// The characters of the Symbol face at its codes 0x20 to 0xFF; 0 where the face has none.
constexpr char16_t symbolFace[224] = {
    0x0020, 0x0021, 0x2200, 0x0023, 0x2203, 0x0025, 0x0026, 0x220B, 0x0028, 0x0029, 0x2217, 0x002B, 0x002C, 0x2212,
    0x002E, 0x002F, 0x0030, 0x0031, 0x0032, 0x0033, 0x0034, 0x0035, 0x0036, 0x0037, 0x0038, 0x0039, 0x003A, 0x003B,
    0x003C, 0x003D, 0x003E, 0x003F, 0x2245, 0x0391, 0x0392, 0x03A7, 0x0394, 0x0395, 0x03A6, 0x0393, 0x0397, 0x0399,
    0x03D1, 0x039A, 0x039B, 0x039C, 0x039D, 0x039F, 0x03A0, 0x0398, 0x03A1, 0x03A3, 0x03A4, 0x03A5, 0x03C2, 0x03A9,
    0x039E, 0x03A8, 0x0396, 0x005B, 0x2234, 0x005D, 0x22A5, 0x005F, 0x203E, 0x03B1, 0x03B2, 0x03C7, 0x03B4, 0x03B5,
    0x03C6, 0x03B3, 0x03B7, 0x03B9, 0x03D5, 0x03BA, 0x03BB, 0x03BC, 0x03BD, 0x03BF, 0x03C0, 0x03B8, 0x03C1, 0x03C3,
    0x03C4, 0x03C5, 0x03D6, 0x03C9, 0x03BE, 0x03C8, 0x03B6, 0x007B, 0x007C, 0x007D, 0x223C, 0,      0,      0,
    0,      0,      0,      0,      0,      0,      0,      0,      0,      0,      0,      0,      0,      0,
    0,      0,      0,      0,      0,      0,      0,      0,      0,      0,      0,      0,      0,      0,
    0,      0,      0x20AC, 0x03D2, 0x2032, 0x2264, 0x2044, 0x221E, 0x0192, 0x2663, 0x2666, 0x2665, 0x2660, 0x2194,
    0x2190, 0x2191, 0x2192, 0x2193, 0x00B0, 0x00B1, 0x2033, 0x2265, 0x00D7, 0x221D, 0x2202, 0x2022, 0x00F7, 0x2260,
    0x2261, 0x2248, 0x2026, 0x23D0, 0x23AF, 0x21B5, 0x2135, 0x2111, 0x211C, 0x2118, 0x2297, 0x2295, 0x2205, 0x2229,
    0x222A, 0x2283, 0x2287, 0x2284, 0x2282, 0x2286, 0x2208, 0x2209, 0x2220, 0x2207, 0x00AE, 0x00A9, 0x2122, 0x220F,
    0x221A, 0x22C5, 0x00AC, 0x2227, 0x2228, 0x21D4, 0x21D0, 0x21D1, 0x21D2, 0x21D3, 0x25CA, 0x2329, 0x00AE, 0x00A9,
    0x2122, 0x2211, 0x239B, 0x239C, 0x239D, 0x23A1, 0x23A2, 0x23A3, 0x23A7, 0x23A8, 0x23A9, 0x23AA, 0,      0x232A,
    0x222B, 0x2320, 0x23AE, 0x2321, 0x239E, 0x239F, 0x23A0, 0x23A4, 0x23A5, 0x23A6, 0x23AB, 0x23AC, 0x23AD, 0,
};

// What a code of the Symbol face shows: its codes 0x20 to 0xFF, also as the private-use
// characters U+F020 to U+F0FF by which Unicode text names a symbol face's codes. Other codes
// show as they are.
QChar symbolCharacter(char16_t code)
{
    const char16_t low = code >= 0xF020 && code <= 0xF0FF ? char16_t(code - 0xF000) : code;
    if (low >= 0x20 && low <= 0xFF && symbolFace[low - 0x20] != 0)
        return QChar(symbolFace[low - 0x20]);
    return QChar(code);
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
    "stylesheet", "info",    "pict",    "object",  "fldinst", "header",  "headerl",
    "headerr", "headerf",    "footer",  "footerl", "footerr", "footerf", "footnote",
};

// Where an RTF document starts: after the blanks and line breaks before it.
qsizetype documentStart(const QString& text)
{
    qsizetype start = 0;
    while (start < text.size() && (text[start] == u' ' || text[start] == u'\t' || text[start] == u'\r' || text[start] == u'\n'))
        ++start;
    return start;
}

class RtfReader {
public:
    explicit RtfReader(const QString& rtf) : rtf_(rtf) {}

    std::vector<RichTextRun> read()
    {
        // Blanks and line breaks before the document's group, and whatever follows its end, are
        // not part of the document.
        pos_ = documentStart(rtf_);
        while (pos_ < rtf_.size()) {
            const QChar c = rtf_[pos_++];
            if (c == u'{')
                stack_.push_back(state());
            else if (c == u'}') {
                if (stack_.size() > 1) {
                    stack_.pop_back();
                    if (stack_.size() == 1)
                        break;
                }
            } else if (c == u'\\')
                controlWord();
            else if (c == u'\r' || c == u'\n')
                continue;
            else
                character(c);
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
        if (word == QLatin1String("bin")) {
            // Binary data of that many bytes follows; it is never text.
            if (hasParameter && parameter > 0)
                pos_ = std::min(rtf_.size(), pos_ + parameter);
            return;
        }
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
        if (inSymbolFace()) {
            for (const char byte : bytes)
                text(symbolCharacter(static_cast<unsigned char>(byte)));
            return;
        }
        for (const QChar c : decodeBytes(bytes, codePage_))
            text(c);
    }

    bool inSymbolFace() const
    {
        const auto font = fonts_.find(stack_.back().font);
        return font != fonts_.end() && font->second.compare(QLatin1String("Symbol"), Qt::CaseInsensitive) == 0;
    }

    // A character of the document's text, in the face of its font.
    void character(QChar c) { text(inSymbolFace() ? symbolCharacter(c.unicode()) : c); }

    void apply(const QString& word, bool hasParameter, int parameter)
    {
        GroupState& s = state();
        const bool on = !hasParameter || parameter != 0;
        const auto is = [&word](const char* name) { return word == QLatin1String(name); };
        if (const auto symbol = std::find_if(std::begin(symbolWords), std::end(symbolWords),
                                             [&](const SymbolWord& w) { return is(w.word); });
            symbol != std::end(symbolWords))
            text(QChar(symbol->character));
        else if (is("page") || is("sect")) {
            // A new page or section starts a new paragraph; the one that just ended gives no
            // empty one.
            if (!s.skipped && !s.hidden && !runs_.empty() && !runs_.back().text.endsWith(u'\n'))
                text(u'\n');
        } else if (is("cell") || is("nestcell")) {
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
        else if (is("v"))
            s.hidden = on;
        else if (is("plain")) {
            s.bold = s.italic = s.underline = s.hidden = false;
            s.colourIndex = 0;
            s.points = 0;
            s.vertical = Vertical::Normal;
        } else if (is("uc"))
            s.unicodeSkip = std::max(parameter, 0);
        else if (is("u")) {
            if (hasParameter)
                unicode(parameter);
        } else if (is("f")) {
            if (s.fontTable)
                fontEntry_ = parameter;
            else
                s.font = parameter;
        } else if (is("deff"))
            s.font = parameter;
        else if (is("fonttbl"))
            s.fontTable = true;
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
        character(QChar(static_cast<char16_t>(code < 0 ? code + 65536 : code)));
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
        if (s.fontTable) {
            // A font's entry: its name, ended by a semicolon.
            if (s.skipped)
                return;
            if (c == u';') {
                fonts_[fontEntry_] = fontName_.trimmed();
                fontName_.clear();
            } else {
                fontName_ += c;
            }
            return;
        }
        if (s.skipped || s.hidden)
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
    std::map<int, QString> fonts_;  // the names of the font table's fonts by number
    int fontEntry_ = -1;
    QString fontName_;
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

bool isRtf(const QString& text) { return QStringView(text).mid(documentStart(text)).startsWith(QLatin1String("{\\rtf")); }

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
