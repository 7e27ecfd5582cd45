#pragma once
// Generates reference databases of a chosen size for the benchmarks: size 1 is about a full Code
// edition (25 processes, 1,500 paragraphs of 1 to 3 KB of text); size 10 and 100 repeat those
// paragraphs under new numbers. Files are kept between runs in a cache directory.
//
// The text is worded in one of two ways:
// - like an edition: the words and phrases of the sample edition, about as often as it has them
//   (sample_text.h), so that a common word is in most paragraphs and a rare one in few;
// - the worst case for a search: 65 words drawn evenly, each in nearly every paragraph.

#include <QString>
#include <QStringList>

namespace bench {

enum class Wording { Edition, Even };
enum class WordSet { Common, Middling, Rare };

// The directory of qel0709.mdb of the given size and wording, generated when missing.
QString referenceDatabase(int size, Wording wording);

// Three words of the text of that wording to search for: words of the set's frequency, or for a
// phrase a phrase of it; for the even wording the same three words whatever the set.
QStringList searchWords(Wording wording, WordSet set, bool phrase = false);

}  // namespace bench
