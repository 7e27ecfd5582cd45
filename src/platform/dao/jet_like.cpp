#include "platform/dao/jet_like.h"

#include "platform/dao/jet_text.h"
#include "platform/vb.h"

#include <QByteArray>
#include <QChar>
#include <QString>
#include <sqlite3.h>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace dao::jet {

std::optional<LikePattern> LikePattern::compile(std::string_view pattern, std::string* problem)
{
    LikePattern compiled;
    std::size_t at = 0;
    while (at < pattern.size()) {
        const std::size_t start = at;
        const char32_t c = decodeUtf8(pattern, at);
        switch (c) {
        case '*':
            if (compiled.elements_.empty() || compiled.elements_.back().kind != Element::AnyRun)
                compiled.elements_.push_back({Element::AnyRun});
            break;
        case '?':
            compiled.elements_.push_back({Element::AnyOne});
            break;
        case '#':
            compiled.elements_.push_back({Element::Digit});
            break;
        case '[': {
            CharSet set;
            std::vector<char32_t> members;
            bool closed = false;
            bool first = true;
            while (at < pattern.size()) {
                const char32_t m = decodeUtf8(pattern, at);
                if (m == ']') {
                    closed = true;
                    break;
                }
                if (first && m == '!') {
                    set.negated = true;
                    first = false;
                    continue;
                }
                first = false;
                members.push_back(m);
            }
            if (!closed) {
                if (problem)
                    *problem = "a \"[\" has no \"]\" to end its set of characters (to find \"[\" itself, write \"[[]\")";
                return std::nullopt;
            }
            // A hyphen between two members makes a range; at either end it is itself.
            for (std::size_t i = 0; i < members.size(); ++i) {
                if (i + 2 < members.size() && members[i + 1] == '-') {
                    if (members[i] > members[i + 2]) {
                        if (problem)
                            *problem = "the set \"" + std::string(pattern.substr(start, at - start)) + "\" holds the range \""
                                     + QString::fromUcs4(&members[i], 1).toStdString() + '-'
                                     + QString::fromUcs4(&members[i + 2], 1).toStdString()
                                     + "\", whose first character comes after its last (to find \"[\" itself, write \"[[]\")";
                        return std::nullopt;
                    }
                    set.ranges.emplace_back(members[i], members[i + 2]);
                    i += 2;
                } else {
                    set.ranges.emplace_back(members[i], members[i]);
                }
            }
            if (set.ranges.empty() && !set.negated)
                break;  // "[]" stands for the empty text
            compiled.sets_.push_back(std::move(set));
            compiled.elements_.push_back({Element::Set, 0, compiled.sets_.size() - 1});
            break;
        }
        default:
            compiled.elements_.push_back({Element::Literal, foldCase(c)});
        }
    }
    const auto& e = compiled.elements_;
    if (e.size() >= 2 && e.front().kind == Element::AnyRun && e.back().kind == Element::AnyRun) {
        std::string word;
        bool ascii = true;
        for (std::size_t i = 1; i + 1 < e.size() && ascii; ++i) {
            ascii = e[i].kind == Element::Literal && e[i].folded < 0x80;
            word += static_cast<char>(e[i].folded);
        }
        if (ascii) {
            std::string caseBits;
            for (char c : word)
                caseBits += (c >= 'a' && c <= 'z') ? char(0x20) : char(0);
            compiled.asciiContains_ = AsciiWord{std::move(word), std::move(caseBits)};
        }
    }
    return compiled;
}

bool LikePattern::matchesOne(const Element& element, char32_t c) const
{
    switch (element.kind) {
    case Element::Literal:
        return foldCase(c) == element.folded;
    case Element::AnyOne:
        return true;
    case Element::Digit:
        return c >= '0' && c <= '9';
    case Element::Set: {
        const CharSet& set = sets_[element.set];
        const char32_t variants[] = {c, QChar::toLower(c), QChar::toUpper(c)};
        bool inSet = false;
        for (const auto& [low, high] : set.ranges)
            for (char32_t v : variants)
                if (v >= low && v <= high)
                    inSet = true;
        return inSet != set.negated;
    }
    case Element::AnyRun:
        break;
    }
    return false;
}

namespace {

// Whether `lowerWord` (ASCII, lower case) stands in `text`, comparing ASCII letters without case.
// A byte matches a byte of the word when, with the word's case bit set, it equals it: a letter in either case, any
// other byte only itself. Where the processor compares 16 bytes at once, the first and the last
// byte of the word are tested for 16 places together and only where both match is the rest
// compared.
bool containsAsciiIgnoringCase(std::string_view text, std::string_view lowerWord, std::string_view caseBits)
{
    const std::size_t m = lowerWord.size();
    if (m == 0)
        return true;
    if (text.size() < m)
        return false;
    const auto* t = reinterpret_cast<const unsigned char*>(text.data());
    const auto* w = reinterpret_cast<const unsigned char*>(lowerWord.data());
    const auto* bits = reinterpret_cast<const unsigned char*>(caseBits.data());
    const auto matchesAt = [&](std::size_t at) {
        for (std::size_t k = 0; k < m; ++k)
            if ((t[at + k] | bits[k]) != w[k])
                return false;
        return true;
    };
    const std::size_t lastStart = text.size() - m;
    std::size_t at = 0;
#if defined(__SSE2__)
    const __m128i first = _mm_set1_epi8(static_cast<char>(w[0]));
    const __m128i firstBit = _mm_set1_epi8(static_cast<char>(bits[0]));
    const __m128i last = _mm_set1_epi8(static_cast<char>(w[m - 1]));
    const __m128i lastBit = _mm_set1_epi8(static_cast<char>(bits[m - 1]));
    // The 16 places from `at` all lie at or before lastStart, so both loads stay in the text.
    for (; at + 15 <= lastStart; at += 16) {
        const __m128i heads = _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(t + at)), firstBit);
        const __m128i tails = _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(t + at + m - 1)), lastBit);
        auto candidates = static_cast<unsigned>(
            _mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(heads, first), _mm_cmpeq_epi8(tails, last))));
        for (; candidates != 0; candidates &= candidates - 1)
            if (matchesAt(at + static_cast<std::size_t>(__builtin_ctz(candidates))))
                return true;
    }
#endif
    for (; at <= lastStart; ++at)
        if (matchesAt(at))
            return true;
    return false;
}

// What kinds of byte a text holds beyond those of plain ASCII text: a byte beyond ASCII, and the
// byte 0. Where the processor compares 16 bytes at once, both are gathered over the whole text
// without a branch.
struct ByteKinds {
    bool beyondAscii = false;
    bool nul = false;
};

ByteKinds byteKinds(std::string_view text)
{
    ByteKinds kinds;
    std::size_t at = 0;
#if defined(__SSE2__)
    __m128i high = _mm_setzero_si128();
    __m128i zeros = _mm_setzero_si128();
    for (; at + 16 <= text.size(); at += 16) {
        const __m128i sixteen = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + at));
        high = _mm_or_si128(high, sixteen);
        zeros = _mm_or_si128(zeros, _mm_cmpeq_epi8(sixteen, _mm_setzero_si128()));
    }
    kinds = {_mm_movemask_epi8(high) != 0, _mm_movemask_epi8(zeros) != 0};
#endif
    for (; at < text.size(); ++at) {
        kinds.beyondAscii = kinds.beyondAscii || static_cast<unsigned char>(text[at]) >= 0x80;
        kinds.nul = kinds.nul || text[at] == 0;
    }
    return kinds;
}

}  // namespace

bool LikePattern::matches(std::string_view text) const
{
    const std::optional<bool> read = matchesRead(text);
    return read ? *read : matchesGeneral(text);
}

std::optional<bool> LikePattern::matchesRead(std::string_view text) const
{
    // A word found stands: its bytes were read, whatever was lost around them.
    if (asciiContains_ && containsAsciiIgnoringCase(text, asciiContains_->lower, asciiContains_->caseBits))
        return true;
    const ByteKinds kinds = byteKinds(text);
    if (kinds.nul)
        return std::nullopt;
    // A non-ASCII character may fold to an ASCII letter (the Kelvin sign to k): only then does
    // the full matcher have anything to add to the word search.
    if (asciiContains_ && !kinds.beyondAscii)
        return false;
    return matchesGeneral(text);
}

bool LikePattern::matchesGeneral(std::string_view text) const
{
    // Every element but '*' takes exactly one character, so one remembered '*' is enough to
    // backtrack: on a mismatch the last '*' takes one character more.
    constexpr std::size_t none = static_cast<std::size_t>(-1);
    std::size_t pi = 0;
    std::size_t ti = 0;
    std::size_t starElement = none;
    std::size_t starText = 0;
    while (ti < text.size()) {
        if (pi < elements_.size() && elements_[pi].kind == Element::AnyRun) {
            starElement = ++pi;
            starText = ti;
            continue;
        }
        if (pi == starElement && pi < elements_.size() && elements_[pi].kind == Element::Literal
            && elements_[pi].folded < 0x80) {
            // "*x": jump to the next byte that can be x. A non-ASCII character may fold to an
            // ASCII letter, so the scan stops there as well.
            const auto lower = static_cast<char>(elements_[pi].folded);
            const auto upper = static_cast<char>(QChar::toUpper(elements_[pi].folded));
            while (ti < text.size() && text[ti] != lower && text[ti] != upper && static_cast<unsigned char>(text[ti]) < 0x80)
                ++ti;
            starText = ti;
            if (ti == text.size())
                break;
        }
        if (pi < elements_.size()) {
            std::size_t next = ti;
            if (matchesOne(elements_[pi], decodeUtf8(text, next))) {
                ++pi;
                ti = next;
                continue;
            }
        }
        if (starElement == none)
            return false;
        decodeUtf8(text, starText);
        ti = starText;
        pi = starElement;
    }
    while (pi < elements_.size() && elements_[pi].kind == Element::AnyRun)
        ++pi;
    return pi == elements_.size();
}

namespace {

void deletePattern(void* pattern) { delete static_cast<LikePattern*>(pattern); }

// like(pattern, text): SQLite calls it for "text LIKE pattern". The compiled pattern is kept with
// the statement for as long as the pattern argument stays the same.
void likeFunction(sqlite3_context* context, int, sqlite3_value** arguments)
{
    if (sqlite3_value_type(arguments[0]) == SQLITE_NULL || sqlite3_value_type(arguments[1]) == SQLITE_NULL)
        return;  // Null matches nothing: the result is Null
    // The text's bytes as stored (UTF-8, as the function takes its arguments): unlike the text
    // form, they need no closing zero, so a text read from the file is not copied for it. A
    // number other than a whole one is matched in the old runtime's text form (0.25, and 1 for
    // a Single 1), not SQLite's (1.0).
    QByteArray number;
    if (sqlite3_value_type(arguments[1]) == SQLITE_FLOAT)
        number = vb::CStr(sqlite3_value_double(arguments[1])).toLatin1();
    const auto* text = number.isNull() ? static_cast<const char*>(sqlite3_value_blob(arguments[1])) : number.constData();
    const std::string_view subject(text ? text : "", number.isNull() ? static_cast<std::size_t>(sqlite3_value_bytes(arguments[1]))
                                                                     : static_cast<std::size_t>(number.size()));
    // A text read from the file may have lost its end; a number in text form has not.
    const bool read = number.isNull() && sqlite3_value_type(arguments[1]) == SQLITE_TEXT;
    const auto answer = [&](const LikePattern& pattern) {
        const std::optional<bool> match = read ? pattern.matchesRead(subject) : pattern.matches(subject);
        if (!match) {
            sqlite3_result_error(context, lostTextReason, -1);
            sqlite3_result_error_code(context, SQLITE_CORRUPT);
        } else {
            sqlite3_result_int(context, *match ? 1 : 0);
        }
    };
    if (const auto* cached = static_cast<const LikePattern*>(sqlite3_get_auxdata(context, 0))) {
        answer(*cached);
        return;
    }
    const auto* source = reinterpret_cast<const char*>(sqlite3_value_text(arguments[0]));
    const std::string_view patternText(source ? source : "", static_cast<std::size_t>(sqlite3_value_bytes(arguments[0])));
    auto compiled = LikePattern::compile(patternText);
    if (!compiled) {
        const std::string message = "Invalid pattern string '" + std::string(patternText) + "'";
        sqlite3_result_error(context, message.c_str(), -1);
        return;
    }
    answer(*compiled);
    // SQLite owns the copy from here on and may drop it at once; the next row then compiles again.
    sqlite3_set_auxdata(context, 0, new LikePattern(std::move(*compiled)), deletePattern);
}

}  // namespace

void registerLike(sqlite3* db)
{
    sqlite3_create_function(db, "like", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS, nullptr,
                            likeFunction, nullptr, nullptr);
}

}  // namespace dao::jet
