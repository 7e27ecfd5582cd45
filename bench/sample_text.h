#pragma once
// Text like the sample databases' own: the words of a sample's SQL text, ranked by how often they
// occur there, drawn with the Zipf-like frequencies of natural text (the word of rank r about 1/r
// as often as the commonest), so that common words are in most paragraphs and rare words in few.

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
    // Sentences of drawn words, at least `length` characters, the same for the same `seed`.
    QString paragraph(int length, std::uint32_t seed) const;

    // A deterministic draw of numbers.
    class Random {
    public:
        explicit Random(std::uint32_t seed) : state_(seed) {}
        std::uint32_t next() { return state_ = state_ * 1664525u + 1013904223u; }
        int below(int n) { return static_cast<int>((next() >> 8) % static_cast<std::uint32_t>(n)); }
        double unit() { return (next() >> 8) / double(1u << 24); }

    private:
        std::uint32_t state_;
    };
    QString draw(Random& random) const;

private:
    QStringList words_;
    std::vector<double> cumulative_;  // of the Zipf weights, rank by rank
};

}  // namespace bench
