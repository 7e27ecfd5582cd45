// The Jet dialect over SQLite: literals and names, Booleans, '&', the old engine's LIKE, letter
// case in comparisons, ordering and DISTINCT, stored order, and safe literals.

#include "platform/dao/dao.h"
#include "platform/dao/jet_like.h"
#include "support/fixture_database.h"

#include <cctype>
#include <gtest/gtest.h>

namespace {

const char* const fixtureSql = R"sql(
CREATE TABLE Items (name TEXT COLLATE NOCASE PRIMARY KEY, "Part no" TEXT COLLATE NOCASE, STUD BOOLEAN,
  "order" INTEGER, note TEXT COLLATE NOCASE, plain TEXT);
INSERT INTO Items VALUES ('delta', 'QW-1', -1, 4, 'Straße', 'Mixed');
INSERT INTO Items VALUES ('Alpha', 'QW-2', 0, 1, 'ÉCOLE', 'mixed');
INSERT INTO Items VALUES ('charlie', 'QW-3', NULL, 3, NULL, NULL);
INSERT INTO Items VALUES ('BRAVO', 'QW-4', -1, 2, '100% sure_ly', 'other');
INSERT INTO Items VALUES ('STUD', 'QW-5', 0, 5, 'a[b]c', 'x');
)sql";

class DaoDialect : public ::testing::Test {
protected:
    DaoDialect()
        : fixture(QString::fromUtf8(fixtureSql)),
          db(dao::Workspace::defaultWorkspace().openDatabase(fixture.path(), false, true, QString()))
    {
    }

    QString names(const QString& sql)
    {
        auto rs = db->openRecordset(sql);
        QStringList values;
        for (; !rs->eof(); rs->moveNext())
            values << rs->field(0).toString();
        return values.join(u'|');
    }

    int errorOf(const QString& sql)
    {
        return testing_support::errorNumber([&] { db->openRecordset(sql); });
    }

    testing_support::FixtureDatabase fixture;
    std::unique_ptr<dao::Database> db;
};

struct Case {
    const char* sql;
    const char* expected;
};

TEST_F(DaoDialect, LiteralsNamesAndBooleans)
{
    const Case cases[] = {
        // A double-quoted word is a text, even where a column has that name.
        {"SELECT name FROM Items WHERE [name] = \"STUD\"", "STUD"},
        {"SELECT name FROM Items WHERE name = 'stud'", "STUD"},
        {"SELECT name FROM Items WHERE [name] = \"it's\"", ""},
        {"SELECT name FROM Items WHERE [name] = 'it''s' OR [name] = \"say \"\"hi\"\"\"", ""},
        {"SELECT [name] FROM [Items] WHERE [Part no] = \"qw-3\"", "charlie"},
        {"SELECT name FROM Items WHERE [order] >= 4 ORDER BY [order]", "delta|STUD"},
        // TRUE, FALSE, a bare Boolean, NOT; Null is neither
        {"SELECT name FROM Items WHERE STUD = TRUE", "delta|BRAVO"},
        {"SELECT name FROM Items WHERE [STUD] = false", "Alpha|STUD"},
        {"SELECT name FROM Items WHERE [STUD]", "delta|BRAVO"},
        {"SELECT name FROM Items WHERE NOT [STUD]", "Alpha|STUD"},
        {"SELECT name FROM Items WHERE [STUD] IS NULL", "charlie"},
        {"SELECT name FROM Items WHERE STUD AND ([order] = 2 OR [order] = 4)", "delta|BRAVO"},
        // '&' joins texts; Null counts as empty
        {"SELECT [name] & \"-\" & [note] AS joined FROM Items WHERE [order] BETWEEN 2 AND 3 ORDER BY [order]",
         "BRAVO-100% sure_ly|charlie-"},
        {"SELECT name FROM Items WHERE [Part no] & \"/\" & [order] = \"QW-2/1\"", "Alpha"},
        {"SELECT (\"<\" & ([name] & \">\")) AS x FROM Items WHERE [order] = 1", "<Alpha>"},
        {"SELECT name FROM Items WHERE [order] IN (1, 3)", "Alpha|charlie"},
        {"SELECT name FROM Items WHERE [order] = 3;", "charlie"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sql);
        EXPECT_EQ(names(QString::fromUtf8(c.sql)), QString::fromUtf8(c.expected));
    }
}

TEST_F(DaoDialect, LetterCaseDoesNotCountInComparisonsOrderingAndDistinct)
{
    const Case cases[] = {
        {"SELECT name FROM Items WHERE name = \"ALPHA\"", "Alpha"},
        {"SELECT name FROM Items WHERE \"bravo\" = name", "BRAVO"},
        {"SELECT name FROM Items WHERE name IN (\"alpha\", \"Charlie\")", "Alpha|charlie"},
        // The literal compares without regard to case even against a column declared without it.
        {"SELECT name FROM Items WHERE plain = \"MIXED\"", "delta|Alpha"},
        {"SELECT name FROM Items ORDER BY name", "Alpha|BRAVO|charlie|delta|STUD"},
        {"SELECT name FROM Items ORDER BY [name] DESC", "STUD|delta|charlie|BRAVO|Alpha"},
        {"SELECT DISTINCT STUD FROM Items WHERE STUD IS NOT NULL", "True|False"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sql);
        EXPECT_EQ(names(QString::fromUtf8(c.sql)), QString::fromUtf8(c.expected));
    }
    auto distinct = db->openRecordset(QStringLiteral("SELECT DISTINCT [plain] FROM Items WHERE [plain] LIKE \"mixed\""));
    EXPECT_EQ(distinct->recordCount(), 2) << "a column declared without NOCASE keeps its own comparison";
}

TEST_F(DaoDialect, RowsWithoutOrderByComeInStoredOrder)
{
    // The table's primary key has an index; no query may return rows in its order.
    EXPECT_EQ(names(QStringLiteral("SELECT name FROM Items")), QStringLiteral("delta|Alpha|charlie|BRAVO|STUD"));
    EXPECT_EQ(names(QStringLiteral("SELECT name FROM Items WHERE name > \"b\"")), QStringLiteral("delta|charlie|BRAVO|STUD"));
    EXPECT_EQ(names(QStringLiteral("SELECT name FROM Items WHERE name IN (\"STUD\", \"alpha\", \"delta\")")),
              QStringLiteral("delta|Alpha|STUD"));
    EXPECT_EQ(names(QStringLiteral("SELECT DISTINCT name FROM Items")), QStringLiteral("delta|Alpha|charlie|BRAVO|STUD"));
    EXPECT_EQ(names(QStringLiteral("Items")), QStringLiteral("delta|Alpha|charlie|BRAVO|STUD"));
}

TEST_F(DaoDialect, LikeUsesTheOldEnginesPatterns)
{
    const Case cases[] = {
        {"SELECT name FROM Items WHERE name LIKE \"*a*\"", "delta|Alpha|charlie|BRAVO"},
        {"SELECT name FROM Items WHERE name LIKE \"?ravo\"", "BRAVO"},
        {"SELECT name FROM Items WHERE name LIKE \"????\"", "STUD"},
        {"SELECT name FROM Items WHERE [Part no] LIKE \"QW-#\" AND [order] = 2", "BRAVO"},
        {"SELECT name FROM Items WHERE name LIKE \"#*\"", ""},
        {"SELECT name FROM Items WHERE name LIKE \"[a-c]*\"", "Alpha|charlie|BRAVO"},
        {"SELECT name FROM Items WHERE name LIKE \"[!a-c]*\"", "delta|STUD"},
        {"SELECT name FROM Items WHERE name LIKE \"[sd]*\"", "delta|STUD"},
        {"SELECT name FROM Items WHERE name LIKE \"[-x]*\"", ""},
        {"SELECT name FROM Items WHERE note LIKE \"*[[]b]*\"", "STUD"},
        {"SELECT name FROM Items WHERE name LIKE \"[]alpha\"", "Alpha"},
        // % and _ are plain characters
        {"SELECT name FROM Items WHERE note LIKE \"100% sure_ly\"", "BRAVO"},
        {"SELECT name FROM Items WHERE note LIKE \"1%\"", ""},
        {"SELECT name FROM Items WHERE name LIKE \"_lpha\"", ""},
        // Letter case does not count, for any letter; Null never matches
        {"SELECT name FROM Items WHERE note LIKE \"STRAßE\"", "delta"},
        {"SELECT name FROM Items WHERE note LIKE \"*école\"", "Alpha"},
        {"SELECT name FROM Items WHERE note LIKE \"[é]*\"", "Alpha"},
        {"SELECT name FROM Items WHERE note LIKE \"*\"", "delta|Alpha|BRAVO|STUD"},
        {"SELECT name FROM Items WHERE NOT note LIKE \"*x*\"", "delta|Alpha|BRAVO|STUD"},
        {"SELECT name FROM Items WHERE [order] LIKE \"[2-3]\"", "charlie|BRAVO"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sql);
        EXPECT_EQ(names(QString::fromUtf8(c.sql)), QString::fromUtf8(c.expected));
    }
    for (const char* bad : {"SELECT name FROM Items WHERE name LIKE \"[abc\"", "SELECT name FROM Items WHERE name LIKE \"[z-a]*\""}) {
        SCOPED_TRACE(bad);
        EXPECT_EQ(errorOf(QString::fromUtf8(bad)), dao::SyntaxError);
    }
}

TEST(JetLikePattern, MatchesAcrossBacktrackingAndInvalidText)
{
    const struct {
        const char* pattern;
        const char* text;
        bool matches;
    } cases[] = {
        {"*ab*ab*", "xxabyyab", true},
        {"*ab*ab*", "xxabyyba", false},
        {"a*b*c", "a-b-b-c", true},
        {"a*", "", false},
        {"*", "", true},
        {"", "", true},
        {"?", "\xC3\xA9", true},           // one character of two bytes
        {"??", "\xC3\xA9", false},
        {"*x", "\xFF\xFEx", true},         // invalid UTF-8 is still text
        {"[!0-9]#", "a7", true},
        // "*word*", the search box's pattern, on plain and on non-ASCII text
        {"*groove*", "the GROOVE angle", true},
        {"*groove*", "a groov", false},
        {"*weld metal*", "Weld  metal", false},
        {"*rk*", "wor\xE2\x84\xAA", true},         // the Kelvin sign folds to k
        {"*\xC3\xA9t\xC3\xA9*", "\xC3\x89T\xC3\x89", true},  // accented letters ignore case too
        {"**", "x", true},
        {"*abc*", "ab", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.pattern) + " / " + c.text);
        const auto pattern = dao::jet::LikePattern::compile(c.pattern);
        ASSERT_TRUE(pattern.has_value());
        EXPECT_EQ(pattern->matches(c.text), c.matches);
    }
}

// The search box's pattern "*word*" on texts long enough to be compared many places at once:
// the word at every place from the first to the last, its letters in either case, among bytes
// that differ from a letter only in its case bit ('@' and '`', '[' and '{'); and the same text
// with one byte of the word changed. QString's own search is the yardstick.
TEST(JetLikePattern, FindsAWordAtEveryPlaceOfALongText)
{
    const std::string filler = "@`[{]}^~ 0123456789-_.,;:!\"'()";
    for (const std::string word : {"w", "weld", "Groove-7", "a_b", "base metal thickness"}) {
        const auto pattern = dao::jet::LikePattern::compile("*" + word + "*");
        ASSERT_TRUE(pattern.has_value());
        std::string flipped = word;
        for (std::size_t k = 0; k < flipped.size(); k += 2)
            flipped[k] = static_cast<char>(std::isalpha(static_cast<unsigned char>(flipped[k])) ? flipped[k] ^ 0x20 : flipped[k]);
        for (std::size_t length = word.size(); length < 70; ++length) {
            for (std::size_t at = 0; at + word.size() <= length; ++at) {
                std::string text;
                for (std::size_t i = 0; i < length; ++i)
                    text += filler[(i * 7 + length) % filler.size()];
                text.replace(at, word.size(), flipped);
                std::string changed = text;
                changed[at + word.size() - 1] = static_cast<char>(changed[at + word.size() - 1] ^ 0x01);
                for (const std::string& subject : {text, changed}) {
                    const bool yardstick = QString::fromStdString(subject).contains(QString::fromStdString(word), Qt::CaseInsensitive);
                    ASSERT_EQ(pattern->matches(subject), yardstick) << word << " in \"" << subject << "\"";
                }
            }
        }
    }
}

TEST_F(DaoDialect, MalformedTextRaisesSyntaxErrors)
{
    const struct {
        const char* sql;
        int error;
    } cases[] = {
        {"SELECT name FROM Items WHERE name = \"open", dao::SyntaxError},
        {"SELECT name FROM Items WHERE name = 'open", dao::SyntaxError},
        {"SELECT [name FROM Items", dao::SyntaxError},
        {"SELECT [] FROM Items", dao::SyntaxError},
        {"SELECT name FROM Items WHERE (name = \"a\"", dao::SyntaxError},
        {"SELECT name FROM Items WHERE name = \"a\")", dao::SyntaxError},
        {"SELECT name FROM Items WHERE name = #1/1/2000#", dao::SyntaxError},
        {"SELECT name FROM Items WHERE name & = \"a\"", dao::SyntaxError},
        {"SELECT name FROM Items; DELETE FROM Items", dao::SyntaxError},
        {"SELECT name FROM Items WHERE", dao::SyntaxError},
        {"SELECT Len(name) FROM Items", dao::UndefinedFunction},
        {"SELECT nothing FROM Items", dao::TooFewParameters},
        {"SELECT name FROM Nothing", dao::TableNotFound},
        {"DELETE FROM Items", dao::TableNotFound},
        {"", dao::TableNotFound},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sql);
        EXPECT_EQ(errorOf(QString::fromUtf8(c.sql)), c.error);
    }
    EXPECT_EQ(names(QStringLiteral("SELECT name FROM Items")), QStringLiteral("delta|Alpha|charlie|BRAVO|STUD"))
        << "no statement changed the table";
}

TEST_F(DaoDialect, SafeLiteralsMatchTheTextAndNothingElse)
{
    EXPECT_EQ(dao::literal(QStringLiteral("QW-1\"OR\"1\"=\"1")), QStringLiteral("\"QW-1\"\"OR\"\"1\"\"=\"\"1\""));
    const QString typed = QStringLiteral("QW-1\"OR\"1\"=\"1");
    // Pasted unsafely the text closes the literal and matches every row.
    EXPECT_EQ(names(QStringLiteral("SELECT name FROM Items WHERE [Part no] = \"%1\"").arg(typed)),
              QStringLiteral("delta|Alpha|charlie|BRAVO|STUD"));
    EXPECT_EQ(names(QStringLiteral("SELECT name FROM Items WHERE [Part no] = ") + dao::literal(typed)), QString());
    EXPECT_EQ(names(QStringLiteral("SELECT name FROM Items WHERE [Part no] LIKE ") + dao::literal(typed + u'*')), QString());
    EXPECT_EQ(names(QStringLiteral("SELECT name FROM Items WHERE [note] = ") + dao::literal(QStringLiteral("a[b]c"))),
              QStringLiteral("STUD"));
    auto rs = db->openRecordset(QStringLiteral("Items"));
    rs->findFirst(QStringLiteral("[Part no] = ") + dao::literal(typed));
    EXPECT_TRUE(rs->noMatch());
}

}  // namespace
