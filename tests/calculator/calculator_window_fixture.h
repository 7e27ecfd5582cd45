#pragma once
// The calculator window opened from a main window on the sample edition, with the main window's
// process and category chosen first, as the person would before opening the calculator.

#include "calculator/varnel_thickness.h"
#include "calculator_fixtures.h"
#include "support/main_window_fixture.h"
#include "support/main_window_views.h"

#include <QTest>
#include <memory>

namespace varnel::calculator::testing {

class CalculatorWindow : public testing_support::MainWindowTest {
protected:
    // The main window on `database`, showing `process` and the category that contains
    // `categoryWords` (none: the main window's own first choice).
    varnelMain& mainWindow(const QString& process = {}, const QString& categoryWords = {},
                           const QString& database = testing_support::sampleDatabase())
    {
        if (!QFileInfo::exists(QDir(data.path()).filePath(QFileInfo(database).fileName())))
            testing_support::copyInto(database, data.path());
        varnelMain& main = createMain(data.path());
        main.Form_Activate();
        testing_support::chooseCategory(main, process, categoryWords);
        return main;
    }

    varnelThickness& open()
    {
        calculator = std::make_unique<varnelThickness>();
        calculator->show();
        return *calculator;
    }

    // A calculator with the type and process chosen by the person.
    varnelThickness& openWith(QualificationType type, const QString& process)
    {
        mainWindow();
        varnelThickness& w = open();
        w.opt[static_cast<int>(type)]->setValue(true);
        w.text2[2]->setText(process);
        return w;
    }

    static void type(QWidget* box, const QString& keys) { QTest::keyClicks(box, keys); }
    // Replaces the box's text by `keys`, typed one by one, and ends the entry with Enter.
    static void enter(platform::ui::TextBox* box, const QString& keys)
    {
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, keys);
        QTest::keyClick(box, Qt::Key_Return);
    }

    std::unique_ptr<varnelThickness> calculator;
};

}  // namespace varnel::calculator::testing
