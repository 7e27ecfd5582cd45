// The main window's reference database files: the File > Open list of the data directory, the
// choice of a directory, opening with the password, File > Import and switching editions.

#include "browser/varnel_main.h"

#include "app/registry_module.h"
#include "app/varnel_core.h"
#include "app/version.h"
#include "browser/reference_schema.h"
#include "data/password.h"
#include "platform/ui/handler_guard.h"
#include "platform/ui/seams.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace varnel {

namespace {

QString fullPathOf(const QString& directory, const QString& file)
{
    return QDir::toNativeSeparators(QDir(directory).filePath(file));
}

}  // namespace

bool varnelMain::buildMenuList()
{
    VarnelCore& core = varnelCore();
    mnuFileOpenSection[0]->setVisible(true);
    while (mnuFileOpenSection.size() > 1) {
        QAction* entry = mnuFileOpenSection.back();
        mnuFileOpenSection.pop_back();
        mnuFileOpen->removeAction(entry);
        entry->deleteLater();  // it may be the entry whose click is running
    }
    core.sectionCount = 0;
    for (const QString& file : File1.files()) {
        ++core.sectionCount;
        const int index = core.sectionCount;
        QAction* entry = mnuFileOpen->addAction(editionText(file));
        entry->setData(file);
        entry->setCheckable(true);
        entry->setVisible(true);
        entry->setEnabled(true);
        connect(entry, &QAction::triggered, this, platform::ui::guarded([this, index] { mnuFileOpenSection_Click(index); }));
        mnuFileOpenSection.push_back(entry);
    }
    if (core.sectionCount > 0) {
        mnuFileOpenSection[0]->setVisible(false);
        return true;
    }
    return false;
}

bool varnelMain::selectDir()
{
    // A data directory that is gone: the dialog opens on what is left of its path.
    QString start = varnelCore().dataPath;
    while (!start.isEmpty() && !QFileInfo(start).isDir() && QFileInfo(start).path() != start)
        start = QFileInfo(start).path();
    const platform::FileChoice choice = platform::openFileDialog(
        QStringLiteral("Open"), QStringLiteral("Varnel DB (qelyyaa.mdb)|qel????.mdb"), start);
    if (choice.cancelled)
        return false;
    VarnelCore& core = varnelCore();
    core.dataPath = directoryOf(choice.fullPath);
    core.defaultFile = choice.fileName;
    return true;
}

bool varnelMain::listDataDirectory()
{
    const QString& directory = varnelCore().dataPath;
    if (!File1.setPath(directory)) {
        // The list would stay on another directory and offer files the person never chose.
        platform::tellFailure(platform::MessageIcon::Exclamation, QStringLiteral("No database"),
                              QStringLiteral("The data directory '%1' does not exist.")
                                  .arg(QDir::toNativeSeparators(directory)));
        return false;
    }
    return buildMenuList();
}

bool varnelMain::settleFile()
{
    VarnelCore& core = varnelCore();
    while (!listDataDirectory()) {
        if (!selectDir()) {
            // Without an open edition there is nothing to go on with; an open one stays.
            if (!core.mainDatabase)
                platform::endProgram();
            return false;
        }
    }
    // A stored name that differs from the file's only in letter case names that file: it is
    // opened, while the exact comparison below ticks no entry.
    if (fileNameOnDisk(core.dataPath, core.defaultFile).isEmpty())
        core.defaultFile = mnuFileOpenSection[1]->data().toString();
    return true;
}

void varnelMain::keepOpenedChoice()
{
    // Only a file that opened and listed its processes becomes the stored choice: one that cannot
    // be used never takes the place of the person's working choice, at this start or the next.
    VarnelCore& core = varnelCore();
    const auto store = [](const QString& key, const QString& value) {
        if (readSectionSetting(settingsSection, key) != value)
            writeSetting(key, value);
    };
    store(core.dataPathKey, core.dataPath);
    store(core.defaultFileKey, core.defaultFile);
    for (int i = 1; i < static_cast<int>(mnuFileOpenSection.size()); ++i) {
        const bool current = mnuFileOpenSection[i]->data().toString() == core.defaultFile;
        mnuFileOpenSection[i]->setChecked(current);
        if (current)
            setWindowTitle(programTitle() + QStringLiteral("    ( ") + mnuFileOpenSection[i]->text()
                           + QStringLiteral(" )"));
    }
}

void varnelMain::keepPreviousChoice(const QString& dataPath, const QString& defaultFile)
{
    // A choice that could not be used changes nothing: the open edition's directory and file come
    // back, and so do their File > Open list, tick and caption.
    VarnelCore& core = varnelCore();
    core.dataPath = dataPath;
    core.defaultFile = defaultFile;
    if (!core.mainDatabase)
        return;
    if (File1.setPath(dataPath))
        buildMenuList();
    keepOpenedChoice();
}

void varnelMain::releaseDatabase()
{
    VarnelCore& core = varnelCore();
    if (core.mainDatabase) {
        try {
            core.mainDatabase->close();
        } catch (const std::exception&) {
            // The old database is let go whatever its close reports; nothing shown comes from it.
        }
        core.mainDatabase.reset();
    }
    // The caption names an edition only while its database is open.
    setWindowTitle(programTitle());
}

QString varnelMain::pathOfDefaultFile() const
{
    const VarnelCore& core = varnelCore();
    const QString onDisk = fileNameOnDisk(core.dataPath, core.defaultFile);
    return fullPathOf(core.dataPath, onDisk.isEmpty() ? core.defaultFile : onDisk);
}

int varnelMain::openFile()
{
    // The open database stays open until the new file has shown that it can be used.
    const VarnelCore& core = varnelCore();
    openedFile_.reset();
    databaseFailure_.clear();
    try {
        std::unique_ptr<dao::Database> database = openProductDatabase(pathOfDefaultFile());
        // A file without the tables the window reads counts as one that did not open.
        checkReferenceTables(*database, isNewLayout(core.defaultFile));
        openedFile_ = std::move(database);
        return 0;
    } catch (const dao::Error& error) {
        databaseFailure_ = error.description();
        return error.number();
    }
}

void varnelMain::sayUnusableDatabase()
{
    // One line that names the file and says what is wrong with it, in the box and on standard
    // error, for a person at the screen and for a script that started the program.
    const QString path = pathOfDefaultFile();
    QString line = databaseFailure_.isEmpty() ? QStringLiteral("The database could not be read.") : databaseFailure_;
    if (!line.contains(path))
        line = path + QStringLiteral(": ") + line;
    databaseFailure_.clear();
    platform::tellFailure(platform::MessageIcon::Critical, QStringLiteral("No database"), line);
}

void varnelMain::endForUnusableDatabase()
{
    sayUnusableDatabase();
    platform::endProgram(1);
}

void varnelMain::importInsteadOf(const QString& dataPath, const QString& defaultFile)
{
    // The file that did not open is said, by its name, before its edition's place is given back;
    // after a cancelled dialog there is nothing to say.
    if (!databaseFailure_.isEmpty())
        sayUnusableDatabase();
    keepPreviousChoice(dataPath, defaultFile);
    mnuFileImport_Click();
}

void varnelMain::mnuFileImport_Click()
{
    hideDropDownLists();
    VarnelCore& core = varnelCore();
    const platform::FileChoice choice = platform::openFileDialog(
        QStringLiteral("Import"), QStringLiteral("Varnel DB (qel*.mdb)|qel*.mdb"), core.dataPath);
    if (choice.cancelled) {
        if (core.firstActivation) {
            platform::messageBox(platform::MessageIcon::Critical, QStringLiteral("No database"),
                                 QStringLiteral("No valid Varnel database present."));
            platform::endProgram();
        }
        return;
    }
    const QString previousPath = core.dataPath, previousFile = core.defaultFile;
    // The directory part of the chosen path; cutting at the file's name would go wrong for a
    // parent folder whose name contains it.
    core.dataPath = directoryOf(choice.fullPath);
    core.defaultFile = choice.fileName;
    if (!settleFile()) {
        keepPreviousChoice(previousPath, previousFile);
        return;
    }
    if (openFile() == dao::WrongPassword) {
        keepPreviousChoice(previousPath, previousFile);
        showIncorrectPassword();
        databaseFailure_.clear();
        mnuFileImport_Click();
        return;
    }
    if (!initiateDatabase()) {
        importInsteadOf(previousPath, previousFile);
        return;
    }
    keepOpenedChoice();
    Text1[2]->setText(List1[2]->entryText(1));
    Text1[3]->setText(List1[3]->entryText(1));
}

void varnelMain::mnuFileOpenSection_Click(int index)
{
    hideDropDownLists();
    if (index < 1 || index >= static_cast<int>(mnuFileOpenSection.size()))
        return;
    VarnelCore& core = varnelCore();
    const QString previousPath = core.dataPath, previousFile = core.defaultFile;
    core.defaultFile = mnuFileOpenSection[index]->data().toString();
    if (!settleFile()) {
        keepPreviousChoice(previousPath, previousFile);
        return;
    }
    openFile();
    if (!initiateDatabase()) {
        importInsteadOf(previousPath, previousFile);
        return;
    }
    keepOpenedChoice();
    loadVariablesList();
    loadAvailableParagraphs();
    Text1[2]->setText(List1[2]->entryText(1));
    Text1[3]->setText(List1[3]->entryText(1));
}

void varnelMain::mnuFileExit_Click() { close(); }

}  // namespace varnel
