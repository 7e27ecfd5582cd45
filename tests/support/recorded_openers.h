#pragma once
// Window openers that, while the recorder lives, note each window asked for and what the shared
// state hands it (lookupKey, pictureKey) instead of opening it. The openers before it come back
// when it ends.

#include "app/varnel_core.h"
#include "app/window_openers.h"

#include <QString>
#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

namespace testing_support {

class RecordedOpeners {
public:
    using Opener = std::function<void()> varnel::WindowOpeners::*;
    struct Opened {
        QString window, lookupKey, pictureKey;
    };

    // Each opener named with the name its windows are noted under.
    explicit RecordedOpeners(std::initializer_list<std::pair<const char*, Opener>> openers)
        : saved_(varnel::windowOpeners())
    {
        for (const auto& [name, opener] : openers)
            varnel::windowOpeners().*opener = [this, name = QString::fromLatin1(name)] {
                const varnel::VarnelCore& core = varnel::varnelCore();
                opened.push_back({name, core.lookupKey, core.pictureKey});
            };
    }
    ~RecordedOpeners() { varnel::windowOpeners() = saved_; }
    RecordedOpeners(const RecordedOpeners&) = delete;
    RecordedOpeners& operator=(const RecordedOpeners&) = delete;

    // The window asked for last; empty when none was.
    QString last() const { return opened.empty() ? QString() : opened.back().window; }

    std::vector<Opened> opened;

private:
    varnel::WindowOpeners saved_;
};

}  // namespace testing_support
