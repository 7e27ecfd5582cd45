#include "sample_text.h"

#include <algorithm>

namespace bench {

namespace {

// The keys of `counts`, most counted first, then in the order first seen.
QStringList ranked(const QHash<QString, int>& counts, const QHash<QString, int>& firstSeen)
{
    QStringList keys = counts.keys();
    std::sort(keys.begin(), keys.end(), [&](const QString& a, const QString& b) {
        return counts[a] != counts[b] ? counts[a] > counts[b] : firstSeen[a] < firstSeen[b];
    });
    return keys;
}

}  // namespace

SampleText::SampleText(const QString& sql)
{
    // Only what stands between single quotes is text; names and key words are not.
    QStringList sample;
    bool inLiteral = false;
    QString word;
    const auto endWord = [&] {
        if (!word.isEmpty())
            sample << word.toLower();
        word.clear();
    };
    for (const QChar c : sql) {
        if (c == u'\'') {
            endWord();
            inLiteral = !inLiteral;  // a doubled quote inside a literal ends and starts it again
        } else if (inLiteral && c.isLetter()) {
            word += c;
        } else {
            endWord();
        }
    }
    if (sample.isEmpty())
        sample << QStringLiteral("weld");

    QHash<QString, int> counts, firstSeen, phraseCounts, phraseSeen;
    for (qsizetype i = 0; i < sample.size(); ++i) {
        if (!counts.contains(sample[i]))
            firstSeen.insert(sample[i], static_cast<int>(firstSeen.size()));
        ++counts[sample[i]];
        if (i + 2 < sample.size() && sample[i].size() >= 4 && sample[i + 1].size() >= 4 && sample[i + 2].size() >= 4) {
            const QString phrase = sample.mid(i, 3).join(u' ');
            if (!phraseCounts.contains(phrase))
                phraseSeen.insert(phrase, static_cast<int>(phraseSeen.size()));
            ++phraseCounts[phrase];
        }
    }
    words_ = ranked(counts, firstSeen);
    phrases_ = ranked(phraseCounts, phraseSeen);
    QHash<QString, int> index;
    for (qsizetype i = 0; i < words_.size(); ++i)
        index.insert(words_[i], static_cast<int>(i));
    followers_.resize(static_cast<std::size_t>(words_.size()));
    for (qsizetype i = 0; i < sample.size(); ++i) {
        sequence_.push_back(index[sample[i]]);
        if (i > 0)
            followers_[static_cast<std::size_t>(sequence_[static_cast<std::size_t>(i - 1)])].push_back(static_cast<int>(i));
    }
}

QString SampleText::paragraph(int length, std::uint32_t seed) const
{
    Random random(seed);
    QString text;
    int sentence = 0;
    // A sentence starts at a word drawn from the whole sample, so as often as the sample has it.
    int word = sequence_[static_cast<std::size_t>(random.below(static_cast<int>(sequence_.size())))];
    while (text.size() < length) {
        QString written = words_[word];
        if (sentence == 0)
            written[0] = written[0].toUpper();
        text += written;
        const std::vector<int>& next = followers_[static_cast<std::size_t>(word)];
        if (++sentence >= 8 + random.below(12) || next.empty()) {
            text += QStringLiteral(". ");
            sentence = 0;
            word = sequence_[static_cast<std::size_t>(random.below(static_cast<int>(sequence_.size())))];
        } else {
            text += u' ';
            word = sequence_[static_cast<std::size_t>(next[static_cast<std::size_t>(random.below(static_cast<int>(next.size())))])];
        }
    }
    return text;
}

}  // namespace bench
