// The windows under a window manager: this suite starts openbox on its
// display before any test, so the screen tests linked with it run under a
// manager too, and checks the client areas it leaves.
#include <csignal>
#include <cstdlib>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>
#include <wx/filedlg.h>
#include <wx/stopwatch.h>
#include <wx/utils.h>

#include "menu/myapp.h"
#include "menu/opcje.h"
#include "menu/stmenu.h"
#include "menu/wybor_pliku.h"
#include "platform/urzadzenie.h"
#include "tests/gui/ekran_x.h"
#include "tests/gui/gui_support.h"
#include "window/graframe.h"

namespace {

class Openbox : public ::testing::Environment {
public:
    void SetUp() override
    {
        pid_ = fork();
        if (pid_ == 0) {
            execlp("openbox", "openbox", "--sm-disable", static_cast<char*>(nullptr));
            _exit(127);
        }
        const wxStopWatch clock;
        while (pid_ > 0 && !WindowManagerRunning() && clock.Time() < 5000) {
            int status;
            if (waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1; // it could not start
                break;
            }
            wxMilliSleep(10);
        }
    }
    void TearDown() override
    {
        if (pid_ <= 0)
            return;
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }

private:
    pid_t pid_ = -1;
};

// Registered before main runs the tests: environments set up first.
::testing::Environment* const openbox = ::testing::AddGlobalTestEnvironment(new Openbox);

class UnderAManager : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!WindowManagerRunning())
            GTEST_SKIP() << "openbox did not start";
        FreeOptionPaths();
        FreeSquarePicturePaths();
        ConfirmComputerMove = 0;
    }
    void TearDown() override
    {
        if (TheGraFrame)
            TheGraFrame->Destroy();
        if (TheStMenu)
            TheStMenu->Destroy();
        PumpEvents();
    }
    // Lets the manager place the window and give it its frame.
    static void Settle(wxTopLevelWindow* w)
    {
        BringOnScreen(w);
        const wxStopWatch clock;
        while (clock.Time() < 300) {
            PumpEvents();
            wxMilliSleep(10);
        }
    }

    FixtureTree tree;
};

} // namespace

TEST_F(UnderAManager, ClientAreasAreTheGamesSize)
{
    StartProgram();
    Settle(TheStMenu);
    EXPECT_EQ(TheStMenu->GetClientSize(), wxSize(240, 270));

    wxCommandEvent start(wxEVT_BUTTON, ID_START);
    TheStMenu->GetEventHandler()->ProcessEvent(start);
    ASSERT_NE(TheGraFrame, nullptr);
    Settle(TheGraFrame);
    EXPECT_EQ(TheGraFrame->GetClientSize(), GameWindowSize);
}

// The options' file dialog keeps its client area under the manager's frame,
// the first time and after (once the toolkit knows the frame's size).
TEST_F(UnderAManager, FileDialogKeepsItsClientArea)
{
    for (int k = 0; k < 2; ++k) {
        auto* dialog = new ChooseFileDialog(nullptr, "Choose background", "/tmp", "*.JPG",
                                            wxFD_OPEN | wxFD_FILE_MUST_EXIST);
        Settle(dialog);
        EXPECT_EQ(dialog->GetClientSize(), wxSize(240, 270)) << "dialog " << k + 1;
        dialog->Destroy();
        PumpEvents();
    }
}
