#include "app/registry_module.h"
#include "shell/shell_check_routines.h"
#include "support/file_bytes.h"
#include "support/scripted_seams.h"
#include "support/temp_settings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace varnel;

namespace {

class SiblingPrograms : public ::testing::Test {
protected:
    void window(unsigned long id, const QString& title, bool visible = true)
    {
        seams.windowFinder.windows.push_back({id, title, visible});
    }
    testing_support::ScriptedSeams seams;
    testing_support::TempSettings settings;
};

}  // namespace

TEST_F(SiblingPrograms, ARunningProgramIsRaisedAndNothingStarted)
{
    window(7, "Notes");
    window(9, "SORVIK  - Interpretations");  // case does not matter
    EXPECT_TRUE(startProgram("sorvik"));
    EXPECT_EQ(seams.windowFinder.activated, std::vector<unsigned long>{9});
    EXPECT_TRUE(seams.programStart.started.empty());
    EXPECT_TRUE(seams.messages.shown.empty());
}

TEST_F(SiblingPrograms, TheBareNameIsNoMatchForThePrefix)
{
    window(9, "Sorvik");
    EXPECT_FALSE(startProgram("sorvik"));
    ASSERT_EQ(seams.messages.shown.size(), 1u);
    EXPECT_EQ(seams.messages.shown[0].title, "Varnel");
    EXPECT_EQ(seams.messages.shown[0].text, "Sorvik   is not installed on this machine.");
}

TEST_F(SiblingPrograms, AHiddenMatchingWindowIsNeitherRaisedNorStarted)
{
    window(9, "Sorvik  x", false);
    EXPECT_TRUE(startProgram("sorvik"));
    EXPECT_TRUE(seams.windowFinder.activated.empty());
    EXPECT_TRUE(seams.programStart.started.empty());
    EXPECT_TRUE(seams.messages.shown.empty());
}

TEST_F(SiblingPrograms, AProgramIsStartedFromItsStoredDirectory)
{
    QTemporaryDir dir;
    ASSERT_TRUE(testing_support::writeBytes(dir.filePath("daltrem"), {}));
    platform::settingsStore().write("daltrem", "program path", dir.path());
    EXPECT_TRUE(startProgram("daltrem"));
    ASSERT_EQ(seams.programStart.started.size(), 1u);
    EXPECT_EQ(seams.programStart.started[0].first, dir.filePath("daltrem"));

    seams.programStart.succeed = false;
    EXPECT_FALSE(startProgram("daltrem"));
    EXPECT_EQ(seams.messages.shown.back().text, "Daltrem -  is not installed on this machine.");
}

TEST_F(SiblingPrograms, AStoredDirectoryWithoutTheProgramIsNotInstalled)
{
    QTemporaryDir dir;
    platform::settingsStore().write("daltrem", "program path", dir.path());
    EXPECT_FALSE(startProgram("daltrem"));
    EXPECT_EQ(seams.messages.shown.back().text, "Daltrem -  is not installed on this machine.");
    EXPECT_TRUE(seams.programStart.started.empty());
}

TEST_F(SiblingPrograms, TitlesMatchByTheirMode)
{
    window(1, "A Sorvik  window");
    window(2, "Sorvik  ");
    window(3, QString(300, u'x') + "Sorvik  ");
    EXPECT_EQ(findProgramWindow("Sorvik  ", TitleMatch::BeginsWith, true, false), 2u);
    EXPECT_EQ(findProgramWindow("Sorvik  ", TitleMatch::Contains, true, false), 1u);
    EXPECT_EQ(findProgramWindow("sorvik  ", TitleMatch::Equals, true, false), 0u);
    EXPECT_EQ(findProgramWindow("sorvik  ", TitleMatch::Equals, false, false), 2u);
    // Only the first 255 characters of a title count.
    EXPECT_EQ(findProgramWindow("xSorvik", TitleMatch::Contains, true, false), 0u);
}
