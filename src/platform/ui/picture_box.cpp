#include "platform/ui/picture_box.h"

#include <QImageReader>
#include <QPixmap>

namespace platform::ui {

PictureBox::PictureBox(QWidget* parent) : QLabel(parent)
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

bool PictureBox::loadPicture(const QString& path)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QImage image = reader.read();
    if (image.isNull())
        return false;
    setPixmap(QPixmap::fromImage(image));
    resize(image.size());
    return true;
}

}  // namespace platform::ui
