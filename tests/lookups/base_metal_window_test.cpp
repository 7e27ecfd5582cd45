// The base-metal window on the sample edition: its opening on plate products, the criteria of
// its boxes, the pick list with type-ahead, the column sort, its buttons and its report.

#include "lookups/lookup_fixture.h"
#include "lookups/lookup_report.h"
#include "lookups/type_ahead.h"
#include "lookups/base_metal_window.h"
#include "platform/ui/seams.h"
#include "platform/ui/twips.h"
#include "support/type_ahead_keys.h"

using namespace varnel;
using lookups_testing::LookupWindowTest;
using testing_support::columnOf;
using testing_support::entriesOf;

namespace {

class MaterialSpecification : public LookupWindowTest<varnelMaterialSpecification> {
protected:
    void SetUp() override
    {
        LookupWindowTest::SetUp();
        open();
    }
    QString caption() const { return window->Frame1[1]->caption(); }
    QStringList specs() const { return columnOf(window->results(), 0); }
    // Sets the boxes from code, as a pick would (the search runs when the pick list holds entries).
    void setBoxes(const QStringList& texts)
    {
        window->List1[0]->clearEntries();
        for (int i = 0; i < 5; ++i)
            window->Text1[i]->setText(texts[i]);
        window->loadMaterialList();
    }
};

}  // namespace

TEST_F(MaterialSpecification, OpensOnPlateProductsSortedWithTheFirstRowSelected)
{
    EXPECT_EQ(window->windowTitle(), "Base Metals - Table QW/QB-422");
    EXPECT_EQ(window->Text1[4]->text(), "Plate");
    EXPECT_EQ(window->List1[0]->count(), 0);
    EXPECT_TRUE(window->List1[0]->isHidden());
    EXPECT_EQ(caption(), "21 matching materials");
    const QStringList listed = specs();
    EXPECT_EQ(listed.size(), 21);
    QStringList sorted = listed;
    std::sort(sorted.begin(), sorted.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    EXPECT_EQ(listed, sorted);
    EXPECT_EQ(window->results().selectedRows(), std::vector<int>{1});
    EXPECT_EQ(seams.pointer.current(), platform::Pointer::Default);
}

TEST_F(MaterialSpecification, CriteriaOfTheBoxesGiveTheKnownRows)
{
    struct Case {
        QStringList boxes;  // specification, P/S-number, UNS, grade, product form
        QString caption;
        QStringList firstSpecs;
    };
    const Case cases[] = {
        {{"", "", "", "", ""}, "50 matching materials", {}},
        {{"", "", "", "", "All"}, "49 matching materials", {}},  // the row without a product form drops out
        {{"", "", "", "", "Pipe/Tube"}, "17 matching materials", {}},
        {{"", "", "", "", "pipe/tube"}, "No matching materials found.", {}},
        {{"", "", "", "", "Stud"}, "5 matching materials", {"A-36", "SA-193", "SA-36", "SA-479", "SB-166"}},
        {{"sa-516", "", "", "", ""}, "3 matching materials", {"SA-516", "SA-516", "SA-516"}},
        {{"SA-5", "", "", "", ""}, "No matching materials found.", {}},  // no wildcard: the whole field
        {{"SA-5*", "", "", "", ""}, "7 matching materials", {}},
        {{"", "", "", "316", ""}, "4 matching materials", {}},  // grade anywhere in the field
        {{"", "", "", "", "Forg"}, "6 matching materials", {}},
        {{"", "8", "", "", ""}, "10 matching materials", {}},
        {{"", "1", "", "", "Plate"}, "8 matching materials", {}},  // P- or S-number 1
        {{"", "", "N06600", "", ""}, "3 matching materials", {"SB-163", "SB-166", "SB-168"}},
        {{"", "", "", "", "Castings"}, "1 matching materials", {"SA-494"}},
    };
    for (const Case& c : cases) {
        setBoxes(c.boxes);
        EXPECT_EQ(caption(), c.caption) << c.boxes.join('|').toStdString();
        if (!c.firstSpecs.isEmpty()) {
            EXPECT_EQ(specs(), c.firstSpecs) << c.boxes.join('|').toStdString();
        }
    }
}

TEST_F(MaterialSpecification, RowsShowAddendaUnassignedAndProductFormWithThickness)
{
    setBoxes({"", "", "", "", ""});
    const platform::ui::SortableListView& list = window->results();
    auto rowOf = [&](const QString& spec, const QString& grade) {
        for (int i = 1; i <= list.count(); ++i)
            if (list.subItem(i, 0) == spec && list.subItem(i, 1) == grade)
                return i;
        return 0;
    };
    const int p91 = rowOf("SA-335", "P91");
    ASSERT_GT(p91, 0);
    EXPECT_EQ(list.subItem(p91, 2), "'07 revised");
    EXPECT_EQ(list.subItem(p91, 5), "15E");
    const int cast = rowOf("SA-494", "CW-12MW");
    EXPECT_EQ(list.subItem(cast, 2), "'09 deleted");
    EXPECT_EQ(list.subItem(cast, 5), "Unassigned");
    const int cl2 = rowOf("SA-537", "Cl.2");
    EXPECT_EQ(list.subItem(cl2, 2), "'08 added");
    EXPECT_EQ(list.subItem(cl2, 11), "Plate <= 2-1/2 in.");
    EXPECT_EQ(list.subItem(rowOf("SA-181", "Cl.70"), 2), "'07 errata");
    EXPECT_EQ(list.subItem(rowOf("A-36", ""), 7), "1");  // S-number
}

TEST_F(MaterialSpecification, TypeAheadCompletesToTheFirstEntryAndSearchesForIt)
{
    platform::ui::TextBox& box = *window->Text1[0];
    window->Text1_GotFocus(0);
    EXPECT_EQ(window->pickListTag, 0);
    ASSERT_GT(window->List1[0]->count(), 0);
    QTest::keyClicks(&box, "sa-5");
    EXPECT_EQ(box.text(), "SA-516");
    EXPECT_EQ(box.selStart(), 4);
    EXPECT_EQ(box.selLength(), 2);
    EXPECT_EQ(caption(), "3 matching materials");
    EXPECT_EQ(specs(), (QStringList{"SA-516", "SA-516", "SA-516"}));

    // Backspace removes the completed tail and searches the typed text alone.
    QTest::keyClick(&box, Qt::Key_Backspace);
    EXPECT_EQ(box.text(), "SA-5");
    EXPECT_EQ(caption(), "No matching materials found.");
    // The next other key completes again.
    QTest::keyClick(&box, Qt::Key_3);
    EXPECT_EQ(box.text(), "SA-537");
    EXPECT_EQ(box.selStart(), 5);
    EXPECT_EQ(caption(), "2 matching materials");
    // Left arrow, then a change: no completion.
    QTest::keyClick(&box, Qt::Key_Left);
    box.setText("SA-2");
    EXPECT_EQ(box.text(), "SA-2");
    // Typed text that begins no entry stays as it is.
    QTest::keyClick(&box, Qt::Key_Z);
    EXPECT_EQ(box.text(), "SA-2z");
    testing_support::expectKeysStopTypeAhead(box, "SA-5");
    // A box emptied while completion is on completes to the first entry, wholly selected.
    box.setText(QString());
    EXPECT_EQ(box.text(), window->List1[0]->entryText(1));
    EXPECT_EQ(box.selStart(), 0);
    EXPECT_EQ(box.selLength(), box.text().size());
}

TEST_F(MaterialSpecification, PickListsHoldTheValuesTheOtherBoxesAllow)
{
    window->Text1_GotFocus(4);
    QStringList forms = entriesOf(*window->List1[0]);
    EXPECT_EQ(forms.mid(0, 4), (QStringList{"All", "Plate", "Pipe/Tube", "Stud"}));
    EXPECT_TRUE(forms.contains("Castings"));

    // P-numbers first, then the S-numbers, of the plate products, each in its own order.
    window->Text1_GotFocus(1);
    EXPECT_EQ(entriesOf(*window->List1[0]),
              (QStringList{"1", "23", "25", "3", "4", "43", "51", "5A", "7", "8", "9B", "1"}));
    EXPECT_EQ(window->List1[0]->height(), platform::twips(2850));

    // A box with no value left gives an empty pick list one row high; what is typed then is
    // completed to nothing and searched as it stands.
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    const struct {
        QStringList boxes;
        int box;
        const char* typed;
    } cases[] = {
        {{"", "", "K02100", "", "Castings"}, 0, "s"},
        {{"A-36", "", "", "", ""}, 3, "304"},  // A-36 has no grade
    };
    for (const auto& c : cases) {
        setBoxes(c.boxes);
        window->Text1[c.box]->setFocus();
        EXPECT_EQ(window->List1[0]->count(), 0);
        EXPECT_EQ(window->List1[0]->height(), platform::twips(285));
        QTest::keyClicks(window->Text1[c.box], c.typed);
        EXPECT_EQ(window->Text1[c.box]->text(), c.typed);
        EXPECT_EQ(caption(), "No matching materials found.") << c.typed;
    }
}

TEST_F(MaterialSpecification, ArrowShowsAndHidesThePickListAndMovesItBetweenBoxes)
{
    platform::ui::ListView& list = *window->List1[0];
    window->Command2_Click(0);
    EXPECT_TRUE(list.isVisible());
    EXPECT_EQ(window->pickListTag, 0);
    EXPECT_FALSE(window->Command1[1]->isDefault());
    EXPECT_EQ(list.x(), window->Frame1[0]->x() + window->Text1[0]->x());
    EXPECT_EQ(list.y(), platform::twips(30) + platform::twips(450) + platform::twips(330));
    const int n = list.count();
    EXPECT_EQ(list.height(), platform::twips(pickListHeight(n)));

    // Again: hidden, default button back, the same entries (not refilled).
    list.addEntry("marker");
    window->Command2_Click(0);
    EXPECT_TRUE(list.isHidden());
    EXPECT_TRUE(window->Command1[1]->isDefault());
    EXPECT_EQ(list.entryText(list.count()), "marker");
    window->Command2_Click(0);
    EXPECT_EQ(list.entryText(list.count()), "marker");

    // The arrow of box 2 while the list is shown under box 0: moved, hidden, then filled for box 2.
    window->Command2_Click(2);
    EXPECT_TRUE(list.isHidden());
    EXPECT_EQ(list.x(), window->Frame1[0]->x() + window->Text1[2]->x());
    EXPECT_EQ(window->pickListTag, 2);
    EXPECT_TRUE(entriesOf(list).contains("K02700"));
    window->Command2_Click(2);
    EXPECT_TRUE(list.isVisible());
    EXPECT_TRUE(entriesOf(list).contains("K02700"));
}

TEST_F(MaterialSpecification, PickByKeyboardAndMouse)
{
    platform::ui::ListView& list = *window->List1[0];
    window->Command2_Click(3);
    // Nothing selected: nothing taken, the list stays.
    list.clearSelection();
    window->List1_KeyUp(0, platform::ui::keys::Enter, 0);
    EXPECT_TRUE(list.isVisible());
    EXPECT_EQ(window->Text1[3]->text(), "");

    const int row = entriesOf(list).indexOf("70") + 1;
    ASSERT_GT(row, 0);
    list.selectIndex(row);
    window->List1_KeyUp(0, platform::ui::keys::Space, 0);
    EXPECT_EQ(window->Text1[3]->text(), "70");
    EXPECT_TRUE(list.isHidden());
    EXPECT_TRUE(window->Command1[1]->isDefault());
    EXPECT_EQ(caption(), "1 matching materials");  // SA-516 grade 70 among the plates

    // A key up in the results list takes nothing.
    window->Command2_Click(0);
    list.selectIndex(1);
    window->List1_KeyUp(3, platform::ui::keys::Enter, 0);
    EXPECT_TRUE(list.isVisible());
    window->List1_MouseUp(0);
    EXPECT_EQ(window->Text1[0]->text(), list.entryText(1));
    EXPECT_FALSE(window->Command1[1]->isDefault());  // a click leaves the default button alone
    EXPECT_TRUE(list.isHidden());
}

TEST_F(MaterialSpecification, ColumnClicksSortEitherWayAndFlipWhateverTheColumn)
{
    setBoxes({"", "", "", "", "Plate"});
    platform::ui::SortableListView& list = window->results();
    auto ksi = [&] { return columnOf(list, 9); };
    auto byText = [](bool descending) {
        return [descending](const QString& a, const QString& b) {
            const int c = a.compare(b, Qt::CaseInsensitive);
            return descending ? c > 0 : c < 0;
        };
    };
    window->List1_ColumnClick(3, 10);  // "KSI"
    QStringList values = ksi();
    EXPECT_TRUE(std::is_sorted(values.begin(), values.end(), byText(true)));
    EXPECT_EQ(values.front(), "80");
    window->List1_ColumnClick(3, 10);
    values = ksi();
    EXPECT_TRUE(std::is_sorted(values.begin(), values.end(), byText(false)));
    EXPECT_EQ(values.front(), "24") << "text order";
    window->List1_ColumnClick(3, 10);  // descending
    window->List1_ColumnClick(3, 2);   // another column after a descending sort: ascending
    values = columnOf(list, 1);
    EXPECT_TRUE(std::is_sorted(values.begin(), values.end(), byText(false)));
    EXPECT_EQ(list.sortKey(), 1);
    EXPECT_EQ(list.sortOrder(), Qt::AscendingOrder);
    // A new search keeps the chosen order.
    setBoxes({"", "", "", "", "Forg"});
    values = columnOf(list, 1);
    EXPECT_TRUE(std::is_sorted(values.begin(), values.end(), byText(false)));
}

TEST_F(MaterialSpecification, QuotesAndBracketsTypedIntoBoxesAreSearchedSafely)
{
    // A criterion that cannot be searched as written says why in place of the count.
    const struct {
        QString text;
        QString caption;
    } cases[] = {
        {"6\"0", "No matching materials found."},
        {"\" OR \"\"=\"", "No matching materials found."},
        {"[", "The words cannot be searched as written: a \"[\" has no \"]\" to end its set of characters (to find "
              "\"[\" itself, write \"[[]\")."},
        {"[[]", "No matching materials found."},
    };
    for (const auto& c : cases) {
        setBoxes({"", "", "", c.text, ""});
        EXPECT_EQ(caption(), c.caption) << c.text.toStdString();
        EXPECT_EQ(window->results().count(), 0);
        EXPECT_EQ(seams.pointer.current(), platform::Pointer::Default);
    }
    EXPECT_TRUE(seams.messages.shown.empty());
    // Typed through the keyboard with the pick list loaded.
    window->Text1_GotFocus(0);
    QTest::keyClicks(window->Text1[0], "S\"");
    EXPECT_EQ(caption(), "No matching materials found.");
}

TEST_F(MaterialSpecification, ParagraphButtonsOpenTheCrossReferenceAndCancelCloses)
{
    window->Command3[0]->click();
    window->Command3[1]->click();
    ASSERT_EQ(openers.opened.size(), 2u);
    EXPECT_EQ(openers.opened[0].window, "crossReference");
    EXPECT_EQ(openers.opened[0].lookupKey, "QW-420");
    EXPECT_EQ(openers.opened[1].lookupKey, "QW-424.1");
    window->Command1[0]->click();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MaterialSpecification, PrintGathersTheSelectedRowsInListOrder)
{
    platform::ui::SortableListView& list = window->results();
    list.clearSelection();
    EXPECT_TRUE(baseMetalReport(list).rows.empty());

    for (int row : {9, 3, 7})
        list.topLevelItem(row - 1)->setSelected(true);
    const LookupReport report = baseMetalReport(list);
    EXPECT_EQ(report.orientation, 2);
    EXPECT_EQ(report.title, "Varnel");
    EXPECT_EQ(report.subtitle, "Base metal report");
    ASSERT_EQ(report.rows.size(), 3u);
    EXPECT_EQ(report.rows[0], (QStringList{list.subItem(3, 0), list.subItem(3, 1), list.subItem(3, 2), list.subItem(3, 3),
                                           list.subItem(3, 4), list.subItem(3, 5), list.subItem(3, 6), list.subItem(3, 7),
                                           list.subItem(3, 8), list.subItem(3, 9), list.subItem(3, 10), list.subItem(3, 11)}));
    EXPECT_EQ(report.rows[1][0], list.subItem(7, 0));
    EXPECT_EQ(report.rows[2][1], list.subItem(9, 1));

    // More than 25 selected: the first 25 in list order.
    setBoxes({"", "", "", "", ""});
    list.selectAll();
    const LookupReport all = baseMetalReport(list);
    ASSERT_EQ(all.rows.size(), 25u);
    EXPECT_EQ(all.rows[24][0], list.subItem(25, 0));
}
