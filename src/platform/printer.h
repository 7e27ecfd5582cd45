#pragma once
// The printer: a page surface with the properties and drawing calls the printouts are written
// against. Positions are in scale units measured from the printable area's top-left corner; the
// scale width and height say how many units the printable area spans (by default its size in
// twips, 1/1440 inch). The paper size and the unprintable offsets are always in twips.
//
// The print job starts with the first output and lasts until endDoc(). One printer exists per
// process (printer()); the printer set-up dialog works on it, so the person's choice holds for
// every later print. A job the printer refuses or fails drops its output, endDoc() says so and
// failure() says why, and the next job starts afresh on the same printer; a job printed into a
// file names it in writtenFile(). Tests install a RecordingPageSurface in its place.

#include <QColor>
#include <QImage>
#include <QMarginsF>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <vector>

class QPrinter;
class QTextDocument;

namespace platform {

enum class Orientation : std::int16_t { Portrait = 1, Landscape = 2 };

// After printing a text: go to the start of the next line, or stay on the line after the text.
enum class LineEnd { NextLine, StayOnLine };

enum class BoxFill { Outline, Filled };  // Filled: filled and outlined in the same colour

struct PrinterFont {
    QString name = QStringLiteral("Arial");
    double size = 10;  // points
    bool bold = false;
    bool italic = false;
};

class PageSurface {
public:
    virtual ~PageSurface() = default;
    PageSurface(const PageSurface&) = delete;
    PageSurface& operator=(const PageSurface&) = delete;

    // Paper orientation; changing it sets the scale back to the printable area in twips.
    virtual Orientation orientation() const = 0;
    void setOrientation(Orientation orientation);

    // The paper in the current orientation, twips.
    virtual double paperWidth() const = 0;
    virtual double paperHeight() const = 0;
    // Distance of the printable area from the paper's left and top edges, whole twips.
    virtual QPointF printableOffset() const = 0;

    double scaleWidth() const { return scaleWidth_; }
    double scaleHeight() const { return scaleHeight_; }
    void setScaleWidth(double width);    // a value that is not positive is refused
    void setScaleHeight(double height);

    const PrinterFont& font() const { return font_; }
    void setFontName(const QString& name) { font_.name = name; }
    void setFontSize(double points);     // a value that is not positive is refused
    void setFontBold(bool bold) { font_.bold = bold; }
    void setFontItalic(bool italic) { font_.italic = italic; }
    QColor foreColor() const { return foreColor_; }
    void setForeColor(const QColor& color) { foreColor_ = color; }

    double currentX() const { return currentX_; }
    double currentY() const { return currentY_; }
    void setCurrentX(double x) { currentX_ = x; }
    void setCurrentY(double y) { currentY_ = y; }

    // Width and height of one line of `text` in the current font, in scale units.
    double textWidth(const QString& text) const;
    double textHeight(const QString& text) const;

    // Prints `text` in the current font and fore colour with its top-left corner at the current
    // position, then moves on as `end` says. An empty text starts the job and moves on too.
    void print(const QString& text, LineEnd end = LineEnd::NextLine);
    // A straight line; the current position moves to its end.
    void line(double x1, double y1, double x2, double y2, const QColor& color);
    // A rectangle between two corners; the current position moves to the second corner.
    void box(double x1, double y1, double x2, double y2, const QColor& color, BoxFill fill);
    void newPage();
    // Ends the job and sends it; false when the printer could not take it (or no job was open).
    bool endDoc();
    // Why the last job could not be printed, for the person; empty when it was or none ended.
    const QString& failure() const { return failure_; }
    // The file the last job was printed into; empty when it went to a printer or was not printed.
    const QString& writtenFile() const { return writtenFile_; }
    // The printer the set-up dialog works on; none for a surface that only records.
    virtual QPrinter* device() { return nullptr; }

    // Rich text. Lays a document out in pages of `pageTwips` with this printer's font metrics
    // (the document is changed: take a copy) and gives the number of pages; then draws one page
    // of it with its top-left corner at `topLeftTwips`, measured from the printable area's corner.
    virtual int paginate(QTextDocument& document, const QSizeF& pageTwips) = 0;
    virtual void drawDocumentPage(QTextDocument& document, int page, const QPointF& topLeftTwips) = 0;

protected:
    PageSurface() = default;
    // Called once the device has its orientation and paper: the default scale.
    void resetScale();

    // The printable area's size in twips.
    virtual QSizeF printableSize() const = 0;
    virtual void applyOrientation(Orientation orientation) = 0;
    // One line of text in `font`, in twips: its advance width and line height.
    virtual QSizeF measure(const QString& text, const PrinterFont& font) const = 0;
    // Device output in scale units; each starts the job when none is open.
    virtual void drawText(const QPointF& topLeft, const QString& text, const PrinterFont& font,
                          const QColor& color) = 0;
    virtual void drawLine(const QPointF& from, const QPointF& to, const QColor& color) = 0;
    virtual void drawBox(const QRectF& rect, const QColor& color, BoxFill fill) = 0;
    virtual void startNewPage() = 0;
    // Ends the job; false, with `failure` set when there was one, when it could not be printed.
    // A job printed into a file sets `writtenFile`.
    virtual bool finishJob(QString& failure, QString& writtenFile) = 0;

    // Scale units to twips from the printable area's corner.
    QPointF toTwips(const QPointF& point) const;

private:
    double scaleWidth_ = 1;
    double scaleHeight_ = 1;
    PrinterFont font_;
    QColor foreColor_ = Qt::black;
    double currentX_ = 0;
    double currentY_ = 0;
    QString failure_;
    QString writtenFile_;
};

// The page surface over a QPrinter of its own (a high-resolution one on the system's default
// printer unless one is handed in). Where the system has no printer, Qt sets up PDF output into
// no file: the job then goes to defaultPrintoutFile(), as the set-up dialog would offer. A file
// whose folder stands in the way is refused before Qt tries it, saying what is wrong with the
// folder; Qt's own warnings of a job that fails are not passed on, as the failure is said. A job
// the printer would not start or could not finish leaves Qt's printer unusable (it stays
// "active"), so the surface then takes a new printer with the same settings.
class QPrinterSurface final : public PageSurface {
public:
    explicit QPrinterSurface(std::unique_ptr<QPrinter> printer = {});
    ~QPrinterSurface() override;
    QPrinter* device() override { return printer_.get(); }

    Orientation orientation() const override;
    double paperWidth() const override;
    double paperHeight() const override;
    QPointF printableOffset() const override;
    int paginate(QTextDocument& document, const QSizeF& pageTwips) override;
    void drawDocumentPage(QTextDocument& document, int page, const QPointF& topLeftTwips) override;

protected:
    QSizeF printableSize() const override;
    void applyOrientation(Orientation orientation) override;
    QSizeF measure(const QString& text, const PrinterFont& font) const override;
    void drawText(const QPointF& topLeft, const QString& text, const PrinterFont& font,
                  const QColor& color) override;
    void drawLine(const QPointF& from, const QPointF& to, const QColor& color) override;
    void drawBox(const QRectF& rect, const QColor& color, BoxFill fill) override;
    void startNewPage() override;
    bool finishJob(QString& failure, QString& writtenFile) override;

private:
    struct Job;
    Job* openJob();  // nullptr when the printer refused to start
    QString refusal() const;  // why the printer would not print, for the person
    void renewPrinter();
    QRectF paperTwips() const;
    QRectF printableTwips() const;  // from the paper's corner
    double devicePerTwip() const;
    QPointF toDevice(const QPointF& scalePoint) const;

    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<Job> job_;
    bool refused_ = false;  // the printer would not start this job; output is dropped until endDoc
    QString chosenFile_;    // the PDF file set up for the open job, which may print beside it
    QString obstacle_;      // what in the chosen file's folder refused the open job
};

// What a RecordingPageSurface was asked to draw. Positions are in scale units; `page` counts the
// pages of the current job from 1.
struct RecordedText {
    int page;
    QString text;
    double x;
    double y;
    PrinterFont font;
    QColor color;
};

struct RecordedLine {
    int page;
    double x1, y1, x2, y2;
    QColor color;
};

struct RecordedBox {
    int page;
    double x1, y1, x2, y2;
    QColor color;
    BoxFill fill;
};

// One page of a rich-text document: the rectangle it was given and the text lines that landed in
// it, each with its rectangle (twips from the printable area's corner).
struct RecordedDocumentPage {
    int page;
    QRectF area;
    QStringList lines;
    std::vector<QRectF> lineRects;
};

// A page surface that draws nothing and records every call, with simple exact text metrics: a
// character is half the font size wide and a line 1.2 times the font size high. Rich text is laid
// out by Qt at 1440 dots per inch, so a document unit is one twip.
class RecordingPageSurface final : public PageSurface {
public:
    // Paper and unprintable margins in twips, in portrait; landscape swaps the paper's sides and
    // keeps the margins as they are. US Letter with a quarter inch all round by default.
    explicit RecordingPageSurface(QSizeF portraitPaper = QSizeF(12240, 15840),
                                  QMarginsF unprintable = QMarginsF(360, 360, 360, 360));

    Orientation orientation() const override { return orientation_; }
    double paperWidth() const override;
    double paperHeight() const override;
    QPointF printableOffset() const override;
    int paginate(QTextDocument& document, const QSizeF& pageTwips) override;
    void drawDocumentPage(QTextDocument& document, int page, const QPointF& topLeftTwips) override;

    std::vector<RecordedText> texts;
    std::vector<RecordedLine> lines;
    std::vector<RecordedBox> boxes;
    std::vector<RecordedDocumentPage> documentPages;
    int pages = 0;       // pages of the open (or last) job; 0 before the first output
    int jobsEnded = 0;

protected:
    QSizeF printableSize() const override;
    void applyOrientation(Orientation orientation) override { orientation_ = orientation; }
    QSizeF measure(const QString& text, const PrinterFont& font) const override;
    void drawText(const QPointF& topLeft, const QString& text, const PrinterFont& font,
                  const QColor& color) override;
    void drawLine(const QPointF& from, const QPointF& to, const QColor& color) override;
    void drawBox(const QRectF& rect, const QColor& color, BoxFill fill) override;
    void startNewPage() override;
    bool finishJob(QString& failure, QString& writtenFile) override;

private:
    void openJob();

    QSizeF portraitPaper_;
    QMarginsF unprintable_;
    Orientation orientation_ = Orientation::Portrait;
    bool jobOpen_ = false;
    QImage layoutDevice_;  // 1440 dots per inch
};

// The PDF file a print goes to until the person chooses one: printout.pdf in the desktop's
// documents folder, or in the home folder where there is no documents folder.
QString defaultPrintoutFile();

// The process-wide printer: a QPrinterSurface until another surface is installed.
PageSurface& printer();
// Installs `surface` as the printer and returns the one it replaces.
std::unique_ptr<PageSurface> installPrinter(std::unique_ptr<PageSurface> surface);
// The printer set-up dialog (through the PrinterSetup seam) on the process-wide printer; what the
// person chooses there is what the next print uses. False when cancelled or when the installed
// printer has no device to set up.
bool showPrinterSetup();

}  // namespace platform
