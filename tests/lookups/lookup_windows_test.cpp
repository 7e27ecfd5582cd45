// The openers of the lookups: each creates its window afresh and shows it modally.

#include "lookups/lookup_fixture.h"
#include "lookups/lookup_windows.h"

using namespace varnel;
using lookups_testing::LookupTest;

TEST_F(LookupTest, OpenersShowEachLookupWindowAfresh)
{
    registerLookupWindows();
    WindowOpeners& o = windowOpeners();
    ASSERT_TRUE(o.definitions && o.materialSpecification && o.fillerSpecification && o.aNumbers);
    QString boxText;
    seams.modal.scripts["varnelMaterialSpecification"] = [&](QDialog& window) {
        auto* box = window.findChildren<platform::ui::TextBox*>().value(0);
        boxText = box ? box->text() : QString();
        for (auto* b : window.findChildren<platform::ui::TextBox*>())
            b->setText("changed");
    };
    o.materialSpecification();
    o.materialSpecification();
    o.fillerSpecification();
    o.aNumbers();
    o.definitions();
    EXPECT_EQ(seams.modal.shown, (std::vector<QString>{"varnelMaterialSpecification", "varnelMaterialSpecification",
                                                       "varnelFillerSpecification", "varnelAnumbers", "varnelDefinitions"}));
    EXPECT_NE(boxText, "changed");
    EXPECT_EQ(seams.pointer.current(), platform::Pointer::Default);
}
