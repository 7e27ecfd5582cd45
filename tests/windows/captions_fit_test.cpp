// Every window, as the person sees it: no caption of a label, button, check box, option button
// or frame is cut or drawn past the area it draws in, and none is drawn smaller than 7 points.
// CTest runs these cases once as they are and once with every window scaled by one and a half
// (QT_SCALE_FACTOR).

#include "app/registry_module.h"
#include "app/varnel_about.h"
#include "browser/varnel_agreement.h"
#include "browser/varnel_cross_reference.h"
#include "browser/varnel_picture.h"
#include "browser/varnel_show_all_processes.h"
#include "calculator/varnel_thickness.h"
#include "interpretations/sorvik_core.h"
#include "interpretations/sorvik_main.h"
#include "lookups/base_metal_window.h"
#include "lookups/filler_metal_window.h"
#include "lookups/varnel_anumbers.h"
#include "lookups/varnel_definitions.h"
#include "lookups/varnel_filler_matrix.h"
#include "platform/ui/controls.h"
#include "platform/ui/form_font.h"
#include "support/main_window_fixture.h"

#include <QAbstractButton>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QToolButton>
#include <limits>

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
};

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
        return DrawnCaption{label->text(), {label->font(), label->text(), true},
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
        && pointsOf(c.drawn.font) < pointsOf(w.font()) - 0.01)
        faults << QStringLiteral("drawn in %1 points").arg(pointsOf(c.drawn.font));
    if (c.drawn.text != c.caption)
        faults << QStringLiteral("cut to \"%1\"").arg(c.drawn.text);
    // The text must lie inside every container it is drawn in, up to the window.
    const QRect drawnRect = QStyle::alignedRect(Qt::LeftToRight, Qt::Alignment(c.flags) & (Qt::AlignHorizontal_Mask | Qt::AlignVertical_Mask),
                                                needed.toSize().boundedTo(c.area.size()), c.area);
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

// Every visible captioned control of `window` whose caption does not fit, described.
QStringList misfits(QWidget& window, const QString& state)
{
    QStringList found;
    const QList<QWidget*> controls = window.findChildren<QWidget*>();
    for (QWidget* w : controls) {
        if (!w->isVisibleTo(&window))
            continue;
        const std::optional<DrawnCaption> caption = drawnCaption(*w);
        if (!caption)
            continue;
        const QString fault = misfit(*w, *caption);
        if (!fault.isEmpty())
            found << QStringLiteral("%1 (%2): %3 \"%4\": %5")
                         .arg(window.objectName(), state, QString::fromLatin1(w->metaObject()->className()),
                              caption->caption, fault);
    }
    return found;
}

QString scaleNote()
{
    const QByteArray scale = qgetenv("QT_SCALE_FACTOR");
    return scale.isEmpty() ? QStringLiteral("scale 1") : QStringLiteral("scale ") + QString::fromLatin1(scale);
}

class CaptionsFit : public testing_support::MainWindowTest {
protected:
    void start(const QString& database = testing_support::sampleDatabase())
    {
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
}

TEST_F(CaptionsFit, LookupWindows_fit)
{
    start();
    {
        varnelMaterialSpecification window;
        expectFits(window, "open");
    }
    {
        varnelFillerSpecification window;
        expectFits(window, "open");
        varnelFillerMatrix matrix(window);
        expectFits(matrix, "open");
    }
    {
        varnelDefinitions window;
        window.show();
        window.Form_Activate();
        expectFits(window, "open");
    }
    {
        varnelAnumbers window;
        expectFits(window, "open");
    }
}

TEST_F(CaptionsFit, InterpretationsWindow_fits)
{
    start();
    copyInto(testing_support::builtDataDir() + QStringLiteral("/intasme.mdb"), data.path());
    writeInterpretationsSetting(QStringLiteral("program path"), data.path());
    resetSorvikCore();
    {
        sorvikMain window;
        window.show();
        window.Form_Activate();
        expectFits(window, "open");
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
    grid.Form_Activate();
    expectFits(grid, main->ListView1[2]->selectedText());
}
