// The process a command names: an abbreviation counts only as a whole word of the command.

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

TEST(CommandProcess, OnlyBlankDelimitedWordsCount)
{
    const QStringList entries = entriesOf(sampleAbbreviations);
    const struct {
        const char* command;
        const char* abbreviation;
    } cases[] = {
        {"OFW ESS", "OFW"},
        {"  OFW  ", "OFW"},
        {"OFW,ESS", ""},       // a comma is no blank
        {"QW-FW ESS", ""},     // part of the paragraph token
        {"ofw ESS", ""},       // letter case counts
        {"ESS", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseCommand(c.command, entries).abbreviation, c.abbreviation) << c.command;
}
