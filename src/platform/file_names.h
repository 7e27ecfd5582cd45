#pragma once
// File names as the Windows platform reads them: without regard to letter case. Data written on
// such a system may name its files and folders in any case ("FIG466_1.DLL" for fig466_1.dll).

#include <QString>

namespace platform {

// The path of `relative` (names joined by '/') under `directory` as it stands on the disk: each
// name as spelled when an entry of that spelling exists, else the entry that differs from it in
// letter case alone (the first in the order of their names when several do). Empty when some
// name is found in no spelling.
QString existingPathIgnoringCase(const QString& directory, const QString& relative);

// `path` when nothing lies there; otherwise the first of "name-2.ext", "name-3.ext", ... in the
// same folder under which nothing lies, so that a new file never replaces an earlier one.
QString unusedFileName(const QString& path);

// What keeps a new file from being made at `path`, for the person ("the folder \"/x\" is not
// there"): its folder is missing, is a link to nothing, is not a folder or cannot be written to.
// Empty when nothing does.
QString newFileObstacle(const QString& path);

}  // namespace platform
