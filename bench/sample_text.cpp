#include "sample_text.h"

#include <QHash>
#include <algorithm>

namespace bench {

SampleText::SampleText(const QString& sql)
{
    // Only what stands between single quotes is text; names and key words are not.
    QHash<QString, int> counts;
    QHash<QString, int> firstSeen;
    bool inLiteral = false;
    QString word;
    const auto endWord = [&] {
        if (word.size() > 0) {
            const QString key = word.toLower();
            if (!counts.contains(key))
                firstSeen.insert(key, static_cast<int>(firstSeen.size()));
            ++counts[key];
        }
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
    words_ = counts.keys();
    std::sort(words_.begin(), words_.end(), [&](const QString& a, const QString& b) {
        return counts[a] != counts[b] ? counts[a] > counts[b] : firstSeen[a] < firstSeen[b];
    });
    double total = 0;
    for (qsizetype rank = 1; rank <= words_.size(); ++rank)
        cumulative_.push_back(total += 1.0 / static_cast<double>(rank));
}

QString SampleText::draw(Random& random) const
{
    if (words_.isEmpty())
        return QStringLiteral("weld");
    const double at = random.unit() * cumulative_.back();
    const auto rank = std::upper_bound(cumulative_.begin(), cumulative_.end(), at) - cumulative_.begin();
    return words_[std::min<qsizetype>(rank, words_.size() - 1)];
}

QString SampleText::paragraph(int length, std::uint32_t seed) const
{
    Random random(seed);
    QString text;
    int sentence = 0;
    while (text.size() < length) {
        QString word = draw(random);
        if (sentence == 0)
            word[0] = word[0].toUpper();
        text += word;
        if (++sentence >= 8 + random.below(12)) {
            text += QStringLiteral(". ");
            sentence = 0;
        } else {
            text += u' ';
        }
    }
    return text;
}

}  // namespace bench
