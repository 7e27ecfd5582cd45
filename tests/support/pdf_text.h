#pragma once
// What a printed PDF says, read back with poppler: its pages' sizes and every word with its box
// (points from the page's top-left corner) and font size, in reading order: page by page, line
// by line from the top, each line from the left.

#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace testing_support {

struct PdfWord {
    int page = 0;  // from 0
    QString text;
    QRectF box;
    double points = 0;
};

struct PdfText {
    bool opened = false;
    std::vector<QSizeF> pages;
    std::vector<PdfWord> words;

    // The words of `page`.
    std::vector<PdfWord> wordsOf(int page) const;
    // The first words, in order, that spell `expected` word by word (each of its words at a later
    // place than the one before), among the words `where` accepts; the missing words when some
    // are not found.
    QStringList missingInOrder(const QStringList& expected, std::vector<PdfWord>* found = nullptr,
                               const std::function<bool(const PdfWord&)>& where = {}) const;
};

PdfText readPdf(const QString& file);

// The words of a text, split at white space.
QStringList wordsOf(const QString& text);

}  // namespace testing_support
