// Every window, as the person sees it: no caption of a label, button, check box, option button,
// frame or grid cell, and no entry of an open drop-down list or of the file dialog, is cut or drawn
// past the area it draws in; none is drawn smaller than 7 points, nor smaller than the captions of
// its own kind beside it; labels side by side on one line keep at least a blank between their
// texts; a grid's rows fill it, and a window's controls reach down to its bottom edge; every
// control that takes input has a name for assistive technology, and no two text boxes share one;
// every command button is a tab stop; every text stands out from what it is drawn on. CTest runs
// these cases once as they are, once with every window scaled by one and a half (QT_SCALE_FACTOR)
// and once under a dark desktop palette (CAPTIONS_FIT_PALETTE=dark).

#include "app/application_setup.h"
#include "app/varnel_about.h"
#include "browser/varnel_agreement.h"
#include "browser/varnel_cross_reference.h"
#include "browser/varnel_picture.h"
#include "browser/varnel_show_all_processes.h"
#include "calculator/varnel_thickness.h"
#include "interpretations/sorvik_main.h"
#include "lookups/base_metal_window.h"
#include "lookups/filler_metal_window.h"
#include "lookups/varnel_anumbers.h"
#include "lookups/varnel_definitions.h"
#include "lookups/varnel_filler_matrix.h"
#include "platform/ui/accessible_names.h"
#include "platform/ui/colours.h"
#include "platform/ui/controls.h"
#include "platform/ui/flex_grid.h"
#include "platform/ui/form_font.h"
#include "platform/ui/printer_setup_dialog.h"
#include "platform/ui/seams.h"
#include "platform/ui/slider.h"
#include "platform/ui/twips.h"
#include "interpretations/sorvik_fixture.h"
#include "support/main_window_fixture.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QAbstractItemView>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPrinter>
#include <QSignalSpy>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QStyleOptionViewItem>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QToolButton>
#include <limits>
#include <set>

using namespace varnel;
using platform::ui::CaptionFit;
using testing_support::copyInto;

namespace {

// One caption as its control draws it.
struct DrawnCaption {
    QString caption;  // the whole caption as the person should read it
    CaptionFit drawn;  // font and text drawn
    QRect area;        // where the control draws it
    int flags = 0;     // alignment and wrapping
    std::optional<QFont> own = std::nullopt;  // the font it was given, where that is not its control's
};

// The most a grid's rows may leave empty at its bottom, and a window's controls at its bottom, in
// pixels.
constexpr int maximumBand = 4;
constexpr int maximumBottomMargin = platform::twips(240);

double pointsOf(const QFont& font)
{
    return font.pointSizeF() > 0 ? font.pointSizeF() : QFontInfo(font).pointSizeF();
}

QString withoutMnemonics(const QString& caption)
{
    QString shown;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size())
            ++i;
        shown += caption[i];
    }
    return shown;
}

int alignmentOf(const QLabel& label, bool wraps)
{
    return static_cast<int>(label.alignment()) | (wraps ? Qt::TextWordWrap : 0);
}

// The caption of `w` as drawn, when `w` is a captioned control; nothing otherwise.
std::optional<DrawnCaption> drawnCaption(QWidget& w)
{
    using namespace platform::ui;
    const int oneLine = Qt::AlignLeft | Qt::AlignVCenter;
    if (auto* label = qobject_cast<Label*>(&w))
        return DrawnCaption{label->text(), label->captionFit(), label->captionArea(), alignmentOf(*label, label->wraps())};
    if (auto* button = qobject_cast<CommandButton*>(&w))
        return DrawnCaption{withoutMnemonics(button->text()), button->captionFit(), button->captionArea(), Qt::AlignCenter};
    if (auto* check = qobject_cast<CheckBox*>(&w))
        return DrawnCaption{withoutMnemonics(check->text()), check->captionFit(), check->captionArea(), oneLine};
    if (auto* option = qobject_cast<OptionButton*>(&w))
        return DrawnCaption{withoutMnemonics(option->text()), option->captionFit(), option->captionArea(), oneLine};
    if (auto* frame = qobject_cast<Frame*>(&w))
        return DrawnCaption{withoutMnemonics(frame->title()), frame->captionFit(), frame->captionArea(), oneLine};
    // Qt's own controls draw their caption in their own font, whole.
    if (auto* label = qobject_cast<QLabel*>(&w)) {
        if (label->textFormat() == Qt::RichText || Qt::mightBeRichText(label->text()) || !label->pixmap().isNull())
            return std::nullopt;
        const int m = label->margin();
        // A label with a buddy shows its mnemonic as an underline.
        const QString shown = label->buddy() ? withoutMnemonics(label->text()) : label->text();
        return DrawnCaption{shown, {label->font(), shown, true},
                            label->contentsRect().adjusted(m, m, -m, -m), alignmentOf(*label, label->wordWrap())};
    }
    if (qobject_cast<QToolButton*>(&w))
        return std::nullopt;
    if (auto* button = qobject_cast<QAbstractButton*>(&w)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const auto element = qobject_cast<QRadioButton*>(button) ? QStyle::SE_RadioButtonContents
                             : qobject_cast<QCheckBox*>(button)  ? QStyle::SE_CheckBoxContents
                                                                 : QStyle::SE_PushButtonContents;
        const QString shown = withoutMnemonics(button->text());
        return DrawnCaption{shown, {button->font(), shown, true}, button->style()->subElementRect(element, &option, button),
                            oneLine};
    }
    if (auto* box = qobject_cast<QGroupBox*>(&w)) {
        const QString shown = withoutMnemonics(box->title());
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = box->title();
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        const QRect label = box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
        return DrawnCaption{shown, {box->font(), shown, true},
                            QRect(label.left(), label.top(), box->width() - 2 * label.left(), label.height()), oneLine};
    }
    return std::nullopt;
}

// What is wrong with the caption of `w`; empty when nothing is.
QString misfit(QWidget& w, const DrawnCaption& c)
{
    if (c.caption.isEmpty())
        return {};
    const QFontMetricsF metrics(c.drawn.font);
    const bool wraps = (c.flags & Qt::TextWordWrap) != 0;
    const QSizeF needed = wraps ? metrics.boundingRect(QRectF(0, 0, c.area.width(), std::numeric_limits<int>::max() / 2),
                                                       Qt::TextWordWrap, c.drawn.text).size()
                                : QSizeF(metrics.horizontalAdvance(c.drawn.text), metrics.height());
    QStringList faults;
    if (needed.width() > c.area.width() || needed.height() > c.area.height())
        faults << QStringLiteral("needs %1x%2 px, has %3x%4")
                      .arg(needed.width(), 0, 'f', 1).arg(needed.height(), 0, 'f', 1)
                      .arg(c.area.width()).arg(c.area.height());
    if (pointsOf(c.drawn.font) < platform::ui::smallestCaptionPoints - 0.01
        && pointsOf(c.drawn.font) < pointsOf(c.own.value_or(w.font())) - 0.01)
        faults << QStringLiteral("drawn in %1 points").arg(pointsOf(c.drawn.font));
    if (c.drawn.text != c.caption)
        faults << QStringLiteral("cut to \"%1\"").arg(c.drawn.text);
    // The text must lie inside every container it is drawn in, up to the window.
    const QRect drawnRect = QStyle::alignedRect(Qt::LeftToRight, Qt::Alignment(c.flags) & (Qt::AlignHorizontal_Mask | Qt::AlignVertical_Mask),
                                                needed.toSize().boundedTo(c.area.size()), c.area);
    if (!w.rect().contains(drawnRect))
        faults << QStringLiteral("runs past its own edge");
    for (QWidget* inner = &w; inner && !inner->isWindow(); inner = inner->parentWidget()) {
        QWidget* outer = inner->parentWidget();
        const QRect mapped(w.mapTo(outer, drawnRect.topLeft()), drawnRect.size());
        if (!outer->rect().contains(mapped))
            faults << QStringLiteral("runs past %1").arg(outer->objectName().isEmpty()
                                                             ? QString::fromLatin1(outer->metaObject()->className())
                                                             : outer->objectName());
    }
    return faults.join(QStringLiteral("; "));
}

// Where the caption of `w` is drawn, in the coordinates of its container.
QRect drawnRectInParent(const QWidget& w, const DrawnCaption& c)
{
    const QFontMetricsF metrics(c.drawn.font);
    const QSize needed = (c.flags & Qt::TextWordWrap)
                             ? metrics.boundingRect(QRectF(0, 0, c.area.width(), std::numeric_limits<int>::max() / 2),
                                                    Qt::TextWordWrap, c.drawn.text).size().toSize()
                             : QSizeF(metrics.horizontalAdvance(c.drawn.text), metrics.height()).toSize();
    const QRect inside = QStyle::alignedRect(Qt::LeftToRight,
                                             Qt::Alignment(c.flags) & (Qt::AlignHorizontal_Mask | Qt::AlignVertical_Mask),
                                             needed.boundedTo(c.area.size()), c.area);
    return inside.translated(w.pos());
}

// Each cell of a grid as it draws its text, and the band its rows leave empty at its bottom.
QStringList gridMisfits(platform::ui::FlexGrid& grid)
{
    QStringList faults;
    for (int r = 0; r < grid.rows(); ++r) {
        for (int c = 0; c < grid.cols(); ++c) {
            if (grid.mergedColumns(r, c).first != c || grid.textMatrix(r, c).isEmpty())
                continue;
            const int align = grid.colAlignment(c) == platform::ui::FlexGrid::Alignment::Centre ? Qt::AlignHCenter
                              : grid.colAlignment(c) == platform::ui::FlexGrid::Alignment::Right ? Qt::AlignRight
                                                                                                 : Qt::AlignLeft;
            const DrawnCaption cell{grid.textMatrix(r, c), grid.cellFit(r, c), grid.cellTextArea(r, c),
                                    align | Qt::AlignVCenter | (grid.cellWraps(r, c) ? Qt::TextWordWrap : 0),
                                    grid.cellFont(r, c)};
            const QString fault = misfit(grid, cell);
            if (!fault.isEmpty())
                faults << QStringLiteral("cell %1,%2 \"%3\": %4").arg(r).arg(c).arg(cell.caption, fault);
        }
    }
    const QRect last = grid.cellRect(grid.rows() - 1, 0);
    const int band = grid.height() - (last.bottom() + 1);
    if (band > maximumBand)
        faults << QStringLiteral("leaves %1 px empty below its last row").arg(band);
    return faults;
}

// The option an item view draws its entries with.
QStyleOptionViewItem viewItemOption(const QAbstractItemView& view)
{
    struct Opener : QAbstractItemView {
        using QAbstractItemView::initViewItemOption;
    };
    QStyleOptionViewItem option;
    (view.*(&Opener::initViewItemOption))(&option);
    return option;
}

// Every entry of an item view that its column or the view cuts.
QStringList entryMisfits(QAbstractItemView& view)
{
    QStringList faults;
    const QAbstractItemModel* model = view.model();
    if (!model)
        return faults;
    const QRect shown = view.viewport()->rect();
    const auto* tree = qobject_cast<QTreeView*>(&view);
    for (int r = 0; r < model->rowCount(view.rootIndex()); ++r) {
        for (int c = 0; c < model->columnCount(view.rootIndex()); ++c) {
            if (tree && tree->isColumnHidden(c))
                continue;
            const QModelIndex index = model->index(r, c, view.rootIndex());
            const QString text = index.data().toString();
            if (text.isEmpty())
                continue;
            QStyleOptionViewItem option = viewItemOption(view);
            const int needed = view.itemDelegateForIndex(index)->sizeHint(option, index).width();
            const QRect cell = view.visualRect(index);
            const int has = std::min(cell.right(), shown.right()) - std::max(cell.left(), shown.left()) + 1;
            if (needed > has)
                faults << QStringLiteral("entry \"%1\" needs %2 px, has %3").arg(text).arg(needed).arg(has);
        }
    }
    return faults;
}

// Labels side by side on one line whose texts run together: less than a blank between them.
QStringList joinedLabels(QWidget& window)
{
    QStringList faults;
    struct Drawn {
        QWidget* label;
        QString caption;
        QRect rect;
        double blank;
    };
    std::map<QWidget*, std::vector<Drawn>> byContainer;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&window) || !qobject_cast<QLabel*>(w))
            continue;
        const std::optional<DrawnCaption> c = drawnCaption(*w);
        // A caption that wraps is a block of text of its own, not part of a line.
        if (!c || c->drawn.text.trimmed().isEmpty() || (c->flags & Qt::TextWordWrap))
            continue;
        byContainer[w->parentWidget()].push_back(
            {w, c->caption, drawnRectInParent(*w, *c), QFontMetricsF(c->drawn.font).horizontalAdvance(u' ')});
    }
    for (auto& [container, labels] : byContainer) {
        for (const Drawn& a : labels) {
            // The nearest label to the right of a on its line.
            const Drawn* next = nullptr;
            for (const Drawn& b : labels) {
                const bool oneLine = a.rect.top() <= b.rect.bottom() && b.rect.top() <= a.rect.bottom();
                if (&a == &b || !oneLine || b.rect.center().x() <= a.rect.center().x())
                    continue;
                if (!next || b.rect.left() < next->rect.left())
                    next = &b;
            }
            if (!next)
                continue;
            const int gap = next->rect.left() - (a.rect.right() + 1);
            if (gap < a.blank - 0.01)
                faults << QStringLiteral("labels \"%1\" and \"%2\" run together (%3 px apart)")
                              .arg(a.caption, next->caption)
                              .arg(gap);
        }
    }
    return faults;
}

// Captioned controls of one kind side by side on one line drawn in different sizes.
QStringList unevenNeighbours(QWidget& window)
{
    QStringList faults;
    std::vector<std::pair<QWidget*, double>> drawn;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&window))
            continue;
        const std::optional<DrawnCaption> c = drawnCaption(*w);
        if (c && !c->caption.isEmpty())
            drawn.emplace_back(w, pointsOf(c->drawn.font));
    }
    for (const auto& [a, aPoints] : drawn) {
        for (const auto& [b, bPoints] : drawn) {
            const bool neighbours = a->parentWidget() == b->parentWidget() && a->metaObject() == b->metaObject()
                                    && a->y() == b->y() && a->x() < b->x();
            if (neighbours && std::abs(aPoints - bPoints) > 0.01)
                faults << QStringLiteral("%1 \"%2\" is drawn in %3 points beside \"%4\" in %5")
                              .arg(QString::fromLatin1(a->metaObject()->className()),
                                   drawnCaption(*a)->caption).arg(aPoints)
                              .arg(drawnCaption(*b)->caption).arg(bPoints);
        }
    }
    return faults;
}

// The empty band between a window's lowest control and its bottom edge, when wider than a margin.
QStringList emptyBottom(QWidget& window)
{
    auto* main = qobject_cast<QMainWindow*>(&window);
    QWidget& area = main && main->centralWidget() ? *main->centralWidget() : window;
    int lowest = 0;
    for (QWidget* w : area.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (w->isVisibleTo(&window) && !w->isWindow())
            lowest = std::max(lowest, w->geometry().bottom() + 1);
    const int band = area.height() - lowest;
    if (lowest > 0 && band > maximumBottomMargin)
        return {QStringLiteral("leaves %1 px empty below its lowest control").arg(band)};
    return {};
}

// The name assistive technology reads for `w`.
QString accessibleNameOf(QWidget& w)
{
    QAccessibleInterface* reading = QAccessible::queryAccessibleInterface(&w);
    return reading ? reading->text(QAccessible::Name) : QString();
}

// The name of the frame that holds `w`, which a screen reader says before the controls in it;
// empty outside a named frame.
QString frameOf(const QWidget& w)
{
    for (QWidget* holder = w.parentWidget(); holder && !holder->isWindow(); holder = holder->parentWidget())
        if (qobject_cast<QGroupBox*>(holder) && !accessibleNameOf(*holder).trimmed().isEmpty())
            return accessibleNameOf(*holder);
    return {};
}

// Every visible control that takes input and carries no name (or one that says nothing), controls
// of one frame that share one, and grids that do not read as tables.
QStringList unnamedControls(QWidget& window)
{
    QStringList faults;
    std::map<QString, QStringList> controlsByName;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&window) || !platform::ui::takesInput(*w))
            continue;
        const QString name = accessibleNameOf(*w).trimmed();
        const QString what = QString::fromLatin1(w->metaObject()->className())
                             + (w->objectName().isEmpty() ? QString() : u' ' + w->objectName());
        // A glyph ("|<") or a lone letter ("I") says nothing.
        if (name.size() < 2 || std::none_of(name.begin(), name.end(), [](QChar c) { return c.isLetterOrNumber(); }))
            faults << QStringLiteral("%1 at %2,%3 has no name but \"%4\"").arg(what).arg(w->x()).arg(w->y()).arg(name);
        else
            controlsByName[frameOf(*w) + u'\n' + name] << QStringLiteral("%1 at %2,%3").arg(what).arg(w->x()).arg(w->y());
        if (qobject_cast<platform::ui::FlexGrid*>(w) && QAccessible::queryAccessibleInterface(w)->role() != QAccessible::Table)
            faults << QStringLiteral("%1 does not read as a table").arg(what);
    }
    for (const auto& [name, controls] : controlsByName)
        if (controls.size() > 1)
            faults << QStringLiteral("%1 share the name \"%2\"").arg(controls.join(QStringLiteral(", ")), name.section(u'\n', 1));
    return faults;
}

// The palette Qt's GTK platform theme gives under GNOME's dark style (its disabled texts aside,
// which the walk does not read).
QPalette darkPalette()
{
    const QColor light(0xf0f0f0u), face(0x323232u);
    QPalette dark(light, face, QColor(0x4b4b4bu), QColor(0x212121u), QColor(0x262626u), light, QColor(0x4b4b4bu),
                  QColor(0x242424u), face);
    dark.setColor(QPalette::Highlight, QColor(0x308cc6u));
    dark.setColor(QPalette::ToolTipBase, QColor(0xffffdcu));
    dark.setColor(QPalette::ToolTipText, Qt::black);
    return dark;
}

// Every text of an enabled control that does not stand out from what it is drawn on, as the
// palettes and text formats tell: captions, box texts, each coloured run of a rich text, list
// entries (ghosted ones recede on purpose) and grid cells.
QStringList faintTexts(QWidget& window)
{
    using namespace platform::ui;
    QStringList faults;
    std::set<const QWidget*> faint;  // each control is told once, with its first faint text
    const auto check = [&](const QWidget& w, const QString& text, const QColor& fore, const QColor& back) {
        // Small text with thin strokes is drawn paler than its colour: it needs 4.5:1 as given.
        if (!text.trimmed().isEmpty() && contrast(fore, back) < 4.5 && faint.insert(&w).second)
            faults << QStringLiteral("%1 \"%2\": %3 on %4")
                          .arg(QString::fromLatin1(w.metaObject()->className()), text.left(40), fore.name(), back.name());
    };
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&window) || !w->isEnabled() || qobject_cast<QToolButton*>(w) || qobject_cast<QHeaderView*>(w))
            continue;
        // A style sheet draws in colours no palette tells, and keeps the palette from passing on.
        if (w->testAttribute(Qt::WA_StyleSheet))
            faults << QStringLiteral("%1 is drawn by a style sheet").arg(QString::fromLatin1(w->metaObject()->className()));
        const QColor fore = w->palette().color(w->foregroundRole());
        const QColor base = w->palette().color(QPalette::Base);
        if (auto* frame = qobject_cast<Frame*>(w))
            check(*w, frame->title(), frame->captionColor(), backgroundOf(*w));
        else if (qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w))
            check(*w, w->property("text").toString(), fore, backgroundOf(*w));
        else if (auto* box = qobject_cast<QLineEdit*>(w))
            check(*w, box->text(), fore, base);
        else if (auto* text = qobject_cast<QTextEdit*>(w)) {
            for (QTextBlock block = text->document()->begin(); block.isValid(); block = block.next())
                for (auto run = block.begin(); !run.atEnd(); ++run) {
                    const QBrush brush = run.fragment().charFormat().foreground();
                    check(*w, run.fragment().text(), brush.style() == Qt::NoBrush ? fore : brush.color(), base);
                }
        } else if (auto* view = qobject_cast<QAbstractItemView*>(w); view && view->model()) {
            auto* list = qobject_cast<ListView*>(w);
            for (int r = 0; r < view->model()->rowCount(view->rootIndex()); ++r) {
                const QModelIndex entry = view->model()->index(r, 0, view->rootIndex());
                const QVariant brush = entry.data(Qt::ForegroundRole);
                if (!list || !list->isGhosted(r + 1))
                    check(*w, entry.data().toString(), brush.isValid() ? brush.value<QBrush>().color() : fore, base);
            }
        } else if (auto* grid = qobject_cast<FlexGrid*>(w)) {
            const FlexGrid::Colours colours = grid->colours();
            for (int r = 0; r < grid->rows(); ++r)
                for (int c = 0; c < grid->cols(); ++c) {
                    const bool fixed = r < grid->fixedRows() || c < grid->fixedCols();
                    check(*w, grid->textMatrix(r, c), fixed ? colours.foreFixed : colours.fore,
                          fixed ? colours.backFixed : colours.back);
                }
        }
    }
    return faults;
}

// Every visible captioned control of `window` whose caption does not fit, described.
QStringList misfits(QWidget& window, const QString& state)
{
    QStringList found;
    const auto note = [&](const QWidget& w, const QString& what, const QString& fault) {
        found << QStringLiteral("%1 (%2): %3 %4: %5")
                     .arg(window.objectName(), state, QString::fromLatin1(w.metaObject()->className()), what, fault);
    };
    const QList<QWidget*> controls = window.findChildren<QWidget*>();
    for (QWidget* w : controls) {
        if (!w->isVisibleTo(&window))
            continue;
        if (auto* grid = qobject_cast<platform::ui::FlexGrid*>(w)) {
            for (const QString& fault : gridMisfits(*grid))
                note(*w, {}, fault);
            continue;
        }
        if (qobject_cast<platform::ui::DropDownList*>(w) || qobject_cast<QFileDialog*>(&window)) {
            if (auto* view = qobject_cast<QAbstractItemView*>(w); view && !qobject_cast<QHeaderView*>(w))
                for (const QString& fault : entryMisfits(*view))
                    note(*w, {}, fault);
        }
        if (auto* b = qobject_cast<platform::ui::CommandButton*>(w); b && !(b->focusPolicy() & Qt::TabFocus) && !b->isDefault())
            note(*w, accessibleNameOf(*w), QStringLiteral("neither Tab nor, as the default button, Enter reaches it"));
        const std::optional<DrawnCaption> caption = drawnCaption(*w);
        if (!caption)
            continue;
        const QString fault = misfit(*w, *caption);
        if (!fault.isEmpty())
            note(*w, QStringLiteral("\"%1\"").arg(caption->caption), fault);
    }
    for (const QStringList& faults :
         {joinedLabels(window), unevenNeighbours(window), emptyBottom(window), unnamedControls(window), faintTexts(window)})
        for (const QString& fault : faults)
            found << QStringLiteral("%1 (%2): %3").arg(window.objectName(), state, fault);
    return found;
}

QString scaleNote()
{
    const QByteArray scale = qgetenv("QT_SCALE_FACTOR");
    const QString palette = qEnvironmentVariable("CAPTIONS_FIT_PALETTE");
    return (scale.isEmpty() ? QStringLiteral("scale 1") : QStringLiteral("scale ") + QString::fromLatin1(scale))
           + (palette.isEmpty() ? QString() : QStringLiteral(", %1 palette").arg(palette));
}

class CaptionsFit : public testing_support::MainWindowTest {
protected:
    void start(const QString& database = testing_support::sampleDatabase())
    {
        if (qEnvironmentVariable("CAPTIONS_FIT_PALETTE") == QLatin1String("dark"))
            QApplication::setPalette(darkPalette());
        copyInto(database, data.path());
        main = &createMain(data.path());
        main->show();
        main->Form_Activate();
    }
    void expectFits(QWidget& window, const QString& state)
    {
        window.show();
        const QStringList found = misfits(window, state + QStringLiteral(", ") + scaleNote());
        EXPECT_TRUE(found.isEmpty()) << found.join(u'\n').toStdString();
    }

    varnelMain* main = nullptr;
};

}  // namespace

TEST_F(CaptionsFit, MainWindowInBothBrowsingModesAndUnderTheBanner_fits)
{
    start();
    expectFits(*main, "searching by process");
    // Each drop-down list open, with the longest entries of the sample edition in it.
    main->Text1[1]->setText(QStringLiteral("base metal"));
    main->Text1_LostFocus(1);
    main->Text1[2]->setText(QStringLiteral("SMAW"));
    for (int i = 1; i <= 3; ++i) {
        main->Command2_Click(i);
        expectFits(*main, QStringLiteral("drop-down list %1 open").arg(i));
        main->Command2_Click(i);
    }
    main->Check1->setValue(0);
    expectFits(*main, "all paragraphs");
    main->loadRule("QW-402.12");  // its addenda mark: '08 revised
    ASSERT_TRUE(main->Label1[0]->isVisibleTo(main));
    expectFits(*main, "addenda mark");
    main->Check1->setValue(1);
    main->processCommandLine("SMAW ESS QW-403.1");
    expectFits(*main, "external call");
}

TEST_F(CaptionsFit, CalculatorWithEachQualificationType_fits)
{
    start();
    varnelThickness calculator(main);
    calculator.show();
    for (int type = 0; type < static_cast<int>(calculator.opt.size()); ++type) {
        calculator.opt[static_cast<std::size_t>(type)]->setValue(true);
        expectFits(calculator, calculator.opt[static_cast<std::size_t>(type)]->text());
    }
    calculator.cmdProcess_Click(2);
    expectFits(calculator, "process list open");
}

TEST_F(CaptionsFit, LookupWindows_fit)
{
    start();
    // Each pick list open under its box.
    const auto eachPickList = [this](auto& window, int boxes) {
        for (int i = 0; i < boxes; ++i) {
            window.Command2_Click(i);
            expectFits(window, QStringLiteral("pick list %1 open").arg(i));
            window.Command2_Click(i);
        }
    };
    {
        varnelMaterialSpecification window;
        expectFits(window, "open");
        eachPickList(window, 5);
    }
    {
        varnelFillerSpecification window;
        expectFits(window, "open");
        eachPickList(window, 5);
        varnelFillerMatrix matrix(window);
        expectFits(matrix, "open");
    }
    {
        varnelDefinitions window;
        window.show();
        window.Form_Activate();
        expectFits(window, "open");
        eachPickList(window, 1);
    }
    {
        varnelAnumbers window;
        expectFits(window, "open");
        // An analysis that marks two rows, its boxes coloured against the table.
        for (const auto& [box, value] : {std::pair{0, "0.10"}, {1, "20"}, {3, "15"}})
            QTest::keyClicks(window.txtElement[static_cast<std::size_t>(box)], QString::fromLatin1(value));
        ASSERT_EQ(window.lblAnumber->caption(), "A-number: 8 or 9");
        expectFits(window, "rows 8 and 9 marked");
    }
}

TEST_F(CaptionsFit, InterpretationsWindow_fits)
{
    start();
    testing_support::installInterpretations(data.path());
    {
        sorvikMain window;
        window.show();
        window.Form_Activate();
        expectFits(window, "open");
        // The button behind the text search frame, which Enter presses, is never seen.
        EXPECT_TRUE(QAccessible::queryAccessibleInterface(window.Command3)->state().invisible);
        for (int i : {0, 2}) {
            window.Command2_Click(i);
            expectFits(window, QStringLiteral("pick list %1 open").arg(i));
            window.Command2_Click(i);
        }
        window.Text1[1]->setText(QStringLiteral("preheat"));
        window.Command1_Click(1);
        ASSERT_FALSE(window.Label1[0]->caption().isEmpty());
        expectFits(window, "an interpretation on show");
    }
    resetSorvikCore();
}

TEST_F(CaptionsFit, SmallWindowsAndTheNewerGrid_fit)
{
    start();
    QDir(data.path()).mkdir(QStringLiteral("system"));
    copyInto(testing_support::builtDataDir() + QStringLiteral("/system/fig461_1.dll"), data.filePath("system"));
    {
        varnelAbout window;
        expectFits(window, "open");
    }
    {
        varnelAgreement window;
        expectFits(window, "open");
    }
    {
        QPrinter printer;
        platform::ui::PrinterSetupDialog window(printer);
        window.setObjectName(QStringLiteral("printerSetup"));
        expectFits(window, "open");
    }
    {
        varnelCore().lookupKey = QStringLiteral("QW-403");
        varnelCrossReference window;
        window.show();
        window.Form_Activate();
        expectFits(window, "QW-403");
    }
    {
        varnelCore().pictureKey = QStringLiteral("Fig.QW-461.1");
        varnelPicture window;
        window.show();
        window.Form_Activate();
        expectFits(window, "Fig.QW-461.1");
    }
    {
        main->ListView1[2]->selectIndex(1);
        varnelshowAllProcesses2004 grid(main);
        grid.show();
        grid.resize(grid.maximumSize());  // as on a screen it fits; on a smaller one it scrolls
        grid.Form_Activate();
        expectFits(grid, main->ListView1[2]->selectedText());
    }
}

TEST_F(CaptionsFit, OlderGrid_fits)
{
    start(testing_support::olderLayoutDatabase());
    main->ListView1[2]->selectIndex(1);
    varnelshowAllProcesses grid(main);
    grid.show();
    grid.resize(grid.maximumSize());
    grid.Form_Activate();
    expectFits(grid, main->ListView1[2]->selectedText());
}

TEST_F(CaptionsFit, ImportDialogOnADataDirectory_fits)
{
    start();
    QDir(data.path()).mkdir(QStringLiteral("system"));
    const std::unique_ptr<QFileDialog> dialog =
        platform::newOpenFileDialog(main, QStringLiteral("Import"), QStringLiteral("Varnel DB (qel*.mdb)|qel*.mdb"),
                                    data.path());
    dialog->setObjectName(QStringLiteral("import"));
    auto* files = dialog->findChild<QFileSystemModel*>();
    ASSERT_NE(files, nullptr);
    dialog->show();
    // The directory is read, and its files' details gathered, by a thread of the dialog's own.
    const QModelIndex directory = files->index(data.path());
    QTRY_VERIFY(files->rowCount(directory) == 2 && !files->index(0, 2, directory).data().toString().isEmpty()
                && !files->index(1, 2, directory).data().toString().isEmpty());
    expectFits(*dialog, data.path());
}

TEST_F(CaptionsFit, ControlsThatTakeInput_areNamedByTheirLabelToolTipOrBox)
{
    start();
    varnelMaterialSpecification baseMetals;
    baseMetals.show();
    varnelThickness calculator(main);
    calculator.show();
    varnelAnumbers aNumbers;
    aNumbers.show();
    QPrinter printer;
    platform::ui::PrinterSetupDialog printerSetup(printer);
    printerSetup.show();
    varnelCore().pictureKey = QStringLiteral("Fig.QW-461.1");
    varnelPicture figures;
    figures.show();
    figures.Form_Activate();
    main->Command2_Click(2);
    const auto nameOf = [](QWidget* w) { return accessibleNameOf(*w).toStdString(); };
    struct Case {
        QWidget* control;
        const char* name;
    };
    const std::vector<Case> cases = {
        // Toolbar buttons by their tool tips.
        {main->toolbarButtons[1], "Open new file"},
        {main->toolbarButtons[7], "Thickness / required tests"},
        // Boxes by the label above them, a drop-down button and list by the box they belong to.
        {main->Text1[2], "Process type"},
        {main->Text1[3], "QW-Variable type"},
        {main->Command2[3], "QW-Variable type drop-down"},
        {main->List1[2], "Process type list"},
        // Buttons whose caption is a glyph or a letter by the label that says what they do.
        {main->Command4[0], "Show first"},
        {main->Command3, "Show all applicable Interpretations"},
        // A list by its frame, a box without a label by its tool tip.
        {main->ListView1[2], "Applicable Variables:"},
        {main->Text1[1], "Type keyword(s) or phrase to search for. (Separate multiple keywords by blank space.)"},
        // Five boxes in one frame, each by its own label.
        {baseMetals.Text1[4], "Product form"},
        {baseMetals.Text1[0], "Material specification"},
        {baseMetals.Text1[3], "Type or grade*"},
        {baseMetals.Text1[2], "UNS"},
        {baseMetals.Text1[1], "P-no. or S-no."},
        // Two boxes in one frame by the labels on their left; a slider by the box before it.
        {calculator.txtBMthickness, "Base Metal test coupon thickness T"},
        {calculator.txtWMthickness, "Deposited Weld Metal thickness t"},
        {calculator.Slider[1], "Deposited Weld Metal thickness t slider"},
        // A slider by the label under it; a box of a form by its label.
        {aNumbers.Slider[1], "% Cr slider"},
        {printerSetup.fileBox, "File:"},
        // Drop-downs by their label or given name, not by the entry they show.
        {printerSetup.printerBox, "Printer:"},
        {printerSetup.paperBox, "Paper:"},
        {figures.Combo1, "Figure"},
        // Frames in a frame by their own captions, not by the frame around them.
        {calculator.fraStudMaterial, "Stud material type"},
        {calculator.fraStudPlate, "welded to (material)"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(nameOf(c.control), c.name) << c.control->metaObject()->className();

    // A label's new caption renames its box, and the box's slider with it.
    calculator.opt[5]->setValue(true);  // stud welding
    EXPECT_EQ(nameOf(calculator.txtWMthickness), calculator.lblWMthickness->caption().toStdString());
    EXPECT_NE(nameOf(calculator.txtWMthickness), "Deposited Weld Metal thickness t");
    EXPECT_EQ(nameOf(calculator.Slider[1]), nameOf(calculator.txtWMthickness) + " slider");
    calculator.opt[7]->setValue(true);  // friction welding
    EXPECT_EQ(nameOf(calculator.Slider[0]), nameOf(calculator.txtBMthickness) + " slider");
    EXPECT_NE(nameOf(calculator.Slider[0]), "Base Metal test coupon thickness T slider");
}

TEST_F(CaptionsFit, BothPrograms_showTheirOwnWindowIcon)
{
    for (const char* program : {"varnel", "sorvik"}) {
        SCOPED_TRACE(program);
        const QIcon icon = programIcon(QString::fromLatin1(program));
        ASSERT_FALSE(icon.isNull());
        // Raster sizes, as the window manager takes them, with no image plugin needed.
        for (int size : {16, 32, 48})
            EXPECT_TRUE(icon.availableSizes().contains(QSize(size, size))) << size;
        const QImage image = icon.pixmap(32).toImage();
        EXPECT_NE(qAlpha(image.pixel(image.width() / 2, image.height() / 2)), 0);  // drawn, not transparent
    }
    EXPECT_NE(programIcon(QStringLiteral("varnel")).pixmap(32).toImage(),
              programIcon(QStringLiteral("sorvik")).pixmap(32).toImage());
}
