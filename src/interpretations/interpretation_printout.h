#pragma once
// The heading of the printed interpretation page.

#include <QString>

namespace varnel {

// "ASME Interpretations, Copyright(c) 1974-<year> The American Society of Mechanical Engineers".
QString interpretationsCopyright(int currentYear);

}  // namespace varnel
