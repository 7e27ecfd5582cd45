// The LIKE matcher of the database layer against a plain matcher written here from its rules: the
// same answer for every pattern and text, the same patterns refused, and the same answer again when
// SQLite's LIKE calls it for two rows of one statement (the second from the cached pattern).
//
// Input: the pattern, a line feed, the first text, a line feed, the second text.

#include "platform/dao/jet_like.h"
#include "support/fuzz_support.h"

#include <QChar>
#include <QList>
#include <QString>
#include <optional>
#include <sqlite3.h>
#include <string>
#include <vector>

namespace {

// --------------------------------------------------------------------------- the plain matcher
// A pattern is a list of items; each item but '*' takes exactly one character. The text is matched
// by keeping every text position that the items so far can reach.

struct Item {
    enum Kind { Literal, AnyRun, AnyOne, Digit, Set };
    explicit Item(Kind k, char32_t literal = 0) : kind(k), c(literal) {}
    Kind kind;
    char32_t c;
    bool negated = false;
    std::vector<std::pair<char32_t, char32_t>> ranges;
};

std::optional<std::vector<Item>> parsePattern(const std::u32string& p)
{
    std::vector<Item> items;
    for (std::size_t i = 0; i < p.size(); ++i) {
        const char32_t c = p[i];
        if (c == U'*') {
            items.emplace_back(Item::AnyRun);
        } else if (c == U'?') {
            items.emplace_back(Item::AnyOne);
        } else if (c == U'#') {
            items.emplace_back(Item::Digit);
        } else if (c == U'[') {
            const std::size_t close = p.find(U']', i + 1);
            if (close == std::u32string::npos)
                return std::nullopt;  // an unclosed set
            Item set(Item::Set);
            std::u32string members = p.substr(i + 1, close - i - 1);
            if (!members.empty() && members[0] == U'!') {
                set.negated = true;
                members.erase(0, 1);
            }
            // a-z is a range when the hyphen stands between two members, else the hyphen is itself
            for (std::size_t k = 0; k < members.size();) {
                if (k + 2 < members.size() && members[k + 1] == U'-') {
                    if (members[k] > members[k + 2])
                        return std::nullopt;  // a range written high to low
                    set.ranges.emplace_back(members[k], members[k + 2]);
                    k += 3;
                } else {
                    set.ranges.emplace_back(members[k], members[k]);
                    ++k;
                }
            }
            if (!set.ranges.empty() || set.negated)
                items.push_back(std::move(set));  // "[]" matches the empty text: no item
            i = close;
        } else {
            items.emplace_back(Item::Literal, c);
        }
    }
    return items;
}

bool takes(const Item& item, char32_t c)
{
    switch (item.kind) {
    case Item::Literal:
        return QChar::toCaseFolded(item.c) == QChar::toCaseFolded(c);
    case Item::AnyOne:
        return true;
    case Item::Digit:
        return c >= U'0' && c <= U'9';
    case Item::Set: {
        // Case is ignored: the character or its lower or upper case form lies in a range.
        bool in = false;
        for (const char32_t v : {c, QChar::toLower(c), QChar::toUpper(c)})
            for (const auto& [low, high] : item.ranges)
                in = in || (v >= low && v <= high);
        return in != item.negated;
    }
    case Item::AnyRun:
        break;
    }
    return false;
}

bool plainMatch(const std::vector<Item>& items, const std::u32string& text)
{
    std::vector<bool> reach(text.size() + 1, false);
    reach[0] = true;
    for (const Item& item : items) {
        std::vector<bool> next(text.size() + 1, false);
        if (item.kind == Item::AnyRun) {
            bool any = false;
            for (std::size_t j = 0; j <= text.size(); ++j)
                next[j] = any = any || reach[j];
        } else {
            for (std::size_t j = 0; j < text.size(); ++j)
                next[j + 1] = reach[j] && takes(item, text[j]);
        }
        reach = std::move(next);
    }
    return reach[text.size()];
}

std::u32string codePoints(std::string_view utf8)
{
    const QList<uint> ucs4 = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())).toUcs4();
    return std::u32string(ucs4.begin(), ucs4.end());
}

std::string shown(std::string_view pattern, std::string_view text)
{
    return "pattern '" + std::string(pattern) + "' text '" + std::string(text) + "'";
}

// --------------------------------------------------------------------------- SQLite's LIKE

sqlite3_stmt* likeOverTwoRows()
{
    static sqlite3_stmt* statement = [] {
        sqlite3* db = nullptr;
        sqlite3_open(":memory:", &db);
        dao::jet::registerLike(db);
        sqlite3_stmt* s = nullptr;
        sqlite3_prepare_v2(db, "SELECT column1 LIKE ?1 FROM (VALUES (?2), (?3))", -1, &s, nullptr);
        return s;
    }();
    return statement;
}

void bindText(sqlite3_stmt* s, int index, std::string_view text)
{
    // A null pointer would bind Null rather than the empty text.
    sqlite3_bind_text(s, index, text.empty() ? "" : text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t firstBreak = input.find('\n');
    const std::string_view pattern = input.substr(0, firstBreak);
    std::string_view text1, text2;
    if (firstBreak != std::string_view::npos) {
        const std::string_view rest = input.substr(firstBreak + 1);
        const std::size_t secondBreak = rest.find('\n');
        text1 = rest.substr(0, secondBreak);
        if (secondBreak != std::string_view::npos)
            text2 = rest.substr(secondBreak + 1);
    }

    const std::optional<dao::jet::LikePattern> compiled = dao::jet::LikePattern::compile(pattern);
    const bool matches1 = compiled && compiled->matches(text1);
    const bool matches2 = compiled && compiled->matches(text2);

    // The plain matcher reads code points, so it judges only well-formed text; the matcher itself
    // reads every byte sequence and is run on all of them above.
    if (fuzzing::isValidUtf8(pattern)) {
        const auto items = parsePattern(codePoints(pattern));
        FUZZ_CHECK(items.has_value() == compiled.has_value(), shown(pattern, "") + " refused differently");
        if (items) {
            if (fuzzing::isValidUtf8(text1))
                FUZZ_CHECK(plainMatch(*items, codePoints(text1)) == matches1, shown(pattern, text1));
            if (fuzzing::isValidUtf8(text2))
                FUZZ_CHECK(plainMatch(*items, codePoints(text2)) == matches2, shown(pattern, text2));
        }
    }

    sqlite3_stmt* s = likeOverTwoRows();
    bindText(s, 1, pattern);
    bindText(s, 2, text1);
    bindText(s, 3, text2);
    const std::string_view texts[] = {text1, text2};
    const bool expected[] = {matches1, matches2};
    for (int row = 0; row < 2; ++row) {
        const int step = sqlite3_step(s);
        if (!compiled) {
            FUZZ_CHECK(step == SQLITE_ERROR, shown(pattern, "") + " accepted by SQLite's LIKE");
            FUZZ_CHECK(std::string(sqlite3_errmsg(sqlite3_db_handle(s))).starts_with("Invalid pattern string"),
                       std::string(sqlite3_errmsg(sqlite3_db_handle(s))));
            break;
        }
        // A text holding NUL lost part of itself: it is refused as damage, unless the answer
        // stands on what was read, and then that answer is the whole text's.
        const std::optional<bool> read = compiled->matchesRead(texts[row]);
        FUZZ_CHECK(read || texts[row].find('\0') != std::string_view::npos, shown(pattern, texts[row]) + " refused");
        FUZZ_CHECK(!read || *read == expected[row], shown(pattern, texts[row]) + " read differently");
        if (!read) {
            FUZZ_CHECK(step == SQLITE_CORRUPT, shown(pattern, texts[row]) + " not said as damage in SQLite");
            break;
        }
        FUZZ_CHECK(step == SQLITE_ROW, shown(pattern, "") + ": " + sqlite3_errmsg(sqlite3_db_handle(s)));
        FUZZ_CHECK((sqlite3_column_int(s, 0) != 0) == expected[row], shown(pattern, texts[row]) + " in SQLite");
    }
    sqlite3_reset(s);
    sqlite3_clear_bindings(s);
    return 0;
}
