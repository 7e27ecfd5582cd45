#pragma once
// A fresh start of the program for window tests: scripted seams, a settings file of its own, a
// data directory holding copies of the built sample databases, and the shared state as the
// start-up window leaves it.

#include "app/varnel_core.h"
#include "app/varnel_title.h"
#include "browser/varnel_main.h"
#include "support/scripted_seams.h"
#include "support/temp_settings.h"
#include "support/test_paths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace testing_support {

inline QString sampleDatabase() { return builtDataDir() + QStringLiteral("/qel0709.mdb"); }
inline QString olderLayoutDatabase() { return builtDataDir() + QStringLiteral("/testdata/qel0102.mdb"); }

inline void copyInto(const QString& source, const QString& directory, const QString& name = {})
{
    const QString target = QDir(directory).filePath(name.isEmpty() ? QFileInfo(source).fileName() : name);
    ASSERT_TRUE(QFile::copy(source, target)) << source.toStdString() << " -> " << target.toStdString();
}

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() { varnel::resetVarnelCore(); }
    ~MainWindowTest() override
    {
        window.reset();
        varnel::resetVarnelCore();
    }

    // The start-up window's creation, as on a program start from `programDir`.
    void startUp(const QString& programDir)
    {
        varnel::varnelTitle title(programDir);
        title.wait = std::chrono::milliseconds(0);
    }

    // Start-up, then the main window's creation.
    varnel::varnelMain& createMain(const QString& programDir)
    {
        startUp(programDir);
        window = std::make_unique<varnel::varnelMain>();
        return *window;
    }

    // The main window on a copy of the sample edition, activated as after start-up; shown first
    // when `shown` (a window test that needs real geometry or focus).
    varnel::varnelMain& startOnSample(bool shown = false)
    {
        copyInto(sampleDatabase(), data.path());
        varnel::varnelMain& main = createMain(data.path());
        if (shown)
            main.show();
        main.Form_Activate();
        return main;
    }

    ScriptedSeams seams;
    TempSettings settings;
    QTemporaryDir data;
    std::unique_ptr<varnel::varnelMain> window;
};

// Every test of the fixture on the main window as startOnSample leaves it, shown when `Shown`.
template <bool Shown = false>
class SampleMainWindowTest : public MainWindowTest {
protected:
    void SetUp() override { main = &startOnSample(Shown); }

    varnel::varnelMain* main = nullptr;
};

}  // namespace testing_support
