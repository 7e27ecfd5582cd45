#include "platform/ui/caption_fit.h"

#include "platform/ui/form_font.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <cmath>
#include <QWidget>
#include <limits>

namespace platform::ui {

namespace {

const QChar ellipsis(0x2026);


QFont withPoints(const QFont& font, double points)
{
    QFont sized = font;
    sized.setPointSizeF(points);
    return sized;
}

// The longest beginning of `text` that, followed by an ellipsis, fits `area`.
QString elided(const QString& text, const QFont& font, const QSizeF& area, bool wrap)
{
    if (!wrap)
        return QFontMetricsF(font).elidedText(text, Qt::ElideRight, area.width());
    qsizetype fits = 0;
    qsizetype low = 1;
    qsizetype high = text.size() - 1;
    while (low <= high) {
        const qsizetype middle = (low + high) / 2;
        if (captionFits(text.left(middle).trimmed() + ellipsis, font, area, true)) {
            fits = middle;
            low = middle + 1;
        } else {
            high = middle - 1;
        }
    }
    return text.left(fits).trimmed() + ellipsis;
}

}  // namespace

double captionPoints(const QFont& font)
{
    if (font.pointSizeF() > 0)
        return font.pointSizeF();
    return QFontInfo(font).pointSizeF();
}

QString shownCaption(const QString& caption, bool mnemonic)
{
    if (!mnemonic)
        return caption;
    QString shown;
    shown.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size())
            ++i;
        shown += caption[i];
    }
    return shown;
}

bool captionFits(const QString& text, const QFont& font, const QSizeF& area, bool wrap)
{
    const QFontMetricsF metrics(font);
    if (!wrap)
        return metrics.horizontalAdvance(text) <= area.width() && metrics.height() <= area.height();
    const QRectF needed = metrics.boundingRect(QRectF(0, 0, area.width(), std::numeric_limits<int>::max()),
                                               Qt::TextWordWrap, text);
    return needed.width() <= area.width() && needed.height() <= area.height();
}

CaptionFit fitCaption(const QString& text, const QFont& font, const QSizeF& area, bool wrap)
{
    if (text.isEmpty() || captionFits(text, font, area, wrap))
        return {font, text, true};
    const double own = captionPoints(font);
    // Half-point steps below the font's own size, and the smallest size itself.
    for (double points = std::floor(own * 2 - 0.001) / 2; points >= smallestCaptionPoints; points -= 0.5) {
        const QFont smaller = withPoints(font, points);
        if (captionFits(text, smaller, area, wrap))
            return {smaller, text, true};
    }
    const QFont smallest = own > smallestCaptionPoints ? withPoints(font, smallestCaptionPoints) : font;
    return {smallest, elided(text, smallest, area, wrap), false};
}

const CaptionFit& CaptionFitter::fit(QWidget& control, const QString& shown, const QFont& font, const QSizeF& area,
                                     bool wrap)
{
    if (valid_ && shown == shown_ && font == font_ && area == area_ && wrap == wrap_)
        return result_;
    valid_ = true;
    shown_ = shown;
    font_ = font;
    area_ = area;
    wrap_ = wrap;
    result_ = fitCaption(shown, font, area, wrap);
    updateToolTip(control, shown);
    return result_;
}

const CaptionFit& CaptionFitter::atMost(double points)
{
    if (captionPoints(result_.font) <= points + 0.001)
        return result_;
    smaller_ = {withPoints(result_.font, points), result_.text, result_.whole};
    return smaller_;
}

void CaptionFitter::updateToolTip(QWidget& control, const QString& shown)
{
    const bool ours = !ownTip_.isEmpty() && control.toolTip() == ownTip_;
    if (!ours)
        givenTip_ = control.toolTip();
    if (result_.whole) {
        if (ours)
            control.setToolTip(givenTip_);
        ownTip_.clear();
        return;
    }
    ownTip_ = givenTip_.isEmpty() ? shown : shown + u'\n' + givenTip_;
    control.setToolTip(ownTip_);
}

}  // namespace platform::ui
