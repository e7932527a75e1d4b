#include "platform/urzadzenie.h"

#include <wx/window.h>

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
