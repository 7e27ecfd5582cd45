#pragma once
// A whole file as bytes, read or written in one step.

#include <QByteArray>
#include <QFile>
#include <QString>

namespace testing_support {

// Empty when the file cannot be read.
inline QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Replaces what the file held; false when it could not be written whole.
inline bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// Zeroes the page of the database file `bytes` that holds `words`. Where the words end a long
// text, that is the text's last page, whose loss the engine gives as NUL without an error.
inline void zeroPageHolding(QByteArray& bytes, const char* words)
{
    const qsizetype at = bytes.indexOf(words);
    const int pageSize = (static_cast<unsigned char>(bytes[16]) << 8) | static_cast<unsigned char>(bytes[17]);
    bytes.replace(at - at % pageSize, pageSize, QByteArray(pageSize, '\0'));
}

}  // namespace testing_support
