#pragma once
// The filler-metal window: the filler metals of [Filler metals] (Table QW-432, F-numbers) that
// match five criteria boxes, with their SFA specification, F- and A-numbers, UNS number and
// comment. It presets the specification from the process chosen in the main window, opens the
// A-number determination and the SFA applicability matrix, and reports the selected rows.

#include "lookups/lookup_search.h"

#include <vector>

namespace varnel {

class varnelFillerSpecification : public SpecificationSearch {
    Q_OBJECT
public:
    explicit varnelFillerSpecification(QWidget* parent = nullptr);

    std::array<platform::ui::Label*, 43> Label1{};  // 0, 1, 2, 4 and 42 head the boxes
    platform::ui::Label* Label2 = nullptr;
    platform::ui::CommandButton* cmdApplicability = nullptr;
    platform::ui::CommandButton* cmdAnumbers = nullptr;
    std::array<platform::ui::ListView*, 1> ListSpecTitle{};  // the SFA titles in [ORDER], hidden

    // The titles at 1..n in [ORDER]; index 0 stays empty.
    std::vector<QString> specificationTitles;

    void Form_Load();
    void loadSpecificationTitles();
    void presetSpecification();
    void loadMaterialList() override;
    void loadMenuList(const QString& field) override;
    QString fieldOfBox(int index) const override;
    void Command1_Click(int index) override;
    void cmdAnumbers_Click();
    void cmdApplicability_Click();

private:
    void createControls();
};

}  // namespace varnel
