// The process and category a command names: an abbreviation counts only as a whole word of the
// command, a category key after any character that is no letter or digit.

#include "browser/command_parser.h"

#include <gtest/gtest.h>

using namespace varnel;

namespace {

// The abbreviations of the sample edition's process list, in list order.
const QStringList sampleAbbreviations = {"OFW", "SMAW", "SAW", "GMAW", "FCAW", "GTAW", "PAW", "ESW", "EGW",
                                         "EBW", "LBW", "LLBW", "STUD", "RW", "RSW", "RSEW", "PW", "FW",
                                         "DFW", "FRW", "FSW", "FLSP", "PSP", "TBW", "TTTS"};

QStringList entriesOf(const QStringList& abbreviations)
{
    QStringList entries;
    for (const QString& abbreviation : abbreviations)
        entries << abbreviation + "  -  Process";
    return entries;
}

}  // namespace

TEST(CommandProcess, AnAbbreviationInsideAnotherNamesOnlyItself)
{
    int pairs = 0;
    for (const QString& inner : sampleAbbreviations) {
        for (const QString& outer : sampleAbbreviations) {
            if (inner == outer || !outer.contains(inner))
                continue;
            ++pairs;
            // Whichever of the two stands later in the list, each command names its own word.
            for (const QStringList& list : {QStringList{inner, outer}, QStringList{outer, inner}}) {
                SCOPED_TRACE((list.join(' ')).toStdString());
                EXPECT_EQ(parseCommand(outer + " ESS", entriesOf(list)).abbreviation, outer);
                EXPECT_EQ(parseCommand(inner + " SUP QW-403.1", entriesOf(list)).abbreviation, inner);
                EXPECT_EQ(parseCommand("SHOW " + outer, entriesOf(list)).abbreviation, outer);
                // Both named as words: the later in list order wins.
                EXPECT_EQ(parseCommand(inner + " " + outer, entriesOf(list)).abbreviation, list.last());
            }
        }
    }
    EXPECT_GE(pairs, 4);  // FW in OFW and DFW, RW in FRW, LBW in LLBW
}

TEST(CommandProcess, WordsEndAtAnyCharacterThatIsNoLetterOrDigit)
{
    const QStringList entries = entriesOf(sampleAbbreviations);
    const struct {
        const char* command;
        const char* abbreviation;
        const char* category;  // the key found, or empty
    } cases[] = {
        {"OFW ESS", "OFW", "ESS"},
        {"  OFW  ", "OFW", ""},
        {"OFW,ESS", "OFW", "ESS"},
        {"GMAW,NON", "GMAW", "NON"},
        {"SAW\tNON", "SAW", "NON"},
        {"(GTAW) SUP", "GTAW", "SUP"},
        {"SMAW;CRO QW-404.5", "SMAW", "CRO"},
        {"DFW1 ESS", "", "ESS"},      // a digit goes on the word
        {"QW-FW ESS", "", "ESS"},     // part of the paragraph token
        {"ofw ESS", "", "ESS"},       // letter case counts
        {"ESS", "", ""},              // a key needs something before it
        {"SMAWESS", "", ""},
    };
    for (const auto& c : cases) {
        const ParsedCommand parsed = parseCommand(QString::fromLatin1(c.command), entries);
        EXPECT_EQ(parsed.abbreviation, c.abbreviation) << c.command;
        EXPECT_EQ(QString::fromLatin1(parsed.category ? parsed.category->key : ""), c.category) << c.command;
    }
}
