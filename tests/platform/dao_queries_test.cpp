// The SQL texts and criteria that the windows write, run against a small reference database and
// a small interpretations database, with the rows each must return.

#include "platform/dao/dao.h"
#include "support/fixture_database.h"

#include <gtest/gtest.h>

namespace {

const char* const referenceSql = R"sql(
CREATE TABLE Processes (ABBR TEXT COLLATE NOCASE, FULLNAME TEXT COLLATE NOCASE, SORTKEY INTEGER,
  ESS BOOLEAN, NON BOOLEAN, SUP BOOLEAN, HFO BOOLEAN, CRO BOOLEAN, GROOVE BOOLEAN, FILLET BOOLEAN, STUD BOOLEAN);
INSERT INTO Processes VALUES ('SMAW', 'Shielded Metal Arc Welding', 2, -1, -1, -1, -1, -1, -1, -1, 0);
INSERT INTO Processes VALUES ('STUD', 'Stud Welding', 11, -1, -1, 0, 0, 0, 0, 0, -1);
INSERT INTO Processes VALUES ('OFW', 'Oxyfuel Gas Welding', 1, -1, -1, 0, -1, 0, -1, -1, 0);
INSERT INTO Processes VALUES ('GTAW', NULL, 6, -1, -1, -1, -1, -1, -1, -1, 0);

CREATE TABLE Variables (variable TEXT COLLATE NOCASE, var_text TEXT COLLATE NOCASE, "order" INTEGER,
  ADDENDA TEXT COLLATE NOCASE, SMAW_ESS BOOLEAN, SMAW_NON BOOLEAN, SMAW_SUP BOOLEAN, GTAW_ESS BOOLEAN,
  GTAW_HFSF_ESS BOOLEAN);
INSERT INTO Variables VALUES ('QW-402.1', 'Sample: a change in the type of groove joint.', 20, '07r', -1, 0, 0, -1, 0);
INSERT INTO Variables VALUES ('QW-200.1', 'Sample: each maker writes a welding procedure.', 10, NULL, 0, 0, 0, 0, 0);
INSERT INTO Variables VALUES ('QW-404.5', 'Sample: weld rod classification; heat input recorded.', 30, '', 0, -1, 0, 0, -1);
INSERT INTO Variables VALUES ('QW-409.1', 'Sample: an increase in HEAT INPUT beyond the range.', 40, '10d', 0, 0, -1, 0, NULL);
INSERT INTO Variables VALUES ('QW-410.9', NULL, 60, NULL, -1, 0, 0, 0, 0);
INSERT INTO Variables VALUES ('QW-492', 'Sample: welding terms.', 50, NULL, 0, 0, 0, 0, 0);

CREATE TABLE "Cross-reference" (reference TEXT COLLATE NOCASE, title TEXT COLLATE NOCASE,
  variable TEXT COLLATE NOCASE, form TEXT COLLATE NOCASE, message TEXT COLLATE NOCASE, graphics TEXT COLLATE NOCASE);
INSERT INTO "Cross-reference" VALUES ('QW-403', NULL, 'QW-403.1', NULL, NULL, NULL);
INSERT INTO "Cross-reference" VALUES ('QW-420', NULL, NULL, 'varnelMaterialSpecification', NULL, NULL);
INSERT INTO "Cross-reference" VALUES ('QW-461.1', 'GRAPHICS', NULL, NULL, NULL, 'QW-461.1, QW-461.2');
INSERT INTO "Cross-reference" VALUES ('QW-100', 'Scope', NULL, NULL, 'Sample message.', NULL);

CREATE TABLE Graphics ("picture id" TEXT COLLATE NOCASE, title TEXT COLLATE NOCASE, text TEXT COLLATE NOCASE,
  picture TEXT COLLATE NOCASE);
INSERT INTO Graphics VALUES ('QW-462.5(a)', 'Sample figure', NULL, 'q4625a');
INSERT INTO Graphics VALUES ('QW-461.2', 'Sample positions, pipe', 'Sample text.', 'q4612');
INSERT INTO Graphics VALUES ('QW-461.1', 'Sample positions, plate', NULL, 'q4611');

CREATE TABLE version (License TEXT COLLATE NOCASE);
INSERT INTO version VALUES ('Sample licence text.');

CREATE TABLE Definitions (term TEXT COLLATE NOCASE, definition TEXT COLLATE NOCASE, figure TEXT COLLATE NOCASE);
INSERT INTO Definitions VALUES ('weld', 'Sample: a joined spot.', 'QW-461.1, QW-461.2');
INSERT INTO Definitions VALUES ('arc welding', 'Sample: welding with an arc.', NULL);
INSERT INTO Definitions VALUES ('Welder', 'Sample: one who welds.', NULL);
CREATE TABLE "Definitions - Brazing" (term TEXT COLLATE NOCASE, definition TEXT COLLATE NOCASE, figure TEXT COLLATE NOCASE);
INSERT INTO "Definitions - Brazing" VALUES ('brazer', 'Sample: one who brazes.', NULL);
INSERT INTO "Definitions - Brazing" VALUES ('braze', 'Sample: a brazed joint.', NULL);
CREATE TABLE "Definitions - AWS" (term TEXT COLLATE NOCASE, definition TEXT COLLATE NOCASE);
INSERT INTO "Definitions - AWS" VALUES ('weld bead', 'Sample: one pass.');

CREATE TABLE "Base metals" (Spec_No TEXT COLLATE NOCASE, Grade TEXT COLLATE NOCASE, UNS TEXT COLLATE NOCASE,
  P_ TEXT COLLATE NOCASE, S_ TEXT COLLATE NOCASE, Product_FM TEXT COLLATE NOCASE, ADDENDA TEXT COLLATE NOCASE);
INSERT INTO "Base metals" VALUES ('SA-516', '70', 'K02700', '1', NULL, 'Plate', NULL);
INSERT INTO "Base metals" VALUES ('SA-106', 'B', 'K03006', '1', NULL, 'Smls. pipe', NULL);
INSERT INTO "Base metals" VALUES ('SA-213', 'T22', 'K21590', '5A', NULL, 'Smls. tube', '07r');
INSERT INTO "Base metals" VALUES ('SA-36', NULL, 'K02600', '1', NULL, NULL, NULL);
INSERT INTO "Base metals" VALUES ('SB-209', '6061', 'A96061', '23', NULL, 'Plate', NULL);
INSERT INTO "Base metals" VALUES ('SA-193', 'B7', 'G41400', NULL, '11B', 'Bar', NULL);
INSERT INTO "Base metals" VALUES ('sa-516', '60', 'K02100', '1', NULL, 'plate', NULL);

CREATE TABLE "Filler metals" (AWS_Class TEXT COLLATE NOCASE, SFA TEXT COLLATE NOCASE, F_NO TEXT COLLATE NOCASE,
  A_NO TEXT COLLATE NOCASE, UNS TEXT COLLATE NOCASE, Comment TEXT COLLATE NOCASE);
INSERT INTO "Filler metals" VALUES ('E7018', '5.1', '4', '1', 'W07018', NULL);
INSERT INTO "Filler metals" VALUES ('E6010', '5.1', '3', '1', 'W06010', NULL);
INSERT INTO "Filler metals" VALUES ('ER70S-6', '5.18', '6', '1', 'K11140', NULL);
INSERT INTO "Filler metals" VALUES ('E308L-16', '5.4', '5', '8', 'W30813', NULL);
INSERT INTO "Filler metals" VALUES ('ERNiCr-3', '5.14', '43', NULL, 'N06082', NULL);
INSERT INTO "Filler metals" VALUES ('E7018-A1', '5.5', '4', '2', 'W17018', NULL);

CREATE TABLE "Filler Metal Specifications" (SFA TEXT COLLATE NOCASE, DESIGNATION TEXT COLLATE NOCASE, "ORDER" INTEGER);
INSERT INTO "Filler Metal Specifications" VALUES ('5.4', 'Sample stainless electrodes', 3);
INSERT INTO "Filler Metal Specifications" VALUES ('5.1', 'Sample carbon steel electrodes', 1);
INSERT INTO "Filler Metal Specifications" VALUES ('5.14', 'Sample nickel alloy rods', 5);
INSERT INTO "Filler Metal Specifications" VALUES ('5.18', 'Sample carbon steel rods', 6);
INSERT INTO "Filler Metal Specifications" VALUES ('5.5', 'Sample low alloy electrodes', 4);

CREATE TABLE "A Numbers" ("A Number" INTEGER, "TMIN C" REAL, "TMAX C" REAL, "TMIN Cr" REAL, "TMAX Cr" REAL,
  "TMIN Mo" REAL, "TMAX Mo" REAL, "TMIN Ni" REAL, "TMAX Ni" REAL, "TMIN Mn" REAL, "TMAX Mn" REAL,
  "TMIN Si" REAL, "TMAX Si" REAL);
INSERT INTO "A Numbers" VALUES (1, 0, 0.20, 0, 0.20, 0, 0.30, 0, 0.50, 0, 1.60, 0, 1.00);
INSERT INTO "A Numbers" VALUES (2, 0, 0.15, 0, 0.50, 0.40, 0.65, 0, 0.50, 0, 1.60, 0, 1.00);
INSERT INTO "A Numbers" VALUES (8, 0, 0.15, 14.50, 30.00, 0, 4.00, 7.50, 15.00, 0, 2.50, 0, 1.00);
INSERT INTO "A Numbers" VALUES (9, 0, 0.30, 25.00, 30.00, 0, 4.00, 15.00, 37.00, 0, 2.50, 0, 1.00);
)sql";

const char* const interpretationsSql = R"sql(
CREATE TABLE AuthorizedTablesTab (UsertableName TEXT COLLATE NOCASE, dbtableName TEXT COLLATE NOCASE);
INSERT INTO AuthorizedTablesTab VALUES ('Section IX', 'INT09');
INSERT INTO AuthorizedTablesTab VALUES ('Section VIII', 'INT08');
CREATE TABLE INT09 (INTER_STR TEXT COLLATE NOCASE, INTER_TEXT TEXT COLLATE NOCASE, vol INTEGER);
INSERT INTO INT09 VALUES ('IX-07-02', 'Interpretation: IX-07-02 Subject: sample groove question.', 58);
INSERT INTO INT09 VALUES ('  Sorvik Notice', 'Sample notice.', NULL);
INSERT INTO INT09 VALUES ('IX-07-01', 'Interpretation: IX-07-01 Subject: sample fillet question.', 57);
INSERT INTO INT09 VALUES ('IX-10-05', 'Interpretation: IX-10-05 Subject: sample GROOVE and heat input.', 61);
CREATE TABLE INX09 (Reference TEXT COLLATE NOCASE, INTER_STR TEXT COLLATE NOCASE, section TEXT COLLATE NOCASE);
INSERT INTO INX09 VALUES ('QW-402.1', 'IX-07-02', '09');
INSERT INTO INX09 VALUES ('QW-404.5', 'IX-07-01', '09');
INSERT INTO INX09 VALUES ('QW-402.1', 'IX-07-01', '09');
INSERT INTO INX09 VALUES ('QW-402.1', 'IX-10-05', '09');
INSERT INTO INX09 VALUES ('QW-403', 'IX-08-01', '08');
CREATE TABLE INT08 (INTER_STR TEXT COLLATE NOCASE, INTER_TEXT TEXT COLLATE NOCASE, vol INTEGER);
INSERT INTO INT08 VALUES ('IX-08-01', 'Interpretation: IX-08-01 Subject: sample.', 59);
)sql";

// The values of one field over all rows, joined by '|'.
QString column(dao::Database& db, const QString& sql, const QString& field)
{
    auto rs = db.openRecordset(sql);
    QStringList values;
    while (!rs->eof()) {
        values << rs->field(field).toString();
        rs->moveNext();
    }
    rs->close();
    return values.join(u'|');
}

class DaoQueries : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        reference = new testing_support::FixtureDatabase(QString::fromUtf8(referenceSql), QStringLiteral("Kx4Tq9Wm"),
                                                         QStringLiteral("qel0709.mdb"));
        interpretations = new testing_support::FixtureDatabase(QString::fromUtf8(interpretationsSql),
                                                               QStringLiteral("Kx4Tq9Wm"), QStringLiteral("intasme.mdb"));
    }
    static void TearDownTestSuite()
    {
        delete reference;
        delete interpretations;
    }
    void SetUp() override
    {
        auto& ws = dao::Workspace::defaultWorkspace();
        ref = ws.openDatabase(reference->path(), false, false, QStringLiteral(";pwd=Kx4Tq9Wm"));
        inter = ws.openDatabase(interpretations->path(), false, false, QStringLiteral(";pwd=Kx4Tq9Wm"));
    }

    static testing_support::FixtureDatabase* reference;
    static testing_support::FixtureDatabase* interpretations;
    std::unique_ptr<dao::Database> ref;
    std::unique_ptr<dao::Database> inter;
};

testing_support::FixtureDatabase* DaoQueries::reference = nullptr;
testing_support::FixtureDatabase* DaoQueries::interpretations = nullptr;

struct QueryCase {
    const char* sql;
    const char* field;
    const char* expected;  // the field's values in row order, joined by '|'
};

TEST_F(DaoQueries, ReferenceDatabaseQueriesReturnTheirRows)
{
    const QueryCase cases[] = {
        // Process and category lists
        {"SELECT * FROM [Processes] ORDER BY [SORTKEY]", "ABBR", "OFW|SMAW|GTAW|STUD"},
        {"SELECT * FROM [Processes] WHERE [ABBR] = \"SMAW\" ORDER BY [SORTKEY]", "FULLNAME", "Shielded Metal Arc Welding"},
        {"SELECT * FROM [Processes] WHERE [ABBR] = \"STUD\" ORDER BY [SORTKEY]", "ABBR", "STUD"},
        {"SELECT * FROM [Processes] WHERE [ABBR] = \"smaw\" ORDER BY [SORTKEY]", "ABBR", "SMAW"},
        {"SELECT * FROM [Processes] WHERE [ABBR] = \"SAW\" ORDER BY [SORTKEY]", "ABBR", ""},
        {"SELECT * FROM [Processes] WHERE [GROOVE] ORDER BY [SORTKEY]", "ABBR", "OFW|SMAW|GTAW"},
        {"SELECT * FROM [Processes] WHERE [STUD] ORDER BY [SORTKEY]", "ABBR", "STUD"},
        {"SELECT * FROM [Processes] WHERE [CRO] ORDER BY [SORTKEY]", "ABBR", "SMAW|GTAW"},
        {"SELECT * FROM [Variables] ORDER BY [order]", "variable", "QW-200.1|QW-402.1|QW-404.5|QW-409.1|QW-492|QW-410.9"},
        // Paragraph search: all paragraphs, And, Or, Phrase, category clause, process filter
        {"SELECT * FROM variables ORDER BY [order]", "variable", "QW-200.1|QW-402.1|QW-404.5|QW-409.1|QW-492|QW-410.9"},
        {"SELECT * FROM variables  WHERE  [var_text] LIKE \"*weld*\" AND  [var_text] LIKE \"*rod*\" ORDER BY [order]",
         "variable", "QW-404.5"},
        {"SELECT * FROM variables  WHERE  [var_text] LIKE \"*heat*\" AND  [var_text] LIKE \"*input*\" AND  [SMAW_SUP] = TRUE "
         "ORDER BY [order]",
         "variable", "QW-409.1"},
        {"SELECT * FROM variables  WHERE ( [var_text] LIKE \"*groove*\" OR  [var_text] LIKE \"*terms*\") ORDER BY [order]",
         "variable", "QW-402.1|QW-492"},
        {"SELECT * FROM variables  WHERE  [var_text] LIKE \"*heat input*\" ORDER BY [order]", "variable", "QW-404.5|QW-409.1"},
        {"SELECT * FROM variables  WHERE  [var_text] LIKE \"**\" ORDER BY [order]", "variable",
         "QW-200.1|QW-402.1|QW-404.5|QW-409.1|QW-492"},
        {"SELECT * FROM variables WHERE  [SMAW_ESS] = TRUE ORDER BY [order]", "variable", "QW-402.1|QW-410.9"},
        {"SELECT * FROM variables WHERE (SMAW_ESS = TRUE OR SMAW_NON = TRUE OR SMAW_SUP = TRUE) ORDER BY [order]",
         "variable", "QW-402.1|QW-404.5|QW-409.1|QW-410.9"},
        {"SELECT * FROM variables  WHERE  [var_text] LIKE \"*weld*\" AND (GTAW_ESS = TRUE OR GTAW_HFSF_ESS = TRUE) "
         "ORDER BY [order]",
         "variable", "QW-404.5"},
        // One paragraph, the grid's row, the pop-up
        {"SELECT * FROM [Variables] WHERE [variable] = \"QW-402.1\"", "ADDENDA", "07r"},
        {"SELECT * FROM [Variables] WHERE [variable] = \"qw-404.5\"", "var_text",
         "Sample: weld rod classification; heat input recorded."},
        {"SELECT * FROM [Variables] WHERE [variable] = \"QW-999\"", "variable", ""},
        // Cross-reference, licence, figures
        {"SELECT * FROM [Cross-reference]", "reference", "QW-403|QW-420|QW-461.1|QW-100"},
        {"SELECT * FROM [Cross-reference] WHERE [Reference] = \"qw-461.1\"", "graphics", "QW-461.1, QW-461.2"},
        {"SELECT * FROM [version]", "License", "Sample licence text."},
        {"SELECT * FROM [Graphics] WHERE [picture id] IN (\"QW-462.5(a)\",\"qw-461.1\",\"\") ORDER BY [picture id]",
         "picture id", "QW-461.1|QW-462.5(a)"},
        {"SELECT * FROM [Graphics] WHERE [picture id] = \"QW-461.2\"", "picture", "q4612"},
        // Glossaries
        {"SELECT * FROM [Definitions] ORDER BY [term]", "term", "arc welding|weld|Welder"},
        {"SELECT * FROM [Definitions - Brazing] ORDER BY [term]", "term", "braze|brazer"},
        {"SELECT * FROM [Definitions - AWS] ORDER BY [term]", "term", "weld bead"},
        // Base metals: results and pick lists
        {"SELECT * FROM [Base metals] ", "Spec_No", "SA-516|SA-106|SA-213|SA-36|SB-209|SA-193|sa-516"},
        {"SELECT * FROM [Base metals] WHERE [Product_FM] LIKE \"*Plate*\"", "Grade", "70|6061|60"},
        {"SELECT * FROM [Base metals] WHERE [Product_FM] LIKE \"*\"", "Spec_No", "SA-516|SA-106|SA-213|SB-209|SA-193|sa-516"},
        {"SELECT * FROM [Base metals] WHERE [Spec_No] LIKE \"sa-516\" AND ([P_] LIKE \"1\" OR [S_] LIKE \"1\") AND "
         "[Product_FM] LIKE \"*Plate*\"",
         "Grade", "70|60"},
        {"SELECT * FROM [Base metals] WHERE ([Product_FM] LIKE \"*Pip*\" OR [Product_FM] LIKE \"*Tub*\")", "Spec_No",
         "SA-106|SA-213"},
        {"SELECT * FROM [Base metals] WHERE ([Product_FM] LIKE \"*bar*\" OR [Product_FM] LIKE \"*wire*\" OR "
         "[Product_FM] LIKE \"*rod*\")",
         "Spec_No", "SA-193"},
        {"SELECT * FROM [Base metals] WHERE ([P_] LIKE \"11B\" OR [S_] LIKE \"11B\")", "Spec_No", "SA-193"},
        {"SELECT * FROM [Base metals] WHERE [Grade] LIKE \"*2*\" AND [Product_FM] LIKE \"*pipe/tube*\"", "Spec_No", ""},
        {"SELECT * FROM [Base metals] WHERE [Spec_No] LIKE \"SA-?06\"", "Spec_No", "SA-106"},
        {"SELECT DISTINCT [Spec_No] FROM [Base metals] ORDER BY [Spec_No]", "Spec_No", "SA-106|SA-193|SA-213|SA-36|SA-516|SB-209"},
        {"SELECT DISTINCT [P_] FROM [Base metals] WHERE [Product_FM] LIKE \"*Plate*\" ORDER BY [P_]", "P_", "1|23"},
        {"SELECT DISTINCT [S_] FROM [Base metals] ORDER BY [S_]", "S_", "|11B"},
        // Filler metals: titles, results, pick lists
        {"SELECT [SFA],[DESIGNATION],[ORDER] FROM [Filler Metal Specifications] ORDER BY [ORDER]", "SFA",
         "5.1|5.4|5.5|5.14|5.18"},
        {"SELECT * FROM [Filler metals]", "AWS_Class", "E7018|E6010|ER70S-6|E308L-16|ERNiCr-3|E7018-A1"},
        {"SELECT * FROM [Filler metals] WHERE [AWS_Class] LIKE \"*7018*\" AND [SFA] LIKE \"5.1\"", "AWS_Class", "E7018"},
        {"SELECT * FROM [Filler metals] WHERE [SFA] LIKE \"5.1*\"", "AWS_Class", "E7018|E6010|ER70S-6|ERNiCr-3"},
        {"SELECT * FROM [Filler metals] WHERE [F_NO] LIKE \"4\" AND [A_NO] LIKE \"2\"", "AWS_Class", "E7018-A1"},
        {"SELECT * FROM [Filler metals] WHERE [UNS] LIKE \"w0*\"", "AWS_Class", "E7018|E6010"},
        {"SELECT DISTINCT [F_NO] FROM [Filler metals] WHERE [AWS_Class] LIKE \"*E*\" ORDER BY [F_NO]", "F_NO", "3|4|43|5|6"},
        {"SELECT DISTINCT [SFA] FROM [Filler metals] WHERE [AWS_Class] LIKE \"*7018*\"", "SFA", "5.1|5.5"},
        {"SELECT DISTINCT [A_NO] FROM [Filler metals] ORDER BY [A_NO]", "A_NO", "|1|2|8"},
        // A-number table maxima
        {"SELECT Max([TMAX C]) AS [High C], Max([TMAX Cr]) AS [High Cr], Max([TMAX Mo]) AS [High Mo], Max([TMAX Ni]) "
         "AS [High Ni], Max([TMAX Mn]) AS [High Mn], Max([TMAX Si]) AS [High Si] FROM [A Numbers]",
         "High Ni", "37"},
        {"SELECT Max([TMAX C]) AS [High C] FROM [A Numbers]", "high c", "0.3"},
        {"A Numbers", "A Number", "1|2|8|9"},
        {"  a numbers ", "A Number", "1|2|8|9"},
    };
    for (const QueryCase& c : cases) {
        SCOPED_TRACE(c.sql);
        EXPECT_EQ(column(*ref, QString::fromUtf8(c.sql), QString::fromUtf8(c.field)), QString::fromUtf8(c.expected));
    }
}

TEST_F(DaoQueries, InterpretationsQueriesReturnTheirRows)
{
    const QueryCase cases[] = {
        {"SELECT * FROM AuthorizedTablesTab", "dbtableName", "INT09|INT08"},
        {"SELECT * FROM [INT09] ORDER BY INTER_STR", "INTER_STR", "  Sorvik Notice|IX-07-01|IX-07-02|IX-10-05"},
        {"SELECT DISTINCT reference FROM INX09 ORDER BY reference", "Reference", "QW-402.1|QW-403|QW-404.5"},
        // Search by paragraph and text, by text (And, Or, Phrase), by paragraph, and neither
        {"SELECT DISTINCT [INTER_STR] FROM INX09 WHERE [Reference] = \"QW-402.1\" AND [INTER_STR] IN (SELECT [INTER_STR] "
         "FROM INT09 WHERE  [INTER_TEXT] LIKE \"*groove*\")",
         "INTER_STR", "IX-07-02|IX-10-05"},
        {"SELECT DISTINCT [INTER_STR] FROM INT09 WHERE  [INTER_TEXT] LIKE \"*sample*\" AND  [INTER_TEXT] LIKE \"*question*\"",
         "INTER_STR", "IX-07-02|IX-07-01"},
        {"SELECT DISTINCT [INTER_STR] FROM INT09 WHERE ( [INTER_TEXT] LIKE \"*fillet*\" OR  [INTER_TEXT] LIKE \"*heat*\")",
         "INTER_STR", "IX-07-01|IX-10-05"},
        {"SELECT DISTINCT [INTER_STR] FROM INT09 WHERE [INTER_TEXT] LIKE \"*groove and heat*\"", "INTER_STR", "IX-10-05"},
        {"SELECT DISTINCT [INTER_STR] FROM INX09 WHERE [Reference] = \"qw-402.1\"", "INTER_STR", "IX-07-02|IX-07-01|IX-10-05"},
        {"SELECT DISTINCT [INTER_STR] FROM INX09", "INTER_STR", "IX-07-02|IX-07-01|IX-10-05|IX-08-01"},
        // One interpretation, from its section or through the index
        {"SELECT * FROM [INT09] WHERE INTER_STR = \"IX-07-01\"", "vol", "57"},
        {"SELECT * FROM [INT09] WHERE INTER_STR = \"  Sorvik Notice\"", "inter_text", "Sample notice."},
        {"SELECT * FROM [INX09] WHERE INTER_STR = \"IX-08-01\"", "section", "08"},
        {"SELECT * FROM [INT08] WHERE INTER_STR = \"IX-08-01\"", "vol", "59"},
    };
    for (const QueryCase& c : cases) {
        SCOPED_TRACE(c.sql);
        EXPECT_EQ(column(*inter, QString::fromUtf8(c.sql), QString::fromUtf8(c.field)), QString::fromUtf8(c.expected));
    }
}

struct RefusedCase {
    const char* sql;
    int error;
};

TEST_F(DaoQueries, RefusedQueriesRaiseTheEngineError)
{
    const RefusedCase cases[] = {
        // A category phrase that names no column gives a clause without a column.
        {"SELECT * FROM variables WHERE  [SMAW_] = TRUE ORDER BY [order]", dao::TooFewParameters},
        {"SELECT * FROM [Processes] WHERE [NOSUCH] ORDER BY [SORTKEY]", dao::TooFewParameters},
        // A double quote typed into a search box breaks the literal.
        {"SELECT * FROM [Base metals] WHERE [Spec_No] LIKE \"SA\"516\"", dao::SyntaxError},
        // A section table that is not there, and no section at all.
        {"SELECT * FROM [INT] WHERE INTER_STR = \"IX-08-01\"", dao::TableNotFound},
        {"SELECT DISTINCT [INTER_STR] FROM INX", dao::TableNotFound},
        {"SELECT DISTINCT [INTER_STR] FROM  WHERE  [INTER_TEXT] LIKE \"*x*\"", dao::SyntaxError},
        {"A Number", dao::TableNotFound},
    };
    for (const RefusedCase& c : cases) {
        SCOPED_TRACE(c.sql);
        const QString sql = QString::fromUtf8(c.sql);
        const dao::Error error = testing_support::errorOf([&] { (sql.contains(u"INT") ? inter : ref)->openRecordset(sql); });
        EXPECT_EQ(error.number(), c.error) << error.description().toStdString();
    }
}

TEST_F(DaoQueries, CrossReferenceLookupFindsTheKeyWithoutRegardToCase)
{
    auto rs = ref->openRecordset(QStringLiteral("SELECT * FROM [Cross-reference]"));
    rs->findFirst(QStringLiteral("reference = \"qw-403\""));
    ASSERT_FALSE(rs->noMatch());
    EXPECT_EQ(rs->field(QStringLiteral("variable")).toString(), QStringLiteral("QW-403.1"));
    rs->findFirst(QStringLiteral("reference = ") + dao::literal(QStringLiteral("QW-420")));
    ASSERT_FALSE(rs->noMatch());
    EXPECT_EQ(rs->field(QStringLiteral("form")).toString(), QStringLiteral("varnelMaterialSpecification"));
    EXPECT_TRUE(rs->field(QStringLiteral("variable")).isNull());
    rs->findFirst(QStringLiteral("reference = \"QW-999\""));
    EXPECT_TRUE(rs->noMatch());
    EXPECT_EQ(rs->field(QStringLiteral("reference")).toString(), QStringLiteral("QW-420"));
}

TEST_F(DaoQueries, GlossaryLookupFindsTheFirstTermThatBeginsWithTheText)
{
    auto rs = ref->openRecordset(QStringLiteral("SELECT * FROM [Definitions] ORDER BY [term]"));
    const struct {
        const char* criterion;
        const char* term;  // nullptr: no match
    } cases[] = {
        {"[term] LIKE \"wel*\"", "weld"},
        {"[term] LIKE \"WELDE*\"", "Welder"},
        {"[term] LIKE \"*\"", "arc welding"},
        {"[term] LIKE \"**\"", "arc welding"},
        {"[term] LIKE \"a?c*\"", "arc welding"},
        {"[term] LIKE \"[v-x]eld*\"", "weld"},
        {"[term] LIKE \"xyz*\"", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.criterion);
        rs->findFirst(QString::fromUtf8(c.criterion));
        EXPECT_EQ(rs->noMatch(), c.term == nullptr);
        if (c.term) {
            EXPECT_EQ(rs->field(QStringLiteral("term")).toString(), QString::fromUtf8(c.term));
        }
    }
    // An open bracket in the box text is an invalid pattern.
    EXPECT_EQ(testing_support::errorNumber([&] { rs->findFirst(QStringLiteral("[term] LIKE \"[wel*\"")); }), dao::SyntaxError);
}

TEST_F(DaoQueries, SfaPickListFindsEachTitleAmongTheDistinctNumbers)
{
    auto rs = ref->openRecordset(QStringLiteral("SELECT DISTINCT [SFA] FROM [Filler metals] WHERE [AWS_Class] LIKE \"*E*\""));
    QStringList found;
    for (const char* number : {"5.1", "5.4", "5.5", "5.14", "5.18", "5.2"}) {
        rs->findFirst(QStringLiteral("[SFA] = '%1'").arg(QString::fromUtf8(number)));
        if (!rs->noMatch())
            found << rs->field(QStringLiteral("SFA")).toString();
    }
    EXPECT_EQ(found.join(u'|'), QStringLiteral("5.1|5.4|5.5|5.14|5.18"));
}

TEST_F(DaoQueries, AnumberDeterminationFindsEveryMatchingRowInTableOrder)
{
    auto maxima = ref->openRecordset(QStringLiteral(
        "SELECT Max([TMAX C]) AS [High C], Max([TMAX Cr]) AS [High Cr], Max([TMAX Mo]) AS [High Mo], Max([TMAX Ni]) AS "
        "[High Ni], Max([TMAX Mn]) AS [High Mn], Max([TMAX Si]) AS [High Si] FROM [A Numbers]"));
    maxima->moveLast();
    EXPECT_DOUBLE_EQ(maxima->field(QStringLiteral("High C")).toDouble(), 0.30);
    EXPECT_DOUBLE_EQ(maxima->field(QStringLiteral("High Cr")).toDouble(), 30.0);
    maxima->close();

    auto table = ref->openRecordset(QStringLiteral("A Numbers"));
    const auto matches = [&](const QString& filter) {
        QStringList numbers;
        table->findFirst(filter);
        while (!table->noMatch()) {
            numbers << table->field(QStringLiteral("A Number")).toString();
            table->findNext(filter);
        }
        return numbers.join(QStringLiteral(" or "));
    };
    // C 0.10, Cr 18.5, Ni 9-11, the other boxes empty
    EXPECT_EQ(matches(QStringLiteral("[TMAX C] >=  .1 AND [TMIN C] <=  .1 AND [TMAX Cr] >=  18.5 AND [TMIN Cr] <=  18.5 "
                                     "AND [TMIN Mo] = 0 AND [TMAX Ni] >=  11 AND [TMIN Ni] <=  9 AND [TMIN Mn] = 0 AND "
                                     "[TMIN Si] = 0")),
              QStringLiteral("8"));
    // C 0.10 alone
    EXPECT_EQ(matches(QStringLiteral("[TMAX C] >=  .1 AND [TMIN C] <=  .1 AND [TMIN Cr] = 0 AND [TMIN Mo] = 0 AND "
                                     "[TMIN Ni] = 0 AND [TMIN Mn] = 0 AND [TMIN Si] = 0")),
              QStringLiteral("1"));
    // Cr 26, Ni 15, Mo 1: two rows
    EXPECT_EQ(matches(QStringLiteral("[TMIN C] = 0 AND [TMAX Cr] >=  26 AND [TMIN Cr] <=  26 AND [TMAX Mo] >=  1 AND "
                                     "[TMIN Mo] <=  1 AND [TMAX Ni] >=  15 AND [TMIN Ni] <=  15 AND [TMIN Mn] = 0 AND "
                                     "[TMIN Si] = 0")),
              QStringLiteral("8 or 9"));
    // Ni 40: above every row
    EXPECT_EQ(matches(QStringLiteral("[TMIN C] = 0 AND [TMIN Cr] = 0 AND [TMIN Mo] = 0 AND [TMAX Ni] >=  40 AND "
                                     "[TMIN Ni] <=  40 AND [TMIN Mn] = 0 AND [TMIN Si] = 0")),
              QString());
}

// A search of many words: each AND or OR of a chain nests one level deeper in SQLite, which
// refuses an expression deeper than 1,000 levels. Chains of every length find their rows.
TEST_F(DaoQueries, ChainsOfManyWordsFindWhatTheyMatch)
{
    const auto likes = [](int count, const QString& joint, const QString& last, bool distinct) {
        QStringList conditions;
        for (int i = 1; i < count; ++i)
            conditions << QStringLiteral(" [var_text] LIKE \"*%1*\"").arg(distinct ? QStringLiteral("absent%1").arg(i) : "sample");
        conditions << QStringLiteral(" [var_text] LIKE \"*%1*\"").arg(last);
        return conditions.join(joint);
    };
    for (int count : {64, 65, 1200}) {
        SCOPED_TRACE(count);
        EXPECT_EQ(column(*ref, "SELECT * FROM variables WHERE" + likes(count, " AND ", "heat", false) + " ORDER BY [order]",
                         "variable"),
                  "QW-404.5|QW-409.1");
        EXPECT_EQ(column(*ref, "SELECT [variable] FROM variables WHERE (" + likes(count, " OR ", "groove", true)
                                   + ") AND [SMAW_ESS] = TRUE ORDER BY [order]",
                         "variable"),
                  "QW-402.1");
        auto table = ref->openRecordset("Variables");
        table->findFirst(likes(count, " AND ", "terms", false));
        ASSERT_FALSE(table->noMatch());
        EXPECT_EQ(table->field("variable").toString(), "QW-492");
    }
}

// Rows that an ORDER BY finds alike come in the order they were stored, even where an index over
// the ordering field and another field could give them in another order.
TEST(DaoOrdering, RowsThatSortAlikeKeepTheirStoredOrder)
{
    testing_support::FixtureDatabase fixture(QStringLiteral(R"sql(
CREATE TABLE t (k INTEGER, v TEXT COLLATE NOCASE);
CREATE INDEX "k then v" ON t(k, v);
CREATE INDEX "k down then v" ON t(k DESC, v DESC);
INSERT INTO t VALUES (2, 'd'), (1, 'c'), (2, 'b'), (1, 'A'), (NULL, 'z'), (2, 'a'), (NULL, 'y');
)sql"));
    auto db = dao::Workspace::defaultWorkspace().openDatabase(fixture.path(), false, true, QString());
    const QueryCase cases[] = {
        {"SELECT * FROM t ORDER BY k", "v", "z|y|c|A|d|b|a"},
        {"SELECT v FROM t ORDER BY k", "v", "z|y|c|A|d|b|a"},
        {"SELECT v FROM t ORDER BY k DESC", "v", "d|b|a|c|A|z|y"},
        {"SELECT v FROM t WHERE k = 2 ORDER BY k", "v", "d|b|a"},
        {"SELECT v FROM t WHERE k > 0 ORDER BY k", "v", "c|A|d|b|a"},
        {"SELECT v FROM t", "v", "d|c|b|A|z|a|y"},
    };
    for (const QueryCase& c : cases)
        EXPECT_EQ(column(*db, QString::fromUtf8(c.sql), QString::fromUtf8(c.field)), QString::fromUtf8(c.expected)) << c.sql;
}

// Every letter compares without regard to case, not only the ASCII ones: in =, <>, <, >, ORDER BY,
// DISTINCT and a find, in stored order where texts compare alike.
TEST(DaoOrdering, EveryLetterComparesWithoutRegardToCase)
{
    testing_support::FixtureDatabase fixture(QStringLiteral(R"sql(
CREATE TABLE t (k INTEGER, v TEXT COLLATE NOCASE);
INSERT INTO t VALUES (1, 'Øre'), (2, 'zebra'), (3, 'øre'), (4, 'Ærø'), (5, 'äpfel'), (6, 'ÄPFEL'), (7, 'Århus');
)sql"));
    auto db = dao::Workspace::defaultWorkspace().openDatabase(fixture.path(), false, true, QString());
    const QueryCase cases[] = {
        {"SELECT k FROM t WHERE v = \"ØRE\"", "k", "1|3"},
        {"SELECT k FROM t WHERE v <> \"Äpfel\"", "k", "1|2|3|4|7"},
        {"SELECT k FROM t WHERE v > \"äpfel\" ORDER BY k", "k", "1|3|4|7"},
        {"SELECT k FROM t WHERE v < \"ærø\" ORDER BY k", "k", "2|5|6|7"},
        {"SELECT v FROM t ORDER BY v", "v", "zebra|äpfel|ÄPFEL|Århus|Ærø|Øre|øre"},
        {"SELECT DISTINCT v FROM t ORDER BY v DESC", "v", "Øre|Ærø|Århus|äpfel|zebra"},
    };
    for (const QueryCase& c : cases)
        EXPECT_EQ(column(*db, QString::fromUtf8(c.sql), QString::fromUtf8(c.field)), QString::fromUtf8(c.expected)) << c.sql;
    auto table = db->openRecordset(QStringLiteral("t"));
    table->findFirst(QStringLiteral("v = \"ÆRØ\""));
    ASSERT_FALSE(table->noMatch());
    EXPECT_EQ(table->field(QStringLiteral("k")).toString(), QStringLiteral("4"));
}

}  // namespace
