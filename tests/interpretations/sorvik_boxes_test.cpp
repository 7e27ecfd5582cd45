// The interpretations window's entry boxes and pick lists, its layout and print command, and the
// opening of databases that are old, protected by another password or unusually shaped.

#include "sorvik_fixture.h"

#include "app/window_openers.h"
#include "platform/printer.h"
#include "interpretations/interpretations_windows.h"
#include "platform/ui/twips.h"
#include "support/file_bytes.h"
#include "support/fixture_database.h"
#include "support/installed_printer.h"
#include "support/type_ahead_keys.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>
#include <functional>
#include <sqlite3.h>

using namespace varnel;
using namespace testing_support;
using platform::toTwips;
using platform::twips;

namespace {

class SorvikBoxes : public SorvikTest {
protected:
    void SetUp() override { installSample(); }
    int searches() const
    {
        return static_cast<int>(std::count(seams.pointer.history.begin(), seams.pointer.history.end(),
                                           platform::Pointer::Hourglass));
    }
};

// A database of `sections` sections, each with its tables; only the last holds interpretations
// (two and a notice).
QString sectionsSql(int sections)
{
    QString sql = QStringLiteral(
        "CREATE TABLE AuthorizedTablesTab (UsertableName TEXT COLLATE NOCASE, dbtableName TEXT COLLATE NOCASE);\n");
    for (int i = 1; i <= sections; ++i)
        sql += QStringLiteral("INSERT INTO AuthorizedTablesTab VALUES ('Section %1', 'INT%2');\n")
                   .arg(i)
                   .arg(i, 2, 10, QLatin1Char('0'));
    for (int i = 1; i < sections; ++i)
        sql += QStringLiteral("CREATE TABLE INT%1 (INTER_STR TEXT COLLATE NOCASE, INTER_TEXT TEXT, vol INTEGER);\n"
                              "CREATE TABLE INX%1 (Reference TEXT COLLATE NOCASE, INTER_STR TEXT, section TEXT);\n")
                   .arg(i, 2, 10, QLatin1Char('0'));
    const QString last = QStringLiteral("%1").arg(sections, 2, 10, QLatin1Char('0'));
    sql += QStringLiteral("CREATE TABLE INT%1 (INTER_STR TEXT COLLATE NOCASE, INTER_TEXT TEXT, vol INTEGER);\n"
                          "INSERT INTO INT%1 VALUES ('B-1', 'Subject: b', 60);\n"
                          "INSERT INTO INT%1 VALUES ('A-1', 'Subject: a', NULL);\n"
                          "INSERT INTO INT%1 VALUES ('  Sorvik Notice', 'notice', NULL);\n"
                          "CREATE TABLE INX%1 (Reference TEXT COLLATE NOCASE, INTER_STR TEXT, section TEXT);\n"
                          "INSERT INTO INX%1 VALUES ('QW-1', 'A-1', '%1');\n")
               .arg(last);
    return sql;
}

// One section, INT01, with the interpretations `rows` ('number', 'text' pairs of SQL values) and a
// paragraph index of `index` ('paragraph', 'number' pairs).
QString oneSectionSql(const QString& rows, const QString& index)
{
    return QStringLiteral(
               "CREATE TABLE AuthorizedTablesTab (UsertableName TEXT COLLATE NOCASE, dbtableName TEXT COLLATE NOCASE);\n"
               "INSERT INTO AuthorizedTablesTab VALUES ('Section 1', 'INT01');\n"
               "CREATE TABLE INT01 (INTER_STR TEXT COLLATE NOCASE, INTER_TEXT TEXT, vol INTEGER);\n"
               "CREATE TABLE INX01 (Reference TEXT COLLATE NOCASE, INTER_STR TEXT, section TEXT);\n")
           + (rows.isEmpty() ? QString() : QStringLiteral("INSERT INTO INT01 (INTER_STR, INTER_TEXT) VALUES %1;\n").arg(rows))
           + (index.isEmpty() ? QString()
                              : QStringLiteral("INSERT INTO INX01 (Reference, INTER_STR) VALUES %1;\n").arg(index));
}

}  // namespace

TEST_F(SorvikBoxes, TypingInTheParagraphBoxCompletesAndSearchesOncePerKey)
{
    sorvikMain& w = open();
    const int before = searches();
    QTest::keyClicks(w.Text1[0], QStringLiteral("qw-2"));
    EXPECT_EQ(w.Text1[0]->text(), QStringLiteral("QW-200.1"));
    EXPECT_EQ(w.Text1[0]->selText(), QStringLiteral("00.1"));
    EXPECT_EQ(searches() - before, 4);
    EXPECT_EQ(results(), QStringList({"B31.1-08-01", "IX-07-03"}));

    // After Backspace the typed text alone is searched, until another key goes down.
    seams.messages.shown.clear();
    QTest::keyClick(w.Text1[0], Qt::Key_Backspace);
    EXPECT_EQ(w.Text1[0]->text(), QStringLiteral("QW-2"));
    EXPECT_EQ(messageTitles(), QStringList({"No entry found"}));
    QTest::keyClick(w.Text1[0], Qt::Key_0);
    EXPECT_EQ(w.Text1[0]->text(), QStringLiteral("QW-200.1"));
    expectKeysStopTypeAhead(*w.Text1[0], QStringLiteral("QW-2"));

    // Emptying the box starts no search and keeps the list.
    const int kept = searches();
    w.Text1[0]->setText(QString());
    EXPECT_EQ(searches(), kept);
    EXPECT_FALSE(results().isEmpty());
}

TEST_F(SorvikBoxes, QuotesNeverReachTheBoxes)
{
    sorvikMain& w = open();
    QTest::keyClicks(w.Text1[1], QStringLiteral("it\"s"));
    EXPECT_EQ(w.Text1[1]->text(), QStringLiteral("its"));
    QTest::keyClicks(w.Text1[0], QStringLiteral("\""));
    EXPECT_TRUE(w.Text1[0]->text().isEmpty());

    // Pasted or handed-over text loses its quotes and is then completed and searched as typed.
    w.Text1[1]->setText(QString());
    w.Text1[0]->setText(QStringLiteral("\"QW-442\""));
    EXPECT_EQ(w.Text1[0]->text(), QStringLiteral("QW-442"));
    EXPECT_EQ(results(), QStringList({"IX-07-02"}));

    window.reset();
    seams.messages.shown.clear();
    sorvikMain& started = open(QStringLiteral("SECT INT09 TEXT {manufacturer\"s} COND phrase"));
    EXPECT_EQ(started.Text1[1]->text(), QStringLiteral("manufacturers"));
    EXPECT_EQ(messageTitles(), QStringList({"No entry found", "No entry found"}));
}

TEST_F(SorvikBoxes, DropDownListsToggleAndHideOnFocus)
{
    sorvikMain& w = open();
    w.Command2[0]->click();
    EXPECT_TRUE(w.ListView1[0]->isVisible());
    w.Command2[2]->click();
    EXPECT_TRUE(w.ListView1[0]->isVisible());
    EXPECT_TRUE(w.ListView1[1]->isVisible());
    w.Command2[0]->click();
    EXPECT_FALSE(w.ListView1[0]->isVisible());
    w.Command2[0]->click();
    w.Text1_GotFocus(1);
    EXPECT_FALSE(w.ListView1[0]->isVisible());
    EXPECT_FALSE(w.ListView1[1]->isVisible());

    // A pick fills its box (a paragraph searches) and hides the lists; no selection picks nothing.
    w.Command2[0]->click();
    w.ListView1_KeyUp(0, platform::ui::keys::Enter, 0);
    EXPECT_TRUE(w.ListView1[0]->isVisible());
    w.ListView1[0]->selectIndex(w.ListView1[0]->findWholeWordPrefix(QStringLiteral("QW-442")));
    w.ListView1_KeyUp(0, platform::ui::keys::Down, 0);
    EXPECT_TRUE(w.Text1[0]->text().isEmpty());
    w.ListView1_KeyUp(0, platform::ui::keys::Space, 0);
    EXPECT_EQ(w.Text1[0]->text(), QStringLiteral("QW-442"));
    EXPECT_EQ(results(), QStringList({"IX-07-02"}));
    EXPECT_FALSE(w.ListView1[0]->isVisible());
}

TEST_F(SorvikBoxes, LeavingTheTextSearchBoxAddsANewTextToTheHistory)
{
    sorvikMain& w = open();
    for (const char* text : {"impact", "IMPACT", "", "preheat"}) {
        w.skipCompletion = true;  // as after Backspace: the box keeps the text as written
        w.Text1[1]->setText(QString::fromLatin1(text));
        w.Text1_LostFocus(1);
    }
    ASSERT_EQ(w.ListView1[1]->count(), 2);
    EXPECT_EQ(w.ListView1[1]->entryText(1), QStringLiteral("impact"));
    EXPECT_EQ(w.ListView1[1]->entryText(2), QStringLiteral("preheat"));

    // The history completes the box but starts no search; Tab released in it does, and Enter
    // searches once, through the default button.
    const int before = searches();
    w.Text1[1]->setText(QString());
    QTest::keyClicks(w.Text1[1], QStringLiteral("pre"));
    EXPECT_EQ(w.Text1[1]->text(), QStringLiteral("preheat"));
    EXPECT_EQ(searches(), before);
    expectKeysStopTypeAhead(*w.Text1[1], QStringLiteral("pre"));
    w.Text1_KeyUp(1, platform::ui::keys::Tab, 0);
    EXPECT_EQ(searches(), before + 1);
    EXPECT_EQ(results(), QStringList({"IX-07-01", "IX-09-01"}));
    w.Text1[1]->setText(QString());
    QTest::keyClick(w.Text1[1], Qt::Key_Tab);  // out of an empty box: no search, as counted below

    w.show();
    w.Text1[1]->setText(QStringLiteral("no such word"));
    seams.messages.shown.clear();
    QTest::keyClick(w.Text1[1], Qt::Key_Return);
    EXPECT_EQ(searches(), before + 2);
    EXPECT_EQ(seams.messages.shown.size(), 1u);
}

TEST_F(SorvikBoxes, LayoutFollowsTheWindowSize)
{
    sorvikMain& w = open();
    auto setOuter = [&](int width, int height) { w.client->resize(twips(width - 120), twips(height - 765)); };
    auto left = [](const QWidget* c) { return toTwips(c->x()); };
    auto top = [](const QWidget* c) { return toTwips(c->y()); };
    auto width = [](const QWidget* c) { return toTwips(c->width()); };
    auto height = [](const QWidget* c) { return toTwips(c->height()); };

    setOuter(9780, 7710);
    const QWidget* moved[] = {w.Frame1[2], w.Frame1[3], w.Command1[0], w.Command1[1], w.ListView1[0],
                              w.Frame1[5], w.Frame1[6], w.Frame1[7], w.Command2[2]};
    const QWidget* widened[] = {w.Frame1[0], w.Frame1[4], w.Text1[1], w.ListView1[1], w.RichTextBox1, w.Shape1};
    std::vector<int> lefts, widths;
    for (const QWidget* c : moved)
        lefts.push_back(left(c));
    for (const QWidget* c : widened)
        widths.push_back(width(c));
    setOuter(9780 + 1005, 7710);
    for (size_t i = 0; i < std::size(moved); ++i)
        EXPECT_EQ(left(moved[i]), lefts[i] + 1005) << i;
    for (size_t i = 0; i < std::size(widened); ++i)
        EXPECT_EQ(width(widened[i]), widths[i] + 1005) << i;

    // Narrower than the minimum: nothing moves across.
    setOuter(9000, 7710);
    EXPECT_EQ(left(w.Frame1[2]), lefts[0] + 1005);

    const int exitTop = top(w.Command1[0]);
    const int textHeight = height(w.RichTextBox1);
    const int holderTop = top(w.Frame1[7]);
    setOuter(9780, 7710 + 1005);
    EXPECT_EQ(top(w.Command1[0]), exitTop + 1005);
    EXPECT_EQ(height(w.RichTextBox1), textHeight + 1005);
    EXPECT_EQ(height(w.ListView1[2]), height(w.Frame1[3]) - 390);
    EXPECT_EQ(top(w.Frame1[7]), holderTop + 1005);

    // A taller toolbar lifts the buttons by the difference.
    w.Toolbar1->resize(w.Toolbar1->width(), twips(360 + 150));
    w.Form_Resize();
    EXPECT_EQ(top(w.Command1[0]), exitTop + 1005 - 150);
}

TEST_F(SorvikBoxes, PrintPutsTheInterpretationOnShowUnderItsHeading)
{
    sorvikMain& w = open();
    const InstalledPrinter printer;
    platform::RecordingPageSurface* recorder = printer.recorder();

    search(QString(), QStringLiteral("preheat"));
    w.mnuPrint_Click();
    EXPECT_EQ(recorder->jobsEnded, 1);
    ASSERT_GE(recorder->texts.size(), 2u);
    EXPECT_EQ(recorder->texts[0].text, QStringLiteral("Sorvik"));
    bool subtitle = false;
    for (const auto& t : recorder->texts)
        subtitle = subtitle || t.text == interpretationsCopyright(QDate::currentDate().year());
    EXPECT_TRUE(subtitle);
    EXPECT_FALSE(recorder->documentPages.empty());

    search(QString(), QStringLiteral("no such word"));
    w.Toolbar1_ButtonClick(2);  // nothing on show: nothing printed
    EXPECT_EQ(recorder->jobsEnded, 1);
}

TEST_F(SorvikBoxes, WrongPasswordEndsTheProgramBeforeTheWindowShows)
{
    FixtureDatabase other(sectionsSql(1), QStringLiteral("another1"), QStringLiteral("intasme.mdb"));
    writeInterpretationsSetting(QStringLiteral("data path"), other.path());
    registerInterpretationsWindows();
    windowOpeners().interpretations();
    windowOpeners().interpretations = nullptr;
    ASSERT_EQ(seams.messages.shown.size(), 1u);
    EXPECT_EQ(seams.messages.shown[0].title, QStringLiteral("Incorrect password"));
    EXPECT_EQ(seams.messages.shown[0].icon, platform::MessageIcon::Critical);
    EXPECT_EQ(seams.messages.shown[0].text,
              QStringLiteral("The database which has been selected does not have the correct password.\n\nPlease contact Mardane."));
    EXPECT_TRUE(seams.programEnd.ended());
    EXPECT_EQ(seams.programEnd.status, 1);
    EXPECT_TRUE(seams.modal.shown.empty());
}

TEST_F(SorvikBoxes, OpenerShowsTheWindowModallyOnTheSample)
{
    registerInterpretationsWindows();
    QString shownTitle;
    seams.modal.scripts[QStringLiteral("sorvikMain")] = [&](QDialog& dialog) { shownTitle = dialog.windowTitle(); };
    varnelCore().interpretationQuery = QStringLiteral("SECT INT09 PARA QW-442");
    windowOpeners().interpretations();
    windowOpeners().interpretations = nullptr;
    EXPECT_EQ(seams.modal.shown, std::vector<QString>({QStringLiteral("sorvikMain")}));
    EXPECT_EQ(shownTitle, QStringLiteral("Sorvik   [ ASME ") + sectionIX + QStringLiteral(" ]"));
    EXPECT_FALSE(sorvikCore().interpretationsDatabase);  // closed with the window
    EXPECT_FALSE(seams.programEnd.ended());
}

TEST_F(SorvikBoxes, ADatabaseOverElevenMonthsOldIsReportedAtEveryOpening)
{
    for (int months : {11, 12}) {
        QFile file(databasePath());
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        const QDate date = QDate::currentDate().addMonths(-months);
        ASSERT_TRUE(file.setFileTime(QDateTime(QDate(date.year(), date.month(), 1), QTime(12, 0)),
                                     QFileDevice::FileModificationTime));
        file.close();
        seams.messages.shown.clear();
        open();
        if (months == 11) {
            EXPECT_TRUE(seams.messages.shown.empty());
        } else {
            ASSERT_EQ(seams.messages.shown.size(), 1u);
            EXPECT_EQ(seams.messages.shown[0].title, QStringLiteral("Data out of date"));
            EXPECT_EQ(seams.messages.shown[0].icon, platform::MessageIcon::Exclamation);
            EXPECT_EQ(results().size(), 20);  // the window works as usual
        }
    }
}

TEST_F(SorvikBoxes, SectionTablesShorterThanNineOrLongerThanTwentyRows)
{
    FixtureDatabase few(sectionsSql(3));
    writeInterpretationsSetting(QStringLiteral("data path"), few.path());
    sorvikMain& w = open();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Sorvik   [ ASME  ]"));
    EXPECT_TRUE(results().isEmpty());

    sorvikMain& chosen = open(QStringLiteral("SECT INT03"));
    EXPECT_EQ(chosen.windowTitle(), QStringLiteral("Sorvik   [ ASME Section 3 ]"));
    EXPECT_EQ(results(), QStringList({"  Sorvik Notice", "    ******************", "A-1", "B-1"}));
    EXPECT_EQ(chosen.Label1[6]->caption(), QStringLiteral("2"));
    EXPECT_EQ(paragraphs(), QStringList({"QW-1"}));
    chosen.Command4_Click(3);
    EXPECT_EQ(chosen.Label1[2]->caption(), QStringLiteral("60"));
    chosen.Command4_Click(1);
    EXPECT_EQ(chosen.Label1[0]->caption(), QStringLiteral("A-1"));
    EXPECT_TRUE(chosen.Label1[2]->caption().isEmpty());  // a Null volume reads empty
    window.reset();
    resetSorvikCore();

    // Every row of a long table is loaded, and the ninth is shown first as usual.
    FixtureDatabase many(sectionsSql(25));
    writeInterpretationsSetting(QStringLiteral("data path"), many.path());
    sorvikMain& longer = open(QStringLiteral("SECT INT25"));
    EXPECT_EQ(sorvikCore().sectionTableCount(), 25);
    EXPECT_EQ(longer.windowTitle(), QStringLiteral("Sorvik   [ ASME Section 25 ]"));
    EXPECT_EQ(results().size(), 4);
}

TEST_F(SorvikBoxes, AnUnusableDatabaseIsSaidOnceByFileAndReasonAndNoWindowIsLeft)
{
    const QByteArray whole = readBytes(databasePath());
    ASSERT_FALSE(whole.isEmpty());
    QDir(data.path()).mkdir(QStringLiteral("folder.mdb"));
    // The sample less one table, or one column of the sections table.
    const auto sampleWith = [&](const char* change) {
        const QString copy = data.filePath(QStringLiteral("changed.mdb"));
        QFile::remove(copy);
        QFile::copy(databasePath(), copy);
        sqlite3* db = nullptr;
        sqlite3_open(QFile::encodeName(copy).constData(), &db);
        EXPECT_EQ(sqlite3_exec(db, change, nullptr, nullptr, nullptr), SQLITE_OK) << change;
        sqlite3_close(db);
        return readBytes(copy);
    };
    const QString lacks = QStringLiteral("lacks ");
    const struct {
        const char* name;
        QByteArray content;  // written to the file; "missing.mdb" and "folder.mdb" are not written
        QString reason;      // empty: the engine's own reason for refusing the file
    } cases[] = {
        {"missing.mdb", {}, {}},
        {"empty.mdb", QByteArray(), {}},
        {"corrupt.mdb", QByteArray("This is no database of any kind, only a few words of text."), {}},
        {"truncated.mdb", whole.left(whole.size() / 2), {}},
        {"folder.mdb", {}, {}},
        {"no section table.mdb", sampleWith("DROP TABLE INT09"),
         lacks + "table INT09 of section '" + sectionIX + "'."},
        {"no paragraph index.mdb", sampleWith("DROP TABLE INX11"),
         lacks + "table INX11 of section 'Section XI - Inservice Inspection'."},
        {"no column.mdb", sampleWith("ALTER TABLE INT03 DROP COLUMN vol"),
         lacks + "column vol of table INT03 of section 'Section III - Nuclear Components'."},
        {"no sections.mdb", sampleWith("DROP TABLE AuthorizedTablesTab"), lacks + "table AuthorizedTablesTab."},
        {"no titles.mdb", sampleWith("ALTER TABLE AuthorizedTablesTab DROP COLUMN UsertableName"),
         lacks + "column UsertableName of table AuthorizedTablesTab."},
    };
    registerInterpretationsWindows();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = data.filePath(QLatin1String(c.name));
        if (QLatin1String(c.name) != QLatin1String("missing.mdb") && QLatin1String(c.name) != QLatin1String("folder.mdb")) {
            ASSERT_TRUE(writeBytes(path, c.content));
        }
        QString reason = c.reason;
        if (reason.isEmpty())
            reason = errorOf([&] { dao::Workspace::defaultWorkspace().openDatabase(path, false, false, QStringLiteral(";pwd=")); })
                         .description();
        ASSERT_FALSE(reason.isEmpty());

        resetSorvikCore();
        writeInterpretationsSetting(QStringLiteral("data path"), path);
        seams.messages.shown.clear();
        seams.modal.shown.clear();
        varnelCore().interpretationQuery = QStringLiteral("SECT INT09 PARA QW-442");
        ::testing::internal::CaptureStderr();
        windowOpeners().interpretations();
        const QString written = QString::fromLocal8Bit(::testing::internal::GetCapturedStderr());

        // One box and the same line on standard error, and no window that would find nothing.
        ASSERT_EQ(seams.messages.shown.size(), 1u);
        const ShownMessage& m = seams.messages.shown[0];
        EXPECT_EQ(m.icon, platform::MessageIcon::Critical);
        EXPECT_EQ(m.title, QStringLiteral("No database"));
        EXPECT_TRUE(m.text.contains(QDir::toNativeSeparators(path))) << m.text.toStdString();
        EXPECT_TRUE(m.text.contains(reason)) << m.text.toStdString();
        EXPECT_FALSE(m.text.contains(u'\n'));
        EXPECT_EQ(written, m.text + u'\n');
        EXPECT_TRUE(seams.modal.shown.empty());
        EXPECT_FALSE(sorvikCore().interpretationsDatabase);
        EXPECT_FALSE(seams.programEnd.ended());  // the main window goes on
    }
    windowOpeners().interpretations = nullptr;
}

// The pages of INT09 go bad under the open window: the file opens and its tables are all there,
// and the section's listing comes from its index of numbers, but every text the person asks for
// afterwards meets the damage: each click and each search says so, never that nothing is there.
TEST_F(SorvikBoxes, AnInterpretationThatCannotBeReadIsSaidAsDamageByEachDoingThatMeetsIt)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(QFile::encodeName(databasePath()).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, "SELECT rootpage, (SELECT page_size FROM pragma_page_size) FROM sqlite_master WHERE name = 'INT09'",
                       -1, &statement, nullptr);
    ASSERT_EQ(sqlite3_step(statement), SQLITE_ROW);
    const qint64 pageSize = sqlite3_column_int64(statement, 1);
    const qint64 root = sqlite3_column_int64(statement, 0);
    sqlite3_finalize(statement);
    sqlite3_close(db);
    const QByteArray sound = readBytes(databasePath());
    const struct {
        const char* what;
        std::function<void(QByteArray&)> damage;
    } cases[] = {
        {"its pages overwritten",
         [&](QByteArray& bytes) { bytes.replace((root - 1) * pageSize, 9 * pageSize, QByteArray(9 * pageSize, '\xA5')); }},
        {"the file cut short", [](QByteArray& bytes) { bytes.truncate(20000); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(writeBytes(databasePath(), sound));
        sorvikMain& w = open(QStringLiteral("SECT INT09"));
        ASSERT_EQ(results().size(), 20);
        ASSERT_TRUE(seams.messages.shown.empty());
        QByteArray bytes = sound;
        c.damage(bytes);
        bytes[27] = static_cast<char>(bytes[27] + 1);  // the change counter: no page read before is trusted
        ASSERT_TRUE(writeBytes(databasePath(), bytes));

        QTreeWidgetItem* item = w.ListView1[2]->findItems(QStringLiteral("IX-07-01"), Qt::MatchExactly).value(0);
        ASSERT_TRUE(item);
        QTest::mouseClick(w.ListView1[2]->viewport(), Qt::LeftButton, {}, w.ListView1[2]->visualItemRect(item).center());
        EXPECT_EQ(w.Label1[0]->caption(), QStringLiteral("IX-07-01"));
        EXPECT_TRUE(w.RichTextBox1->text().isEmpty());
        w.Text1[1]->setFocus();
        QTest::keyClicks(w.Text1[1], QStringLiteral("weld"));
        QTest::keyClick(w.Text1[1], Qt::Key_Return);
        EXPECT_TRUE(results().isEmpty());
        EXPECT_EQ(w.Label1[6]->caption(), QStringLiteral("0"));

        ASSERT_EQ(seams.messages.shown.size(), 2u) << messageTitles().join(u',').toStdString();
        for (const ShownMessage& m : seams.messages.shown) {
            EXPECT_EQ(m.icon, platform::MessageIcon::Critical);
            EXPECT_EQ(m.title, QStringLiteral("Sorvik"));
            EXPECT_TRUE(m.text.contains(databasePath())) << m.text.toStdString();
            EXPECT_TRUE(m.text.contains(QStringLiteral("is damaged or can no longer be read"))) << m.text.toStdString();
        }
        seams.messages.shown.clear();
    }
}

TEST_F(SorvikBoxes, AParagraphEntryEndingInAQuoteCompletesWithoutTheQuote)
{
    FixtureDatabase quoted(oneSectionSql(QStringLiteral("('A-1', 'Subject: a'), ('B-1', 'Subject: b')"),
                                         QStringLiteral("('QW-1\"', 'A-1'), ('QW-2', 'B-1')")));
    writeInterpretationsSetting(QStringLiteral("data path"), quoted.path());
    sorvikMain& w = open(QStringLiteral("SECT INT01 PARA QW-1"));
    EXPECT_EQ(paragraphs(), QStringList({"QW-1\"", "QW-2"}));
    EXPECT_EQ(w.Text1[0]->text(), QStringLiteral("QW-1"));

    w.Text1[0]->setText(QString());
    QTest::keyClicks(w.Text1[0], QStringLiteral("qw-"));
    EXPECT_EQ(w.Text1[0]->text(), QStringLiteral("QW-1"));
    EXPECT_EQ(w.Text1[0]->selText(), QStringLiteral("1"));
    QTest::keyClicks(w.Text1[0], QStringLiteral("1"));
    EXPECT_EQ(w.Text1[0]->text(), QStringLiteral("QW-1"));
    QTest::keyClick(w.Text1[0], Qt::Key_Backspace);
    QTest::keyClicks(w.Text1[0], QStringLiteral("2"));
    EXPECT_EQ(w.Text1[0]->text(), QStringLiteral("QW-2"));
    EXPECT_EQ(results(), QStringList({"B-1"}));
}

TEST_F(SorvikBoxes, ASectionHoldingOnlyItsNoticeStepsToTheNoticeAgain)
{
    FixtureDatabase noticeOnly(oneSectionSql(QStringLiteral("('  Sorvik Notice', 'The notice.')"), QString()));
    writeInterpretationsSetting(QStringLiteral("data path"), noticeOnly.path());
    sorvikMain& w = open(QStringLiteral("SECT INT01"));
    ASSERT_EQ(results(), QStringList({"  Sorvik Notice", "    ******************"}));
    EXPECT_EQ(w.Label1[6]->caption(), QStringLiteral("0"));

    w.Command4_Click(2);
    EXPECT_EQ(w.ListView1[2]->selectedIndex(), 2);
    EXPECT_EQ(w.Label1[0]->caption(), QStringLiteral("Sorvik Notice"));
    EXPECT_EQ(w.RichTextBox1->text(), QStringLiteral("The notice."));
    EXPECT_EQ(w.Label1[4]->caption(), QStringLiteral("n/a"));
}
