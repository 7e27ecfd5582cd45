#pragma once
// A grid as assistive technology reads it: a table whose children are its cells, row after row,
// each named by its text; the fixed rows are column headers, the fixed columns row headers, and
// the current cell holds the focus while the grid has it.

namespace platform::ui {

// From now on every grid reads as such a table.
void readGridsAsTables();

}  // namespace platform::ui
