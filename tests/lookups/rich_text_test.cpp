// Definitions written by a word processor, shown in the definitions window: the text and the
// formats a person sees. The documents under rtf/ were saved once as RTF by LibreOffice Writer
// from the HTML beside them (soffice --headless --infilter="HTML (StarWriter)" --convert-to rtf)
// or from the flat ODF text beside them (soffice --headless --convert-to rtf).

#include "app/varnel_core.h"
#include "lookups/varnel_definitions.h"
#include "support/file_bytes.h"
#include "support/fixture_database.h"
#include "support/scripted_seams.h"

#include <QFile>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

using namespace varnel;

namespace {

QString fixture(const char* name)
{
    return QString::fromLatin1(testing_support::readBytes(QStringLiteral(VARNEL_SOURCE_DIR "/tests/lookups/rtf/") + QLatin1String(name)));
}

QString sqlText(const QString& text) { return u'\'' + QString(text).replace(u'\'', QStringLiteral("''")) + u'\''; }

// The three glossaries, the welding one holding a term per fixture whose definition is that document.
QString glossariesSql(const std::vector<std::pair<QString, QString>>& definitions)
{
    QString sql;
    for (const char* table : {"Definitions", "Definitions - Brazing", "Definitions - AWS"})
        sql += QStringLiteral("CREATE TABLE \"%1\" (term TEXT COLLATE NOCASE, definition TEXT, figure TEXT);\n")
                   .arg(QLatin1String(table));
    for (const auto& [term, definition] : definitions)
        sql += QStringLiteral("INSERT INTO Definitions VALUES (%1, %2, NULL);\n").arg(sqlText(term), sqlText(definition));
    return sql;
}

class WordProcessorDefinitions : public ::testing::Test {
protected:
    WordProcessorDefinitions()
        : database(glossariesSql({{QStringLiteral("punctuation"), fixture("punctuation.rtf")},
                                  {QStringLiteral("switches"), fixture("switches.rtf")},
                                  {QStringLiteral("symbols"), fixture("symbols.rtf")},
                                  {QStringLiteral("switches after a line break"), "\r\n " + fixture("switches.rtf")}}))
    {
        resetVarnelCore();
        varnelCore().mainDatabase =
            dao::Workspace::defaultWorkspace().openDatabase(database.path(), false, true, QStringLiteral(";pwd="));
    }
    ~WordProcessorDefinitions() override
    {
        window.reset();
        resetVarnelCore();
    }

    QTextDocument& show(const QString& term)
    {
        varnelCore().lookupKey = term;
        window = std::make_unique<varnelDefinitions>();
        window->show();
        return *window->RichTextBox1->document();
    }
    // The format of the character `offset` characters into the first occurrence of `anchor`.
    QTextCharFormat formatAt(const QTextDocument& document, const QString& anchor, int offset = 0)
    {
        const int at = static_cast<int>(document.toPlainText().indexOf(anchor));
        EXPECT_GE(at, 0) << anchor.toStdString();
        QTextCursor cursor(const_cast<QTextDocument*>(&document));
        cursor.setPosition(at + offset + 1);
        return cursor.charFormat();
    }

    testing_support::ScriptedSeams seams;
    testing_support::FixtureDatabase database;
    std::unique_ptr<varnelDefinitions> window;
};

}  // namespace

TEST_F(WordProcessorDefinitions, TextShowsPunctuationBulletsSymbolsLinksAndTableCells)
{
    const struct {
        const char* term;
        const char* text;
    } cases[] = {
        {"punctuation",
         "Sample text. The welder\u2019s \u201ctest coupon\u201d \u2013 a plate or pipe \u2014 is welded per the "
         "WPS\u2026 \u2018quoted\u2019.\n"
         "\u2022\tfirst item\n\u2022\tsecond item\n"
         "Strength at 20 \u00b0C: 1.5 \u00d7 103 psi, \u03b1 \u2264 0.5, H2O free.\n"
         "See QW-482 sample for the form.\n"
         "Thickness\tRange\n1/16 in.\t2T\n"
         "Small print and medium print.\n"
         "Bold plain italic plain underlined plain.\n"},
        {"switches",
         "Groove weld (sample heading)\n"
         "Slanted text with an upright word.\n"
         "Underlined text with a plain word.\n"
         "Nine and a half points, caf\u00e9 and na\u00efve.\n"},
        // Hidden text stays hidden; the Symbol face's characters are its own; sections are paragraphs.
        {"symbols",
         "Sample text. Shown again.\n"
         "Thickness \u2265 1/2 in. and \u2264 1 in., angle \u00b15\u00b0.\n"
         "Before the page break.\nAfter the page break.\nIn the second section.\nAfter the section.\n"},
        {"switches after a line break",
         "Groove weld (sample heading)\n"
         "Slanted text with an upright word.\n"
         "Underlined text with a plain word.\n"
         "Nine and a half points, caf\u00e9 and na\u00efve.\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.term);
        const QTextDocument& document = show(QString::fromLatin1(c.term));
        EXPECT_EQ(window->Text1[0]->text(), QLatin1String(c.term));
        EXPECT_EQ(document.toPlainText().toStdString(), c.text);
    }
}

TEST_F(WordProcessorDefinitions, FormatsSwitchOnAndOffAsWritten)
{
    using Align = QTextCharFormat::VerticalAlignment;
    const QColor navy(0, 0, 128), black(0, 0, 0);
    const struct {
        const char* term;
        const char* anchor;
        int offset;
        bool bold, italic, underline;
        double points;  // 0: the box's own size
        Align vertical;
        QColor colour;
    } cases[] = {
        {"punctuation", "Sample text.", 0, true, false, false, 0, Align::AlignNormal, black},
        {"punctuation", "test coupon", 0, false, false, false, 0, Align::AlignNormal, black},
        {"punctuation", "103 psi", 2, false, false, false, 0, Align::AlignSuperScript, black},
        {"punctuation", "103 psi", 1, false, false, false, 0, Align::AlignNormal, black},
        {"punctuation", "H2O", 1, false, false, false, 0, Align::AlignSubScript, black},
        {"punctuation", "H2O", 2, false, false, false, 0, Align::AlignNormal, black},
        {"punctuation", "QW-482 sample", 0, false, false, true, 0, Align::AlignNormal, navy},
        {"punctuation", " for the form", 0, false, false, false, 0, Align::AlignNormal, black},
        {"punctuation", "Small print", 0, false, false, false, 8.5, Align::AlignNormal, black},
        {"punctuation", "medium print", 0, false, false, false, 10.5, Align::AlignNormal, black},
        {"punctuation", "Bold", 0, true, false, false, 0, Align::AlignNormal, black},
        {"punctuation", "italic", 0, false, true, false, 0, Align::AlignNormal, black},
        {"punctuation", "underlined", 0, false, false, true, 0, Align::AlignNormal, black},
        {"punctuation", "plain.", 0, false, false, false, 0, Align::AlignNormal, black},
        {"switches", "Groove weld", 0, true, false, false, 18, Align::AlignNormal, black},
        {"switches", "(sample heading)", 0, false, false, false, 18, Align::AlignNormal, black},
        {"switches", "Slanted", 0, false, true, false, 0, Align::AlignNormal, black},
        {"switches", "upright", 0, false, false, false, 0, Align::AlignNormal, black},
        {"switches", " word.", 0, false, true, false, 0, Align::AlignNormal, black},
        {"switches", "Underlined", 0, false, false, true, 0, Align::AlignNormal, black},
        {"switches", "plain word", 0, false, false, false, 0, Align::AlignNormal, black},
        {"switches", "Nine and a half", 0, false, false, false, 9.5, Align::AlignNormal, black},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.term) + ": " + c.anchor + " +" + std::to_string(c.offset));
        const QTextDocument& document = show(QString::fromLatin1(c.term));
        const QTextCharFormat format = formatAt(document, QString::fromLatin1(c.anchor), c.offset);
        EXPECT_EQ(format.fontWeight() == QFont::Bold, c.bold);
        EXPECT_EQ(format.fontItalic(), c.italic);
        EXPECT_EQ(format.fontUnderline(), c.underline);
        EXPECT_EQ(format.hasProperty(QTextFormat::FontPointSize) ? format.fontPointSize() : 0.0, c.points);
        EXPECT_EQ(format.verticalAlignment(), c.vertical);
        EXPECT_EQ(format.foreground().color(), c.colour);
    }
}
