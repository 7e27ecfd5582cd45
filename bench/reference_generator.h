#pragma once
// Generates reference databases of a chosen size for the benchmarks: size 1 is about a full Code
// edition (25 processes, 1,500 paragraphs of 1 to 3 KB of text); size 10 and 100 repeat those
// paragraphs under new numbers. Files are kept between runs in a cache directory.

#include <QString>

namespace bench {

// The path of qel0709.mdb of the given size, generated when missing.
QString referenceDatabase(int size);

}  // namespace bench
