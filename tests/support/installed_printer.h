#pragma once
// A page surface put in as the process-wide printer for as long as this lives: a recording one
// unless another is given. The printer before it comes back when it ends, or at putBack().

#include "platform/printer.h"

#include <memory>
#include <utility>

namespace testing_support {

class InstalledPrinter {
public:
    explicit InstalledPrinter(std::unique_ptr<platform::PageSurface> surface = std::make_unique<platform::RecordingPageSurface>())
        : surface_(surface.get()), previous_(platform::installPrinter(std::move(surface))) {}
    ~InstalledPrinter() { putBack(); }

    void putBack()
    {
        if (!installed_)
            return;
        installed_ = false;
        platform::installPrinter(std::move(previous_));
    }
    // The recording surface put in; null when another kind was given.
    platform::RecordingPageSurface* recorder() const { return dynamic_cast<platform::RecordingPageSurface*>(surface_); }

private:
    platform::PageSurface* surface_;
    std::unique_ptr<platform::PageSurface> previous_;
    bool installed_ = true;
};

}  // namespace testing_support
