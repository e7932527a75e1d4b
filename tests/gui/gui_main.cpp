// GoogleTest main for the GUI suites: starts wxWidgets once, turns failed wx
// assertions into test failures, sends the log to standard error and answers
// modal dialogs through a hook so that nothing ever waits for a person.

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/image.h>
#include <wx/log.h>
#include <wx/modalhook.h>

#include "tests/gui/gui_support.h"
#include "window/graframe.h"

namespace {

class TestApp : public wxApp {
public:
    bool OnInit() override { return true; }
    void OnAssertFailure(const wxChar* file, int line, const wxChar* func, const wxChar* cond,
                         const wxChar* msg) override
    {
        ADD_FAILURE() << "wx assertion failed: " << wxString(file) << ":" << line << " in "
                      << wxString(func) << ": " << wxString(cond) << " " << wxString(msg);
    }
};

class AnswerDialogs : public wxModalDialogHook {
protected:
    int Enter(wxDialog* dialog) override { return NextDialogAnswer(dialog); }
    void Exit(wxDialog*) override {}
};

} // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (::testing::GTEST_FLAG(list_tests))
        return RUN_ALL_TESTS(); // listing needs no display

    wxApp::SetInstance(new TestApp);
    if (!wxEntryStart(argc, argv)) {
        std::fprintf(stderr, "cannot start wxWidgets (no display?)\n");
        return 1;
    }
    delete wxLog::SetActiveTarget(new wxLogStderr);
    wxInitAllImageHandlers();
    wxTheApp->CallOnInit();
    AnswerDialogs hook;
    hook.Register();
    // Tests press GO, YES and NO the moment they appear; the one test of the
    // guard against such presses sets it again.
    TurnControlsGuardMs = 0;
    const int result = RUN_ALL_TESTS();
    hook.Unregister();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return result;
}
