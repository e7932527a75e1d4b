#include "menu/myapp.h"

#include <wx/font.h>
#include <wx/image.h>
#include <wx/log.h>

#include "menu/opcje.h"
#include "menu/plik_ustawien.h"
#include "menu/stmenu.h"
#include "model/slownik.h"
#include "window/obrazki.h"
#include "window/tlo.h"

MyApp::~MyApp() = default;

bool MyApp::OnInit()
{
    // Failed picture loads and file opens are reported on standard error,
    // never in a pop-up.
    delete wxLog::SetActiveTarget(new wxLogStderr);
    return StartProgram();
}

bool StartProgram()
{
    wxFont::SetDefaultEncoding(wxFONTENCODING_CP1250);
    if (!wxImage::FindHandler(wxBITMAP_TYPE_JPEG))
        wxImage::AddHandler(new wxJPEGHandler);
    if (!wxImage::FindHandler(wxBITMAP_TYPE_ICO))
        wxImage::AddHandler(new wxICOHandler);
    CreateScreenBuffers();
    ReadSettingsPaths();
    BuildSquarePicturePaths();
    TheStMenu = new StMenu("Venk's Zertanik EN", wxPoint(0, 26), wxSize(240, 270), wxSYSTEM_MENU);
    Slownik::Load();
    TheStMenu->Show(true);
    TheStMenu->Raise();
    return true;
}
