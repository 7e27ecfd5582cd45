#include "platform/ui/seams.h"
#include "support/scripted_seams.h"

#include <QDialog>
#include <gtest/gtest.h>

using namespace platform;
using testing_support::ScriptedSeams;

TEST(Seams, AScriptedMessageBoxRecordsIconTitleAndText)
{
    ScriptedSeams s;
    messageBox(MessageIcon::Critical, "Incorrect password", "Wrong.");
    setPointer(Pointer::Hourglass);  // a box shown in the middle of work
    messageBox(MessageIcon::Information, "Varnel", "Nothing found.");
    ASSERT_EQ(s.messages.shown.size(), 2u);
    EXPECT_EQ(s.messages.shown[0].icon, MessageIcon::Critical);
    EXPECT_EQ(s.messages.shown[0].title, "Incorrect password");
    EXPECT_EQ(s.messages.shown[0].text, "Wrong.");
    EXPECT_EQ(s.messages.shown[1].icon, MessageIcon::Information);
    EXPECT_EQ(s.messages.shown[1].pointer, Pointer::Default);
}

TEST(Seams, AScriptedFileDialogAnswersAPathOrACancel)
{
    ScriptedSeams s;
    s.files.answerPath("/data/qel0709.mdb.d/qel0709.mdb");
    s.files.answerCancel();
    const FileChoice chosen = openFileDialog("Open", "Varnel DB (qel*.mdb)|qel*.mdb", "/data");
    EXPECT_FALSE(chosen.cancelled);
    EXPECT_EQ(chosen.fullPath, "/data/qel0709.mdb.d/qel0709.mdb");
    EXPECT_EQ(chosen.fileName, "qel0709.mdb");
    EXPECT_TRUE(openFileDialog("Open", "x|*").cancelled);
    EXPECT_TRUE(openFileDialog("Open", "x|*").cancelled);  // nothing scripted: a cancel
    ASSERT_EQ(s.files.asked.size(), 3u);
    EXPECT_EQ(s.files.asked[0].filter, "Varnel DB (qel*.mdb)|qel*.mdb");
}

TEST(Seams, ModalShowRunsTheWindowsScriptAndClosesIt)
{
    ScriptedSeams s;
    QDialog dialog;
    dialog.setObjectName("varnelAbout");
    bool wasVisible = false;
    s.modal.scripts["varnelAbout"] = [&](QDialog& d) { wasVisible = d.isVisible(); };
    showModal(dialog);
    EXPECT_TRUE(wasVisible);
    EXPECT_FALSE(dialog.isVisible());
    ASSERT_EQ(s.modal.shown.size(), 1u);
    EXPECT_EQ(s.modal.shown[0], "varnelAbout");
}

TEST(Seams, TheEndOfTheProgramAndThePointerAreObservable)
{
    ScriptedSeams s;
    EXPECT_FALSE(programEnded());
    setPointer(Pointer::Hourglass);
    EXPECT_EQ(s.pointer.current(), Pointer::Hourglass);
    endProgram(1);
    endProgram();
    EXPECT_TRUE(programEnded());
    EXPECT_EQ(s.programEnd.ends, 2);
    EXPECT_EQ(programExitStatus(), 1);
}

TEST(Seams, FilterTextBecomesQtNameFilters)
{
    EXPECT_EQ(qtNameFilters("Varnel DB (qelyyaa.mdb)|qel????.mdb"),
              QStringList{"Varnel DB (qelyyaa.mdb) (qel????.mdb)"});
    EXPECT_EQ(qtNameFilters("Pictures|*.bmp;*.gif|All|*"),
              (QStringList{"Pictures (*.bmp *.gif)", "All (*)"}));
}
