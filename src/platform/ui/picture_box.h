#pragma once
// A picture box that takes the size of the picture it loads. The file's content decides its
// format (bitmap, icon, GIF, JPEG, ...), whatever its name ends in.

#include <QLabel>

namespace platform::ui {

class PictureBox : public QLabel {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);
    // Loads the picture and sizes the box to it. A missing or unreadable file loads nothing,
    // leaves the box as it was and returns false.
    bool loadPicture(const QString& path);
    bool hasPicture() const { return !pixmap().isNull(); }
};

}  // namespace platform::ui
