#include "platform/dao/write_ahead_log.h"

#include <QFile>
#include <map>

namespace dao::detail {

namespace {

// The log's layout, as SQLite writes and recovers it: a header of 32 bytes, then frames of a
// 24-byte header and one page each. All numbers are big-endian.
constexpr quint32 logMagic = 0x377f0682;  // the lowest bit names the byte order of the checksums
constexpr quint32 logVersion = 3007000;
constexpr qint64 logHeaderSize = 32;
constexpr qint64 frameHeaderSize = 24;

quint32 bigEndian(const char* bytes)
{
    const auto* b = reinterpret_cast<const unsigned char*>(bytes);
    return (quint32(b[0]) << 24) | (quint32(b[1]) << 16) | (quint32(b[2]) << 8) | b[3];
}

quint32 littleEndian(const char* bytes)
{
    const auto* b = reinterpret_cast<const unsigned char*>(bytes);
    return (quint32(b[3]) << 24) | (quint32(b[2]) << 16) | (quint32(b[1]) << 8) | b[0];
}

// The running checksum of the log over pairs of 32-bit words, each in the log's byte order.
struct Checksum {
    bool bigEndianWords = false;
    quint32 s0 = 0;
    quint32 s1 = 0;

    void add(const char* bytes, qint64 size)
    {
        for (qint64 i = 0; i + 8 <= size; i += 8) {
            s0 += word(bytes + i) + s1;
            s1 += word(bytes + i + 4) + s0;
        }
    }
    quint32 word(const char* bytes) const { return bigEndianWords ? bigEndian(bytes) : littleEndian(bytes); }
    bool matches(const char* stored) const { return s0 == bigEndian(stored) && s1 == bigEndian(stored + 4); }
};

// The number of pages SQLite reads the file alone as: the count in its header while the header
// vouches for it, else as many as the file holds.
qint64 pagesOfFile(const QByteArray& header, qint64 fileSize, qint64 pageSize)
{
    const quint32 count = bigEndian(header.constData() + 28);
    const bool valid = count > 0 && bigEndian(header.constData() + 24) == bigEndian(header.constData() + 92);
    return valid ? count : fileSize / pageSize;
}

}  // namespace

LogEffect effectOfLog(const QString& logPath, const QString& database, const QByteArray& header)
{
    QFile log(logPath);
    if (!log.exists())
        return LogEffect::None;
    if (!log.open(QIODevice::ReadOnly))
        return LogEffect::Unknown;
    // A log shorter than its header, or with a header that is not a log's, SQLite takes for an
    // empty one.
    const QByteArray logHeader = log.read(logHeaderSize);
    if (logHeader.size() < logHeaderSize)
        return LogEffect::None;
    const quint32 magic = bigEndian(logHeader.constData());
    const qint64 pageSize = bigEndian(logHeader.constData() + 8);
    if ((magic & ~1u) != logMagic || pageSize < 512 || pageSize > 65536 || (pageSize & (pageSize - 1)) != 0)
        return LogEffect::None;
    Checksum checksum{(magic & 1u) != 0};
    checksum.add(logHeader.constData(), logHeaderSize - 8);
    if (!checksum.matches(logHeader.constData() + 24))
        return LogEffect::None;
    if (bigEndian(logHeader.constData() + 4) != logVersion)
        return LogEffect::Unknown;

    // The frames count while each carries the header's salt and its checksum runs on; a frame
    // with a database size ends a committed transaction. Frames after the last commit were never
    // committed and count for nothing.
    std::map<quint32, qint64> committed;  // page number -> where the page's last committed copy starts
    std::map<quint32, qint64> pending;
    qint64 committedPages = 0;
    for (qint64 at = logHeaderSize;; at += frameHeaderSize + pageSize) {
        const QByteArray frame = log.read(frameHeaderSize + pageSize);
        if (frame.size() < frameHeaderSize + pageSize)
            break;
        const quint32 page = bigEndian(frame.constData());
        if (page == 0 || frame.mid(8, 8) != logHeader.mid(16, 8))
            break;
        checksum.add(frame.constData(), 8);
        checksum.add(frame.constData() + frameHeaderSize, pageSize);
        if (!checksum.matches(frame.constData() + 16))
            break;
        pending[page] = at + frameHeaderSize;
        if (const quint32 pages = bigEndian(frame.constData() + 4); pages != 0) {
            for (const auto& [number, offset] : pending)
                committed[number] = offset;
            pending.clear();
            committedPages = pages;
        }
    }
    if (committed.empty())
        return LogEffect::None;

    // The committed state is the file's own when it has as many pages and each page the log holds
    // is the same in the file.
    QFile file(database);
    if (!file.open(QIODevice::ReadOnly))
        return LogEffect::Unknown;
    quint32 filePageSize = bigEndian(header.constData() + 16) >> 16;
    if (filePageSize == 1)
        filePageSize = 65536;
    if (filePageSize != pageSize || pagesOfFile(header, file.size(), pageSize) != committedPages)
        return LogEffect::Changes;
    for (const auto& [number, offset] : committed) {
        if (number > committedPages)
            continue;  // cut off by the commit
        log.seek(offset);
        file.seek((qint64(number) - 1) * pageSize);
        if (log.read(pageSize) != file.read(pageSize))
            return LogEffect::Changes;
    }
    return LogEffect::None;
}

}  // namespace dao::detail
