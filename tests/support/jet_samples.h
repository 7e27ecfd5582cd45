#pragma once
// The public Jet sample files under tests/data/jet, copies of them, and a database password set in
// a copy's header the way the engine stores it: the first page is masked from 0x18 on with the
// RC4 key stream of the key C7 DA 39 6B; Jet 3 keeps up to 20 single-byte characters at 0x42;
// later engines keep up to 20 UCS-2 characters there, masked once more with the whole days of
// the creation date (the double at 0x72) as a repeated little-endian 32-bit number.

#include "support/file_bytes.h"
#include "support/test_paths.h"

#include <QFile>
#include <QString>
#include <QtEndian>
#include <array>
#include <cmath>
#include <cstdint>

namespace testing_support {

inline QString jetSample(const QString& name) { return sourceDir() + QStringLiteral("/tests/data/jet/") + name; }

inline QByteArray rc4KeyStream(int length)
{
    const std::array<std::uint8_t, 4> key = {0xC7, 0xDA, 0x39, 0x6B};
    std::array<std::uint8_t, 256> s{};
    for (int i = 0; i < 256; ++i)
        s[i] = static_cast<std::uint8_t>(i);
    for (int i = 0, j = 0; i < 256; ++i) {
        j = (j + s[i] + key[i % 4]) % 256;
        std::swap(s[i], s[j]);
    }
    QByteArray stream(length, '\0');
    for (int n = 0, i = 0, j = 0; n < length; ++n) {
        i = (i + 1) % 256;
        j = (j + s[i]) % 256;
        std::swap(s[i], s[j]);
        stream[n] = static_cast<char>(s[(s[i] + s[j]) % 256]);
    }
    return stream;
}

// Writes `plain` at `offset` (0x18 or later) of the Jet file image's first page, masked as the
// engine masks that part of the page.
inline void setMaskedBytes(QByteArray& file, int offset, const QByteArray& plain)
{
    const QByteArray stream = rc4KeyStream(128);
    for (int i = 0; i < plain.size(); ++i)
        file[offset + i] = static_cast<char>(plain[i] ^ stream[offset + i - 0x18]);
}

// Sets the database password of the Jet file image `file` (Jet 3 when byte 0x14 is 0).
inline void setJetPassword(QByteArray& file, const QString& password)
{
    const bool jet3 = file[0x14] == 0;
    QByteArray field(jet3 ? 20 : 40, '\0');
    if (jet3) {
        const QByteArray latin1 = password.toLatin1();
        field.replace(0, latin1.size(), latin1);
    } else {
        const QByteArray stream = rc4KeyStream(128);
        QByteArray date(8, '\0');
        for (int i = 0; i < 8; ++i)
            date[i] = static_cast<char>(file[0x72 + i] ^ stream[0x72 + i - 0x18]);
        const auto days = static_cast<std::int32_t>(std::floor(qFromLittleEndian<double>(date.constData())));
        std::array<char, 4> dayMask{};
        qToLittleEndian(days, dayMask.data());
        for (int i = 0; i < password.size(); ++i)
            qToLittleEndian(password[i].unicode(), field.data() + 2 * i);
        for (int i = 0; i < field.size(); ++i)
            field[i] = static_cast<char>(field[i] ^ dayMask[i % 4]);
    }
    setMaskedBytes(file, 0x42, field);
}

}  // namespace testing_support
