#include "platform/urzadzenie.h"

#include <wx/toplevel.h>

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
}
