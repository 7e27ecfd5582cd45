#pragma once
// The lane of the real desktop: the built programs run on an X server of their own (Xvfb) under a
// window manager (openbox), each with settings, cache and runtime directories of its own. The
// test works keys and mouse as a person does (xdotool: key down, a pause, key up; real clicks) and
// reads the result back from the screen: the managed windows, their titles and places, and pixels.
//
// Where a control lies on the screen comes from the same window built here, offscreen, on the
// same data ("its twin"): the twin's control, at the same place in its window, tells where to
// click in the program's window.
//
// Every case ends the processes it started, and those its programs started, by their process id.
// Where Xvfb, openbox or xdotool is missing or does not start, the case says so and is skipped.

#include "interpretations/sorvik_main.h"
#include "support/main_window_fixture.h"
#include "support/x_desktop.h"

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <set>
#include <vector>

namespace lane {

using testing_support::Window;
using TitleMatch = std::function<bool(const QString& title)>;

// Titles that begin with `beginning`, or equal `title`.
TitleMatch beginsWith(const QString& beginning);
TitleMatch titled(const QString& title);

// The main window, and the message box of a search that finds nothing.
inline const TitleMatch mainTitle = beginsWith(QStringLiteral("Varnel    ("));
inline const TitleMatch noEntryFound = titled(QStringLiteral("No entry found"));

class DesktopLane : public testing_support::MainWindowTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // The platform theme the programs run under (VARNEL_LANE_PLATFORM_THEME, as "gtk3", which Qt
    // picks by itself on GNOME, XFCE and MATE); empty: none.
    static QString platformTheme() { return qEnvironmentVariable("VARNEL_LANE_PLATFORM_THEME"); }

    // The screen of the desktop, in pixels.
    virtual QSize screenSize() const { return {1280, 900}; }

    // Starts a built program ("varnel", "sorvik") on the desktop, with `environment` entries
    // ("NAME=value") besides its own.
    void startProgram(const QString& name, const QStringList& arguments = {}, const QStringList& environment = {});
    // The main window, once the program shows it drawn; the case fails without one.
    Window startMainWindow(const QStringList& environment = {});

    // The first managed window whose title matches, waiting for one up to `milliseconds`; 0 when
    // none came.
    Window waitForWindow(const TitleMatch& match, int milliseconds = 20000);
    // Waits until no managed window has the title; false when one is still there.
    bool waitUntilGone(const TitleMatch& match, int milliseconds = 20000);
    // The managed windows whose title matches.
    std::vector<Window> windows(const TitleMatch& match);
    // Waits until the window has been drawn: what the screen shows in its place differs from
    // what it showed there before the window came (a window not yet drawn shows what was behind
    // it), as the last wait for the window saw it or as `before` (the whole screen) has it;
    // without either, until it shows more than one colour.
    bool waitUntilDrawn(Window window, const QImage& before = {}, int milliseconds = 20000);
    // Waits until the window has the focus, so that keys pressed now reach it: the window
    // manager gives a new window the focus a moment after it is drawn, longer under load.
    bool waitUntilFocused(Window window, int milliseconds = 20000);

    // The windows on the desktop now.
    std::set<Window> shownNow();
    // Runs `action` and returns the window it brings on the screen, drawn and with the focus; 0
    // when none came.
    Window opened(const std::function<void()>& action) { return openedSince(shownNow(), action); }
    Window openedSince(const std::set<Window>& before, const std::function<void()>& action);

    // Closes every window but `keep` with alt+F4, the frontmost first, as with the close box;
    // false when one stayed.
    bool closeAllBut(Window keep);

    // The main window as the program builds it on the sample edition, offscreen and shown.
    varnel::varnelMain& mainTwin();
    // The interpretations window as the program builds it on the sample database.
    varnel::sorvikMain& sorvikTwin();
    // The point on the screen of `control` (a control of a twin, or an area within it) in the
    // program's `window`.
    QPoint on(Window window, const QWidget* control) const;
    QPoint on(Window window, const QWidget* control, const QRect& area) const;
    QRect screenRect(Window window, const QWidget* control) const;
    // What the screen shows of `control` in `window`.
    QImage look(Window window, const QWidget* control);
    // Whether what the screen shows of `control` holds a plain green (a drop-down button's arrow).
    bool showsGreen(Window window, const QWidget* control);
    // Waits until what the screen shows of the control differs from `before`.
    bool waitForChange(Window window, const QWidget* control, const QImage& before, int milliseconds = 20000);

    // Keeps a picture of the whole screen under `name` in the directory that the environment
    // variable VARNEL_LANE_SCREENSHOTS names, for a person to look at; nothing without it.
    void snapshot(const QString& name);

    // Clicks `box` of `window`, types `text` and presses Enter; true once `result` changed.
    bool enter(Window window, const QWidget* box, const QString& text, const QWidget* result);

    // The settings file of the programs on this desktop.
    QString settingsFile() const;

    testing_support::XDesktop desktop;
    QTemporaryDir home;

private:
    std::vector<std::unique_ptr<QProcess>> programs_;
    std::unique_ptr<varnel::sorvikMain> sorvik_;
    QImage screenBeforeWindow_;  // the screen as the last wait saw it before its window came
    Window windowWaitedFor_ = 0;
    bool twinShown_ = false;
};

}  // namespace lane
