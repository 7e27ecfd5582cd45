#pragma once
// The old engine's LIKE: * any run of characters, ? one character, # one digit, [abc] one of a
// set, [a-z] one of a range, [!abc] one not in the set. Letter case is ignored for every letter;
// % and _ are plain characters. A number is matched in the old runtime's text form (vb::CStr): a
// Single 0.25 as "0.25", a whole 1 as "1". Registered as SQLite's like() function, so the LIKE operator of
// every translated statement uses it and patterns need no rewriting.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;

namespace dao::jet {

class LikePattern {
public:
    // nullopt for a malformed pattern (an unclosed '[' or a range written high to low); then
    // `problem`, when given, says what is wrong in a few words for the person who typed it.
    static std::optional<LikePattern> compile(std::string_view utf8Pattern, std::string* problem = nullptr);
    bool matches(std::string_view utf8Text) const;
    // The same for a text read from a file, which may hold NUL where part of it was lost
    // (jet_text.h): nullopt when it does, unless the word of "*word*" stands in what was read.
    std::optional<bool> matchesRead(std::string_view utf8Text) const;

private:
    struct CharSet {
        bool negated = false;
        std::vector<std::pair<char32_t, char32_t>> ranges;  // single characters are ranges of one
    };
    struct Element {
        enum Kind { Literal, AnyRun, AnyOne, Digit, Set } kind;
        char32_t folded = 0;  // Literal: the case-folded character
        std::size_t set = 0;  // Set: index into sets_
    };
    bool matchesOne(const Element& element, char32_t c) const;
    bool matchesGeneral(std::string_view text) const;

    std::vector<Element> elements_;
    std::vector<CharSet> sets_;
    // "*word*" with an ASCII word, the pattern of every text search, searched byte by byte
    // without decoding: the word in lower case, and for each of its bytes the bit that makes a
    // letter lower case (0x20), or 0 for a byte that is no letter.
    struct AsciiWord {
        std::string lower;
        std::string caseBits;
    };
    std::optional<AsciiWord> asciiContains_;
};

// Makes LIKE in every statement of the connection the old engine's LIKE. A malformed pattern
// fails the statement with a message that starts "Invalid pattern string"; a text whose match
// rests on what was lost (matchesRead) fails it as a damaged file (SQLITE_CORRUPT).
void registerLike(sqlite3* db);

}  // namespace dao::jet
