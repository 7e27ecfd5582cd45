// The rich-text reader: any text gives runs that hold text and differ from their neighbours in
// format, and a box shows the runs' text; a text written here as RTF, every character in one of
// the encodings the reader knows and with its own bold, italic, underline, colour and size, is
// read back as the same characters in the same formats.
//
// Input: the whole input is read as RTF; then a text is taken from it (ended by a backslash and
// another byte), and one byte per character chooses its format and encoding.

#include "lookups/rich_text.h"
#include "support/fuzz_support.h"

#include <QColor>
#include <QString>
#include <fuzzer/FuzzedDataProvider.h>
#include <vector>

using varnel::RichTextRun;

namespace {

std::string describe(const std::vector<RichTextRun>& runs)
{
    std::string out;
    for (const RichTextRun& r : runs)
        out += "[" + r.text.toStdString() + (r.bold ? " b" : "") + (r.italic ? " i" : "") + (r.underline ? " u" : "")
             + (r.colour.isValid() ? " " + r.colour.name().toStdString() : "") + " " + std::to_string(r.points) + "]";
    return out;
}

bool sameFormat(const RichTextRun& a, const RichTextRun& b)
{
    return a.bold == b.bold && a.italic == b.italic && a.underline == b.underline && a.colour == b.colour
        && a.points == b.points && a.vertical == b.vertical;
}

void checkAnyText(const QString& rtf)
{
    const std::vector<RichTextRun> runs = varnel::readRtf(rtf);
    QString plain;
    for (std::size_t k = 0; k < runs.size(); ++k) {
        FUZZ_CHECK(!runs[k].text.isEmpty(), describe(runs));
        FUZZ_CHECK(k == 0 || !sameFormat(runs[k - 1], runs[k]), describe(runs));
        plain += runs[k].text;
    }
    static platform::ui::RichTextBox* box = [] {
        fuzzing::ensureApplication();
        return new platform::ui::RichTextBox;
    }();
    varnel::showRichText(*box, rtf);
    // The box searches its text and colours what it finds at the same positions of its document.
    FUZZ_CHECK(box->text() == box->toPlainText(),
               "the box searches '" + box->text().toStdString() + "' but shows '" + box->toPlainText().toStdString() + "'");
}

const QColor colours[] = {QColor(), QColor(255, 0, 0), QColor(0, 128, 0)};
const int halfPoints[] = {0, 16, 21, 24};

// One character as the writer below encodes it, with its format.
struct Written {
    QChar c;
    bool bold, italic, underline;
    int colour;  // index into colours
    int size;    // index into halfPoints
};

QString encode(QChar c, int choice)
{
    const ushort u = c.unicode();
    if (c == u'\n')
        return choice % 2 ? QStringLiteral("\\par ") : QStringLiteral("\\line ");
    if (c == u'\t' && choice % 2)
        return QStringLiteral("\\tab ");
    if (c == QChar(0x00A0) && choice % 2)
        return QStringLiteral("\\~");
    if (c == u'-' && choice % 2)
        return QStringLiteral("\\_");
    if (c == u'\\' || c == u'{' || c == u'}')
        return u'\\' + QString(c);
    // A hexadecimal byte is read in the document's code page, Windows-1252, which is Latin-1 but
    // for the bytes 0x80 to 0x9F (the typographic quotes, dashes and the like).
    const bool sameInCodePage = u < 0x80 || (u >= 0xA0 && u < 0x100);
    if (sameInCodePage && (choice % 3 == 1 || u == u'\r'))
        return QStringLiteral("\\'%1").arg(u, 2, 16, QLatin1Char('0'));
    if (u > 127 || u == u'\r' || choice % 3 == 2) {
        // A stand-in character follows, which the reader skips.
        return QStringLiteral("\\u%1?").arg(u < 32768 ? int(u) : int(u) - 65536);
    }
    return QString(c);
}

void checkRoundTrip(FuzzedDataProvider& input)
{
    const QString text = QString::fromStdString(input.ConsumeRandomLengthString(256));
    std::vector<Written> written;
    QString rtf = QStringLiteral("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red255\\green0\\blue0;\\red0\\green128\\blue0;}");
    Written now{QChar(), false, false, false, 0, 0};
    for (const QChar c : text) {
        const std::uint8_t format = input.ConsumeIntegral<std::uint8_t>();
        const Written next{c, bool(format & 1), bool(format & 2), bool(format & 4), (format >> 3) % 3, (format >> 5) % 4};
        if (next.bold != now.bold)
            rtf += next.bold ? QStringLiteral("\\b ") : QStringLiteral("\\b0 ");
        if (next.italic != now.italic)
            rtf += next.italic ? QStringLiteral("\\i ") : QStringLiteral("\\i0 ");
        if (next.underline != now.underline)
            rtf += next.underline ? QStringLiteral("\\ul ") : QStringLiteral("\\ulnone ");
        if (next.colour != now.colour)
            rtf += QStringLiteral("\\cf%1 ").arg(next.colour);
        if (next.size != now.size)
            rtf += QStringLiteral("\\fs%1 ").arg(halfPoints[next.size]);
        rtf += encode(c, format >> 2);
        written.push_back(next);
        now = next;
    }
    rtf += u'}';

    std::vector<RichTextRun> expected;
    for (const Written& w : written) {
        const RichTextRun format{QString(), w.bold, w.italic, w.underline, colours[w.colour], halfPoints[w.size] / 2.0};
        if (expected.empty() || !sameFormat(expected.back(), format))
            expected.push_back(format);
        expected.back().text += w.c;
    }
    const std::vector<RichTextRun> read = varnel::readRtf(rtf);
    bool same = read.size() == expected.size();
    for (std::size_t k = 0; same && k < read.size(); ++k)
        same = read[k].text == expected[k].text && sameFormat(read[k], expected[k]);
    FUZZ_CHECK(same, rtf.toStdString() + "\nread " + describe(read) + "\nexpected " + describe(expected));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    checkAnyText(fuzzing::utf8Text(data, size));
    FuzzedDataProvider input(data, size);
    checkRoundTrip(input);
    return 0;
}
