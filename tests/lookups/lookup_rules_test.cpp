// The widget-free rules of the lookups: the statements of the two specification searches, the
// filler-metal preset, the A-number reading and determination filter, the figure list, the RTF
// reader, the report columns and the completion rule.

#include "lookups/a_number_rules.h"
#include "lookups/base_metal_query.h"
#include "lookups/filler_metal_query.h"
#include "lookups/lookup_report.h"
#include "lookups/rich_text.h"
#include "lookups/type_ahead.h"
#include "lookups/varnel_definitions.h"
#include "lookups/varnel_filler_matrix.h"

#include <gtest/gtest.h>
#include <limits>

using namespace varnel;

// ---------------------------------------------------------------- base metals

TEST(BaseMetalQuery, EachBoxMakesItsCriterion)
{
    struct Case {
        int box;
        QString text, criterion;
    };
    const Case cases[] = {
        {0, "SA-516", R"([Spec_No] LIKE "SA-516")"},
        {0, "", ""},
        {1, "8", R"(([P_] LIKE "8" OR [S_] LIKE "8"))"},
        {2, "K02*", R"([UNS] LIKE "K02*")"},
        {3, "304", R"([Grade] LIKE "*304*")"},
        {4, "All", R"([Product_FM] LIKE "*")"},
        {4, "Plate", R"([Product_FM] LIKE "*Plate*")"},
        {4, "Pipe/Tube", R"(([Product_FM] LIKE "*Pip*" OR [Product_FM] LIKE "*Tub*"))"},
        {4, "Stud", R"(([Product_FM] LIKE "*bar*" OR [Product_FM] LIKE "*wire*" OR [Product_FM] LIKE "*rod*"))"},
        {4, "pipe/tube", R"([Product_FM] LIKE "*pipe/tube*")"},  // the fixed words only in their own case
        {4, "Forg", R"([Product_FM] LIKE "*Forg*")"},
        // A quote typed into a box is a character of the pattern, not the end of the literal.
        {3, R"(6"0)", R"([Grade] LIKE "*6""0*")"},
        {0, R"(" OR "1"="1)", R"([Spec_No] LIKE """ OR ""1""=""1")"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(basemetal::criterion(c.box, c.text), c.criterion) << c.text.toStdString();
}

TEST(BaseMetalQuery, StatementsJoinTheBoxesInBoxOrderAndLeaveOutTheFieldsOwnBox)
{
    EXPECT_EQ(basemetal::listStatement({}), "SELECT * FROM [Base metals] ");
    const basemetal::Boxes boxes = {"SA-*", "1", "", "", "Plate"};
    EXPECT_EQ(basemetal::listStatement(boxes),
              R"(SELECT * FROM [Base metals] WHERE [Spec_No] LIKE "SA-*" AND ([P_] LIKE "1" OR [S_] LIKE "1") AND [Product_FM] LIKE "*Plate*")");
    EXPECT_EQ(basemetal::menuStatement("Spec_No", boxes),
              R"(SELECT DISTINCT [Spec_No] FROM [Base metals] WHERE ([P_] LIKE "1" OR [S_] LIKE "1") AND [Product_FM] LIKE "*Plate*" ORDER BY [Spec_No])");
    EXPECT_EQ(basemetal::menuStatement("S_", boxes),
              R"(SELECT DISTINCT [S_] FROM [Base metals] WHERE [Spec_No] LIKE "SA-*" AND [Product_FM] LIKE "*Plate*" ORDER BY [S_])");
    EXPECT_EQ(basemetal::menuStatement("Grade", {}), "SELECT DISTINCT [Grade] FROM [Base metals] ORDER BY [Grade]");
}

TEST(BaseMetalQuery, AddendaMarkerAndUnassignedPNumber)
{
    const std::pair<dao::Value, QString> cases[] = {
        {dao::Value(QVariant("07r")), "'07 revised"}, {dao::Value(QVariant("07d")), "'07 deleted"},
        {dao::Value(QVariant("07c")), "'07 errata"},  {dao::Value(QVariant("07a")), "'07 added"},
        {dao::Value(QVariant("07x")), ""},            {dao::Value(QVariant("07R")), ""},
        {dao::Value(QVariant("")), ""},               {dao::Value(), ""},
    };
    for (const auto& [marker, text] : cases)
        EXPECT_EQ(basemetal::addendaText(marker), text) << marker.toString().toStdString();
    EXPECT_EQ(basemetal::pNumberText("U"), "Unassigned");
    EXPECT_EQ(basemetal::pNumberText(" 5A "), "5A");
    EXPECT_EQ(basemetal::pNumberText("u"), "u");
}

// ---------------------------------------------------------------- filler metals

TEST(FillerMetalQuery, PiecesStatementsAndPickListOrders)
{
    EXPECT_EQ(fillermetal::listStatement({}), "SELECT * FROM [Filler metals]");
    // Boxes: 0 AWS, 1 A-no., 2 UNS, 3 F-no., 4 specification.
    const fillermetal::Boxes boxes = {"E70", "1", "", "6", "5.18   Carbon steel electrodes"};
    EXPECT_EQ(fillermetal::listStatement(boxes),
              R"(SELECT * FROM [Filler metals] WHERE [AWS_Class] LIKE "*E70*" AND [F_NO] LIKE "6" AND [A_NO] LIKE "1" AND [SFA] LIKE "5.18")");
    EXPECT_EQ(fillermetal::menuStatement("SFA", boxes),
              R"(SELECT DISTINCT [SFA] FROM [Filler metals] WHERE [AWS_Class] LIKE "*E70*" AND [F_NO] LIKE "6" AND [A_NO] LIKE "1")");
    EXPECT_EQ(fillermetal::menuStatement("AWS_Class", boxes),
              R"(SELECT DISTINCT [AWS_Class] FROM [Filler metals] WHERE [F_NO] LIKE "6" AND [SFA] LIKE "5.18" AND [A_NO] LIKE "1" ORDER BY [AWS_Class])");
    EXPECT_EQ(fillermetal::menuStatement("A_NO", boxes),
              R"(SELECT DISTINCT [A_NO] FROM [Filler metals] WHERE [AWS_Class] LIKE "*E70*" AND [F_NO] LIKE "6" AND [SFA] LIKE "5.18" ORDER BY [A_NO])");
    EXPECT_EQ(fillermetal::menuStatement("Comment", boxes), "SELECT DISTINCT [Comment] FROM [Filler metals] ORDER BY [Comment]");
}

TEST(FillerMetalQuery, SpecificationNumberComesOutOfATitle)
{
    EXPECT_EQ(fillermetal::piece(4, "5.1   Carbon steel"), R"([SFA] LIKE "5.1")");
    EXPECT_EQ(fillermetal::piece(4, "5.10   Aluminum"), R"([SFA] LIKE "5.10")");
    EXPECT_EQ(fillermetal::piece(4, "5.12xyz"), R"([SFA] LIKE "5.12")");
    EXPECT_EQ(fillermetal::piece(4, "5.*"), R"([SFA] LIKE "5.*")");
    EXPECT_EQ(fillermetal::titleNumber("5.10   Aluminum and aluminum-alloy"), "5.10");
    EXPECT_EQ(fillermetal::titleNumber("5.34"), "5.34");
    EXPECT_EQ(fillermetal::sfaCriterion("5.1"), R"([SFA] = "5.1")");
    EXPECT_EQ(fillermetal::specificationTitle("5.1", "Carbon steel"), "5.1   Carbon steel");
}

TEST(FillerMetalQuery, PresetTitleFromProcessAndCategory)
{
    struct Case {
        QString process, category;
        int title;
    };
    const Case cases[] = {
        {"SMAW  -  Shielded metal-arc welding", "SMAW  -  Essential Variables for Corrosion-Resistant Overlays", 11},
        {"SMAW  -  Shielded metal-arc welding", "SMAW  -  Essential Variables for Hardfacing Overlays", 13},
        {"SMAW  -  Shielded metal-arc welding", "SMAW  -  Essential Variables", 1},
        {"SMAW  -  Shielded metal-arc welding", "SMAW  -  ESSENTIAL VARIABLES FOR CORROSION", 1},
        {"GTAW  -  Gas tungsten-arc welding", "", 18},
        {"GTAW  -  Gas tungsten-arc welding", "GTAW  -  Nonessential Variables for Corrosion-Resistant Overlays", 14},
        {"PAW  -  Plasma-arc welding", "PAW  -  Essential Variables for Hardfacing Spray Fuse", 13},
        {"FCAW  -  Flux-cored arc welding", "FCAW  -  Essential Variables for Hardfacing Overlays", 22},
        {"ESW  -  Electroslag welding", "ESW  -  Essential Variables for Hardfacing Overlays", 25},
        {"ESW  -  Electroslag welding", "ESW  -  Essential Variables for Corrosion-Resistant Overlays", 9},
        {"EGW  -  Electrogas welding", "", 26},
        {"SAW  -  Submerged-arc welding", "", 17},
        {"OFW  -  Oxyfuel gas welding", "", 2},
        {"PSP  -  Plasma spray", "", 13},
        {"SW  -  Stud welding", "", 0},
        {"", "", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fillermetal::presetTitleNumber(c.process, c.category), c.title)
            << c.process.toStdString() << " / " << c.category.toStdString();
}

// ---------------------------------------------------------------- A-numbers

TEST(ANumberRules, EndsOfAValueOrRange)
{
    struct Case {
        QString text, low, high;
    };
    const Case cases[] = {
        {"0.20", " .2", " .2"},     {"18.5", " 18.5", " 18.5"}, {"0.03-0.15", " .03", " .15"},
        {"0.15-0.03", " .03", " .15"}, {"-5", " 0", " 5"},      {"5-", " 0", " 5"},
        {"", " 0", " 0"},           {"1.2.3", " 1.2", " 1.2"},  {"abc", " 0", " 0"},
        {".5", " .5", " .5"},       {"9-11", " 9", " 11"},      {"7.", " 7", " 7"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(anumber::minValue(c.text), c.low) << c.text.toStdString();
        EXPECT_EQ(anumber::maxValue(c.text), c.high) << c.text.toStdString();
    }
    EXPECT_EQ(anumber::leadingNumber("-5", true), -5);
    EXPECT_EQ(anumber::leadingNumber("-5"), 0);
}

TEST(ANumberRules, ValuesTooLargeForANumberAreInfiniteAndUnreadable)
{
    const QString huge = QString(309, u'9');
    const double infinity = std::numeric_limits<double>::infinity();
    const struct {
        QString text;
        bool withSign;
        double value;
    } numbers[] = {
        {huge, false, infinity},
        {u'-' + huge, true, -infinity},
        {u'-' + huge, false, 0},
        {huge + QStringLiteral(".5"), false, infinity},
        {QStringLiteral("0.") + QString(400, u'0') + u'1', false, 0},  // a fraction too small to count
        {QString(400, u'0') + QStringLiteral("12.5"), false, 12.5},    // leading zeros are no size
    };
    for (const auto& c : numbers)
        EXPECT_EQ(anumber::leadingNumber(c.text, c.withSign), c.value) << c.text.left(12).toStdString();

    const struct {
        std::array<QString, 6> boxes;
        bool readable;
    } analyses[] = {
        {{"0.10", "18.5", "", "9-11", "", ""}, true},
        {{"0.10", huge, "", "", "", ""}, false},
        {{"", "", "", "1-" + huge, "", ""}, false},
        {{"", "", "", "", "", u'-' + huge}, false},
        {{"0.10", QString(400, u'0') + u'1', "", "", "", ""}, true},
    };
    for (const auto& c : analyses)
        EXPECT_EQ(anumber::analysisReadable(c.boxes), c.readable) << c.boxes[0].toStdString() << "|" << c.boxes[1].size();
    EXPECT_EQ(anumber::boxColour(anumber::upperEnd(huge), 30), anumber::BoxColour::Red);
    EXPECT_EQ(anumber::upperEnd("0.30"), 0.3);
    EXPECT_EQ(anumber::upperEnd("0.15-0.03"), 0.15);
}

TEST(ANumberRules, KeyFilterTakesDigitsPointsOneDashBackspaceAndEnter)
{
    struct Case {
        QString text;
        int key;
        bool accepted;
    };
    const Case cases[] = {
        {"", '0', true},   {"0.1", '.', true}, {"0.1", '-', true}, {"0.1-", '-', false}, {"0.1-0.2", '5', true},
        {"", 'a', false},  {"", '%', false},   {"", '\'', false},  {"", ' ', false},     {"", '"', false},
        {"0.1", 8, true},  {"0.1", 13, true},  {"", 27, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(anumber::validateText(c.text, c.key), c.accepted) << c.text.toStdString() << " + " << c.key;
}

TEST(ANumberRules, BoxColourAgainstTheTableMaximum)
{
    using anumber::BoxColour;
    EXPECT_EQ(anumber::boxColour(0, 0.3), BoxColour::White);
    EXPECT_EQ(anumber::boxColour(0.1, 0.3), BoxColour::Green);
    EXPECT_EQ(anumber::boxColour(0.3, 0.3), BoxColour::Yellow);
    EXPECT_EQ(anumber::boxColour(40, 37), BoxColour::Red);
    // A maximum stored with binary noise still equals the typed value.
    EXPECT_EQ(anumber::boxColour(0.3, 0.1 + 0.2), BoxColour::Yellow);
}

TEST(ANumberRules, FilterHasOneClausePerElementAndNoneWhenTheSumIsZero)
{
    EXPECT_EQ(anumber::determinationFilter({"0.10", "18.5", "", "9-11", "", ""}),
              "[TMAX C] >=  .1 AND [TMIN C] <=  .1 AND [TMAX Cr] >=  18.5 AND [TMIN Cr] <=  18.5 AND [TMIN Mo] = 0 "
              "AND [TMAX Ni] >=  11 AND [TMIN Ni] <=  9 AND [TMIN Mn] = 0 AND [TMIN Si] = 0");
    EXPECT_EQ(anumber::determinationFilter({}), "");
    EXPECT_EQ(anumber::determinationFilter({"0", "0.00", "", "", "", ""}), "");
    EXPECT_EQ(anumber::determinationFilter({"", "", "", "0-0.5", "", ""}), "");
    EXPECT_NE(anumber::determinationFilter({"", "", "", "-5", "", ""}), "");
    EXPECT_EQ(anumber::determinationFilter({"0.15-0.03", "", "", "", "", ""}),
              anumber::determinationFilter({"0.03-0.15", "", "", "", "", ""}));
    EXPECT_EQ(anumber::tableMaxStatement(),
              "SELECT Max([TMAX C]) AS [High C], Max([TMAX Cr]) AS [High Cr], Max([TMAX Mo]) AS [High Mo], "
              "Max([TMAX Ni]) AS [High Ni], Max([TMAX Mn]) AS [High Mn], Max([TMAX Si]) AS [High Si] FROM [A Numbers]");
}

// ---------------------------------------------------------------- definitions

TEST(FigureList, EachFigureBehindFigAndJoined)
{
    EXPECT_EQ(figureListOf("QW-461.1, QW-461.2"), "Fig.QW-461.1, Fig.QW-461.2");
    EXPECT_EQ(figureListOf("QW-469.1"), "Fig.QW-469.1");
    EXPECT_EQ(figureListOf("a,,b"), "Fig.a, Fig., Fig.b");
    EXPECT_EQ(figureListOf("a, b,"), "Fig.a, Fig.b");
    EXPECT_EQ(figureListOf(""), "");
}

TEST(RichText, RtfRunsKeepBoldItalicColourAndParagraphs)
{
    const QString rtf = R"({\rtf1\ansi\deff0{\fonttbl{\f0\fswiss Arial;}}{\colortbl ;\red0\green0\blue128;})"
                        R"(\f0\fs20{\b\cf1 Title}\par Plain {\i word}\'e9\u8364?\{x\}\par})";
    ASSERT_TRUE(isRtf(rtf));
    EXPECT_FALSE(isRtf("Sample text."));
    EXPECT_TRUE(isRtf(" \r\n" + rtf));
    EXPECT_FALSE(isRtf("Sample text. " + rtf));
    const std::vector<RichTextRun> runs = readRtf(rtf);
    QString plain;
    for (const RichTextRun& run : runs)
        plain += run.text;
    EXPECT_EQ(plain, QString::fromUtf8("Title\nPlain word\u00e9\u20ac{x}\n"));
    ASSERT_GE(runs.size(), 3u);
    EXPECT_EQ(runs[0].text, "Title");
    EXPECT_TRUE(runs[0].bold);
    EXPECT_EQ(runs[0].colour, QColor(0, 0, 128));
    EXPECT_EQ(runs[0].points, 10);
    EXPECT_FALSE(runs[1].bold);
    EXPECT_FALSE(runs[1].colour.isValid());
    EXPECT_EQ(runs[2].text, "word");
    EXPECT_TRUE(runs[2].italic);
}

namespace {

QString plainTextOf(const std::vector<RichTextRun>& runs)
{
    QString plain;
    for (const RichTextRun& run : runs)
        plain += run.text;
    return plain;
}

// The run that holds the first occurrence of `text` (all of it within one run).
RichTextRun runHolding(const std::vector<RichTextRun>& runs, const QString& text)
{
    for (const RichTextRun& run : runs)
        if (run.text.contains(text))
            return run;
    ADD_FAILURE() << "no run holds " << text.toStdString();
    return {};
}

}  // namespace

TEST(RichText, CodePagesSymbolsUnicodeFieldsAndCells)
{
    const struct {
        const char* rtf;
        const char* text;
    } cases[] = {
        // Windows-1252 is the code page when none is named.
        {R"({\rtf1\ansi it\'92s \'93q\'94 \'96 a \'97 b\'85 \'95 \'e9\'80})", "it\u2019s \u201cq\u201d \u2013 a \u2014 b\u2026 \u2022 \u00e9\u20ac"},
        {R"({\rtf1\ansi\ansicpg1252 \'91x\'92 \'8a\'9f})", "\u2018x\u2019 \u0160\u0178"},
        {R"({\rtf1\ansi\ansicpg1251 \'c0\'e1\'e2})", "\u0410\u0431\u0432"},
        {R"({\rtf1\ansi\ansicpg1250 \'8a\'9a\'c8})", "\u0160\u0161\u010c"},
        {R"({\rtf1\ansi a\rquote s \lquote x\rquote  \ldblquote y\rdblquote  1\endash 2\emdash 3 \bullet z})",
         "a\u2019s \u2018x\u2019 \u201cy\u201d 1\u20132\u20143 \u2022z"},
        // \uN with its stand-ins, as many as \ucN says, inherited by inner groups.
        {R"({\rtf1\ansi \u945? \u8804\'3f x{\uc2\u8212\'2d\'2d y}\uc0 \u946 z})", "\u03b1 \u2264 x\u2014 y\u03b2z"},
        {R"({\rtf1\ansi \u-3913?})", "\uf0b7"},
        // The result of a field shows, its instruction does not.
        {R"({\rtf1 see {\field{\*\fldinst HYPERLINK "https://example.org"}{\fldrslt {\ul link}}} now})", "see link now"},
        {R"({\rtf1 page {\field{\fldinst PAGE}{\fldrslt 7}}.})", "page 7."},
        // Cells apart, each row on a line of its own.
        {R"({\rtf1 \trowd\cellx1000\cellx2000 a\cell b\cell\row\trowd c\cell\cell d\cell\row end})", "a\tb\nc\t\td\nend"},
        {R"({\rtf1 {\*\unknowndest hidden}{\fonttbl{\f0 Arial;}}shown{\info{\title T}}})", "shown"},
        // Hidden text is not shown, up to \v0, the group's end or \plain.
        {R"({\rtf1 shown{\v hidden} again\v  more\v0  back, \v gone\plain plain})", "shown again back, plain"},
        // A page or section break starts a paragraph, unless one has just started.
        {R"({\rtf1 one\page two\par\page three\sect four\par \sect five\par})", "one\ntwo\nthree\nfour\nfive\n"},
        // The Symbol face shows its own characters, however they are written; other faces do not.
        {R"({\rtf1\ansi\deff0{\fonttbl{\f0\fswiss Arial;}{\f1\froman\fcharset2 Symbol{\*\falt Wingdings};}})"
         R"(a {\f1\'b3\'a3\'b1} b {\f1 p D} c {\f1\u61619\'3f} d \'b3})",
         "a \u2265\u2264\u00b1 b \u03c0 \u0394 c \u2265 d \u00b3"},
        {R"({\rtf1\deff1{\fonttbl{\f1 Symbol;}{\f2 Arial;}}a{\f2 a}})", "\u03b1a"},
        // Text around the document is not part of it.
        {" \r\n{\\rtf1 inside}", "inside"},
        {R"({\rtf1 inside} after)", "inside"},
        // Binary data is skipped whole, braces and all.
        {R"({\rtf1 a\bin3 xyzb{\pict\bin3 }{}}c})", "abc"},
        // A \u without a number is no character.
        {R"({\rtf1 a\u b\u})", "ab"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(plainTextOf(readRtf(QString::fromLatin1(c.rtf))).toStdString(), c.text) << c.rtf;
}

TEST(RichText, OddHalfPointSizesAndFormatsThatSwitchOff)
{
    using V = RichTextRun::Vertical;
    const struct {
        const char* rtf;
        const char* word;
        bool bold, italic, underline;
        double points;
        V vertical;
    } cases[] = {
        {R"({\rtf1 \fs17 small\fs21 medium\fs24 twelve})", "small", false, false, false, 8.5, V::Normal},
        {R"({\rtf1 \fs17 small\fs21 medium\fs24 twelve})", "medium", false, false, false, 10.5, V::Normal},
        {R"({\rtf1 \fs17 small\fs21 medium\fs24 twelve})", "twelve", false, false, false, 12, V::Normal},
        {R"({\rtf1 \fs19 nine{\fs23 eleven}back})", "back", false, false, false, 9.5, V::Normal},
        {R"({\rtf1 \b bold\b0 plain})", "bold", true, false, false, 0, V::Normal},
        {R"({\rtf1 \b bold\b0 plain})", "plain", false, false, false, 0, V::Normal},
        {R"({\rtf1 \i slanted\i0 upright})", "slanted", false, true, false, 0, V::Normal},
        {R"({\rtf1 \i slanted\i0 upright})", "upright", false, false, false, 0, V::Normal},
        {R"({\rtf1 \ul under\ulnone plain})", "under", false, false, true, 0, V::Normal},
        {R"({\rtf1 \ul under\ulnone plain})", "plain", false, false, false, 0, V::Normal},
        {R"({\rtf1 \ul\ulc0 under\ul0 plain})", "plain", false, false, false, 0, V::Normal},
        {R"({\rtf1 \b\i\ul all\plain none})", "none", false, false, false, 0, V::Normal},
        {R"({\rtf1 x\super 2\nosupersub y})", "2", false, false, false, 0, V::Super},
        {R"({\rtf1 x\super 2\nosupersub y})", "y", false, false, false, 0, V::Normal},
        {R"({\rtf1 H\sub 2\nosupersub O})", "2", false, false, false, 0, V::Sub},
        {R"({\rtf1 a{\up6 3}b\dn4 4\dn0 c})", "3", false, false, false, 0, V::Super},
        {R"({\rtf1 a{\up6 3}b\dn4 4\dn0 c})", "b", false, false, false, 0, V::Normal},
        {R"({\rtf1 a{\up6 3}b\dn4 4\dn0 c})", "4", false, false, false, 0, V::Sub},
        {R"({\rtf1 a{\up6 3}b\dn4 4\dn0 c})", "c", false, false, false, 0, V::Normal},
        {R"({\rtf1 \super s\plain t})", "t", false, false, false, 0, V::Normal},
    };
    for (const auto& c : cases) {
        const RichTextRun run = runHolding(readRtf(QString::fromLatin1(c.rtf)), QString::fromLatin1(c.word));
        const std::string where = std::string(c.rtf) + " / " + c.word;
        EXPECT_EQ(run.bold, c.bold) << where;
        EXPECT_EQ(run.italic, c.italic) << where;
        EXPECT_EQ(run.underline, c.underline) << where;
        EXPECT_EQ(run.points, c.points) << where;
        EXPECT_EQ(run.vertical, c.vertical) << where;
    }
}

TEST(RichText, UnbalancedOrTruncatedRtfStillReads)
{
    EXPECT_NO_THROW(readRtf(R"({\rtf1 abc}}}\)"));
    EXPECT_NO_THROW(readRtf(R"({\rtf1 \'e)"));
    EXPECT_NO_THROW(readRtf(R"({\rtf1 \u-3)"));
}

// ---------------------------------------------------------------- reports, matrix, completion

TEST(LookupReport, ColumnPlacesOnThePageGrid)
{
    platform::ui::SortableListView none({"a"});
    const LookupReport filler = fillerMetalReport(none);
    std::vector<int> xs;
    for (int c = 0; c < 6; ++c)
        xs.push_back(reportColumnX(filler, c, 210));
    EXPECT_EQ(xs, (std::vector<int>{1, 43, 64, 85, 106, 127}));
    const LookupReport base = baseMetalReport(none);
    xs.clear();
    for (int c = 0; c < 12; ++c)
        xs.push_back(reportColumnX(base, c, 320));
    EXPECT_EQ(xs, (std::vector<int>{1, 41, 65, 89, 105, 149, 161, 173, 185, 197, 209, 249}));
    EXPECT_EQ(reportRowY(1), 40);
    EXPECT_EQ(reportRowY(25), 136);
    EXPECT_EQ(reportRowY(50), 236);
    EXPECT_EQ(filler.columns[2].heading, QString::fromUtf8("F-N\u00b0"));
}

TEST(FillerMatrix, CellTextGivesTheTitleNumber)
{
    const std::pair<QString, int> cases[] = {{"5.18", 18}, {"5.1", 1},  {"5.8, 5.31", 8}, {"5.9, 5.22", 9},
                                             {"5.34", 32}, {"", 0},     {"SMAW", 0},      {"Carbon Steel", 0},
                                             {"GTAW GMAW PAW", 0}, {"Brazing Alloys & Fluxes", 0}};
    for (const auto& [text, n] : cases)
        EXPECT_EQ(varnelFillerMatrix::titleNumberOfCell(text), n) << text.toStdString();
}

TEST(TypeAhead, FirstEntryBeginningWithTheTypedTextIgnoringCase)
{
    platform::ui::ListView list;
    for (const char* entry : {"SA-5", "SA-516", "SA-537", "sb-168"})
        list.addEntry(QString::fromLatin1(entry));
    EXPECT_EQ(completionEntry(list, "sa-51"), 2);
    EXPECT_EQ(completionEntry(list, "SA-5"), 1);
    EXPECT_EQ(completionEntry(list, "SB"), 4);
    EXPECT_EQ(completionEntry(list, ""), 1);
    // An entry shorter than the typed text never wins.
    EXPECT_EQ(completionEntry(list, "SA-5161"), 0);
    EXPECT_EQ(pickListHeight(12), 2850);
    EXPECT_EQ(pickListHeight(10), 2850);
    EXPECT_EQ(pickListHeight(3), 855);
    EXPECT_EQ(pickListHeight(0), 285);
}
