#pragma once
// Fitting a caption into the box the layout gives it. The layout is fixed (twips), the font is
// the form font in points, and a caption that does not fit at its control's font is drawn in the
// largest smaller size, in half points down to smallestCaptionPoints, at which it fits; past that
// it is cut with an ellipsis and the control's tool tip shows the whole caption. A caption wraps
// at word boundaries where its control wraps.

#include <QFont>
#include <QSizeF>
#include <QString>

class QWidget;

namespace platform::ui {

// The text a caption shows: with mnemonics "&x" shows x and "&&" shows "&".
QString shownCaption(const QString& caption, bool mnemonic);

// Whether `text` in `font` fits `area` (pixels): on one line, or word-wrapped when `wrap`.
bool captionFits(const QString& text, const QFont& font, const QSizeF& area, bool wrap);

struct CaptionFit {
    QFont font;
    QString text;       // what is drawn: the shown caption, or its beginning and an ellipsis
    bool whole = true;  // the whole caption is drawn
};

CaptionFit fitCaption(const QString& text, const QFont& font, const QSizeF& area, bool wrap);

// The size in points a caption is drawn in.
double captionPoints(const QFont& font);

// What one control keeps of its caption's fit. The fit is worked out again only when the
// caption, the font, the area or the wrapping changed. While the caption is cut, the tool tip
// shows it whole, above the tool tip the control was given (which comes back once it fits).
class CaptionFitter {
public:
    const CaptionFit& fit(QWidget& control, const QString& shown, const QFont& font, const QSizeF& area, bool wrap);
    // The last fit drawn in at most `points`: the same text, smaller where it was larger.
    const CaptionFit& atMost(double points);

private:
    void updateToolTip(QWidget& control, const QString& shown);

    bool valid_ = false;
    QString shown_;
    QFont font_;
    QSizeF area_;
    bool wrap_ = false;
    CaptionFit result_;
    CaptionFit smaller_;
    QString givenTip_;  // the tool tip the control had before a cut caption replaced it
    QString ownTip_;    // the tool tip set here, empty when none is
};

}  // namespace platform::ui
