// The process and category boxes that steer the search, case by case: when the category box is
// open, the tool tip each category gives it, the search words a category choice clears, and where the
// keyboard focus goes when an entry is taken.

#include "support/main_window_fixture.h"
#include "support/main_window_views.h"
#include "support/print_qstring.h"
#include "support/type_ahead_keys.h"

#include <QTest>

using namespace varnel;
using testing_support::copyInto;

namespace {

using PickListCases = testing_support::SampleMainWindowTest<>;

const QString gf = " for Groove/Fillet welds";

}  // namespace

TEST_F(PickListCases, TheCategoryBox_isOpenOnlyWhileTheProcessBoxHoldsAWholeEntry)
{
    const struct {
        const char* processBox;
        const char* categoryBox;
    } cases[] = {
        {"SMAW:", "closed"},                               // names SMAW, but is no entry
        {"gtaw", "open"},                                  // completes to the entry
        {"gtaw  -  gas tungsten arc welding", "open"},     // the entry in other letter case
    };
    for (const auto& c : cases) {
        main->Text1[2]->setText(c.processBox);
        EXPECT_EQ(testing_support::boxState(*main, 3), c.categoryBox) << c.processBox;
    }
}

TEST_F(PickListCases, EachCategory_givesTheCategoryBoxItsToolTip)
{
    const QString nonessential = " Nonessential variable must be specified in WPS, but qualification by PQR is NOT required ";
    const struct {
        QString categoryBox;
        QString toolTip;
    } cases[] = {
        {"SMAW  -  Essential Variables" + gf, " Essential variables must be specified in WPS and qualified by supporting PQR "},
        {"SMAW  -  Nonessential Variables" + gf, nonessential},
        {"SMAW  -  Supplementary Essential Variables" + gf,
         " Supplementary essential variable must be specified in WPS and qualified by supporting PQR when IMPACT "
         "TESTING is required "},
        {"SMAW  -  Nonessential Variables for Hardfacing Overlays", nonessential},
        {"SMAW:", " Select Essential, Nonessential or Supplementary Essential variable "},
    };
    main->Text1[2]->setText("SMAW");
    for (const auto& c : cases) {
        main->Text1[3]->setText(c.categoryBox);
        EXPECT_EQ(main->Text1[3]->toolTip(), c.toolTip) << c.categoryBox.toStdString();
    }
}

TEST_F(PickListCases, ChoosingACategory_emptiesTheSearchBox)
{
    main->Text1[2]->setText("GTAW");
    main->Text1[1]->setText("groove");
    main->Text1[3]->setText("GTAW  -  Nonessential Variables" + gf);
    EXPECT_EQ(main->Text1[1]->text(), "");
}

TEST_F(PickListCases, AnEntryTakenWithEnter_movesTheFocusOnToWhereThePersonGoesNext)
{
    main->show();
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    main->Text1[1]->setText("interpass");
    main->Text1_LostFocus(1);  // the search history now holds one entry
    const struct {
        int list;
        const char* focus;
    } cases[] = {
        {3, "paragraph list"},
        {2, "search box"},
        {1, "search box"},
    };
    for (const auto& c : cases) {
        main->RichTextBox1->setFocus();
        main->Command2_Click(c.list);
        main->List1[c.list]->selectIndex(1);
        main->List1_KeyUp(c.list, platform::ui::keys::Enter, 0);
        const QWidget* focus = QApplication::focusWidget();
        const QString seen = focus == main->ListView1[2] ? "paragraph list" : focus == main->Text1[1] ? "search box" : "elsewhere";
        EXPECT_EQ(seen, c.focus) << "list " << c.list;
    }
    // Typed over, the category box searches, and the person's next key still goes to it.
    main->Text1[3]->setFocus();
    main->Text1[3]->selectAll();
    QTest::keyClick(main->Text1[3], Qt::Key_O);
    EXPECT_EQ(QApplication::focusWidget(), main->Text1[3]);
}

TEST_F(PickListCases, TheSearchHistory_completesTheSearchBoxExceptAfterTheKeysThatStopTheTypeAhead)
{
    // The process and category boxes complete after any key (a change of either empties the
    // search box, which clears the stop).
    main->Text1[1]->setText("interpass");
    main->Text1_LostFocus(1);  // the search history now holds one entry
    testing_support::expectKeysStopTypeAhead(*main->Text1[1], "inter");
}
