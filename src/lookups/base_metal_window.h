#pragma once
// The base-metal window: the specifications of [Base metals] (Table QW/QB-422) that match five
// criteria boxes, with P-, group and S-numbers, UNS number, tensile strength and composition;
// a report of the selected rows, and the paragraphs QW-420 and QW-424.1 in the pop-up.

#include "lookups/lookup_search.h"

namespace varnel {

class varnelMaterialSpecification : public SpecificationSearch {
    Q_OBJECT
public:
    explicit varnelMaterialSpecification(QWidget* parent = nullptr);

    std::array<platform::ui::Label*, 5> Label1{};           // the box captions
    platform::ui::Label* Label2 = nullptr;
    std::array<platform::ui::CommandButton*, 2> Command3{};  // "QW-420", "QW-424.1"

    void Form_Load();
    void loadMaterialList() override;
    void loadMenuList(const QString& field) override;
    QString fieldOfBox(int index) const override;
    void Command1_Click(int index) override;
    void Command3_Click(int index);

private:
    void createControls();
};

}  // namespace varnel
