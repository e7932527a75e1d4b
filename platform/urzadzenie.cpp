#include "platform/urzadzenie.h"

#include <memory>

#include <wx/apptrait.h>
#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/stopwatch.h>
#include <wx/toplevel.h>
#include <wx/utils.h>

namespace {
bool panelShown = false;
}

int SipShowIM(int flags)
{
    panelShown = flags == SIPF_ON;
    return 1;
}

bool SoftInputPanelShown() { return panelShown; }

void SetActiveWindow(wxWindow* window)
{
    if (window)
        window->Raise();
}

void KeepClientSize(wxTopLevelWindow* window, const wxSize& size)
{
    if (window->GetClientSize() != size)
        window->SetClientSize(size);
    // A window manager frames the window once it is shown, and the toolkit
    // then takes the frame's room from the client area: give it back.
    window->Bind(wxEVT_SIZE, [window, size](wxSizeEvent& event) {
        event.Skip();
        if (window->GetClientSize() != size)
            window->CallAfter([window, size] {
                if (window->GetClientSize() != size)
                    window->SetClientSize(size);
            });
    });
}

bool BringOnScreen(wxTopLevelWindow* window, int timeoutMs)
{
    window->Show(true);
    window->Raise();
    bool painted = false;
    auto onPaint = [&painted](wxPaintEvent& event) {
        painted = true;
        event.Skip();
    };
    window->Bind(wxEVT_PAINT, onPaint);
    window->Refresh(false);
    // Outside a running loop (start-up, tests) a loop of our own does it.
    std::unique_ptr<wxEventLoopBase> own;
    wxEventLoopBase* loop = wxEventLoopBase::GetActive();
    if (!loop) {
        own.reset(wxTheApp->GetTraits()->CreateEventLoop());
        loop = own.get();
    }
    const wxStopWatch clock;
    while (!painted && clock.Time() < timeoutMs) {
        loop->YieldFor(wxEVT_CATEGORY_UI);
        if (!painted)
            wxMilliSleep(1);
    }
    window->Unbind(wxEVT_PAINT, onPaint);
    return painted;
}
