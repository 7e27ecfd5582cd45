#include "lookups/varnel_definitions.h"

#include "app/varnel_core.h"
#include "app/window_openers.h"
#include "data/read_failures.h"
#include "lookups/rich_text.h"
#include "lookups/type_ahead.h"
#include "platform/ui/handler_guard.h"
#include "platform/ui/twips.h"
#include "platform/ui/window_geometry.h"
#include "platform/vb.h"

namespace varnel {

using namespace platform::ui;
using platform::twips;
using platform::twipsRect;

QString figureListOf(const QString& figures)
{
    QString list;
    QString s = figures;
    while (!s.isEmpty()) {
        QString piece;
        if (const int k = vb::InStr(s, QStringLiteral(",")); k > 0) {
            piece = vb::Trim(vb::Left(s, k - 1));
            s = vb::Trim(vb::Mid(s, k + 1));
        } else {
            piece = vb::Trim(s);
            s.clear();
        }
        list += QStringLiteral("Fig.") + piece + QStringLiteral(", ");
    }
    if (!list.isEmpty())
        list.chop(2);
    return list;
}

varnelDefinitions::varnelDefinitions(QWidget* parent) : LookupDialog(QStringLiteral("varnelDefinitions"), parent)
{
    createControls();
    Form_Load();
}

void varnelDefinitions::createControls()
{
    setWindowTitle(QStringLiteral("Definitions"));
    setFixedSize(twips(4695), twips(4590));

    Frame1[2] = new Frame(QStringLiteral("Source"), this);
    Frame1[2]->setGeometry(twipsRect(30, 30, 4620, 525));
    const char* sources[] = {"ASME IX Welding", "ASME IX Brazing", "AWS A3.0"};
    const QRect optionAreas[] = {{90, 240, 1605, 225}, {1800, 240, 1545, 225}, {3510, 240, 1065, 225}};
    for (int i = 0; i < 3; ++i) {
        Option1[i] = new OptionButton(QString::fromLatin1(sources[i]), Frame1[2]);
        const QRect& a = optionAreas[i];
        Option1[i]->setGeometry(twipsRect(a.x(), a.y(), a.width(), a.height()));
    }
    Option1[0]->setChecked(true);

    Frame1[0] = new Frame(QStringLiteral("Term"), this);
    Frame1[0]->setGeometry(twipsRect(30, 570, 4620, 675));
    Text1[0] = new TextBox(Frame1[0]);
    Text1[0]->setGeometry(twipsRect(120, 270, 4425, 330));
    QFont arial(QStringLiteral("Arial"));
    arial.setPointSizeF(8.25);
    Text1[0]->setFont(arial);
    Command2[0] = newArrowButton(Frame1[0]);
    Command2[0]->setGeometry(twipsRect(4260, 300, 255, 270));

    Frame1[1] = new Frame(QStringLiteral("Definition"), this);
    Frame1[1]->setGeometry(twipsRect(30, 1290, 4605, 2835));
    RichTextBox1 = new RichTextBox(Frame1[1]);
    RichTextBox1->setGeometry(twipsRect(120, 240, 4365, 2445));

    Command1[1] = new CommandButton(QStringLiteral("&View figure(s)"), this);
    Command1[1]->setGeometry(twipsRect(60, 4200, 1215, 345));
    Command1[1]->hide();
    Command1[0] = new CommandButton(QStringLiteral("&Cancel"), this);
    Command1[0]->setGeometry(twipsRect(3630, 4200, 1000, 345));

    List1[0] = new DropDownList(this);
    List1[0]->setGeometry(twipsRect(150, 1140, 4425, 2325));
    List1[0]->hide();
    List1[0]->raise();

    Text1[0]->change = guarded([this] { Text1_Change(0); });
    Text1[0]->handlers.gotFocus = guarded([this] { Text1_GotFocus(0); });
    Text1[0]->handlers.keyDown = guarded([this](int keyCode, int shift) { Text1_KeyDown(0, keyCode, shift); });
    Command2[0]->click = guarded([this] { Command2_Click(0); });
    List1[0]->keyUp = guarded([this](int keyCode, int shift) { List1_KeyUp(0, keyCode, shift); });
    List1[0]->mouseUp = guarded([this] { List1_MouseUp(0); });
    for (int i = 0; i < 3; ++i)
        Option1[i]->click = guarded([this, i] { Option1_Click(i); });
    for (int i = 0; i < 2; ++i)
        Command1[i]->click = guarded([this, i] { Command1_Click(i); });
}

void varnelDefinitions::Form_Load()
{
    centreOnScreen(*this);
    Hourglass busy;
    firstCompletion = true;
    loadMenuList();
}

void varnelDefinitions::Form_Activate()
{
    // Writing the text the box holds is no change: it keeps its selection too.
    if (Text1[0]->text() != varnelCore().lookupKey)
        Text1[0]->setText(varnelCore().lookupKey);
    LookupDialog::Form_Activate();
}

QString varnelDefinitions::glossaryTable() const
{
    if (Option1[0]->value())
        return QStringLiteral("Definitions");
    if (Option1[1]->value())
        return QStringLiteral("Definitions - Brazing");
    return QStringLiteral("Definitions - AWS");
}

QString varnelDefinitions::glossaryQuery() const
{
    return QStringLiteral("SELECT * FROM [%1] ORDER BY [term]").arg(glossaryTable());
}

void varnelDefinitions::showGlossaryMissing()
{
    RichTextBox1->setText(missingTableText(glossaryTable()));
    Command1[1]->hide();
}

void varnelDefinitions::showUnreadableGlossary(const std::exception& error)
{
    RichTextBox1->setText(unreadableReferenceText(error));
    Command1[1]->hide();
}

void varnelDefinitions::loadMenuList()
{
    ListView& list = *List1[0];
    list.clearEntries();
    QStringList terms;
    try {
        glossaryRecordset = openSnapshot(glossaryQuery());
        for (; !glossaryRecordset->eof(); glossaryRecordset->moveNext())
            terms << trimmedField(*glossaryRecordset, QStringLiteral("term"));
    } catch (const dao::Error& error) {
        // A glossary that cannot be read leaves the drop-down empty, and then the box's change
        // handling does nothing: a missing or damaged one is said at once.
        if (isMissingTable(error))
            showGlossaryMissing();
        else if (sayReferenceDamage(error))
            showUnreadableGlossary(error);
    }
    appendPickEntries(list, terms, QIcon());
    sizePickList(list);
    if (vb::Trim(varnelCore().lookupKey).isEmpty())
        Text1_Change(0);
}

void varnelDefinitions::loadDefinition()
{
    Hourglass busy;
    try {
        glossaryRecordset = openSnapshot(glossaryQuery());
        dao::Recordset& rs = *glossaryRecordset;
        // A text that cannot be searched as written (a lone "[", say) says why; a search the
        // engine refuses otherwise matches no term.
        bool found = false;
        QString unsearchable;
        try {
            rs.findFirst(QStringLiteral("[term] LIKE ") + dao::literal(Text1[0]->text() + u'*'));
            found = !rs.noMatch();
        } catch (const dao::Error& error) {
            if (dao::meansUnreadableFile(error))
                throw;
            unsearchable = unsearchableWordsText(error);
        }
        if (!found) {
            RichTextBox1->setText(unsearchable.isEmpty() ? QStringLiteral("No match found") : unsearchable);
            Command1[1]->hide();
        } else {
            // A Null definition shows as an empty one, with the figures of its own term.
            showRichText(*RichTextBox1, nullToEmpty(rs.field(QStringLiteral("definition"))));
            const QString figures = Option1[2]->value() ? QString() : nullToEmpty(rs.field(QStringLiteral("figure")));
            Command1[1]->setVisible(!figures.isEmpty());
            if (!figures.isEmpty())
                loadFigures(vb::Trim(vb::Replace(figures, QStringLiteral("\""), QStringLiteral(" "))));
        }
    } catch (const dao::Error& error) {
        // The definition box and the figure button keep what they showed, unless the glossary
        // is missing or damaged.
        if (isMissingTable(error))
            showGlossaryMissing();
        else if (sayReferenceDamage(error))
            showUnreadableGlossary(error);
    }
    if (glossaryRecordset) {
        glossaryRecordset->close();
        glossaryRecordset.reset();
    }
}

void varnelDefinitions::loadFigures(const QString& figures)
{
    figureList = figureListOf(figures);
    varnelCore().pictureKey = figureList;
}

void varnelDefinitions::Text1_Change(int)
{
    const ListView& list = *List1[0];
    if (list.count() == 0)
        return;
    if (!skipTypeAhead) {
        TextBox* box = Text1[0];
        const QString typed = box->text();
        if (const int entry = completionEntry(list, typed); entry > 0) {
            const QString term = list.entryText(entry);
            // A change of the box itself: the nested run completes to the same term and looks it up.
            box->setText(term);
            if (firstCompletion)
                firstCompletion = false;
            else
                varnelCore().lookupKey = term;
            box->setSel(static_cast<int>(typed.size()), static_cast<int>(term.size() - typed.size()));
        }
    }
    loadDefinition();
}

void varnelDefinitions::Text1_GotFocus(int) { List1[0]->hide(); }

void varnelDefinitions::Text1_KeyDown(int, int keyCode, int)
{
    skipTypeAhead = keyCode == keys::Delete || keyCode == keys::Backspace || keyCode == keys::Left
                    || keyCode == keys::Right;
}

void varnelDefinitions::Command2_Click(int)
{
    ListView* list = List1[0];
    const TextBox* box = Text1[0];
    list->move(Frame1[0]->x() + box->x(), Frame1[0]->y() + box->y() + box->height());
    list->resize(box->width(), list->height());
    list->setColumnWidth(0, box->width() - twips(600));
    list->setVisible(list->isHidden());
    if (!list->isHidden()) {
        list->raise();
        list->setFocus();
    } else {
        giveFocus(*Text1[0]);
    }
}

void varnelDefinitions::takePickedEntry(bool byKeyboard)
{
    const ListView& list = *List1[0];
    const int selected = list.selectedIndex();
    if (selected == 0)
        return;
    if (list.count() >= 1) {
        const QString term = list.entryText(selected);
        Text1[0]->setText(term);
        varnelCore().lookupKey = term;
    }
    if (byKeyboard)
        Command1[1]->setDefault(true);
    giveFocus(*Text1[0]);
    List1[0]->hide();
}

void varnelDefinitions::List1_KeyUp(int, int keyCode, int)
{
    if (keyCode == keys::Enter || keyCode == keys::Space)
        takePickedEntry(true);
}

void varnelDefinitions::List1_MouseUp(int) { takePickedEntry(false); }

void varnelDefinitions::Option1_Click(int)
{
    Hourglass busy;
    loadMenuList();
    skipTypeAhead = false;
    Text1_Change(0);
}

void varnelDefinitions::Command1_Click(int index)
{
    if (index == 0)
        close();
    else
        openWindow(windowOpeners().picture);
}

}  // namespace varnel
