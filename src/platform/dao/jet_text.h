#pragma once
// Text as the old engine compares it: without regard to case for every letter, not only for the
// ASCII ones. Its LIKE (jet_like.h) and its comparisons (=, <>, <, >, ORDER BY, DISTINCT) share
// these rules.
//
// The files declare their text columns with SQLite's own NOCASE, which ignores the case of ASCII
// letters only, so the plain sqlite3 tool reads them as they are. A connection of the program
// replaces NOCASE with compareText, which gives the same result wherever both texts are ASCII:
// an index that orders ASCII text stays in order under either, and the builder keeps text beyond
// ASCII out of such indexes (builder.h).

#include <cstddef>
#include <string_view>

struct sqlite3;

namespace dao::jet {

// Decodes the UTF-8 character at `at` and moves `at` past it. Invalid bytes read as U+FFFD, one
// byte each, so any text can be compared and matched.
char32_t decodeUtf8(std::string_view text, std::size_t& at);

// The character without its case: an ASCII letter in lower case, any other character by Unicode's
// simple case folding.
char32_t foldCase(char32_t c);

// Negative, zero or positive as UTF-8 text `a` sorts before, with or after `b`: character by
// character, each without its case, a shorter text before a longer one that begins with it.
int compareText(std::string_view a, std::string_view b);

// Whether a text holds the character NUL. No text of these files does: it is what the engine
// gives, without an error, for the part of a long text whose last page of the file was zeroed.
bool holdsNul(std::string_view text);

// Why a text that holds NUL is no text of the file, in a few words for the person.
inline constexpr const char* lostTextReason = "a text in it holds the character NUL where part of it was lost";

// Makes NOCASE compare with compareText on this connection. Registered before any statement is
// prepared. A comparison of a text that holds NUL sets `nulCompared`, as a comparison cannot
// fail; its statement's user raises the damage.
void registerTextComparison(sqlite3* db, bool* nulCompared);

}  // namespace dao::jet
