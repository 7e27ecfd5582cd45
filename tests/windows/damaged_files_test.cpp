// Every page of the sample edition and of the sample interpretations file zeroed in turn under the
// programs' windows, and every road that reads it walked as a person walks it: each shows what the
// sound file shows, or says that the file is damaged; none shows an empty, shorter or changed
// result without a word. A page is walked only by the roads that read it from the sound file,
// which SQLite's reads through a watching file layer tell. Without a database, each road says so.

#include "app/window_openers.h"
#include "browser/browser_windows.h"
#include "browser/varnel_cross_reference.h"
#include "browser/varnel_show_all_processes.h"
#include "interpretations/interpretations_windows.h"
#include "interpretations/sorvik_fixture.h"
#include "lookups/base_metal_window.h"
#include "lookups/filler_metal_window.h"
#include "lookups/lookup_windows.h"
#include "lookups/varnel_anumbers.h"
#include "lookups/varnel_definitions.h"
#include "platform/ui/list_view_sorting.h"
#include "support/main_window_fixture.h"
#include "support/main_window_views.h"

#include <QFile>
#include <QtEndian>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <functional>
#include <map>
#include <set>
#include <sqlite3.h>

using namespace varnel;
using testing_support::entriesOf;

namespace {

// SQLite's own file layer, with each read of a database file noted as the page it falls in.
struct PageReads {
    static inline sqlite3_vfs* real = nullptr;
    static inline sqlite3_io_methods watchedMethods{};
    static inline const sqlite3_io_methods* realMethods = nullptr;
    static inline std::map<const sqlite3_file*, QString> files;  // open database files by name
    static inline QString watched;                               // the file whose reads are noted
    static inline std::set<qint64> pages;
    static inline qint64 pageSize = 1024;

    static int read(sqlite3_file* file, void* buffer, int amount, sqlite3_int64 offset)
    {
        if (const auto f = files.find(file); f != files.end() && f->second == watched)
            pages.insert(offset / pageSize + 1);
        return realMethods->xRead(file, buffer, amount, offset);
    }
    static int close(sqlite3_file* file)
    {
        files.erase(file);
        return realMethods->xClose(file);
    }
    static int open(sqlite3_vfs*, const char* name, sqlite3_file* file, int flags, int* outFlags)
    {
        const int rc = real->xOpen(real, name, file, flags, outFlags);
        if (rc == SQLITE_OK && (flags & SQLITE_OPEN_MAIN_DB) && file->pMethods) {
            realMethods = file->pMethods;
            watchedMethods = *realMethods;
            watchedMethods.xRead = read;
            watchedMethods.xClose = close;
            file->pMethods = &watchedMethods;
            files[file] = QString::fromUtf8(name);
        }
        return rc;
    }
    // Makes the watching layer SQLite's default for files opened from now on.
    static void install()
    {
        static sqlite3_vfs vfs = [] {
            real = sqlite3_vfs_find(nullptr);
            sqlite3_vfs watching = *real;
            watching.zName = "watching";
            watching.xOpen = open;
            return watching;
        }();
        sqlite3_vfs_register(&vfs, 1);
    }
    static void uninstall() { sqlite3_vfs_unregister(sqlite3_vfs_find("watching")); }
};

// A person's way through the windows to what one read shows, as text. A road walked also while
// open is walked once more with the file turning bad only where it calls turnBad(), after its
// window has opened on the sound file, so that the read after that alone meets the damage.
struct Road {
    const char* file;
    const char* name;
    std::function<QString()> walk;
    bool alsoWhileOpen = false;
};

// Whether the person was told that the file is damaged, or that it cannot be used at all.
bool damageSaid(const std::vector<testing_support::ShownMessage>& shown)
{
    for (const auto& m : shown)
        if (m.icon == platform::MessageIcon::Critical
            && (m.title == QLatin1String("No database") || m.text.contains(QStringLiteral("is damaged or can no longer be read"))))
            return true;
    return false;
}

QString rowsOf(const platform::ui::SortableListView& list, int columns)
{
    QStringList rows;
    for (int i = 1; i <= list.count(); ++i) {
        QStringList row;
        for (int c = 0; c < columns; ++c)
            row << (c == 0 ? list.entryText(i) : list.subItem(i, c));
        rows << row.join(u'\t');
    }
    return rows.join(u'\n');
}

class DamagedFiles : public testing_support::MainWindowTest {
protected:
    void SetUp() override
    {
        PageReads::install();
        registerBrowserWindows();
        registerLookupWindows();
        registerInterpretationsWindows();
        testing_support::installInterpretations(data.path());
        main = &startOnSample(true);
    }
    void TearDown() override
    {
        window.reset();
        windowOpeners() = WindowOpeners{};
        resetSorvikCore();
        resetVarnelCore();
        PageReads::uninstall();
    }

    // The paragraphs that hold `word`, found as a person searches all of them, or those of the
    // process and category chosen.
    void searchFor(const QString& word, bool everyParagraph = true)
    {
        if (everyParagraph)
            main->Check1->setValue(0);
        main->Option1[0]->setValue(true);
        main->Text1[1]->setText(QString());
        QTest::keyClicks(main->Text1[1], word);
        QTest::keyClick(main->Text1[1], Qt::Key_Return);
    }
    QString paragraphShown() const
    {
        return testing_support::listedParagraphs(*main) + u'\n' + main->Frame1[4]->caption() + u'\n'
               + main->Label1[4]->caption() + u'\n' + main->RichTextBox1->text();
    }
    // Looks the search box's text up with the toolbar's cross-reference button.
    void lookUp(const QString& key)
    {
        main->RichTextBox1->setSel(0, 0);
        main->Text1[1]->setText(key);
        main->Text1[1]->selectAll();
        QTest::mouseClick(main->toolbarButtons[12], Qt::LeftButton);
    }
    // What `look` reads of the window `Window` (named `name`) that `open` opens.
    template <typename Window>
    QString seenIn(const char* name, const std::function<void()>& open, const std::function<QString(Window&)>& look)
    {
        QString seen = QStringLiteral("(not opened)");
        seams.modal.scripts[QString::fromLatin1(name)] = [&](QDialog& shown) { seen = look(static_cast<Window&>(shown)); };
        open();
        seams.modal.scripts.clear();
        return seen;
    }
    QString inSorvik(const std::function<QString(sorvikMain&)>& look)
    {
        main->ListView1[2]->clearEntries();  // no paragraph for the start string
        varnelCore().interpretationQuery = QStringLiteral("SECT INT09");
        return seenIn<sorvikMain>("sorvikMain", [&] { QTest::mouseClick(main->Command3, Qt::LeftButton); }, [&](sorvikMain& w) {
            const QString looked = look(w);
            return entriesOf(*w.ListView1[2]).join(u'|') + u'\n' + w.Label1[6]->caption() + u'\n' + looked + u'\n'
                   + w.Label1[0]->caption() + u'\n' + w.Label1[2]->caption() + u'\n' + w.RichTextBox1->text();
        });
    }

    varnelMain* main = nullptr;
    std::function<void()> turnBad = [] {};
};

}  // namespace

TEST_F(DamagedFiles, EveryReadOfAZeroedPageShowsWhatTheSoundFileShowsOrSaysTheDamage)
{
    const Road roads[] = {
        {"qel0709.mdb", "the list of every paragraph", [&] {
             main->Check1->setValue(1);
             QTest::mouseClick(main->Check1, Qt::LeftButton);
             return paragraphShown();
         }},
        {"qel0709.mdb", "a search", [&] {
             searchFor(QStringLiteral("weld"));
             return paragraphShown();
         }},
        {"qel0709.mdb", "a paragraph's text", [&] {
             searchFor(QStringLiteral("weld"));
             QTest::keyClick(main->ListView1[2], Qt::Key_Down);
             return paragraphShown();
         }},
        {"qel0709.mdb", "the applicability grid", [&] {
             // Searched among SMAW's supplementary essential variables alone, whose pages are few.
             main->Check1->setValue(1);
             main->Text1[2]->setText(QStringLiteral("SMAW"));
             main->Text1[3]->setText(QStringLiteral("SMAW  -  Supplementary Essential Variables for Groove/Fillet welds"));
             searchFor(QStringLiteral("interpass"), false);
             QTest::keyClick(main->ListView1[2], Qt::Key_Down);  // QW-406.3, a long variable, on show
             turnBad();
             const auto click = [&] { QTest::mouseClick(main->Command5, Qt::LeftButton); };
             return seenIn<varnelshowAllProcesses2004>("varnelshowAllProcesses2004", click, [](auto& grid) {
                 QStringList cells;
                 for (int r = 0; r < grid.MSFlexGrid1->rows(); ++r)
                     for (int c = 0; c < grid.MSFlexGrid1->cols(); ++c)
                         cells << grid.MSFlexGrid1->textMatrix(r, c);
                 return cells.join(u'|');
             });
         }, true},
        {"qel0709.mdb", "the cross-reference", [&] {
             return seenIn<varnelCrossReference>("varnelCrossReference", [&] { lookUp(QStringLiteral("QW-200.4(a)")); },
                                                 [](auto& popUp) { return popUp.RichTextBox1->text(); });
         }},
        {"qel0709.mdb", "the definitions", [&] {
             return seenIn<varnelDefinitions>("varnelDefinitions", [&] { lookUp(QStringLiteral("weld")); }, [](auto& glossary) {
                 QString seen = glossary.RichTextBox1->text();
                 for (int option : {1, 2}) {
                     QTest::mouseClick(glossary.Option1[option], Qt::LeftButton);
                     seen += u'\n' + entriesOf(*glossary.List1[0]).join(u'|') + u'\n' + glossary.RichTextBox1->text();
                 }
                 return seen;
             });
         }},
        {"qel0709.mdb", "the base-metal lookup", [&] {
             const auto click = [&] { QTest::mouseClick(main->toolbarButtons[4], Qt::LeftButton); };
             return seenIn<varnelMaterialSpecification>("varnelMaterialSpecification", click, [&](auto& lookup) {
                 const QString opened = lookup.Frame1[1]->caption() + u'\n' + rowsOf(lookup.results(), 11);
                 giveFocus(*lookup.Text1[0]);
                 turnBad();  // the pick list is in: the results alone read the file from here
                 QTest::keyClicks(lookup.Text1[0], QStringLiteral("SA"));
                 return opened + u'\n' + entriesOf(*lookup.List1[0]).join(u'|') + u'\n' + lookup.Frame1[1]->caption()
                        + u'\n' + rowsOf(lookup.results(), 11);
             });
         }, true},
        {"qel0709.mdb", "the filler-metal lookup", [&] {
             const auto click = [&] { QTest::mouseClick(main->toolbarButtons[5], Qt::LeftButton); };
             return seenIn<varnelFillerSpecification>("varnelFillerSpecification", click, [](auto& lookup) {
                 giveFocus(*lookup.Text1[4]);
                 return lookup.Text1[4]->text() + u'\n' + entriesOf(*lookup.List1[0]).join(u'|') + u'\n'
                        + lookup.Frame1[1]->caption() + u'\n' + rowsOf(lookup.results(), 6);
             });
         }},
        {"qel0709.mdb", "the A-number table", [&] {
             const auto click = [&] { QTest::mouseClick(main->toolbarButtons[6], Qt::LeftButton); };
             return seenIn<varnelAnumbers>("varnelAnumbers", click, [&](auto& table) {
                 turnBad();  // the table is open: the determination alone reads the file from here
                 QTest::keyClicks(table.txtElement[0], QStringLiteral("0.10"));
                 QTest::keyClicks(table.txtElement[1], QStringLiteral("20"));
                 QTest::keyClicks(table.txtElement[3], QStringLiteral("15"));
                 QString rows;
                 for (int n = 1; n <= 12; ++n)
                     rows += table.rowColourOf(n) == varnelAnumbers::rowColour(true) ? u'1' : u'0';
                 return table.lblAnumber->caption() + u'\n' + rows + u'\n' + table.txtElement[1]->backColor().name();
             });
         }, true},
        {"intasme.mdb", "Sorvik's list", [&] {
             return inSorvik([](sorvikMain& w) { return entriesOf(*w.ListView1[0]).join(u'|'); });
         }},
        {"intasme.mdb", "Sorvik's text", [&] {
             return inSorvik([](sorvikMain& w) {
                 if (QTreeWidgetItem* item = w.ListView1[2]->findItems(QStringLiteral("IX-07-01"), Qt::MatchExactly).value(0))
                     QTest::mouseClick(w.ListView1[2]->viewport(), Qt::LeftButton, {},
                                       w.ListView1[2]->visualItemRect(item).center());
                 return QString();
             });
         }},
        {"intasme.mdb", "Sorvik's search", [&] {
             return inSorvik([](sorvikMain& w) {
                 QTest::keyClicks(w.Text1[1], QStringLiteral("weld"));
                 QTest::keyClick(w.Text1[1], Qt::Key_Return);
                 return QString();
             });
         }},
    };

    for (const char* fileName : {"qel0709.mdb", "intasme.mdb"}) {
        const QString path = data.filePath(QString::fromLatin1(fileName));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        const QByteArray sound = file.readAll();
        const qint64 pageSize = (static_cast<unsigned char>(sound[16]) << 8) | static_cast<unsigned char>(sound[17]);
        PageReads::watched = path;
        PageReads::pageSize = pageSize;
        // Each state of the file counts its change in the header, so that no page read before is
        // trusted; the sound file keeps its own count. `page` is written zeroed or as it was.
        const auto setFile = [&](qint64 page, bool zeroed, quint32 change) {
            QByteArray header = sound.left(100);
            const quint32 count = qFromBigEndian<quint32>(sound.constData() + 24) + change;
            qToBigEndian(count, header.data() + 24);
            file.seek(0);
            file.write(header);
            if (page > 0) {
                file.seek((page - 1) * pageSize);
                file.write(zeroed ? QByteArray(static_cast<int>(pageSize), '\0') : sound.mid((page - 1) * pageSize, pageSize));
            }
            file.flush();
        };

        // What each road shows of the sound file, and the pages it reads for it.
        std::vector<std::pair<const Road*, QString>> shown;
        std::map<qint64, std::set<const Road*>> readers;  // page -> the roads that read it
        for (const Road& road : roads) {
            if (QString::fromLatin1(road.file) != QString::fromLatin1(fileName))
                continue;
            setFile(0, false, 1000000 + static_cast<quint32>(shown.size()));
            PageReads::pages.clear();
            seams.messages.shown.clear();
            shown.emplace_back(&road, road.walk());
            ASSERT_TRUE(seams.messages.shown.empty()) << road.name << ": " << seams.messages.shown[0].text.toStdString();
            for (qint64 page : PageReads::pages)
                readers[page].insert(&road);
        }
        ASSERT_FALSE(readers.empty()) << fileName;

        const qint64 pages = sound.size() / pageSize;
        for (qint64 page = 1; page <= pages; ++page) {
            setFile(page, true, static_cast<quint32>(page));
            for (const auto& [road, expected] : shown) {
                const std::set<const Road*>& ofPage = readers[page];
                if (!ofPage.contains(road))
                    continue;
                for (const bool whileOpen : {false, true}) {
                    if (whileOpen && !road->alsoWhileOpen)
                        continue;
                    if (whileOpen)  // sound until the road turns it bad
                        setFile(page, false, 2000000 + static_cast<quint32>(page));
                    turnBad = [&] { setFile(page, true, static_cast<quint32>(page)); };
                    seams.messages.shown.clear();
                    const QString seen = road->walk();
                    turnBad();
                    turnBad = [] {};
                    EXPECT_TRUE(seen == expected || damageSaid(seams.messages.shown))
                        << fileName << ", page " << page << " zeroed" << (whileOpen ? " while open: " : ": ") << road->name
                        << " shows\n" << seen.left(300).toStdString() << "\nin place of\n" << expected.left(300).toStdString();
                }
            }
            setFile(page, false, 0);
        }
        file.close();
    }

    // With no reference database open at all, every road of the edition says so.
    varnelCore().mainDatabase.reset();
    for (const Road& road : roads) {
        if (QLatin1String(road.file) != QLatin1String("qel0709.mdb"))
            continue;
        seams.messages.shown.clear();
        road.walk();
        EXPECT_TRUE(std::any_of(seams.messages.shown.begin(), seams.messages.shown.end(),
                                [](const auto& m) { return m.text == noReferenceDatabaseText; }))
            << road.name;
    }
}
