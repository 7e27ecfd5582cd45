#include "browser/varnel_picture.h"

#include "app/varnel_core.h"
#include "data/read_failures.h"
#include "platform/ui/cancel_button.h"
#include "platform/ui/handler_guard.h"
#include "platform/ui/scroll_bar.h"
#include "platform/ui/seams.h"
#include "platform/ui/twips.h"
#include "platform/ui/window_geometry.h"
#include "platform/file_names.h"
#include "platform/vb.h"

#include <QCoreApplication>
#include <QDir>
#include <QFrame>
#include <QScrollBar>
#include <QStringList>
#include <algorithm>

namespace varnel {

using platform::twipsRect;
using namespace platform::ui;

namespace {

// The layout below works in twips, as the window was designed; every design value is a whole
// number of pixels, so reading a position back gives the twips that were set.
int topOf(const QWidget* w) { return platform::toTwips(w->y()); }
int widthOf(const QWidget* w) { return platform::toTwips(w->width()); }
int heightOf(const QWidget* w) { return platform::toTwips(w->height()); }
void setLeft(QWidget* w, int left) { w->move(platform::twips(left), w->y()); }
void setTop(QWidget* w, int top) { w->move(w->x(), platform::twips(top)); }
void setHeight(QWidget* w, int height) { w->resize(w->width(), platform::twips(std::max(height, 0))); }

// Lets the window paint before and after the loading.
void letPaint() { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }

// The window's outer sizes (frame and caption included), by which its layout works.
constexpr int minimumWindowHeight = 6870;
constexpr int windowWidth = 9090;

// The window's outer height, from the height of its client area.
int outerHeightOf(const QWidget& window)
{
    return platform::toTwips(window.height()) + platform::outerExtraHeightWithoutMenu;
}
constexpr int scrollStep = 225;  // one small step of the scroll bar, in twips

}  // namespace

varnelPicture::varnelPicture(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("varnelPicture"));
    setWindowTitle(QStringLiteral("Varnel"));
    // No button of the window is its cancel button: Esc does nothing.
    platform::ui::setCancelButton(*this, nullptr);
    // The window's width is held and its height kept at a minimum; the rest of the resize
    // handling lays out the controls (Form_Resize).
    setFixedWidth(platform::twips(windowWidth - platform::outerExtraWidth));
    setMinimumHeight(platform::twips(minimumWindowHeight - platform::outerExtraHeightWithoutMenu));
    resize(width(), platform::twips(6930));

    Frame1 = new Frame({}, this);
    Frame1->setGeometry(twipsRect(60, 60, 8835, 5985));
    txtTitle = new MultiLineTextBox(Frame1);
    txtTitle->setGeometry(twipsRect(120, 330, 8565, 705));
    txtTitle->setLocked(true);

    Picture2 = new QFrame(Frame1);
    Picture2->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    Picture2->setGeometry(twipsRect(120, 1050, 8565, 3465));
    Frame2 = new Frame({}, Picture2, true);
    Frame2->setGeometry(twipsRect(30, 0, 8235, 2985));
    Picture1 = new PictureBox(Frame2);
    Picture1->move(0, 0);
    VScroll1 = new ScrollBar(Picture2);
    VScroll1->setGeometry(twipsRect(8250, 0, 255, 2715));
    VScroll1->setSingleStep(scrollStep);
    VScroll1->setEnabled(false);
    lblPictureFile = new Label({}, Picture2);
    lblPictureFile->setAlignment(Qt::AlignCenter);
    lblPictureFile->setWordWrap(true);
    lblPictureFile->hide();

    txtText = new MultiLineTextBox(Frame1);
    txtText->setGeometry(twipsRect(120, 4560, 8565, 1365));
    txtText->setLocked(true);

    Combo1 = new ComboBox(this);
    Combo1->setGeometry(twipsRect(60, 6060, 2205, 315));
    Command1 = new CommandButton(QStringLiteral("&Cancel"), this);
    Command1->setGeometry(twipsRect(7890, 6090, 1000, 315));

    // The controls have no label; a screen reader says what each one holds.
    txtTitle->setAccessibleName(QStringLiteral("Figure title"));
    txtText->setAccessibleName(QStringLiteral("Figure text"));
    VScroll1->setAccessibleName(QStringLiteral("Scroll figure"));
    Combo1->setAccessibleName(QStringLiteral("Figure"));

    Combo1->click = guarded([this] { Combo1_Click(); });
    connect(VScroll1, &QScrollBar::valueChanged, this, guarded([this] { VScroll1_Change(); }));
    Command1->click = guarded([this] { Command1_Click(); });

    Form_Load();
}

void varnelPicture::Form_Load()
{
    centreOnScreen(*this);
    platform::setPointer(platform::Pointer::Hourglass);
    Combo1->clearEntries();
    Frame1->hide();
    Combo1->hide();
}

void varnelPicture::Form_Activate()
{
    letPaint();
    initiateDefinition();
    // The chooser stays visible even for one figure or none.
    Frame1->show();
    Combo1->show();
    platform::setPointer(platform::Pointer::Default);
}

void varnelPicture::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    guarded([this] { Form_Resize(); })();
}

void varnelPicture::Form_Resize()
{
    const int windowHeight = outerHeightOf(*this);
    setHeight(Frame1, windowHeight - 870);
    setTop(Command1, windowHeight - 750);
    setTop(Combo1, windowHeight - 750);
    fitVisibleArea();
    if (hasText)
        setTop(txtText, heightOf(Frame1) - 120 - heightOf(txtText));
    fitScrollRange();
}

void varnelPicture::fitVisibleArea()
{
    const int frameHeight = heightOf(Frame1);
    if (hasText) {
        // The title box's height counts twice, shown or not; the text box sits below.
        setHeight(Picture2, frameHeight - 120 - (heightOf(txtTitle) + topOf(Picture2)) - heightOf(txtTitle));
    } else {
        setHeight(Picture2, frameHeight - 120 - topOf(Picture2));
    }
    setHeight(VScroll1, heightOf(Picture2) - 60);
    lblPictureFile->setGeometry(0, 0, VScroll1->x(), Picture2->height());
    txtText->setVisible(hasText);
}

void varnelPicture::fitScrollRange()
{
    // The range follows the visible area whenever it changes, so the figure's bottom edge stays
    // reachable after the window is made lower.
    const int excess = heightOf(Frame2) - heightOf(Picture2);
    VScroll1->setMaximum(std::max(excess, 0));
    VScroll1->setPageStep(std::max(heightOf(Picture2) - scrollStep, scrollStep));
    VScroll1->setEnabled(excess > 0);
}

void varnelPicture::VScroll1_Change() { setTop(Frame2, -VScroll1->value()); }

void varnelPicture::Combo1_Click() { loadDefinition(Combo1->text()); }

void varnelPicture::Command1_Click() { close(); }

QString varnelPicture::normalisedPictureKey(const QString& key)
{
    QString work = vb::Trim(QString(key).replace(u'"', u' '));
    QStringList ids;
    for (qsizetype comma = work.indexOf(u','); comma >= 0; comma = work.indexOf(u',')) {
        ids << vb::Trim(work.left(comma));
        work = vb::Trim(work.mid(comma + 1));
    }
    if (!work.isEmpty())
        ids << work;
    QStringList literals;
    for (const QString& id : ids)
        literals << dao::literal(id);
    return literals.join(u',');
}

void varnelPicture::initiateDefinition()
{
    VarnelCore& core = varnelCore();
    platform::setPointer(platform::Pointer::Hourglass);
    Picture1->hide();
    letPaint();
    core.pictureKey = normalisedPictureKey(core.pictureKey);
    figureCount = 0;
    // A failure while the ids are read keeps the entries added so far and ends the loading; a
    // damaged file is said.
    try {
        if (!core.pictureKey.isEmpty()) {
            auto figures = referenceDatabase().openRecordset(QStringLiteral("SELECT * FROM [Graphics] WHERE [picture id] IN (")
                                                             + core.pictureKey + QStringLiteral(") ORDER BY [picture id]"));
            for (; !figures->eof(); figures->moveNext()) {
                Combo1->addEntry(nullToEmpty(figures->field(QStringLiteral("picture id"))));
                ++figureCount;
            }
            figures->close();
        }
        if (Combo1->listCount() > 0)
            Combo1->setListIndex(0);  // shows the first figure
        else
            showNoFigures();
    } catch (const std::exception& error) {
        sayReferenceDamage(error);
    }
    Picture1->show();
    letPaint();
    platform::setPointer(platform::Pointer::Default);
}

void varnelPicture::showNoFigures()
{
    txtTitle->setText(QStringLiteral("No figures found in database."));
    txtTitle->show();
    lblPictureFile->hide();
    hasText = false;
    fitVisibleArea();
    Frame1->setCaption(QString());
}

void varnelPicture::loadDefinition(const QString& id)
{
    platform::setPointer(platform::Pointer::Hourglass);
    // A failure ends this figure's display; what was set before it stays on screen, and a damaged
    // file is said.
    try {
        auto figure = referenceDatabase().openRecordset(QStringLiteral("SELECT * FROM [Graphics] WHERE [picture id] = ")
                                                        + dao::literal(id));
        for (; !figure->eof(); figure->moveNext()) {
            const QString pictureId = nullToEmpty(figure->field(QStringLiteral("picture id")));
            const QString title = nullToEmpty(figure->field(QStringLiteral("title")));
            Frame1->setCaption(pictureId);
            if (vb::Trim(title).size() < 90) {
                txtTitle->setText(QString());
                txtTitle->hide();
                setTop(Picture2, 270);
                Frame1->setCaption(pictureId + QStringLiteral("  ") + title);
            } else {
                txtTitle->setText(pictureId + QStringLiteral(" - ") + title);
                txtTitle->show();
                setTop(Picture2, 1020);
            }
            const QString text = nullToEmpty(figure->field(QStringLiteral("text")));
            hasText = !text.isEmpty();
            if (hasText)
                txtText->setText(text);
            fitVisibleArea();
            if (!loadPictureFile(nullToEmpty(figure->field(QStringLiteral("picture")))))
                break;
        }
        figure->close();
    } catch (const std::exception& error) {
        sayReferenceDamage(error);
    }
    Form_Resize();
    platform::setPointer(platform::Pointer::Default);
}

bool varnelPicture::loadPictureFile(const QString& name)
{
    // A picture that cannot be loaded leaves no drawing, never the previous figure's, and the
    // visible area says why. An edition may spell the folder and the file in any letter case.
    const QString file = QStringLiteral("system/") + name + QStringLiteral(".dll");
    const QString path = platform::existingPathIgnoringCase(varnelCore().dataPath, file);
    const bool loaded = !path.isEmpty() && Picture1->loadPicture(path);
    if (!loaded) {
        Picture1->clear();
        Picture1->resize(0, 0);
        lblPictureFile->setCaption(
            path.isEmpty() ? QStringLiteral("The figure's file %1 is missing.")
                                 .arg(QDir::toNativeSeparators(QDir(varnelCore().dataPath).filePath(file)))
                           : QStringLiteral("The figure's file %1 cannot be read.").arg(QDir::toNativeSeparators(path)));
    }
    lblPictureFile->setVisible(!loaded);
    setHeight(Frame2, heightOf(Picture1));
    setTop(Frame2, 0);
    setTop(Picture1, 0);
    // Centred across; a figure wider than its frame is cut off on both sides.
    setLeft(Picture1, (widthOf(Frame2) - widthOf(Picture1)) / 2);
    VScroll1->setValue(0);
    fitScrollRange();
    return loaded;
}

}  // namespace varnel
