#pragma once
// The per-user settings store: string values under (application, section, key), kept in one INI
// file per user. Other programs of the family read and write the same file while this one runs:
// - every read first takes in what they wrote: the file is read again whenever it is another file
//   (another program replaced it) or has changed, whatever its size and time stamp say;
// - every write reads the file again and replaces it whole, in one step, under the lock file that
//   Qt's settings class takes for the same file (the file's name followed by ".lock"), so writers
//   that take that lock never lose each other's keys;
// - a write never replaces a file other than the one it read: immediately before the replace the
//   file is checked to be the one read, and the exchange that replaces it shows the file it
//   displaced, which goes back if another program's replacement came in between; the write then
//   reads the file again. So another program's atomic replacement is never undone, lock or not.
//   A conditional write (the command poll's) starts over a few times at the most and then gives
//   up until the poll's next tick, so a writer that keeps replacing the file never holds it up;
// - a file caught while another program rewrites it in place (empty, or without a group it held
//   before) is read again for a moment, and a default is never written back into it.
// Beneath the person's file lie the system-wide files an installation leaves (read only): a key
// the person's file leaves empty is read from the first of them that holds a value, so an
// installation can announce where the family's programs are while each person's own values win.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class QSettings;
class QTemporaryDir;
struct stat;

namespace platform {

class SettingsStore {
public:
    // The store of the application "Quorbel software" at its standard per-user place:
    // $XDG_CONFIG_HOME (or ~/.config) / "Quorbel software" / "settings.ini", over the system-wide
    // files of the running program (systemFiles).
    SettingsStore();
    // A store over a given file (tests, or a second store on the same file), over the read-only
    // `systemWideFiles` in the order they are consulted.
    explicit SettingsStore(const QString& iniFile, const QStringList& systemWideFiles = {});
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    static QString standardFile();
    // The folder of the system-wide files in a configuration directory ("quorbel-software").
    static QString systemFolderName();
    // The system-wide files for a program in `programDirectory`, in the order they are consulted:
    // the one the build tree put in etc/xdg beside its programs, the one its own installation put
    // in etc/xdg of its prefix, then one in each directory of $XDG_CONFIG_DIRS (by default
    // /etc/xdg); in each directory systemFolderName()/settings.ini, then "Quorbel
    // software/settings.ini". Files that do not exist are left out.
    static QStringList systemFiles(const QString& programDirectory);
    QString fileName() const;
    // The lock file shared with every program that writes the file through Qt's settings class.
    QString lockFileName() const;

    // The stored value; a key never written reads as the empty string. An empty value is read
    // from the system-wide files.
    QString read(const QString& section, const QString& key);
    // Whether the person's own file holds the key; the system-wide files do not count.
    bool contains(const QString& section, const QString& key);
    // False when the file could not be locked or written; the file is then as it was.
    bool write(const QString& section, const QString& key, const QString& value);
    // Writes `value` only while the key still holds `expected` (a missing key holds the empty
    // string), reading and writing in one step under the lock. False when nothing was written:
    // the key held something else, the file was caught in the middle of a rewrite, or it could not
    // be locked or written.
    bool replaceIfUnchanged(const QString& section, const QString& key, const QString& expected,
                            const QString& value);

    // How a write puts its new file in place, for tests: without `exchange` the store acts as on
    // a file system that cannot exchange two files, where the check that the file is still the
    // one read is all there is; `beforeCheck` runs when the new file lies ready, just before that
    // check.
    struct ReplaceSeam {
        bool exchange = true;
        std::function<void()> beforeCheck;
    };
    void setReplaceSeam(ReplaceSeam seam) { replaceSeam_ = std::move(seam); }

    // Read with a default: a value that is empty here and in the system-wide files is replaced by the default, which is stored while
    // the key is still empty. A key that is present and empty while the default is empty is left
    // alone rather than rewritten, so a value another program writes in the meantime is never
    // overwritten; a reading of a file caught in the middle of a rewrite stores nothing.
    QString readWithDefault(const QString& section, const QString& key, const QString& defaultValue);

private:
    // What the file is: another file in its place, or a change to it, gives another state.
    struct FileState {
        bool exists = false;
        quint64 device = 0;
        quint64 inode = 0;
        qint64 size = 0;
        qint64 modifiedNs = 0;
        bool operator==(const FileState&) const = default;
    };

    // A file descriptor, closed with its owner.
    class FileHandle {
    public:
        FileHandle() = default;
        explicit FileHandle(int fd) : fd_(fd) {}
        ~FileHandle();
        FileHandle(FileHandle&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
        FileHandle& operator=(FileHandle&& other) noexcept;
        int fd() const { return fd_; }

    private:
        int fd_ = -1;
    };

    // The file's bytes and the state they were read in. The file stays open with the reading, so
    // that no other file takes its place under the same inode while the reading is kept.
    struct Reading {
        FileState state;
        QByteArray bytes;
        unsigned permissions = 0;
        FileHandle handle;
    };

    enum class Replacement { Done, FileChanged, Failed };

    static FileState stateOf(const struct stat& info);
    static FileState stateOfDescriptor(int fd);
    static FileState stateOfPath(const QString& path);
    Reading readFile() const;
    // Takes a reading in as the store's current values.
    void adopt(Reading reading);
    // Replaces the file by `bytes` while it is still the file of `read`.
    Replacement replaceIfStill(const Reading& read, const QByteArray& bytes) const;
    // A directory for the copies that Qt's settings class reads and edits. Each is held only
    // while its copy is in use, so that a program that is killed leaves none behind.
    std::unique_ptr<QTemporaryDir> scratchDirectory() const;
    // A new file in `scratch` holding `bytes`.
    QString scratchCopy(const QTemporaryDir& scratch, const QString& kind, const QByteArray& bytes);
    // An existing file that is empty or lacks a group it held at the last settled reading.
    bool cutShort(const FileState& state, const QStringList& groups) const;
    // Whether to read a cut-short file again: only within the short wait, and only when this very
    // state of the file has not already been waited out.
    bool waitForRewrite(const FileState& state, const QStringList& groups, qint64 waitedMs);
    // Takes in what other programs wrote; false when the file stayed cut short.
    bool refresh();
    bool writeLocked(const QString& section, const QString& key, const QString& value,
                     const std::optional<QString>& expected);
    // The first non-empty value of the key in the system-wide files; empty when none has one.
    QString systemValue(const QString& fullKey) const;

    QString file_;
    int copies_ = 0;
    std::unique_ptr<QSettings> settings_;     // read from a copy of the current reading
    FileState state_;                         // of the current reading
    FileHandle heldFile_;                     // the file of the current reading
    QStringList knownGroups_;                // groups of the last settled reading
    std::optional<FileState> waitedOut_;     // a cut-short state already waited for in vain
    std::vector<std::unique_ptr<QSettings>> systemSettings_;
    ReplaceSeam replaceSeam_;
};

// The store every window uses. Tests may replace it with one over a temporary file.
SettingsStore& settingsStore();
void setSettingsStore(std::unique_ptr<SettingsStore> store);

}  // namespace platform
