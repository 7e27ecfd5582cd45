#include "support/pdf_text.h"

#include <poppler-document.h>
#include <poppler-page.h>

#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <memory>

namespace testing_support {

std::vector<PdfWord> PdfText::wordsOf(int page) const
{
    std::vector<PdfWord> result;
    for (const PdfWord& word : words)
        if (word.page == page)
            result.push_back(word);
    return result;
}

QStringList PdfText::missingInOrder(const QStringList& expected, std::vector<PdfWord>* found,
                                    const std::function<bool(const PdfWord&)>& where) const
{
    QStringList missing;
    std::size_t next = 0;
    for (const QString& word : expected) {
        std::size_t at = next;
        while (at < words.size() && (words[at].text != word || (where && !where(words[at]))))
            ++at;
        if (at == words.size()) {
            missing << word;
            continue;
        }
        if (found)
            found->push_back(words[at]);
        next = at + 1;
    }
    return missing;
}

PdfText readPdf(const QString& file)
{
    PdfText text;
    const std::unique_ptr<poppler::document> document(poppler::document::load_from_file(file.toStdString()));
    if (!document)
        return text;
    text.opened = true;
    for (int p = 0; p < document->pages(); ++p) {
        const std::unique_ptr<poppler::page> page(document->create_page(p));
        const poppler::rectf paper = page->page_rect();
        text.pages.emplace_back(paper.width(), paper.height());
        for (const poppler::text_box& box : page->text_list(poppler::page::text_list_include_font)) {
            const poppler::byte_array utf8 = box.text().to_utf8();
            const poppler::rectf r = box.bbox();
            // Ligature glyphs ("fi" drawn as one) read as their letters.
            const QString word = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
            text.words.push_back({p, word.normalized(QString::NormalizationForm_KC),
                                  QRectF(r.x(), r.y(), r.width(), r.height()), box.get_font_size()});
        }
    }
    // Reading order: page by page, line by line (words whose middles share a line), left to right.
    std::stable_sort(text.words.begin(), text.words.end(), [](const PdfWord& a, const PdfWord& b) {
        if (a.page != b.page)
            return a.page < b.page;
        const double line = std::min(a.box.height(), b.box.height()) / 2;
        if (std::abs(a.box.center().y() - b.box.center().y()) > line)
            return a.box.center().y() < b.box.center().y();
        return a.box.left() < b.box.left();
    });
    return text;
}

QStringList wordsOf(const QString& text)
{
    static const QRegularExpression space(QStringLiteral("\\s+"));
    return text.split(space, Qt::SkipEmptyParts);
}

}  // namespace testing_support
