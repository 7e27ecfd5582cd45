#pragma once
// The start-up window: created first, it prepares the shared state from the settings, shows
// itself for three seconds and then hands over to the main window.

#include "platform/ui/controls.h"

#include <QDialog>
#include <chrono>
#include <functional>

namespace varnel {

class varnelTitle : public QDialog {
    Q_OBJECT
public:
    // Creation: the versioned keys, "program path", dataPath, defaultFile, firstActivation.
    // `programDirectory` is the directory the program runs from.
    explicit varnelTitle(const QString& programDirectory, QWidget* parent = nullptr);

    platform::ui::Label* Label1[3];  // product title, "ASME IX - Quick Reference", copyright

    // Shows the main window; installed by the program's start.
    std::function<void()> showMainWindow;
    // Builds what of the main window writes no setting and shows no message (its controls, its
    // place, the stored file opened), while this window waits; installed by the program's start.
    std::function<void()> prepareMainWindow;
    // How long the window stays; three seconds, shorter only in tests and in the start-up
    // benchmark (see startupBenchmark()).
    std::chrono::milliseconds wait{3000};

    // Set only by the start-up benchmark, through the environment variable
    // VARNEL_BENCH_STARTUP=1: the window then waits VARNEL_BENCH_SPLASH_MS milliseconds (none when
    // unset), and once the main window has been painted for the first time (its lists filled, as
    // creation and activation leave them) the program writes "painted", a blank, the wait in
    // milliseconds and a line feed to standard output and ends, so that the benchmark times the
    // whole process from its start to a filled window, less the wait.
    static bool startupBenchmark();

    void Form_Initialize(const QString& programDirectory);
    void Form_Load();
    void Form_Activate();
    void Form_Unload();

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    bool unloaded_ = false;
    bool paintedOnScreen_ = false;       // a paint has reached the window on the screen
    std::function<void()> painted_;      // ends the wait for that paint

};

}  // namespace varnel
