#include "platform/dao/jet_header.h"

#include <QtEndian>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>

namespace dao::jet {

namespace {

constexpr int maskStart = 0x18;
constexpr int passwordOffset = 0x42;
constexpr int creationDateOffset = 0x72;

// The fixed pattern that masks the first page from 0x18 on (the RC4 key stream of the key
// C7 DA 39 6B).
constexpr std::array<std::uint8_t, 128> headerMask = {
    0xB5, 0x6F, 0x03, 0x62, 0x61, 0x08, 0xC2, 0x55, 0xEB, 0xA9, 0x67, 0x72, 0x43, 0x3F, 0x00, 0x9C,
    0x7A, 0x9F, 0x90, 0xFF, 0x80, 0x9A, 0x31, 0xC5, 0x79, 0xBA, 0xED, 0x30, 0xBC, 0xDF, 0xCC, 0x9D,
    0x63, 0xD9, 0xE4, 0xC3, 0x7B, 0x42, 0xFB, 0x8A, 0xBC, 0x4E, 0x86, 0xFB, 0xEC, 0x37, 0x5D, 0x44,
    0x9C, 0xFA, 0xC6, 0x5E, 0x28, 0xE6, 0x13, 0xB6, 0x8A, 0x60, 0x54, 0x94, 0x7B, 0x36, 0xF5, 0x72,
    0xDF, 0xB1, 0x77, 0xF4, 0x13, 0x43, 0xCF, 0xAF, 0xB1, 0x33, 0x34, 0x61, 0x79, 0x5B, 0x92, 0xB5,
    0x7C, 0x2A, 0x05, 0xF1, 0x7C, 0x99, 0x01, 0x1B, 0x98, 0xFD, 0x12, 0x4F, 0x4A, 0x94, 0x6C, 0x3E,
    0x60, 0x26, 0x5F, 0x95, 0xF8, 0xD0, 0x89, 0x24, 0x85, 0x67, 0xC6, 0x1F, 0x27, 0x44, 0xD2, 0xEE,
    0xCF, 0x65, 0xED, 0xFF, 0x07, 0xC7, 0x46, 0xA1, 0x78, 0x16, 0x0C, 0xED, 0xE9, 0x2D, 0x62, 0xD4,
};

// `length` bytes of the first page from `offset` on, unmasked.
QByteArray unmasked(const QByteArray& page, int offset, int length)
{
    QByteArray bytes = page.mid(offset, length);
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(bytes[i] ^ headerMask[offset - maskStart + i]);
    return bytes;
}

// The second mask of later engines: the whole days of the creation date as a little-endian
// 32-bit number, repeated. A date that no file can hold masks nothing.
std::array<std::uint8_t, 4> dateMask(const QByteArray& page)
{
    const QByteArray raw = unmasked(page, creationDateOffset, 8);
    const double date = qFromLittleEndian<double>(raw.constData());
    std::array<std::uint8_t, 4> mask{};
    if (!std::isfinite(date) || std::floor(date) < std::numeric_limits<std::int32_t>::min()
        || std::floor(date) > std::numeric_limits<std::int32_t>::max())
        return mask;
    qToLittleEndian(static_cast<std::int32_t>(std::floor(date)), mask.data());
    return mask;
}

}  // namespace

Engine engineOf(const QByteArray& head)
{
    if (head.size() < headerLength || head[0] != 0)
        return Engine::None;
    const QByteArray signature = head.mid(4, 15);
    const auto version = static_cast<unsigned char>(head[0x14]);
    if (signature == "Standard ACE DB")
        return Engine::Ace;
    if (signature != "Standard Jet DB")
        return Engine::None;
    return version == 0 ? Engine::Jet3 : version == 1 ? Engine::Jet4 : Engine::Ace;
}

QByteArray passwordBytes(const QByteArray& firstPage, Engine engine)
{
    if (engine == Engine::None)
        return {};
    const bool wide = engine != Engine::Jet3;
    const int length = wide ? 40 : 20;
    if (firstPage.size() < (wide ? creationDateOffset + 8 : passwordOffset + length))
        return {};
    QByteArray password = unmasked(firstPage, passwordOffset, length);
    if (wide) {
        const auto mask = dateMask(firstPage);
        for (int i = 0; i < password.size(); ++i)
            password[i] = static_cast<char>(password[i] ^ mask[i % 4]);
        for (int i = 0; i + 1 < password.size(); i += 2)
            if (password[i] == 0 && password[i + 1] == 0)
                return password.left(i);
        return password;
    }
    const int end = password.indexOf('\0');
    return end < 0 ? password : password.left(end);
}

}  // namespace dao::jet
