#pragma once
// What the program says once for all that one doing of the person (a key, a click) sets off. The
// reads of one search, or of one change of a box and the lists it refills, may each meet the same
// fault, and a box for each would bury the person in boxes; every later doing that meets the
// fault says it again.

#include <QString>

namespace platform::ui {

// How many times the person has pressed a key or a mouse button in this program, counted from
// the first call.
quint64 doings();

class OncePerDoing {
public:
    // Runs `say` unless it ran for the same `what` since the person last pressed a key or a
    // mouse button. The person's answer to what `say` shows (the click on its OK button) is no
    // new doing.
    template <typename Say>
    void operator()(const QString& what, Say say)
    {
        if (spokenAt_ == doings() && spoken_ == what)
            return;
        say();
        spokenAt_ = doings();
        spoken_ = what;
    }

private:
    quint64 spokenAt_ = ~quint64(0);
    QString spoken_;
};

}  // namespace platform::ui
