#include "platform/printer.h"

#include "platform/file_names.h"
#include "platform/ui/seams.h"
#include "platform/vb.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPen>
#include <QPrinter>
#include <QStandardPaths>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>
#include <utility>
#include <vector>

namespace platform {

namespace {

constexpr double twipsPerInch = 1440;
constexpr double twipsPerPoint = 20;
constexpr double twipsPerMillimetre = twipsPerInch / 25.4;

QRectF normalised(double x1, double y1, double x2, double y2)
{
    return QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized();
}

// Lays `document` out for `device` in pages of `pageTwips`, with no margin around the text (the
// caller's rectangle is the text's own).
// Runs `visit` for every laid-out line of `document`, with its block, the block's top-left
// corner and the line's middle (document units).
template <typename Visit>
void forEachLine(const QTextDocument& document, Visit visit)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextLayout* layout = block.layout();
        const QPointF blockTopLeft = layout->position();
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            visit(block, line, blockTopLeft, blockTopLeft.y() + line.y() + line.height() / 2);
        }
    }
}

// The pages of the document up to the last one that shows something: the empty or blank lines
// after a text's last line break (a text that ends in one and fills its page) would otherwise
// print a page of their own. At least one page.
int paginateOn(QPaintDevice& device, QTextDocument& document, const QSizeF& pageTwips)
{
    document.documentLayout()->setPaintDevice(&device);
    document.setDocumentMargin(0);
    document.setPageSize(pageTwips * (device.logicalDpiY() / twipsPerInch));
    const int laidOut = document.pageCount();  // lays the document out
    const double pageHeight = document.pageSize().height();
    int pages = 1;
    forEachLine(document, [&](const QTextBlock& block, const QTextLine& line, const QPointF&, double middle) {
        if (!block.text().mid(line.textStart(), line.textLength()).trimmed().isEmpty())
            pages = std::max(pages, static_cast<int>(middle / pageHeight) + 1);
    });
    return std::min(pages, laidOut);
}

// Runs `draw` for every laid-out line of `document` that lies on the page from `pageTop`,
// with its block and the block's top-left corner (document units).
template <typename Draw>
void forEachLineOfPage(const QTextDocument& document, double pageTop, double pageHeight, Draw draw)
{
    forEachLine(document, [&](const QTextBlock& block, const QTextLine& line, const QPointF& blockTopLeft, double middle) {
        // By its middle: the layout puts a line it moves to a page's start at that page's edge,
        // give or take rounding.
        if (middle >= pageTop && middle < pageTop + pageHeight)
            draw(block, line, blockTopLeft);
    });
}

// Qt's warnings of a step of a print job held back while it runs: passed on when the step
// succeeds, dropped when it fails, as the failure is then said to the person in words of ours.
struct HeldMessage {
    QtMsgType type;
    QString text;
};
std::vector<HeldMessage>* heldMessages = nullptr;

void holdMessage(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    heldMessages->push_back({type, text});
}

template <typename Step>
bool withQtWarningsHeld(Step step)
{
    std::vector<HeldMessage> held;
    heldMessages = &held;
    const QtMessageHandler previous = qInstallMessageHandler(holdMessage);
    const bool succeeded = step();
    qInstallMessageHandler(previous);
    heldMessages = nullptr;
    if (succeeded)
        for (const HeldMessage& message : held)
            qt_message_output(message.type, QMessageLogContext(), message.text);
    return succeeded;
}

QFont qtFont(const PrinterFont& font)
{
    QFont qfont(font.name);
    qfont.setPointSizeF(font.size);
    qfont.setBold(font.bold);
    qfont.setItalic(font.italic);
    return qfont;
}

}  // namespace

// ---- PageSurface ----------------------------------------------------------------------------

void PageSurface::setOrientation(Orientation orientation)
{
    applyOrientation(orientation);
    resetScale();
}

void PageSurface::resetScale()
{
    const QSizeF size = printableSize();
    scaleWidth_ = size.width() > 0 ? size.width() : 1;
    scaleHeight_ = size.height() > 0 ? size.height() : 1;
}

void PageSurface::setScaleWidth(double width)
{
    if (width > 0)
        scaleWidth_ = width;
}

void PageSurface::setScaleHeight(double height)
{
    if (height > 0)
        scaleHeight_ = height;
}

void PageSurface::setFontSize(double points)
{
    if (points > 0)
        font_.size = points;
}

QPointF PageSurface::toTwips(const QPointF& point) const
{
    const QSizeF size = printableSize();
    return QPointF(point.x() * size.width() / scaleWidth_, point.y() * size.height() / scaleHeight_);
}

double PageSurface::textWidth(const QString& text) const
{
    return measure(text, font_).width() * scaleWidth_ / printableSize().width();
}

double PageSurface::textHeight(const QString& text) const
{
    return measure(text, font_).height() * scaleHeight_ / printableSize().height();
}

void PageSurface::print(const QString& text, LineEnd end)
{
    drawText(QPointF(currentX_, currentY_), text, font_, foreColor_);
    if (end == LineEnd::StayOnLine) {
        currentX_ += textWidth(text);
    } else {
        currentX_ = 0;
        currentY_ += textHeight(text);
    }
}

void PageSurface::line(double x1, double y1, double x2, double y2, const QColor& color)
{
    drawLine(QPointF(x1, y1), QPointF(x2, y2), color);
    currentX_ = x2;
    currentY_ = y2;
}

void PageSurface::box(double x1, double y1, double x2, double y2, const QColor& color, BoxFill fill)
{
    drawBox(normalised(x1, y1, x2, y2), color, fill);
    currentX_ = x2;
    currentY_ = y2;
}

void PageSurface::newPage()
{
    startNewPage();
    currentX_ = 0;
    currentY_ = 0;
}

bool PageSurface::endDoc()
{
    failure_.clear();
    writtenFile_.clear();
    const bool sent = finishJob(failure_, writtenFile_);
    currentX_ = 0;
    currentY_ = 0;
    return sent;
}

// ---- QPrinterSurface ------------------------------------------------------------------------

struct QPrinterSurface::Job {
    QPainter painter;
};

QPrinterSurface::QPrinterSurface(std::unique_ptr<QPrinter> printer)
    : printer_(printer ? std::move(printer) : std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    resetScale();
}

QPrinterSurface::~QPrinterSurface()
{
    if (job_)
        job_->painter.end();
}

Orientation QPrinterSurface::orientation() const
{
    return printer_->pageLayout().orientation() == QPageLayout::Landscape ? Orientation::Landscape
                                                                          : Orientation::Portrait;
}

void QPrinterSurface::applyOrientation(Orientation orientation)
{
    printer_->setPageOrientation(orientation == Orientation::Landscape ? QPageLayout::Landscape
                                                                      : QPageLayout::Portrait);
}

// Qt keeps paper sizes exactly in millimetres (whole points would be up to ten twips out).
QRectF QPrinterSurface::paperTwips() const
{
    const QRectF paper = printer_->pageLayout().fullRect(QPageLayout::Millimeter);
    return QRectF(paper.topLeft() * twipsPerMillimetre, paper.size() * twipsPerMillimetre);
}

QRectF QPrinterSurface::printableTwips() const
{
    const QRectF area = printer_->pageLayout().paintRect(QPageLayout::Millimeter);
    return QRectF(area.topLeft() * twipsPerMillimetre, area.size() * twipsPerMillimetre);
}

double QPrinterSurface::paperWidth() const { return vb::CLng(paperTwips().width()); }
double QPrinterSurface::paperHeight() const { return vb::CLng(paperTwips().height()); }

QPointF QPrinterSurface::printableOffset() const
{
    const QPointF offset = printableTwips().topLeft();
    return QPointF(vb::CLng(offset.x()), vb::CLng(offset.y()));
}

QSizeF QPrinterSurface::printableSize() const { return printableTwips().size(); }

double QPrinterSurface::devicePerTwip() const
{
    return printer_->resolution() / twipsPerInch;
}

QPointF QPrinterSurface::toDevice(const QPointF& scalePoint) const
{
    return toTwips(scalePoint) * devicePerTwip();
}

QPrinterSurface::Job* QPrinterSurface::openJob()
{
    if (job_)
        return job_.get();
    if (refused_)
        return nullptr;
    // A printout into a file never replaces an earlier one: the job goes to the first free name
    // beside the chosen file, or beside the default file where none was chosen. A folder that
    // cannot take it refuses the job before Qt tries it.
    if (printer_->outputFormat() == QPrinter::PdfFormat) {
        chosenFile_ = printer_->outputFileName().isEmpty() ? defaultPrintoutFile() : printer_->outputFileName();
        obstacle_ = newFileObstacle(chosenFile_);
        if (!obstacle_.isEmpty()) {
            refused_ = true;
            return nullptr;
        }
        printer_->setOutputFileName(unusedFileName(chosenFile_));
    }
    auto job = std::make_unique<Job>();
    if (!withQtWarningsHeld([&] { return job->painter.begin(printer_.get()); })) {
        refused_ = true;
        return nullptr;
    }
    job_ = std::move(job);
    return job_.get();
}

QSizeF QPrinterSurface::measure(const QString& text, const PrinterFont& font) const
{
    const QFontMetricsF metrics(qtFont(font), printer_.get());
    return QSizeF(metrics.horizontalAdvance(text), metrics.height()) / devicePerTwip();
}

void QPrinterSurface::drawText(const QPointF& topLeft, const QString& text, const PrinterFont& font,
                               const QColor& color)
{
    Job* job = openJob();
    if (!job || text.isEmpty())
        return;
    const QFont qfont = qtFont(font);
    job->painter.setFont(qfont);
    job->painter.setPen(color);
    // The position is the top of the text's line; Qt places text by its baseline.
    const QFontMetricsF metrics(qfont, printer_.get());
    job->painter.drawText(toDevice(topLeft) + QPointF(0, metrics.ascent()), text);
}

void QPrinterSurface::drawLine(const QPointF& from, const QPointF& to, const QColor& color)
{
    Job* job = openJob();
    if (!job)
        return;
    job->painter.setPen(QPen(color, 0));
    job->painter.drawLine(toDevice(from), toDevice(to));
}

void QPrinterSurface::drawBox(const QRectF& rect, const QColor& color, BoxFill fill)
{
    Job* job = openJob();
    if (!job)
        return;
    job->painter.setPen(QPen(color, 0));
    job->painter.setBrush(fill == BoxFill::Filled ? QBrush(color) : QBrush(Qt::NoBrush));
    job->painter.drawRect(QRectF(toDevice(rect.topLeft()), toDevice(rect.bottomRight())));
    job->painter.setBrush(Qt::NoBrush);
}

void QPrinterSurface::startNewPage()
{
    if (openJob())
        printer_->newPage();
}

QString QPrinterSurface::refusal() const
{
    if (!obstacle_.isEmpty())
        return QStringLiteral("The file \"%1\" could not be written: %2.").arg(QDir::toNativeSeparators(chosenFile_), obstacle_);
    if (printer_->outputFormat() == QPrinter::PdfFormat)
        return QStringLiteral("The file \"%1\" could not be written.").arg(QDir::toNativeSeparators(printer_->outputFileName()));
    if (printer_->printerName().isEmpty())
        return QStringLiteral("No printer is set up.");
    return QStringLiteral("The printer \"%1\" did not take the job.").arg(printer_->printerName());
}

bool QPrinterSurface::finishJob(QString& failure, QString& writtenFile)
{
    const bool refused = std::exchange(refused_, false);
    if (!refused && !job_)
        return false;
    const bool sent = !refused && withQtWarningsHeld([&] { return job_->painter.end(); });
    job_.reset();
    if (!sent)
        failure = refusal();
    else if (printer_->outputFormat() == QPrinter::PdfFormat)
        writtenFile = printer_->outputFileName();
    obstacle_.clear();
    // The next job starts again from the file the person chose.
    if (!chosenFile_.isEmpty())
        printer_->setOutputFileName(std::exchange(chosenFile_, QString()));
    if (!sent)
        renewPrinter();
    return sent;
}

void QPrinterSurface::renewPrinter()
{
    const QPrinter& old = *printer_;
    auto fresh = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (old.outputFormat() == QPrinter::NativeFormat && !old.printerName().isEmpty())
        fresh->setPrinterName(old.printerName());
    fresh->setOutputFormat(old.outputFormat());
    if (old.outputFormat() == QPrinter::PdfFormat)
        fresh->setOutputFileName(old.outputFileName());
    fresh->setPageLayout(old.pageLayout());
    fresh->setColorMode(old.colorMode());
    fresh->setCopyCount(old.copyCount());
    fresh->setCollateCopies(old.collateCopies());
    fresh->setDuplex(old.duplex());
    fresh->setFullPage(old.fullPage());
    fresh->setDocName(old.docName());
    printer_ = std::move(fresh);
}

int QPrinterSurface::paginate(QTextDocument& document, const QSizeF& pageTwips)
{
    return paginateOn(*printer_, document, pageTwips);
}

void QPrinterSurface::drawDocumentPage(QTextDocument& document, int page, const QPointF& topLeftTwips)
{
    Job* job = openJob();
    if (!job)
        return;
    QPainter& painter = job->painter;
    const double pageHeight = document.pageSize().height();
    const double pageTop = page * pageHeight;
    painter.save();
    painter.translate(topLeftTwips * devicePerTwip());
    // Text without a colour of its own prints black, whatever the screen's palette.
    painter.setPen(Qt::black);
    // Line by line, only the lines that begin on this page (the layout moves a line that would
    // cross a page's end to the next page). A clip would only hide the other pages' lines: the
    // printout would still hold them.
    forEachLineOfPage(document, pageTop, pageHeight,
                      [&](const QTextBlock&, const QTextLine& line, const QPointF& blockTopLeft) {
        line.draw(&painter, blockTopLeft - QPointF(0, pageTop));
    });
    painter.restore();
}

// ---- RecordingPageSurface -------------------------------------------------------------------

RecordingPageSurface::RecordingPageSurface(QSizeF portraitPaper, QMarginsF unprintable)
    : portraitPaper_(portraitPaper), unprintable_(unprintable), layoutDevice_(1, 1, QImage::Format_RGB32)
{
    const int dotsPerMeter = qRound(twipsPerInch / 0.0254);
    layoutDevice_.setDotsPerMeterX(dotsPerMeter);
    layoutDevice_.setDotsPerMeterY(dotsPerMeter);
    resetScale();
}

double RecordingPageSurface::paperWidth() const
{
    return orientation_ == Orientation::Landscape ? portraitPaper_.height() : portraitPaper_.width();
}

double RecordingPageSurface::paperHeight() const
{
    return orientation_ == Orientation::Landscape ? portraitPaper_.width() : portraitPaper_.height();
}

QPointF RecordingPageSurface::printableOffset() const
{
    return QPointF(unprintable_.left(), unprintable_.top());
}

QSizeF RecordingPageSurface::printableSize() const
{
    return QSizeF(paperWidth() - unprintable_.left() - unprintable_.right(),
                  paperHeight() - unprintable_.top() - unprintable_.bottom());
}

QSizeF RecordingPageSurface::measure(const QString& text, const PrinterFont& font) const
{
    const double em = font.size * twipsPerPoint;
    return QSizeF(text.size() * em / 2, em * 1.2);
}

void RecordingPageSurface::openJob()
{
    if (jobOpen_)
        return;
    jobOpen_ = true;
    pages = 1;
}

void RecordingPageSurface::drawText(const QPointF& topLeft, const QString& text, const PrinterFont& font,
                                    const QColor& color)
{
    openJob();
    if (!text.isEmpty())
        texts.push_back({pages, text, topLeft.x(), topLeft.y(), font, color});
}

void RecordingPageSurface::drawLine(const QPointF& from, const QPointF& to, const QColor& color)
{
    openJob();
    lines.push_back({pages, from.x(), from.y(), to.x(), to.y(), color});
}

void RecordingPageSurface::drawBox(const QRectF& rect, const QColor& color, BoxFill fill)
{
    openJob();
    boxes.push_back({pages, rect.left(), rect.top(), rect.right(), rect.bottom(), color, fill});
}

void RecordingPageSurface::startNewPage()
{
    openJob();
    ++pages;
}

bool RecordingPageSurface::finishJob(QString& /*failure*/, QString& /*writtenFile*/)
{
    if (!jobOpen_)
        return false;
    jobOpen_ = false;
    ++jobsEnded;
    return true;
}

int RecordingPageSurface::paginate(QTextDocument& document, const QSizeF& pageTwips)
{
    return paginateOn(layoutDevice_, document, pageTwips);
}

void RecordingPageSurface::drawDocumentPage(QTextDocument& document, int page, const QPointF& topLeftTwips)
{
    openJob();
    const QSizeF size = document.pageSize();  // twips, as the layout device has 1440 dots per inch
    const double pageTop = page * size.height();
    RecordedDocumentPage recorded{pages, QRectF(topLeftTwips, size), {}, {}};
    forEachLineOfPage(document, pageTop, size.height(),
                      [&](const QTextBlock& block, const QTextLine& line, const QPointF& blockTopLeft) {
        recorded.lines << block.text().mid(line.textStart(), line.textLength());
        recorded.lineRects.push_back(line.naturalTextRect().translated(blockTopLeft)
                                         .translated(topLeftTwips.x(), topLeftTwips.y() - pageTop));
    });
    documentPages.push_back(std::move(recorded));
}

// ---- The process-wide printer ---------------------------------------------------------------

QString defaultPrintoutFile()
{
    // A folder that is there: the desktop's documents folder, which a new account may lack.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    return QDir(folder).filePath(QStringLiteral("printout.pdf"));
}

namespace {

// Never destroyed: Qt's print-system plugin is gone by the time static objects are destroyed.
std::unique_ptr<PageSurface>& installedPrinter()
{
    static auto* surface = new std::unique_ptr<PageSurface>(std::make_unique<QPrinterSurface>());
    return *surface;
}

}  // namespace

PageSurface& printer() { return *installedPrinter(); }

std::unique_ptr<PageSurface> installPrinter(std::unique_ptr<PageSurface> surface)
{
    std::swap(installedPrinter(), surface);
    return surface;
}

bool showPrinterSetup()
{
    QPrinter* device = printer().device();
    return device && seams().printerSetup->setup(*device);
}

}  // namespace platform
