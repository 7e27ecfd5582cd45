#pragma once
// Text like the sample databases' own: generated word by word from the words of a sample's SQL
// text, each word followed by one of the words that follow it in the sample (a first-order chain
// over the sample's word pairs), so that the words occur about as often as in the sample, with its
// Zipf-like spread (common words in most paragraphs, rare ones in few), and its phrases occur.

#include <QHash>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace bench {

class SampleText {
public:
    // The words (runs of letters, in lower case) of the literals of `sql`.
    explicit SampleText(const QString& sql);

    // The vocabulary, commonest first.
    const QStringList& words() const { return words_; }
    // The phrases of three words of four letters or more, commonest first.
    const QStringList& phrases() const { return phrases_; }
    // Sentences of generated words, at least `length` characters, the same for the same `seed`.
    QString paragraph(int length, std::uint32_t seed) const;

    // A deterministic draw of numbers.
    class Random {
    public:
        explicit Random(std::uint32_t seed) : state_(seed) {}
        std::uint32_t next() { return state_ = state_ * 1664525u + 1013904223u; }
        int below(int n) { return static_cast<int>((next() >> 8) % static_cast<std::uint32_t>(n)); }

    private:
        std::uint32_t state_;
    };

private:
    QStringList words_;
    QStringList phrases_;
    std::vector<int> sequence_;                // the sample's words in order, as indexes into words_
    std::vector<std::vector<int>> followers_;  // for each word, the positions in sequence_ after it
};

}  // namespace bench
