#pragma once
// A grid as assistive technology reads it: a table of all its rows and columns whose children are
// its cells, row after row, each named by its text; the fixed rows are column headers, the fixed
// columns row headers (said with each cell and as the descriptions of its columns and rows), a
// merged cell spans its columns, and the current cell holds the focus while the grid has it.

namespace platform::ui {

// From now on every grid reads as such a table. Called once, as the application starts.
void readGridsAsTables();

}  // namespace platform::ui
