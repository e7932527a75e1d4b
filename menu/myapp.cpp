#include "menu/myapp.h"

#include <string>
#include <vector>

#include <wx/font.h>
#include <wx/image.h>
#include <wx/log.h>

#include "menu/komunikaty.h"
#include "menu/opcje.h"
#include "menu/plik_ustawien.h"
#include "menu/stmenu.h"
#include "model/slownik.h"
#include "platform/komunikat.h"
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
    // What could not be used is told once, after the start window is up.
    std::vector<std::string> told;
    FileFault fault;
    if (CheckDataFolder(&fault) != 0)
        told.push_back(FaultParagraph(fault, "The game's pictures, dictionaries and help are "
                                             "missing."));
    fault = FileFault{};
    const bool read = ReadSettingsPaths(&fault) == 0;
    if (read ? !fault.what.empty() : !fault.missing)
        told.push_back(SettingsReadParagraph(fault, read));
    BuildSquarePicturePaths();
    TheStMenu = new StMenu("Venk's Zertanik EN", wxPoint(0, 26), wxSize(240, 270), wxSYSTEM_MENU);
    fault = FileFault{};
    if (Slownik::Load(&fault) != 0)
        told.push_back(DictionaryFaultParagraph(fault));
    TheStMenu->Show(true);
    TheStMenu->Raise();
    TellPlayer(told, TheStMenu);
    return true;
}
