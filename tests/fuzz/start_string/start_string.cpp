// The interpretations start string: any text gives values that hold no delimiter and no outer
// blank and that stand in the text; four values written with their keywords in any order are read
// back as written; a section table name gives its number without leading zeros.
//
// Input: the whole input is parsed as a start string; then a byte choosing the keywords' order,
// the four values (each ended by a backslash and another byte), and the parts of a section table
// name (three characters, leading zeros, a number, a rest) are taken from it.

#include "interpretations/start_string.h"
#include "support/fuzz_support.h"

#include <QString>
#include <QStringList>
#include <algorithm>
#include <array>
#include <fuzzer/FuzzedDataProvider.h>

using varnel::parseStartString;
using varnel::sectionNumberText;

namespace {

std::string shown(const varnel::StartString& s)
{
    return "SECT[" + s.section.toStdString() + "] PARA[" + s.paragraph.toStdString() + "] TEXT[" + s.text.toStdString()
         + "] COND[" + s.condition.toStdString() + "]";
}

void checkAnyText(const QString& query)
{
    const varnel::StartString s = parseStartString(query);
    const std::string why = "'" + query.toStdString() + "' -> " + shown(s);
    for (const QString* value : {&s.section, &s.paragraph, &s.text, &s.condition}) {
        FUZZ_CHECK(!value->startsWith(u' ') && !value->endsWith(u' '), why);
        FUZZ_CHECK(query.contains(*value), why);
    }
    for (const QString* value : {&s.section, &s.paragraph, &s.condition})
        FUZZ_CHECK(!value->contains(u' '), why);
    FUZZ_CHECK(!s.text.contains(u'}'), why);

    const QString number = sectionNumberText(query);
    FUZZ_CHECK(!number.isEmpty() && std::all_of(number.begin(), number.end(), [](QChar c) { return c >= u'0' && c <= u'9'; })
                   && (number == QLatin1String("0") || !number.startsWith(u'0')),
               "'" + query.toStdString() + "' -> " + number.toStdString());
}

bool holdsAKeyword(const QString& value)
{
    for (const char* keyword : {"SECT", "PARA", "TEXT", "COND"})
        if (value.contains(QLatin1String(keyword)))
            return true;
    return false;
}

void checkRoundTrip(FuzzedDataProvider& input)
{
    std::array<int, 4> order{0, 1, 2, 3};
    for (int k = input.ConsumeIntegralInRange(0, 23); k > 0; --k)
        std::next_permutation(order.begin(), order.end());
    varnel::StartString written;
    QString* values[] = {&written.section, &written.paragraph, &written.text, &written.condition};
    for (QString* value : values)
        *value = QString::fromStdString(input.ConsumeRandomLengthString(64));
    // A word value ends at a blank; the search words end at the closing brace, and each value is
    // read without its outer blanks.
    for (QString* word : {&written.section, &written.paragraph, &written.condition})
        word->remove(u' ');
    written.text.remove(u'}');
    while (written.text.startsWith(u' '))
        written.text.remove(0, 1);
    while (written.text.endsWith(u' '))
        written.text.chop(1);
    if (std::any_of(std::begin(values), std::end(values), [](const QString* v) { return holdsAKeyword(*v); }))
        return;  // a value that holds a keyword hides the keyword's own place

    static const char* const keywords[] = {"SECT ", "PARA ", "TEXT {", "COND "};
    QStringList parts;
    for (const int k : order)
        parts << QLatin1String(keywords[k]) + *values[k] + (k == 2 ? QStringLiteral("}") : QString());
    const QString query = parts.join(u' ');
    const varnel::StartString read = parseStartString(query);
    FUZZ_CHECK(read.section == written.section && read.paragraph == written.paragraph && read.text == written.text
                   && read.condition == written.condition,
               "'" + query.toStdString() + "' -> " + shown(read) + ", written " + shown(written));
}

void checkSectionNumber(FuzzedDataProvider& input)
{
    const QString prefix = QString::fromStdString(input.ConsumeBytesAsString(3));
    const int zeros = input.ConsumeIntegralInRange(0, 5);
    const auto n = input.ConsumeIntegral<std::uint32_t>();
    const QString rest = QString::fromStdString(input.ConsumeRemainingBytesAsString());
    const QString table = prefix.leftJustified(3, u'x', true) + QString(zeros, u'0') + QString::number(n) + rest;
    const QString found = sectionNumberText(table);
    // The rest may continue the digits; the number is then longer, so compare only when it does not.
    if (rest.isEmpty() || rest[0] < u'0' || rest[0] > u'9')
        FUZZ_CHECK(found == QString::number(n), "'" + table.toStdString() + "' -> " + found.toStdString());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    checkAnyText(fuzzing::utf8Text(data, size));
    FuzzedDataProvider input(data, size);
    checkRoundTrip(input);
    checkSectionNumber(input);
    return 0;
}
