#pragma once
// The main window's image list `newImageList`: small pictures counted from 1. Entries of the pick
// lists and result lists show 1 or 2, the toolbar 3 to 13, fixed product forms 69.

#include <QIcon>

namespace varnel {

QIcon newImageList(int index);

// The picture of the drop-down buttons: a white arrow on a green disc, the program's own on every
// desktop (the style's arrow comes from the desktop's icon theme, grey under GNOME's).
QIcon dropDownArrow();

}  // namespace varnel
