#include "platform/dao/jet_text.h"

#include <QChar>
#include <algorithm>
#include <cstring>
#include <sqlite3.h>

namespace dao::jet {

namespace {

constexpr char32_t replacementCharacter = 0xFFFD;

unsigned char asciiLower(unsigned char c) { return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + ('a' - 'A')) : c; }

int textCollation(void* nulCompared, int lengthA, const void* a, int lengthB, const void* b)
{
    const std::string_view textA(static_cast<const char*>(a), static_cast<std::size_t>(lengthA));
    const std::string_view textB(static_cast<const char*>(b), static_cast<std::size_t>(lengthB));
    if (holdsNul(textA) || holdsNul(textB))
        *static_cast<bool*>(nulCompared) = true;
    return compareText(textA, textB);
}

}  // namespace

char32_t decodeUtf8(std::string_view text, std::size_t& at)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80) {
        ++at;
        return lead;
    }
    int extra = 0;
    char32_t c = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        c = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        c = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        c = lead & 0x07;
    } else {
        ++at;
        return replacementCharacter;
    }
    if (at + extra >= text.size()) {
        ++at;
        return replacementCharacter;
    }
    for (int i = 1; i <= extra; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xC0) != 0x80) {
            ++at;
            return replacementCharacter;
        }
        c = (c << 6) | (next & 0x3F);
    }
    at += extra + 1;
    return c;
}

char32_t foldCase(char32_t c)
{
    if (c < 0x80)
        return asciiLower(static_cast<unsigned char>(c));
    return QChar::toCaseFolded(c);
}

int compareText(std::string_view a, std::string_view b)
{
    // ASCII byte by byte, as SQLite's NOCASE compares; from the first byte beyond ASCII on (a
    // character there may still fold to an ASCII letter, as the Kelvin sign does to k) character
    // by character. Up to that byte both texts were ASCII, so it begins a character in both.
    const std::size_t common = std::min(a.size(), b.size());
    std::size_t i = 0;
    for (; i < common; ++i) {
        const auto x = static_cast<unsigned char>(a[i]);
        const auto y = static_cast<unsigned char>(b[i]);
        if ((x | y) & 0x80)
            break;
        if (x != y && asciiLower(x) != asciiLower(y))
            return asciiLower(x) < asciiLower(y) ? -1 : 1;
    }
    std::size_t atA = i;
    std::size_t atB = i;
    while (atA < a.size() && atB < b.size()) {
        const char32_t x = foldCase(decodeUtf8(a, atA));
        const char32_t y = foldCase(decodeUtf8(b, atB));
        if (x != y)
            return x < y ? -1 : 1;
    }
    return (atA < a.size() ? 1 : 0) - (atB < b.size() ? 1 : 0);
}

bool holdsNul(std::string_view text) { return !text.empty() && std::memchr(text.data(), 0, text.size()) != nullptr; }

void registerTextComparison(sqlite3* db, bool* nulCompared)
{
    sqlite3_create_collation_v2(db, "NOCASE", SQLITE_UTF8, nulCompared, textCollation, nullptr);
}

}  // namespace dao::jet
