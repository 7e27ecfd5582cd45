// The start string the main window hands over: it chooses the section, fills the boxes and the
// search option, and each of these searches as the person's own choice would.

#include "interpretations/sorvik_main.h"

#include "app/program_titles.h"
#include "app/registry_module.h"
#include "app/varnel_core.h"
#include "interpretations/sorvik_core.h"
#include "interpretations/start_string.h"

namespace varnel {

void sorvikMain::processCommandLine()
{
    const StartString start = parseStartString(varnelCore().interpretationQuery);
    SorvikCore& core = sorvikCore();

    // The section comes first: choosing it empties both boxes and selects "And".
    if (const int row = start.section.isEmpty() ? 0 : core.sectionRowOfTable(start.section); row > 0) {
        try {
            core.currentSectionIndex = row - 1;
            writeInterpretationsSetting(QStringLiteral("default section"), sectionNumberText(start.section));
            const QString title = core.sectionTitle(row);
            if (!title.isEmpty())
                selectSection(title);
            setWindowTitle(sorvikTitlePrefix + QStringLiteral(" [ ASME ") + title + QStringLiteral(" ]"));
        } catch (const std::exception&) {
            // A failing step is skipped; the listing says its own failures.
        }
    }
    if (!start.paragraph.isEmpty())
        Text1[0]->setText(start.paragraph);
    if (!start.text.isEmpty()) {
        Text1[1]->setText(start.text);
        performSearch();
    }
    if (!start.condition.isEmpty()) {
        const QString condition = start.condition.toUpper();
        Option1[condition == QLatin1String("OR") ? 1 : condition == QLatin1String("AND") ? 0 : 2]->setValue(true);
    }
}

}  // namespace varnel
