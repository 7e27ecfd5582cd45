#pragma once
// Lets the test framework show texts in its failure messages as text rather than bytes.

#include <QString>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
