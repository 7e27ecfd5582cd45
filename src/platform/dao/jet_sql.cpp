#include "platform/dao/jet_sql.h"

#include "platform/dao/errors.h"
#include "platform/dao/jet_like.h"
#include "platform/dao/password.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace dao::jet {

namespace {

struct Token {
    enum Kind { Word, Name, String, Number, Symbol } kind;
    QString text;  // a literal or name without its quotes or brackets
};

[[noreturn]] void syntaxError(const QString& jet, const QString& detail)
{
    throw Error(SyntaxError, QStringLiteral("Syntax error in query expression '%1': %2.").arg(jet, detail));
}

bool isWordStart(QChar c) { return c.isLetter() || c == u'_'; }
bool isWordPart(QChar c) { return c.isLetterOrNumber() || c == u'_'; }
bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

std::vector<Token> tokenize(const QString& jet)
{
    std::vector<Token> tokens;
    const qsizetype n = jet.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = jet[i];
        if (c.isSpace()) {
            ++i;
        } else if (c == u'"' || c == u'\'') {
            QString value;
            qsizetype j = i + 1;
            for (;;) {
                if (j >= n)
                    syntaxError(jet, QStringLiteral("a literal is not closed"));
                if (jet[j] == c) {
                    if (j + 1 < n && jet[j + 1] == c) {
                        value += c;
                        j += 2;
                        continue;
                    }
                    break;
                }
                // SQLite's text of the statement would end at the NUL.
                if (jet[j].isNull())
                    throw LiteralError(QStringLiteral("Syntax error in query expression '%1': a literal holds the "
                                                      "character NUL.").arg(QString(jet).replace(QChar(0), QStringLiteral("\\0"))),
                                       QStringLiteral("they hold the character NUL (code 0)"));
                value += jet[j++];
            }
            tokens.push_back({Token::String, value});
            i = j + 1;
        } else if (c == u'[') {
            const qsizetype close = jet.indexOf(u']', i + 1);
            if (close < 0)
                syntaxError(jet, QStringLiteral("a bracketed name is not closed"));
            const QString name = jet.mid(i + 1, close - i - 1);
            if (name.trimmed().isEmpty() || name.contains(u'['))
                syntaxError(jet, QStringLiteral("invalid bracketed name"));
            tokens.push_back({Token::Name, name});
            i = close + 1;
        } else if (isDigit(c) || (c == u'.' && i + 1 < n && isDigit(jet[i + 1]))) {
            qsizetype j = i;
            while (j < n && isDigit(jet[j]))
                ++j;
            if (j < n && jet[j] == u'.') {
                ++j;
                while (j < n && isDigit(jet[j]))
                    ++j;
            }
            if (j < n && (jet[j] == u'e' || jet[j] == u'E')) {
                qsizetype k = j + 1;
                if (k < n && (jet[k] == u'+' || jet[k] == u'-'))
                    ++k;
                if (k < n && isDigit(jet[k])) {
                    while (k < n && isDigit(jet[k]))
                        ++k;
                    j = k;
                }
            }
            QString number = jet.mid(i, j - i);
            if (number.startsWith(u'.'))
                number.prepend(u'0');
            tokens.push_back({Token::Number, number});
            i = j;
        } else if (isWordStart(c)) {
            qsizetype j = i + 1;
            while (j < n && isWordPart(jet[j]))
                ++j;
            tokens.push_back({Token::Word, jet.mid(i, j - i)});
            i = j;
        } else {
            const QString two = jet.mid(i, 2);
            if (two == u"<=" || two == u">=" || two == u"<>") {
                tokens.push_back({Token::Symbol, two});
                i += 2;
            } else if (QStringLiteral("=<>(),*+-/&.;").contains(c)) {
                tokens.push_back({Token::Symbol, QString(c)});
                ++i;
            } else {
                syntaxError(jet, QStringLiteral("unexpected character '%1'").arg(c));
            }
        }
    }
    return tokens;
}

bool isWord(const Token& token, const char16_t* word)
{
    return token.kind == Token::Word && token.text.compare(word, Qt::CaseInsensitive) == 0;
}

bool isSymbol(const Token& token, const char16_t* symbol) { return token.kind == Token::Symbol && token.text == symbol; }

// Moves the terms of the outer WHERE clause's top-level AND chain that scan texts (LIKE) or run a
// subquery behind the others, keeping the order within each group. SQLite evaluates the terms in
// the order written, and a comparison with a Boolean field rules out most rows before their long
// texts are scanned. AND gives the same rows in any order; a clause with OR at its top level, or
// one that is malformed, stays as written.
void cheapTermsFirst(std::vector<Token>& tokens)
{
    std::size_t where = 0;
    int depth = 0;
    while (where < tokens.size() && !(depth == 0 && isWord(tokens[where], u"WHERE"))) {
        depth += isSymbol(tokens[where], u"(") ? 1 : isSymbol(tokens[where], u")") ? -1 : 0;
        ++where;
    }
    if (where == tokens.size() || depth != 0)
        return;
    struct Term {
        std::size_t begin, end;
        bool scans;
    };
    std::vector<Term> terms{{where + 1, where + 1, false}};
    bool inBetween = false;
    std::size_t at = where + 1;
    for (; at < tokens.size(); ++at) {
        const Token& token = tokens[at];
        if (depth == 0 && (isWord(token, u"ORDER") || isSymbol(token, u";")))
            break;
        if (isSymbol(token, u"("))
            ++depth;
        else if (isSymbol(token, u")") && --depth < 0)
            return;
        if (depth == 0 && isWord(token, u"OR"))
            return;
        if (depth == 0 && isWord(token, u"BETWEEN"))
            inBetween = true;
        if (depth == 0 && isWord(token, u"AND") && !std::exchange(inBetween, false)) {
            terms.back().end = at;
            terms.push_back({at + 1, at + 1, false});
            continue;
        }
        terms.back().scans = terms.back().scans || isWord(token, u"LIKE") || isWord(token, u"SELECT");
    }
    terms.back().end = at;
    if (depth != 0 || std::any_of(terms.begin(), terms.end(), [](const Term& t) { return t.begin == t.end; }))
        return;
    std::stable_partition(terms.begin(), terms.end(), [](const Term& t) { return !t.scans; });
    std::vector<Token> clause;
    for (const Term& term : terms) {
        if (!clause.empty())
            clause.push_back({Token::Word, QStringLiteral("AND")});
        clause.insert(clause.end(), tokens.begin() + std::ptrdiff_t(term.begin), tokens.begin() + std::ptrdiff_t(term.end));
    }
    std::copy(clause.begin(), clause.end(), tokens.begin() + std::ptrdiff_t(where + 1));
}

// SQLite nests a chain of AND or OR one level deeper per term and refuses an expression deeper
// than its limit (1,000), which a search of many words reaches. Chains longer than this are
// regrouped into parenthesised groups of at most this many terms (and groups of groups where
// needed): AND and OR give the same result however their terms are grouped, and the terms are
// still tested in the order written. Everything else stays as written.
constexpr std::size_t longestChain = 64;

class ChainRegrouper {
public:
    explicit ChainRegrouper(const std::vector<Token>& tokens) : t_(tokens) {}

    // A whole statement: the condition of every WHERE, at any depth.
    std::vector<Token> statement()
    {
        std::vector<Token> out;
        copy(0, t_.size(), out);
        return out;
    }
    // A condition on its own (a criterion).
    std::vector<Token> condition()
    {
        std::vector<Token> out;
        condition(0, t_.size(), out);
        return out;
    }

private:
    using Tokens = std::vector<Token>;

    std::size_t closing(std::size_t open) const
    {
        int depth = 0;
        for (std::size_t at = open; at < t_.size(); ++at) {
            depth += isSymbol(t_[at], u"(") ? 1 : isSymbol(t_[at], u")") ? -1 : 0;
            if (depth == 0)
                return at;
        }
        return t_.size();
    }

    // Statement text: the condition after a WHERE (up to ORDER or ';' at the same depth) is
    // regrouped; parenthesised parts are looked into.
    void copy(std::size_t begin, std::size_t end, Tokens& out)
    {
        for (std::size_t at = begin; at < end; ++at) {
            if (isSymbol(t_[at], u"(")) {
                const std::size_t close = closing(at);
                group(at, close, out);
                at = close;
            } else if (isWord(t_[at], u"WHERE")) {
                out.push_back(t_[at]);
                std::size_t stop = at + 1;
                while (stop < end && !isWord(t_[stop], u"ORDER") && !isSymbol(t_[stop], u";"))
                    stop = isSymbol(t_[stop], u"(") ? closing(stop) + 1 : stop + 1;
                condition(at + 1, stop, out);
                at = stop - 1;
            } else {
                out.push_back(t_[at]);
            }
        }
    }

    // "(" ... ")": a subquery or a list is statement text, anything else a condition.
    void group(std::size_t open, std::size_t close, Tokens& out)
    {
        out.push_back(t_[open]);
        bool list = false;
        for (std::size_t at = open + 1; at < close; ++at) {
            if (isSymbol(t_[at], u"("))
                at = closing(at);
            else
                list = list || isSymbol(t_[at], u",");
        }
        if (list || (open + 1 < close && isWord(t_[open + 1], u"SELECT")))
            copy(open + 1, close, out);
        else
            condition(open + 1, close, out);
        out.push_back(t_[close]);
    }

    // Splits at the top-level OR, or failing that at the top-level AND (not the AND of BETWEEN).
    void condition(std::size_t begin, std::size_t end, Tokens& out)
    {
        for (const char16_t* connective : {u"OR", u"AND"}) {
            std::vector<std::pair<std::size_t, std::size_t>> terms;
            std::size_t termBegin = begin;
            bool inBetween = false;
            for (std::size_t at = begin; at < end; ++at) {
                if (isSymbol(t_[at], u"(")) {
                    at = closing(at);
                    continue;
                }
                if (isWord(t_[at], u"BETWEEN"))
                    inBetween = true;
                if (isWord(t_[at], connective) && !(isWord(t_[at], u"AND") && std::exchange(inBetween, false))) {
                    terms.emplace_back(termBegin, at);
                    termBegin = at + 1;
                }
            }
            if (terms.empty())
                continue;
            terms.emplace_back(termBegin, end);
            std::vector<Tokens> parts;
            for (const auto& [from, to] : terms) {
                parts.emplace_back();
                condition(from, to, parts.back());
            }
            join(std::move(parts), Token{Token::Word, QString::fromUtf16(connective)}, out);
            return;
        }
        copy(begin, end, out);
    }

    static void join(std::vector<Tokens> parts, const Token& connective, Tokens& out)
    {
        while (parts.size() > longestChain) {
            std::vector<Tokens> groups;
            for (std::size_t first = 0; first < parts.size(); first += longestChain) {
                Tokens grouped{{Token::Symbol, QStringLiteral("(")}};
                for (std::size_t k = first; k < std::min(parts.size(), first + longestChain); ++k) {
                    if (k > first)
                        grouped.push_back(connective);
                    grouped.insert(grouped.end(), parts[k].begin(), parts[k].end());
                }
                grouped.push_back({Token::Symbol, QStringLiteral(")")});
                groups.push_back(std::move(grouped));
            }
            parts = std::move(groups);
        }
        for (std::size_t k = 0; k < parts.size(); ++k) {
            if (k > 0)
                out.push_back(connective);
            out.insert(out.end(), parts[k].begin(), parts[k].end());
        }
    }

    const Tokens& t_;
};

// Regroups long chains (see ChainRegrouper); text with unbalanced parentheses is left for the
// translation to refuse.
std::vector<Token> regroupLongChains(const std::vector<Token>& tokens, bool wholeStatement)
{
    int depth = 0;
    for (const Token& token : tokens) {
        depth += isSymbol(token, u"(") ? 1 : isSymbol(token, u")") ? -1 : 0;
        if (depth < 0)
            return tokens;
    }
    if (depth != 0)
        return tokens;
    ChainRegrouper regrouper(tokens);
    return wholeStatement ? regrouper.statement() : regrouper.condition();
}

bool isKeyword(const QString& upper)
{
    static const QStringList keywords = {
        QStringLiteral("SELECT"), QStringLiteral("DISTINCT"), QStringLiteral("FROM"), QStringLiteral("WHERE"),
        QStringLiteral("AND"),    QStringLiteral("OR"),       QStringLiteral("NOT"),  QStringLiteral("LIKE"),
        QStringLiteral("IN"),     QStringLiteral("IS"),       QStringLiteral("NULL"), QStringLiteral("BETWEEN"),
        QStringLiteral("ORDER"),  QStringLiteral("BY"),       QStringLiteral("ASC"),  QStringLiteral("DESC"),
        QStringLiteral("AS"),
    };
    return keywords.contains(upper);
}

QString sqliteLiteral(const QString& value)
{
    QString doubled = value;
    doubled.replace(u'\'', QStringLiteral("''"));
    return u'\'' + doubled + QStringLiteral("' COLLATE NOCASE");
}

// Emits the translation piece by piece. It remembers where the last complete operand (a literal,
// a name, a parenthesised group or a function call) began, so that both sides of '&' can be
// wrapped in ifnull(..., '').
class Translator {
public:
    explicit Translator(const QString& jet) : jet_(jet), tokens_(tokenize(jet)) {}

    QString run(bool wholeStatement, const std::function<bool(const QString&)>& hasRowids = {},
                const std::function<bool(const QString&, const QString&)>& isUnique = {});
    QStringList names;
    // After run(true): whether the statement is "SELECT * FROM table ..." without DISTINCT or Max
    // and without a number in its ORDER BY (which may stand for a column of the select list), so
    // that its rows are whole rows of the table, each once, in an order that does not depend on
    // the select list.
    bool readsWholeRows() const;
    bool orderedByUniqueColumn(const std::function<bool(const QString&, const QString&)>& isUnique) const;
    QString outerTable;  // the table of the outer statement as written, when it has one
    // The translation with "rowid" in place of the select list "*".
    QString selectingRowids() const;

private:
    static constexpr std::size_t none = static_cast<std::size_t>(-1);

    const Token* peek(std::size_t ahead = 0) const
    {
        return at_ + ahead < tokens_.size() ? &tokens_[at_ + ahead] : nullptr;
    }
    bool peekSymbol(const char16_t* symbol, std::size_t ahead = 0) const
    {
        const Token* t = peek(ahead);
        return t && t->kind == Token::Symbol && t->text == symbol;
    }
    void put(const QString& piece) { out_.push_back(piece); }
    void emitOperand(const QString& piece);
    void operandEnds(std::size_t start);
    void concatenate();
    void name(const QString& text);
    void word(const QString& text);
    void symbol(const QString& text);
    void tableReference();

    const QString& jet_;
    std::vector<Token> tokens_;
    std::size_t at_ = 0;
    std::vector<QString> out_;
    std::vector<std::size_t> groupStarts_;  // open parentheses: where each group (or call) began
    std::size_t operandStart_ = none;        // the operand that has just ended
    std::size_t qualifierStart_ = none;      // "table." waiting for its column
    struct PendingOperand {
        std::size_t start;
        std::size_t depth;
    };
    std::vector<PendingOperand> pendingConcat_;  // right sides of '&' that have not ended yet
    bool functionNamed_ = false;             // the last piece is a function name
    bool expectTable_ = false;               // after FROM or a comma of the FROM list
    std::size_t fromDepth_ = none;           // depth of the FROM list being read
    // The outer statement: a query of one table without DISTINCT or aggregate may use the
    // table's indexes and is then ordered by rowid after its own ORDER BY; any other reads its
    // tables unindexed.
    std::size_t outerTables_ = 0;
    std::size_t outerNotIndexed_ = none;     // the piece "NOT INDEXED" of the outer table
    bool outerAggregate_ = false;            // DISTINCT or Max in the outer statement
    bool outerOrderBy_ = false;              // the outer ORDER BY has begun
    std::size_t outerOrderByAt_ = none;      // the piece "ORDER" of the outer ORDER BY
    // A number in the outer ORDER BY, which may be a column number ("ORDER BY 2", "ORDER BY (2)").
    bool outerColumnNumber_ = false;
};

void Translator::emitOperand(const QString& piece)
{
    const std::size_t start = qualifierStart_ != none ? qualifierStart_ : out_.size();
    qualifierStart_ = none;
    put(piece);
    if (peekSymbol(u".")) {
        qualifierStart_ = start;  // "table.column": the operand ends with the column
        operandStart_ = none;
        return;
    }
    operandEnds(start);
}

void Translator::operandEnds(std::size_t start)
{
    operandStart_ = start;
    if (!pendingConcat_.empty() && pendingConcat_.back().depth == groupStarts_.size()) {
        const std::size_t pendingStart = pendingConcat_.back().start;
        pendingConcat_.pop_back();
        out_.insert(out_.begin() + static_cast<std::ptrdiff_t>(pendingStart), QStringLiteral("ifnull("));
        put(QStringLiteral(",'')"));
        operandStart_ = pendingStart;
    }
}

void Translator::concatenate()
{
    if (operandStart_ == none)
        syntaxError(jet_, QStringLiteral("'&' needs an operand on each side"));
    out_.insert(out_.begin() + static_cast<std::ptrdiff_t>(operandStart_), QStringLiteral("ifnull("));
    put(QStringLiteral(",'')"));
    put(QStringLiteral("||"));
    operandStart_ = none;
    pendingConcat_.push_back({out_.size(), groupStarts_.size()});
}

void Translator::name(const QString& text)
{
    if (!names.contains(text, Qt::CaseInsensitive))
        names.push_back(text);
    emitOperand(quoteName(text));
}

void Translator::tableReference()
{
    const Token& table = tokens_[at_];
    if (table.text.compare(QLatin1String(password::tableName), Qt::CaseInsensitive) == 0)
        throw detail::tableNotFound(table.text);
    put(quoteName(table.text));
    if (const Token* as = peek(1); as && as->kind == Token::Word && as->text.compare(u"AS", Qt::CaseInsensitive) == 0) {
        const Token* alias = peek(2);
        if (!alias || (alias->kind != Token::Word && alias->kind != Token::Name))
            syntaxError(jet_, QStringLiteral("AS needs a name"));
        put(QStringLiteral("AS"));
        put(quoteName(alias->text));
        at_ += 2;
    }
    // Without an index SQLite reads the table in rowid order, which is the order of insertion.
    if (groupStarts_.empty()) {
        ++outerTables_;
        outerNotIndexed_ = out_.size();
        outerTable = table.text;
    }
    put(QStringLiteral("NOT INDEXED"));
    operandStart_ = none;
}

void Translator::word(const QString& text)
{
    const QString upper = text.toUpper();
    if (upper == u"TRUE" || upper == u"FALSE") {
        emitOperand(upper == u"TRUE" ? QStringLiteral("-1") : QStringLiteral("0"));
        return;
    }
    if (isKeyword(upper)) {
        if (groupStarts_.empty() && (upper == u"DISTINCT" || upper == u"ORDER"))
            (upper == u"DISTINCT" ? outerAggregate_ : outerOrderBy_) = true;
        if (groupStarts_.empty() && upper == u"ORDER")
            outerOrderByAt_ = out_.size();
        if (upper == u"NULL") {
            emitOperand(upper);
            return;
        }
        put(upper);
        operandStart_ = none;
        // A pattern written in the text is checked here, so that the error does not depend on
        // whether any row reaches it.
        if (const Token* pattern = peek(1); upper == u"LIKE" && pattern && pattern->kind == Token::String) {
            std::string problem;
            if (!LikePattern::compile(pattern->text.toStdString(), &problem))
                throw LiteralError(QStringLiteral("Invalid pattern string '%1' in query expression '%2'.").arg(pattern->text, jet_),
                                   QString::fromStdString(problem));
        }
        if (upper == u"FROM") {
            expectTable_ = true;
            fromDepth_ = groupStarts_.size();
        } else if (upper == u"WHERE" || upper == u"ORDER") {
            fromDepth_ = none;
        }
        return;
    }
    if (peekSymbol(u"(", 1)) {
        if (upper != u"MAX")
            throw Error(UndefinedFunction,
                        QStringLiteral("Undefined function '%1' in expression '%2'.").arg(text, jet_));
        if (groupStarts_.empty())
            outerAggregate_ = true;
        put(QStringLiteral("max"));
        functionNamed_ = true;
        return;
    }
    name(text);
}

void Translator::symbol(const QString& text)
{
    if (text == u"(") {
        groupStarts_.push_back(functionNamed_ ? out_.size() - 1 : out_.size());
        put(text);
        operandStart_ = none;
    } else if (text == u")") {
        if (groupStarts_.empty())
            syntaxError(jet_, QStringLiteral("a closing parenthesis has no opening one"));
        const std::size_t start = groupStarts_.back();
        groupStarts_.pop_back();
        if (fromDepth_ != none && groupStarts_.size() < fromDepth_)
            fromDepth_ = none;
        put(text);
        operandEnds(start);
    } else if (text == u"&") {
        concatenate();
    } else if (text == u";") {
        for (std::size_t k = at_ + 1; k < tokens_.size(); ++k)
            if (tokens_[k].kind != Token::Symbol || tokens_[k].text != u";")
                syntaxError(jet_, QStringLiteral("characters found after the end of the statement"));
    } else {
        if (text == u"," && fromDepth_ == groupStarts_.size())
            expectTable_ = true;
        put(text);
        if (text != u".")
            operandStart_ = none;
    }
}

QString Translator::run(bool wholeStatement, const std::function<bool(const QString&)>& hasRowids,
                       const std::function<bool(const QString&, const QString&)>& isUnique)
{
    if (tokens_.empty())
        syntaxError(jet_, QStringLiteral("the text is empty"));
    if (wholeStatement && (tokens_[0].kind != Token::Word || tokens_[0].text.toUpper() != u"SELECT"))
        syntaxError(jet_, QStringLiteral("a query begins with SELECT"));
    if (wholeStatement)
        cheapTermsFirst(tokens_);
    tokens_ = regroupLongChains(tokens_, wholeStatement);
    for (at_ = 0; at_ < tokens_.size(); ++at_) {
        const Token& token = tokens_[at_];
        const bool afterFunctionName = functionNamed_;
        if (expectTable_) {
            expectTable_ = false;
            if (token.kind == Token::Name || (token.kind == Token::Word && !isKeyword(token.text.toUpper()))) {
                tableReference();
                continue;
            }
        }
        switch (token.kind) {
        case Token::String:
            emitOperand(sqliteLiteral(token.text));
            break;
        case Token::Number:
            if (outerOrderBy_)
                outerColumnNumber_ = true;
            emitOperand(token.text);
            break;
        case Token::Name:
            name(token.text);
            break;
        case Token::Word:
            word(token.text);
            break;
        case Token::Symbol:
            symbol(token.text);
            break;
        }
        if (afterFunctionName)
            functionNamed_ = false;
    }
    if (!groupStarts_.empty())
        syntaxError(jet_, QStringLiteral("a parenthesis is not closed"));
    if (!pendingConcat_.empty())
        syntaxError(jet_, QStringLiteral("'&' needs an operand on each side"));
    if (wholeStatement && outerTables_ == 1 && !outerAggregate_ && (!hasRowids || hasRowids(outerTable))) {
        // A query of one table may use the table's indexes: rows it does not order, and rows its
        // ORDER BY finds alike, still come in stored order.
        out_.erase(out_.begin() + static_cast<std::ptrdiff_t>(outerNotIndexed_));
        if (outerOrderByAt_ != none && outerNotIndexed_ < outerOrderByAt_)
            --outerOrderByAt_;
        if (!(isUnique && orderedByUniqueColumn(isUnique))) {
            if (outerOrderBy_)
                put(QStringLiteral(","));
            else
                put(QStringLiteral("ORDER BY"));
            put(QStringLiteral("rowid"));
        }
    }
    return out_.size() ? QStringList(out_.begin(), out_.end()).join(u' ') : QString();
}

bool Translator::orderedByUniqueColumn(const std::function<bool(const QString&, const QString&)>& isUnique) const
{
    // "ORDER BY" and one column name, perhaps with its direction (NOT INDEXED is gone by now).
    if (!outerOrderBy_ || outerOrderByAt_ == none || outerOrderByAt_ + 2 >= out_.size())
        return false;
    const std::size_t terms = out_.size() - (outerOrderByAt_ + 2);
    const QString& column = out_[outerOrderByAt_ + 2];
    if (terms > 2 || (terms == 2 && out_.back() != u"ASC" && out_.back() != u"DESC"))
        return false;
    if (column.size() < 2 || !column.startsWith(u'"') || !column.endsWith(u'"'))
        return false;
    return isUnique(outerTable, column.mid(1, column.size() - 2).replace(QStringLiteral("\"\""), QStringLiteral("\"")));
}

bool Translator::readsWholeRows() const
{
    return outerTables_ == 1 && !outerAggregate_ && !outerColumnNumber_ && tokens_.size() > 3
        && isWord(tokens_[0], u"SELECT") && isSymbol(tokens_[1], u"*") && isWord(tokens_[2], u"FROM")
        && out_.size() > 1 && out_[1] == u"*";
}

QString Translator::selectingRowids() const
{
    QStringList pieces(out_.begin(), out_.end());
    pieces[1] = QStringLiteral("rowid");
    return pieces.join(u' ');
}

}  // namespace

QString quoteName(const QString& name)
{
    QString doubled = name;
    doubled.replace(u'"', QStringLiteral("\"\""));
    return u'"' + doubled + u'"';
}

Query translateStatement(const QString& jet, const std::function<bool(const QString& table)>& hasRowids,
                         const std::function<bool(const QString& table, const QString& column)>& isUnique)
{
    Translator translator(jet);
    Query query;
    query.sql = translator.run(true, hasRowids, isUnique);
    if (translator.readsWholeRows()) {
        query.table = translator.outerTable;
        query.rowids = translator.selectingRowids();
    }
    return query;
}

Criterion translateCriterion(const QString& jet)
{
    Translator translator(jet);
    Criterion criterion;
    criterion.expression = translator.run(false);
    criterion.names = translator.names;
    return criterion;
}

}  // namespace dao::jet
