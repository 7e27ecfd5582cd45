#pragma once
// The figure viewer: the figures whose ids pictureKey lists, one at a time, each with its title,
// its explanatory text and its picture, with a chooser among them and a scroll bar for a picture
// taller than the visible area. It rewrites pictureKey into the normalised list it queried.

#include "platform/ui/combo_box.h"
#include "platform/ui/controls.h"
#include "platform/ui/multiline_text_box.h"
#include "platform/ui/picture_box.h"

#include <QDialog>

class QFrame;
class QScrollBar;

namespace varnel {

class varnelPicture : public QDialog {
    Q_OBJECT
public:
    // Creation loads the window; the figures are read on activation.
    explicit varnelPicture(QWidget* parent = nullptr);

    platform::ui::Frame* Frame1 = nullptr;              // caption: id and short title
    platform::ui::MultiLineTextBox* txtTitle = nullptr; // a long title, or the no-figures message
    QFrame* Picture2 = nullptr;                         // the visible area of the figure
    platform::ui::Frame* Frame2 = nullptr;              // carries the picture; moves to scroll
    platform::ui::PictureBox* Picture1 = nullptr;       // the figure itself
    QScrollBar* VScroll1 = nullptr;                     // scrolls Frame2, in twips
    platform::ui::Label* lblPictureFile = nullptr;      // in place of a picture whose file is missing or unreadable
    platform::ui::MultiLineTextBox* txtText = nullptr;  // the explanatory text
    platform::ui::ComboBox* Combo1 = nullptr;           // the ids found
    platform::ui::CommandButton* Command1 = nullptr;    // Cancel

    short figureCount = 0;  // rows of [Graphics] found for pictureKey
    bool hasText = false;   // the figure shown has an explanatory text

    void Form_Load();
    void Form_Activate();
    void Form_Resize();
    void Combo1_Click();
    void VScroll1_Change();
    void Command1_Click();

    void initiateDefinition();
    void loadDefinition(const QString& id);
    // False when the picture file could not be loaded; the visible area then says, in place of the
    // drawing, that the file is missing or cannot be read, and names it.
    bool loadPictureFile(const QString& name);

    // A list of figure ids (separated by commas; blanks and double quotes around an id do not
    // count) as the ids in double quotes joined by commas, ready for an IN list.
    static QString normalisedPictureKey(const QString& key);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void showNoFigures();
    // Heights of the visible area and its scroll bar for the current title and text.
    void fitVisibleArea();
    void fitScrollRange();
};

}  // namespace varnel
