#pragma once
// The statements of the base-metal search over [Base metals]: the criterion of each of the five
// boxes, the results query and the pick-list query of one field, and the texts of the columns
// that need more than trimming. Every box text enters the SQL as a safe literal.

#include "platform/dao/dao.h"

#include <QString>
#include <array>

namespace varnel::basemetal {

// Box texts by box index: 0 specification, 1 P- or S-number, 2 UNS, 3 type or grade, 4 product form.
using Boxes = std::array<QString, 5>;

// The criterion of one box, empty when the box is empty.
QString criterion(int box, const QString& text);
// The results query over every box.
QString listStatement(const Boxes& boxes);
// The values of `field` ("Spec_No", "P_", "S_", "UNS", "Grade", "Product_FM") in the rows that
// the boxes other than the field's own allow.
QString menuStatement(const QString& field, const Boxes& boxes);
// The box a field belongs to; -1 for an unknown field.
int boxOfField(const QString& field);

// The addenda column: "'07 revised" for the marker 07r; empty for no marker or an unknown letter.
QString addendaText(const dao::Value& addenda);
// The P-number column: "Unassigned" for exactly "U".
QString pNumberText(const QString& p);

}  // namespace varnel::basemetal
