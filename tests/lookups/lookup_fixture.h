#pragma once
// The lookup windows on the sample edition, opened from a main window started as the program
// starts it. Windows of other areas (the cross-reference pop-up, the figure viewer) are stood in
// for by openers that record what they were handed.

#include "app/window_openers.h"
#include "platform/ui/list_view_sorting.h"
#include "platform/ui/twips.h"
#include "support/control_views.h"
#include "support/main_window_fixture.h"
#include "support/recorded_openers.h"

#include <QTest>
#include <memory>

namespace lookups_testing {

class LookupTest : public testing_support::SampleMainWindowTest<> {
protected:
    testing_support::RecordedOpeners openers{{"crossReference", &varnel::WindowOpeners::crossReference},
                                             {"picture", &varnel::WindowOpeners::picture}};
};

// A lookup window of its own for each test; it closes before the openers come back.
template <typename Window>
class LookupWindowTest : public LookupTest {
protected:
    Window& open()
    {
        window = std::make_unique<Window>();
        window->show();
        return *window;
    }

    std::unique_ptr<Window> window;
};

}  // namespace lookups_testing
