#include "platform/dao/jet_like.h"

#include <QChar>
#include <sqlite3.h>

namespace dao::jet {

namespace {

constexpr char32_t replacementCharacter = 0xFFFD;

// Decodes the UTF-8 character at `at` and moves `at` past it. Invalid bytes read as U+FFFD, one
// byte each, so any text can be matched.
char32_t decode(std::string_view text, std::size_t& at)
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

char32_t fold(char32_t c)
{
    if (c < 0x80)
        return (c >= 'A' && c <= 'Z') ? c + ('a' - 'A') : c;
    return QChar::toCaseFolded(c);
}

}  // namespace

std::optional<LikePattern> LikePattern::compile(std::string_view pattern)
{
    LikePattern compiled;
    std::size_t at = 0;
    while (at < pattern.size()) {
        const char32_t c = decode(pattern, at);
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
                const char32_t m = decode(pattern, at);
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
            if (!closed)
                return std::nullopt;
            // A hyphen between two members makes a range; at either end it is itself.
            for (std::size_t i = 0; i < members.size(); ++i) {
                if (i + 2 < members.size() && members[i + 1] == '-') {
                    if (members[i] > members[i + 2])
                        return std::nullopt;
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
            compiled.elements_.push_back({Element::Literal, fold(c)});
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
        if (ascii)
            compiled.asciiContains_ = std::move(word);
    }
    return compiled;
}

bool LikePattern::matchesOne(const Element& element, char32_t c) const
{
    switch (element.kind) {
    case Element::Literal:
        return fold(c) == element.folded;
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

constexpr unsigned char asciiLower(unsigned char c) { return (c >= 'A' && c <= 'Z') ? c + ('a' - 'A') : c; }

// Whether `lowerWord` (ASCII, lower case) stands in `text`, comparing ASCII letters without case:
// a Horspool search whose shift table treats both cases of a letter alike.
bool containsAsciiIgnoringCase(std::string_view text, std::string_view lowerWord)
{
    const std::size_t m = lowerWord.size();
    if (m == 0)
        return true;
    if (text.size() < m)
        return false;
    std::size_t shift[256];
    for (std::size_t& s : shift)
        s = m;
    for (std::size_t k = 0; k + 1 < m; ++k) {
        const auto c = static_cast<unsigned char>(lowerWord[k]);
        shift[c] = m - 1 - k;
        if (c >= 'a' && c <= 'z')
            shift[c - ('a' - 'A')] = m - 1 - k;
    }
    const auto lastOfWord = static_cast<unsigned char>(lowerWord[m - 1]);
    for (std::size_t i = 0; i + m <= text.size();) {
        const auto last = static_cast<unsigned char>(text[i + m - 1]);
        if (asciiLower(last) == lastOfWord) {
            std::size_t k = 0;
            while (k + 1 < m && asciiLower(static_cast<unsigned char>(text[i + k])) == static_cast<unsigned char>(lowerWord[k]))
                ++k;
            if (k + 1 == m)
                return true;
        }
        i += shift[last];
    }
    return false;
}

bool hasNonAscii(std::string_view text)
{
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80)
            return true;
    return false;
}

}  // namespace

bool LikePattern::matches(std::string_view text) const
{
    if (asciiContains_) {
        if (containsAsciiIgnoringCase(text, *asciiContains_))
            return true;
        // A non-ASCII character may fold to an ASCII letter (the Kelvin sign to k): only then
        // does the full matcher have anything to add.
        if (!hasNonAscii(text))
            return false;
    }
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
            if (matchesOne(elements_[pi], decode(text, next))) {
                ++pi;
                ti = next;
                continue;
            }
        }
        if (starElement == none)
            return false;
        decode(text, starText);
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
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(arguments[1]));
    const std::string_view subject(text ? text : "", static_cast<std::size_t>(sqlite3_value_bytes(arguments[1])));
    if (const auto* cached = static_cast<const LikePattern*>(sqlite3_get_auxdata(context, 0))) {
        sqlite3_result_int(context, cached->matches(subject) ? 1 : 0);
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
    sqlite3_result_int(context, compiled->matches(subject) ? 1 : 0);
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
