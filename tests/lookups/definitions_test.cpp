// The definitions window on the sample glossaries: the start on lookupKey, completion and the
// lookup of the typed text, the rich-text definitions, the figures handed to the viewer, the
// glossary choice and the drop-down.

#include "lookups/lookup_fixture.h"
#include "lookups/varnel_definitions.h"
#include "support/fixture_database.h"
#include "support/type_ahead_keys.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

using namespace varnel;
using lookups_testing::LookupWindowTest;

namespace {

class Definitions : public LookupWindowTest<varnelDefinitions> {
protected:
    varnelDefinitions& open(const QString& key)
    {
        varnelCore().lookupKey = key;
        return LookupWindowTest::open();
    }
    QString box() const { return window->Text1[0]->text(); }
    QString definition() const { return window->RichTextBox1->toPlainText(); }
    bool figureButtonShown() const { return !window->Command1[1]->isHidden(); }
};

}  // namespace

TEST_F(Definitions, EmptyKeyShowsTheFirstTermWhollySelected)
{
    for (const QString& key : {QString(), QStringLiteral("   ")}) {
        open(key);
        EXPECT_EQ(box(), "arc welding") << '"' << key.toStdString() << '"';
        EXPECT_EQ(window->Text1[0]->selStart(), 0);
        EXPECT_EQ(window->Text1[0]->selLength(), 11);
        EXPECT_TRUE(definition().startsWith("Sample text. A group of welding processes"));
        EXPECT_EQ(varnelCore().lookupKey, "arc welding");
        EXPECT_FALSE(figureButtonShown());
        EXPECT_EQ(window->windowTitle(), "Definitions");
    }
}

TEST_F(Definitions, BeginningOfATermCompletesAndLeavesTheTermInLookupKey)
{
    open("wel");
    EXPECT_EQ(box(), "weld");
    EXPECT_EQ(window->Text1[0]->selStart(), 3);
    EXPECT_EQ(window->Text1[0]->selLength(), 1);
    EXPECT_EQ(varnelCore().lookupKey, "weld");
    EXPECT_TRUE(definition().startsWith("Sample text. A local coalescence"));

    // Backspace removes the completed tail and looks the shorter text up without completing.
    QTest::keyClick(window->Text1[0], Qt::Key_Backspace);
    EXPECT_EQ(box(), "wel");
    EXPECT_TRUE(definition().startsWith("Sample text. A local coalescence"));
    EXPECT_EQ(varnelCore().lookupKey, "weld");
    // Typing on completes against the list again.
    QTest::keyClicks(window->Text1[0], "der ");
    EXPECT_EQ(box(), "welder ");
    EXPECT_EQ(definition(), "No match found");
    EXPECT_EQ(varnelCore().lookupKey, "welder");
    testing_support::expectKeysStopTypeAhead(*window->Text1[0], "wel");
}

TEST_F(Definitions, TextThatBeginsNoTermShowsNoMatchFound)
{
    varnelCore().pictureKey = "Fig.before";
    open("xyz");
    EXPECT_EQ(box(), "xyz");
    EXPECT_EQ(definition(), "No match found");
    EXPECT_FALSE(figureButtonShown());
    EXPECT_EQ(varnelCore().lookupKey, "xyz");
    EXPECT_EQ(varnelCore().pictureKey, "Fig.before");
}

TEST_F(Definitions, StartTermShowsTheRichTextDefinitionFormatted)
{
    open("ASME IX-98   QW/QB-492 Welding");
    EXPECT_EQ(box(), "ASME IX-98   QW/QB-492 Welding");
    const QString text = definition();
    EXPECT_TRUE(text.startsWith("QW/QB-492 Definitions\n\nSample text. This glossary explains the welding terms"));
    EXPECT_FALSE(text.contains("rtf"));
    EXPECT_EQ(window->RichTextBox1->text(), text);
    QTextCursor cursor(window->RichTextBox1->document());
    cursor.setPosition(1);
    EXPECT_EQ(cursor.charFormat().fontWeight(), QFont::Bold);
    EXPECT_EQ(cursor.charFormat().foreground().color(), QColor(0, 0, 128));
    cursor.setPosition(static_cast<int>(text.indexOf("welding")) + 1);
    EXPECT_TRUE(cursor.charFormat().fontItalic());
    cursor.setPosition(static_cast<int>(text.indexOf("Sample")) + 1);
    EXPECT_NE(cursor.charFormat().fontWeight(), QFont::Bold);
}

TEST_F(Definitions, FiguresGoToPictureKeyAndTheViewer)
{
    open("flat");
    EXPECT_EQ(box(), "flat position");
    EXPECT_TRUE(figureButtonShown());
    EXPECT_EQ(window->figureList, "Fig.QW-461.1, Fig.QW-461.2");
    EXPECT_EQ(varnelCore().pictureKey, "Fig.QW-461.1, Fig.QW-461.2");

    // Back from the viewer the box shows lookupKey again, also when it was edited meanwhile.
    window->Text1[0]->setText("bac");
    EXPECT_EQ(box(), "backing");
    QTest::keyClick(window->Text1[0], Qt::Key_Backspace);
    EXPECT_EQ(box(), "bac");
    EXPECT_EQ(varnelCore().pictureKey, "Fig.QW-469.1");
    window->Command1[1]->click();
    ASSERT_EQ(openers.opened.size(), 1u);
    EXPECT_EQ(openers.opened[0].window, "picture");
    EXPECT_EQ(openers.opened[0].pictureKey, "Fig.QW-469.1");
    EXPECT_EQ(box(), "backing");

    // A definition without figures hides the button and leaves pictureKey.
    window->Text1[0]->setText("bead");
    EXPECT_FALSE(figureButtonShown());
    EXPECT_EQ(varnelCore().pictureKey, "Fig.QW-469.1");
}

TEST_F(Definitions, OtherGlossaryKeepsTheTextAndLooksItUpThere)
{
    open("brazing");
    EXPECT_EQ(definition(), "No match found");
    window->Option1[1]->setValue(true);
    EXPECT_EQ(box(), "brazing");
    EXPECT_TRUE(definition().startsWith("Sample text. Joining by heating"));
    window->Text1[0]->setText("flow");
    EXPECT_EQ(box(), "flow position");
    EXPECT_TRUE(figureButtonShown());
    EXPECT_EQ(varnelCore().pictureKey, "Fig.QB-461.1");

    // The AWS glossary never offers figures.
    window->Option1[2]->setValue(true);
    EXPECT_EQ(definition(), "No match found");
    window->Text1[0]->setText("arc");
    EXPECT_EQ(box(), "arc blow");
    EXPECT_FALSE(figureButtonShown());
    EXPECT_EQ(window->glossaryQuery(), "SELECT * FROM [Definitions - AWS] ORDER BY [term]");
}

TEST_F(Definitions, PatternCharactersAndQuotesInTheBox)
{
    open("weld");
    // "*" completes nothing but matches any term: the first term's definition shows.
    window->Text1[0]->setText("*");
    EXPECT_EQ(box(), "*");
    EXPECT_TRUE(definition().startsWith("Sample text. A group of welding processes"));
    // A double quote is looked up as a character: no term holds one.
    window->Text1[0]->setText("we\"ld");
    EXPECT_EQ(definition(), "No match found");
    QTest::keyClicks(window->Text1[0], "\"");
    EXPECT_EQ(definition(), "No match found");
    // A text that is no valid pattern says why in place of the definition; the figures shown
    // before go.
    const char* invalid[] = {"[", "flat[", "[!"};
    for (const char* text : invalid) {
        window->Text1[0]->setText("flat");
        ASSERT_TRUE(figureButtonShown());
        window->Text1[0]->setText(text);
        EXPECT_EQ(box(), text);
        EXPECT_EQ(definition(), "The words cannot be searched as written: a \"[\" has no \"]\" to end its set of "
                                "characters (to find \"[\" itself, write \"[[]\").")
            << text;
        EXPECT_FALSE(figureButtonShown()) << text;
    }
    EXPECT_TRUE(seams.messages.shown.empty());
    EXPECT_EQ(seams.pointer.current(), platform::Pointer::Default);
}

TEST_F(Definitions, ANullDefinitionShowsEmptyWithTheFiguresOfItsOwnTerm)
{
    testing_support::FixtureDatabase glossaries(QStringLiteral(R"sql(
CREATE TABLE Definitions (term TEXT COLLATE NOCASE, definition TEXT, figure TEXT);
INSERT INTO Definitions VALUES ('bead', 'Sample text. One pass.', 'QW-461.1'), ('bevel', NULL, NULL),
  ('butt joint', NULL, 'QW-462.1');
)sql"));
    varnelCore().mainDatabase = dao::Workspace::defaultWorkspace().openDatabase(glossaries.path(), false, false, QString());
    open("bead");
    EXPECT_EQ(definition(), "Sample text. One pass.");
    EXPECT_TRUE(figureButtonShown());
    const struct {
        const char* typed;
        const char* definition;
        bool figures;
        const char* pictureKey;
    } cases[] = {
        {"bev", "", false, "Fig.QW-461.1"},  // the figure list stays as the last figures left it
        {"butt", "", true, "Fig.QW-462.1"},
        {"be", "Sample text. One pass.", true, "Fig.QW-461.1"},
    };
    for (const auto& c : cases) {
        window->Text1[0]->setText(QString::fromLatin1(c.typed));
        EXPECT_EQ(definition(), QLatin1String(c.definition)) << c.typed;
        EXPECT_EQ(figureButtonShown(), c.figures) << c.typed;
        EXPECT_EQ(varnelCore().pictureKey, QLatin1String(c.pictureKey)) << c.typed;
    }
}

TEST_F(Definitions, AMissingGlossarySaysSoInPlaceOfADefinition)
{
    testing_support::FixtureDatabase welding(QStringLiteral(
        "CREATE TABLE Definitions (term TEXT COLLATE NOCASE, definition TEXT, figure TEXT);"
        "INSERT INTO Definitions VALUES ('bead', 'Sample text. One pass.', 'QW-461.1');"));
    varnelCore().mainDatabase = dao::Workspace::defaultWorkspace().openDatabase(welding.path(), false, false, QString());
    open("bead");
    EXPECT_EQ(definition(), "Sample text. One pass.");
    for (int option : {2, 1}) {
        window->Option1[option]->setValue(true);
        EXPECT_EQ(definition(), QStringLiteral("The table [%1] is missing from the database.")
                                    .arg(option == 2 ? "Definitions - AWS" : "Definitions - Brazing"));
        EXPECT_FALSE(figureButtonShown());
    }
    window->Option1[0]->setValue(true);
    EXPECT_EQ(definition(), "Sample text. One pass.");
}

TEST_F(Definitions, DropDownPicksATermAndLeavesItInLookupKey)
{
    open("weld");
    platform::ui::ListView& list = *window->List1[0];
    EXPECT_EQ(list.count(), 38);
    EXPECT_EQ(list.height(), platform::twips(2850));
    window->Command2_Click(0);
    EXPECT_TRUE(list.isVisible());
    EXPECT_EQ(list.y(), window->Frame1[0]->y() + window->Text1[0]->y() + window->Text1[0]->height());
    list.clearSelection();
    window->List1_KeyUp(0, platform::ui::keys::Enter, 0);
    EXPECT_TRUE(list.isVisible());
    list.selectIndex(6);
    window->List1_MouseUp(0);
    EXPECT_EQ(box(), list.entryText(6));
    EXPECT_EQ(varnelCore().lookupKey, list.entryText(6));
    EXPECT_TRUE(list.isHidden());
    EXPECT_FALSE(window->Command1[1]->isDefault());
    window->Command2_Click(0);
    list.selectIndex(5);
    window->List1_KeyUp(0, platform::ui::keys::Space, 0);
    EXPECT_EQ(box(), "backing");
    EXPECT_TRUE(window->Command1[1]->isDefault());
    // Esc presses nothing; Cancel closes.
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_TRUE(window->isVisible());
    window->Command1[0]->click();
    EXPECT_FALSE(window->isVisible());
}
