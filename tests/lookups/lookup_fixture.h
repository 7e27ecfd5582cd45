#pragma once
// The lookup windows on the sample edition, opened from a main window started as the program
// starts it. Windows of other areas (the cross-reference pop-up, the figure viewer) are stood in
// for by openers that record what they were handed.

#include "app/window_openers.h"
#include "platform/ui/list_view_sorting.h"
#include "platform/ui/twips.h"
#include "support/main_window_fixture.h"

#include <QTest>

namespace lookups_testing {

struct Opened {
    QString window, lookupKey, pictureKey;
};

class LookupTest : public testing_support::MainWindowTest {
protected:
    void SetUp() override
    {
        main = &startOnSample();
        saved = varnel::windowOpeners();
        auto record = [this](const char* name) {
            return [this, name] {
                const varnel::VarnelCore& core = varnel::varnelCore();
                opened.push_back({QString::fromLatin1(name), core.lookupKey, core.pictureKey});
            };
        };
        varnel::windowOpeners().crossReference = record("crossReference");
        varnel::windowOpeners().picture = record("picture");
    }
    void TearDown() override { varnel::windowOpeners() = saved; }

    // The texts of one column of a results list, in list order.
    static QStringList column(const platform::ui::SortableListView& list, int index)
    {
        QStringList texts;
        for (int i = 1; i <= list.count(); ++i)
            texts << list.subItem(i, index);
        return texts;
    }
    static QStringList entries(const platform::ui::ListView& list)
    {
        QStringList texts;
        for (int i = 1; i <= list.count(); ++i)
            texts << list.entryText(i);
        return texts;
    }

    varnel::varnelMain* main = nullptr;
    varnel::WindowOpeners saved;
    std::vector<Opened> opened;
};

}  // namespace lookups_testing
