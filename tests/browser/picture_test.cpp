// The figure viewer: the figure list it reads and rewrites, the figures it finds and their order,
// the title and text layout, the picture with its scrolling, the window's size limits, and what
// it shows when figures, pictures or the database are missing.

#include "app/varnel_core.h"
#include "app/window_openers.h"
#include "browser/browser_windows.h"
#include "browser/varnel_picture.h"
#include "platform/ui/twips.h"
#include "support/file_bytes.h"
#include "support/fixture_database.h"
#include "support/scripted_seams.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace varnel;
using platform::toTwips;
using platform::twips;

namespace {

const QString title89 = QString(89, u'a');
const QString title90 = QString(90, u'b');

QString graphicsSql()
{
    return QStringLiteral(
               "CREATE TABLE Graphics (\"picture id\" TEXT COLLATE NOCASE, title TEXT COLLATE NOCASE, text TEXT,"
               "  picture TEXT COLLATE NOCASE);"
               "INSERT INTO Graphics VALUES ('QW-462.5(a)', 'Overlay sketch', 'Sample text under the figure.', 'short');"
               "INSERT INTO Graphics VALUES ('QW-462.1(a)', 'Tension specimen', 'Sample: scroll to its end.', 'tall');"
               "INSERT INTO Graphics VALUES ('QW-469.1', NULL, NULL, 'short');"
               "INSERT INTO Graphics VALUES ('QW-461.1', '  %1  ', '', 'short');"
               "INSERT INTO Graphics VALUES ('QW-461.2', '%2', NULL, 'short');"
               "INSERT INTO Graphics VALUES ('QW-466.1', 'Missing picture', 'Sample text.', 'nofile');"
               "INSERT INTO Graphics VALUES ('QW-466.2', 'Unreadable picture', 'Sample text.', 'broken');"
               "INSERT INTO Graphics VALUES ('QW-466.6', 'Empty picture', 'Sample text.', 'empty');"
               "INSERT INTO Graphics VALUES ('QW-463.1', 'Picture stored as PNG', NULL, 'png');"
               "INSERT INTO Graphics VALUES ('QW-466.3', 'Named in capitals', NULL, 'fig466_1');"
               "INSERT INTO Graphics VALUES ('QW-466.4', 'Named in both cases', NULL, 'Twin');"
               "INSERT INTO Graphics VALUES ('QW-466.5', 'Named in both cases', NULL, 'twin');")
        .arg(title89, title90);
}

class FigureViewer : public ::testing::Test {
protected:
    FigureViewer()
    {
        resetVarnelCore();
        QDir(data.path()).mkdir(QStringLiteral("system"));
        savePicture("short", 540, 200, "BMP");
        savePicture("tall", 420, 760, "BMP");
        savePicture("png", 300, 100, "PNG");
        savePicture("FIG466_1", 310, 110, "BMP", "DLL");
        savePicture("Twin", 320, 120, "BMP");
        savePicture("twin", 330, 130, "BMP");
        testing_support::writeBytes(data.filePath(QStringLiteral("system/broken.dll")), "BM this is no picture at all");
        testing_support::writeBytes(data.filePath(QStringLiteral("system/empty.dll")), "");
        varnelCore().dataPath = data.path();
        varnelCore().mainDatabase =
            dao::Workspace::defaultWorkspace().openDatabase(database.path(), false, true, QStringLiteral(";pwd="));
    }
    ~FigureViewer() override
    {
        viewer.reset();
        windowOpeners() = WindowOpeners{};
        resetVarnelCore();
    }

    // Picture files end in ".dll" whatever their format.
    void savePicture(const char* name, int width, int height, const char* format, const char* extension = "dll")
    {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        ASSERT_TRUE(image.save(data.filePath(QStringLiteral("system/%1.%2").arg(QLatin1String(name), QLatin1String(extension))),
                               format));
    }

    // The opener's steps: pictureKey, then the window shown and activated.
    varnelPicture& open(const QString& key)
    {
        varnelCore().pictureKey = key;
        viewer = std::make_unique<varnelPicture>();
        viewer->show();
        viewer->Form_Activate();
        return *viewer;
    }

    QStringList entries() const
    {
        QStringList ids;
        for (int i = 0; i < viewer->Combo1->listCount(); ++i)
            ids << viewer->Combo1->itemText(i);
        return ids;
    }
    int frameHeight() const { return toTwips(viewer->Frame1->height()); }
    // The window's outer size, by which its layout works: its client area with frame and caption.
    int outerWidth() const { return toTwips(viewer->width()) + platform::outerExtraWidth; }
    int outerHeight() const { return toTwips(viewer->height()) + platform::outerExtraHeightWithoutMenu; }
    void resizeOuter(int width, int height)
    {
        viewer->resize(twips(width - platform::outerExtraWidth), twips(height - platform::outerExtraHeightWithoutMenu));
    }
    int top(const QWidget* w) const { return toTwips(w->y()); }
    int height(const QWidget* w) const { return toTwips(w->height()); }
    bool shown(const QWidget* w) const { return w->isVisibleTo(viewer.get()); }

    testing_support::ScriptedSeams seams;
    QTemporaryDir data;
    testing_support::FixtureDatabase database{graphicsSql()};
    std::unique_ptr<varnelPicture> viewer;
};

}  // namespace

TEST(FigureList, IsRewrittenAsQuotedIdsJoinedByCommas)
{
    const struct {
        const char* key;
        const char* normalised;
    } cases[] = {
        {"QW-462.5(a)", R"x("QW-462.5(a)")x"},
        {"QW-461.1,QW-461.2", R"x("QW-461.1","QW-461.2")x"},
        {R"x( "QW-461.1" ,  "QW-461.2" )x", R"x("QW-461.1","QW-461.2")x"},
        {R"x("QW-461.1","QW-461.2")x", R"x("QW-461.1","QW-461.2")x"},  // reading it again changes nothing
        {"QW-461.1,,QW-461.2", R"x("QW-461.1","","QW-461.2")x"},
        {",QW-461.1", R"x("","QW-461.1")x"},
        {"QW-461.1, ", R"x("QW-461.1")x"},
        {R"x(  "  )x", ""},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(varnelPicture::normalisedPictureKey(QString::fromUtf8(c.key)), QString::fromUtf8(c.normalised)) << c.key;
}

TEST_F(FigureViewer, OneIdShowsThatFigureAlone)
{
    varnelPicture& v = open("QW-462.5(a)");
    EXPECT_EQ(entries(), QStringList{"QW-462.5(a)"});
    EXPECT_EQ(v.figureCount, 1);
    EXPECT_EQ(v.Combo1->listIndex(), 0);
    EXPECT_EQ(varnelCore().pictureKey, "\"QW-462.5(a)\"");
    EXPECT_EQ(v.Frame1->caption(), "QW-462.5(a)  Overlay sketch");
    EXPECT_FALSE(shown(v.txtTitle));
    EXPECT_TRUE(shown(v.txtText));
    EXPECT_EQ(v.txtText->text(), "Sample text under the figure.");
    EXPECT_TRUE(shown(v.Frame1));
    EXPECT_TRUE(shown(v.Combo1));
    EXPECT_TRUE(shown(v.Picture1));
    ASSERT_TRUE(v.Picture1->hasPicture());
    EXPECT_EQ(v.Picture1->size(), QSize(540, 200));
    EXPECT_EQ(height(v.Frame2), toTwips(200));
    EXPECT_LE(std::abs(2 * v.Picture1->x() + v.Picture1->width() - v.Frame2->width()), 1);  // centred
    EXPECT_EQ(seams.pointer.current(), platform::Pointer::Default);
    EXPECT_TRUE(seams.messages.shown.empty());
}

TEST_F(FigureViewer, ListsTheFiguresFoundInIdOrder)
{
    open(R"x( "QW-469.1" , QW-999,"QW-462.5(a)",qw-461.1 )x");
    EXPECT_EQ(entries(), (QStringList{"QW-461.1", "QW-462.5(a)", "QW-469.1"}));
    EXPECT_EQ(viewer->figureCount, 3);
    EXPECT_EQ(varnelCore().pictureKey, R"x("QW-469.1","QW-999","QW-462.5(a)","qw-461.1")x");
    EXPECT_TRUE(viewer->Frame1->caption().startsWith("QW-461.1  "));
    EXPECT_TRUE(seams.messages.shown.empty());

    viewer->Combo1->setListIndex(2);
    EXPECT_EQ(viewer->Frame1->caption(), "QW-469.1  ");  // a Null title
    EXPECT_TRUE(viewer->Picture1->hasPicture());
}

TEST_F(FigureViewer, AShortTitleGoesIntoTheCaptionALongOneIntoTheTitleBox)
{
    const struct {
        const char* id;
        QString caption;
        QString titleBox;
        int pictureTop;
    } cases[] = {
        {"QW-461.1", "QW-461.1    " + title89 + "  ", "", 270},  // 89 characters once trimmed
        {"QW-461.2", "QW-461.2", "QW-461.2 - " + title90, 1020},
        {"QW-469.1", "QW-469.1  ", "", 270},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        varnelPicture& v = open(QString::fromUtf8(c.id));
        EXPECT_EQ(v.Frame1->caption(), c.caption);
        EXPECT_EQ(shown(v.txtTitle), !c.titleBox.isEmpty());
        EXPECT_EQ(v.txtTitle->text(), c.titleBox);
        EXPECT_EQ(top(v.Picture2), c.pictureTop);
        EXPECT_TRUE(v.Picture1->hasPicture());
    }
}

TEST_F(FigureViewer, TheTextBoxTakesItsPlaceBelowTheVisibleArea)
{
    // With a text the title box's height counts twice; without one the visible area reaches down
    // to 120 twips above the frame's bottom.
    for (const char* id : {"QW-462.5(a)", "QW-461.2", "QW-461.1", "QW-469.1"}) {
        SCOPED_TRACE(id);
        varnelPicture& v = open(QString::fromUtf8(id));
        if (v.hasText) {
            EXPECT_TRUE(shown(v.txtText));
            EXPECT_EQ(height(v.Picture2), frameHeight() - 120 - (705 + top(v.Picture2)) - 705);
            EXPECT_EQ(top(v.txtText), frameHeight() - 120 - 1365);
        } else {
            EXPECT_FALSE(shown(v.txtText));
            EXPECT_EQ(height(v.Picture2), frameHeight() - 120 - top(v.Picture2));
        }
        EXPECT_EQ(height(v.VScroll1), height(v.Picture2) - 60);
    }
    EXPECT_TRUE(open("QW-462.5(a)").hasText);
    EXPECT_FALSE(open("QW-461.1").hasText);
}

TEST_F(FigureViewer, ATallFigureScrollsToItsBottomEdge)
{
    varnelPicture& shortFigure = open("QW-462.5(a)");
    EXPECT_FALSE(shortFigure.VScroll1->isEnabled());

    varnelPicture& v = open("QW-462.5(a), QW-462.1(a)");
    ASSERT_TRUE(v.VScroll1->isEnabled());
    EXPECT_EQ(v.VScroll1->maximum(), toTwips(760) - height(v.Picture2));
    EXPECT_EQ(v.VScroll1->value(), 0);
    // Tab reaches the scroll bar, and its keys scroll the figure.
    v.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&v));
    v.Command1->setFocus();
    QTest::keyClick(v.Command1, Qt::Key_Tab);
    ASSERT_TRUE(v.VScroll1->hasFocus());
    QTest::keyClick(v.VScroll1, Qt::Key_Down);
    EXPECT_EQ(top(v.Frame2), -225);
    QTest::keyClick(v.VScroll1, Qt::Key_PageDown);
    EXPECT_EQ(v.VScroll1->value(), 225 + v.VScroll1->pageStep());
    QTest::keyClick(v.VScroll1, Qt::Key_End);
    EXPECT_EQ(top(v.Frame2) + height(v.Frame2), height(v.Picture2));
    v.VScroll1->setValue(v.VScroll1->maximum());
    EXPECT_EQ(top(v.Frame2), -v.VScroll1->maximum());
    EXPECT_EQ(top(v.Frame2) + height(v.Frame2), height(v.Picture2));

    // Another figure starts at the top again.
    v.Combo1->setListIndex(1);
    EXPECT_EQ(top(v.Frame2), 0);
    EXPECT_FALSE(v.VScroll1->isEnabled());
}

TEST_F(FigureViewer, TheWindowKeepsItsWidthAndMinimumHeight)
{
    varnelPicture& v = open("QW-462.5(a)");
    // As it opens, the buttons end 60 twips above the bottom edge, as they do at every height.
    EXPECT_EQ(top(v.Command1) + height(v.Command1), toTwips(v.height()) - 60);
    resizeOuter(8000, 5000);
    EXPECT_EQ(outerWidth(), 9090);
    EXPECT_EQ(outerHeight(), 6870);
    EXPECT_EQ(frameHeight(), 6870 - 870);
    EXPECT_EQ(top(v.Command1), 6870 - 750);
    EXPECT_EQ(top(v.Combo1), 6870 - 750);
    EXPECT_EQ(top(v.txtText), frameHeight() - 120 - 1365);

    resizeOuter(12000, 9000);
    EXPECT_EQ(outerWidth(), 9090);
    EXPECT_EQ(frameHeight(), 9000 - 870);
    EXPECT_EQ(top(v.txtText), frameHeight() - 120 - 1365);
}

TEST_F(FigureViewer, TheScrollRangeFollowsTheVisibleArea)
{
    varnelPicture& v = open("QW-462.1(a)");
    resizeOuter(9090, 9000);
    resizeOuter(9090, 6870);
    v.VScroll1->setValue(v.VScroll1->maximum());
    EXPECT_EQ(top(v.Frame2) + height(v.Frame2), height(v.Picture2));
    resizeOuter(9090, 20000);
    EXPECT_FALSE(v.VScroll1->isEnabled());
    EXPECT_EQ(top(v.Frame2), 0);
}

TEST_F(FigureViewer, NoFigureFoundShowsTheMessageInTheTitleBox)
{
    for (const char* key : {"QW-999", "", "\" , \""}) {
        SCOPED_TRACE(key);
        varnelPicture& v = open(QString::fromUtf8(key));
        EXPECT_EQ(v.txtTitle->text(), "No figures found in database.");
        EXPECT_TRUE(shown(v.txtTitle));
        EXPECT_TRUE(v.Frame1->caption().isEmpty());
        EXPECT_EQ(v.Combo1->listCount(), 0);
        EXPECT_FALSE(shown(v.txtText));
        EXPECT_FALSE(v.Picture1->hasPicture());
        EXPECT_EQ(height(v.Picture2), frameHeight() - 120 - top(v.Picture2));
        EXPECT_EQ(seams.pointer.current(), platform::Pointer::Default);
    }
    EXPECT_TRUE(seams.messages.shown.empty());
}

TEST_F(FigureViewer, AMissingOrUnreadablePictureIsSaidNamingTheFileInPlaceOfTheDrawing)
{
    const struct {
        const char* id;
        const char* caption;
        const char* says;
    } cases[] = {
        {"QW-466.1", "QW-466.1  Missing picture", "The figure's file %1/system/nofile.dll is missing."},
        {"QW-466.2", "QW-466.2  Unreadable picture", "The figure's file %1/system/broken.dll cannot be read."},
        {"QW-466.6", "QW-466.6  Empty picture", "The figure's file %1/system/empty.dll cannot be read."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        const QString says = QString::fromUtf8(c.says).arg(data.path());
        varnelPicture& first = open(QLatin1String(c.id));
        EXPECT_EQ(first.Frame1->caption(), QLatin1String(c.caption));
        EXPECT_EQ(first.txtText->text(), "Sample text.");
        EXPECT_FALSE(first.Picture1->hasPicture());
        EXPECT_TRUE(shown(first.lblPictureFile));
        EXPECT_EQ(first.lblPictureFile->caption(), says);

        // After a tall figure: the caption and text of the new one, and what its file lacks.
        varnelPicture& v = open(QLatin1String(c.id) + QStringLiteral(", QW-462.1(a)"));
        EXPECT_EQ(v.Frame1->caption(), "QW-462.1(a)  Tension specimen");
        ASSERT_TRUE(v.Picture1->hasPicture());
        EXPECT_FALSE(shown(v.lblPictureFile));
        v.VScroll1->setValue(v.VScroll1->maximum());
        v.Combo1->setListIndex(1);
        EXPECT_EQ(v.Frame1->caption(), QLatin1String(c.caption));
        EXPECT_TRUE(shown(v.txtText));
        EXPECT_EQ(v.txtText->text(), "Sample text.");
        EXPECT_FALSE(v.Picture1->hasPicture());
        EXPECT_TRUE(v.Picture1->size().isEmpty());
        EXPECT_EQ(v.lblPictureFile->caption(), says);
        EXPECT_TRUE(v.Picture2->rect().contains(v.lblPictureFile->geometry()));
        EXPECT_FALSE(v.VScroll1->isEnabled());
        EXPECT_EQ(v.Frame2->y(), 0);
        EXPECT_EQ(seams.pointer.current(), platform::Pointer::Default);
    }
    EXPECT_TRUE(seams.messages.shown.empty());
}

TEST_F(FigureViewer, TheFileContentDecidesThePictureFormat)
{
    varnelPicture& v = open("QW-463.1");
    ASSERT_TRUE(v.Picture1->hasPicture());
    EXPECT_EQ(v.Picture1->size(), QSize(300, 100));
}

TEST_F(FigureViewer, AFileNamedInAnotherLetterCaseIsFoundTheExactSpellingFirst)
{
    const struct {
        const char* id;
        QSize size;
    } cases[] = {
        {"QW-466.3", {310, 110}},  // fig466_1 as FIG466_1.DLL
        {"QW-466.4", {320, 120}},  // Twin beside twin
        {"QW-466.5", {330, 130}},  // twin beside Twin, which comes first in name order
    };
    for (const auto& c : cases) {
        varnelPicture& v = open(QLatin1String(c.id));
        ASSERT_TRUE(v.Picture1->hasPicture()) << c.id;
        EXPECT_EQ(v.Picture1->size(), c.size) << c.id;
    }
    // The folder in another case too.
    ASSERT_TRUE(QDir(data.path()).rename(QStringLiteral("system"), QStringLiteral("System")));
    varnelPicture& v = open(QStringLiteral("QW-466.3"));
    ASSERT_TRUE(v.Picture1->hasPicture());
    EXPECT_EQ(v.Picture1->size(), QSize(310, 110));
}

TEST_F(FigureViewer, ADatabaseFailureEndsTheLoadingQuietlyAndNoDatabaseIsSaid)
{
    const testing_support::FixtureDatabase withoutGraphics(QStringLiteral("CREATE TABLE Other (a TEXT);"));
    varnelCore().mainDatabase =
        dao::Workspace::defaultWorkspace().openDatabase(withoutGraphics.path(), false, true, QStringLiteral(";pwd="));
    for (int pass = 0; pass < 2; ++pass) {
        varnelPicture& v = open("QW-462.5(a)");
        EXPECT_EQ(v.Combo1->listCount(), 0);
        EXPECT_TRUE(shown(v.Picture1));
        EXPECT_TRUE(shown(v.Frame1));
        EXPECT_EQ(seams.pointer.current(), platform::Pointer::Default);
        ASSERT_EQ(seams.messages.shown.size(), static_cast<size_t>(pass));
        varnelCore().mainDatabase.reset();
    }
    EXPECT_EQ(seams.messages.shown[0].text, noReferenceDatabaseText);
}

TEST_F(FigureViewer, ReopeningWithAnUnknownIdAfterAFigureWithTextShowsNoTextBox)
{
    registerBrowserWindows();
    std::vector<bool> textShown;
    std::vector<QString> titles;
    seams.modal.scripts["varnelPicture"] = [&](QDialog& window) {
        QCoreApplication::processEvents();  // the activation runs once the window shows
        auto& v = static_cast<varnelPicture&>(window);
        textShown.push_back(v.txtText->isVisibleTo(&v));
        titles.push_back(v.txtTitle->text());
    };
    varnelCore().pictureKey = "QW-462.5(a)";
    windowOpeners().picture();
    EXPECT_EQ(varnelCore().pictureKey, "\"QW-462.5(a)\"");
    windowOpeners().picture();  // the same list gives the same figure
    varnelCore().pictureKey = "QW-999";
    windowOpeners().picture();
    EXPECT_EQ(seams.modal.shown, (std::vector<QString>{"varnelPicture", "varnelPicture", "varnelPicture"}));
    EXPECT_EQ(textShown, (std::vector<bool>{true, true, false}));
    EXPECT_EQ(titles, (std::vector<QString>{"", "", "No figures found in database."}));
}
