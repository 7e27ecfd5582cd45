#pragma once
// The statements of the filler-metal search over [Filler metals] and [Filler Metal
// Specifications], the SFA number of a specification title, and the title a welding process
// chosen in the main window presets. Every box text enters the SQL as a safe literal.

#include <QString>
#include <array>

namespace varnel::fillermetal {

// Box texts by box index: 0 AWS classification, 1 A-number, 2 UNS, 3 F-number, 4 specification.
using Boxes = std::array<QString, 5>;

// The piece of one box, empty when the box is empty. The specification box matches the SFA
// number at the start of its text (its first four characters, trimmed).
QString piece(int box, const QString& text);
// The results query over every box.
QString listStatement(const Boxes& boxes);
// The values of `field` ("AWS_Class", "A_NO", "UNS", "F_NO", "SFA") that the other boxes allow.
QString menuStatement(const QString& field, const Boxes& boxes);
// The field of a box's pick list.
QString fieldOfBox(int box);

inline const QString titlesStatement =
    QStringLiteral("SELECT [SFA],[DESIGNATION],[ORDER] FROM [Filler Metal Specifications] ORDER BY [ORDER]");
// A title: the SFA number, three blanks, the designation.
QString specificationTitle(const QString& sfa, const QString& designation);
// The SFA number of a title as the SFA pick list takes it: the text before the first blank, trimmed.
QString titleNumber(const QString& title);
// The find on [Filler metals] of one SFA number.
QString sfaCriterion(const QString& number);

// The title number that the main window's process and variable category preset; 0 for none.
// `processBox` and `categoryBox` are the main window's process and category box texts.
int presetTitleNumber(const QString& processBox, const QString& categoryBox);

}  // namespace varnel::fillermetal
