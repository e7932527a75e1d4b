#include "menu/stmenu.h"

#include <algorithm>
#include <cstring>
#include <string>

#include <wx/app.h>
#include <wx/colordlg.h>
#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/filedlg.h>
#include <wx/splash.h>
#include <wx/utils.h>

#include "computer/komputer.h"
#include "menu/komunikaty.h"
#include "menu/opcje.h"
#include "menu/plik_ustawien.h"
#include "menu/pomoc.h"
#include "menu/styl.h"
#include "menu/tekst.h"
#include "menu/textwithkeyboard.h"
#include "menu/ustawienia.h"
#include "menu/wybor_pliku.h"
#include "model/gra.h"
#include "platform/instalacja.h"
#include "platform/tekst.h"
#include "platform/urzadzenie.h"
#include "window/graframe.h"
#include "window/tlo.h"

const wxColour PanelColour(80, 130, 80);
wxSize MenuClientSize(240, 270);
StMenu* TheStMenu = nullptr;

wxBEGIN_EVENT_TABLE(StMenu, wxFrame)
    EVT_PAINT(StMenu::OnPaint)
    EVT_BUTTON(ID_SLOT1, StMenu::OnPlayerSlotButton)
    EVT_BUTTON(ID_SLOT2, StMenu::OnPlayerSlotButton)
    EVT_BUTTON(ID_SLOT3, StMenu::OnPlayerSlotButton)
    EVT_BUTTON(ID_SLOT4, StMenu::OnPlayerSlotButton)
    EVT_BUTTON(ID_START, StMenu::OnStart)
    EVT_BUTTON(ID_OPTIONS, StMenu::OnOptions)
    EVT_BUTTON(ID_QUIT, StMenu::OnQuitButton)
    EVT_BUTTON(ID_OPTIONS_OK, StMenu::OnOptionsOk)
    EVT_BUTTON(ID_BACKGROUND, StMenu::OnChooseBackground)
    EVT_BUTTON(ID_DICTIONARY, StMenu::OnChooseDictionary)
    EVT_BUTTON(ID_TEXT_COLOUR, StMenu::OnChooseTextColour)
    EVT_BUTTON(ID_HIGHLIGHT_COLOUR, StMenu::OnChooseHighlightColour)
    EVT_BUTTON(ID_STYLE, StMenu::OnChooseStyle)
    EVT_BUTTON(ID_HELP, StMenu::OnHelp)
    EVT_CHECKBOX(ID_CONFIRM_MOVE, StMenu::OnConfirmCheck)
    EVT_CLOSE(StMenu::OnClose)
wxEND_EVENT_TABLE()

const char BackgroundFolder[] = "Program Files\\Venk's Zertanik Dezoze EN\\/tlo";
const char DictionaryFolder[] = "Program Files\\Venk's Zertanik Dezoze EN\\/slowniki";

namespace {

// Room for a path chosen in a file dialog.
constexpr std::size_t StylePathBytes = 256;

const char* const ComputerNames[] = {"Computer I", "Computer II", "Computer III", "Computer IV"};

wxBitmapButton* PictureButton(wxWindow* parent, int id, const char* picture, wxPoint pos,
                              wxSize size)
{
    return CreatePictureButton(parent, id, LoadPicture(picture), pos, size);
}

} // namespace

StMenu::StMenu(const wxString& title, const wxPoint& pos, const wxSize& size, long style)
{
    Create(nullptr, wxID_ANY, title, pos, size, style, "frame");
    // The game window shows this window again when it closes.
    if (!TheStartWindow)
        TheStartWindow = this;
    Freeze();
    Busy = 1;
    BuildPlayerPicturePaths();
    ReloadBackground();

    startButton = PictureButton(this, ID_START, FixedPicturePaths[PicStart], {10, 205}, {90, 40});
    optionsButton =
        PictureButton(this, ID_OPTIONS, FixedPicturePaths[PicOptions], {130, 205}, {90, 40});
    for (int k = 0; k < SeatCount; ++k)
        slotButtons[k] = PictureButton(this, ID_SLOT1 + k, PlayerPicturePaths[0].c_str(),
                                       {10, 10 + 50 * k}, {40, 40});
    quitButton = PictureButton(this, ID_QUIT, FixedPicturePaths[PicClose], {220, 0}, {20, 20});

    const wxFont font(wxFontInfo(15).Family(wxFONTFAMILY_DEFAULT).Bold());
    for (int k = 0; k < SeatCount; ++k)
        slotTypes[k] = HumanSeat;
    for (int k = 0; k < PlayerTypeCount; ++k)
        typePictures[k] = std::make_unique<wxBitmap>(LoadPicture(PlayerPicturePaths[k].c_str()));
    players = humans = SeatCount;
    for (int k = 0; k < SeatCount; ++k) {
        // The border style is given at creation: the toolkit ignores a later change.
        TextWithKeyboard* field =
            new TextWithKeyboard(this, ID_NAME1 + k, DefaultSeatName, wxPoint(60, 10 + 50 * k),
                                 wxSize(160, 40), wxBORDER_SIMPLE, wxDefaultValidator, "text");
        field->SetForegroundColour(wxColour("Green"));
        field->SetBackgroundColour(wxColour("Black"));
        field->SetFont(font);
        field->SetMaxLength(NameFieldLength);
        nameFields[k] = field;
    }

    optionsPanel = new wxPanel(this, wxID_ANY, wxPoint(0, 0), wxSize(240, 270), wxBORDER_NONE,
                               "panel");
    optionsPanel->SetBackgroundColour(PanelColour);
    optionsPanel->Show(false);
    const struct { wxBitmapButton*& button; int id; int picture; wxPoint pos; } options[] = {
        {okButton, ID_OPTIONS_OK, PicOk, {60, 175}},
        {backgroundButton, ID_BACKGROUND, PicBackgroundOption, {2, 3}},
        {dictionaryButton, ID_DICTIONARY, PicDictionaryOption, {117, 3}},
        {styleButton, ID_STYLE, PicStyleOption, {2, 46}},
        {textColourButton, ID_TEXT_COLOUR, PicTextColourOption, {117, 46}},
        {highlightColourButton, ID_HIGHLIGHT_COLOUR, PicHighlightColourOption, {2, 89}},
        {helpButton, ID_HELP, PicHelpOption, {117, 89}},
    };
    for (const auto& o : options)
        o.button = PictureButton(optionsPanel, o.id, FixedPicturePaths[o.picture], o.pos,
                                 {110, 40});
    auto* check = new wxCheckBox(optionsPanel, ID_CONFIRM_MOVE, "Computer's move confirmation",
                                 wxPoint(15, 142), wxDefaultSize, wxBORDER_SUNKEN,
                                 wxDefaultValidator, "check");
    check->SetBackgroundColour(PanelColour);
    // The desktop's default font would run the label past the window's edge.
    check->SetFont(wxFontInfo(8));
    // Its default size, within the window.
    const wxSize best = check->GetBestSize();
    check->SetSize(std::min(best.x, 240 - check->GetPosition().x), best.y);

    ReadSettings();
    check->SetValue(ConfirmComputerMove != 0);
    Busy = 0;
    // No menu bar or tool bar: on the desktop they would only take room; the
    // client area keeps the window's specified size.
    KeepClientSize(this, wxSize(240, 270));
    Thaw();
    // Left to itself the toolkit gives the first focus to the topmost
    // control, the close button, where Return or Space would end the program.
    (startButton->IsEnabled() ? startButton : optionsButton)->SetFocus();
}

StMenu::~StMenu()
{
    Busy = 1;
    background.reset();
    for (auto& p : typePictures)
        p.reset();
    for (std::string& p : PlayerPicturePaths)
        std::string().swap(p);
    FreeSquarePicturePaths();
    FreeOptionPaths();
    // The help window has no parent: it would outlive the start window.
    if (ThePomocFrame) {
        ThePomocFrame->Destroy();
        ThePomocFrame = nullptr;
    }
    if (TheStMenu == this)
        TheStMenu = nullptr;
    if (TheStartWindow == this)
        TheStartWindow = nullptr;
}

void StMenu::ReloadBackground()
{
    background = std::make_unique<wxBitmap>(LoadPicture(BackgroundPath));
}

int StMenu::ReadSettings()
{
    Ustawienia record;
    if (LoadSettings(record) != 0)
        return 1;
    for (int k = 0; k < SeatCount; ++k) {
        slotTypes[k] = record.TypGracza[k];
        SetNameField(nameFields[k], record.names[k]);
        storedNames[k] = record.names[k];
        nameFields[k]->Enable(slotTypes[k] == HumanSeat);
    }
    humans = record.humans;
    players = record.players;
    UpdatePlayerButtons();
    return 0;
}

bool WxStringToPath(char* dest, std::size_t size, const wxString& s)
{
    return CopyText(dest, size, FromWx(s).c_str());
}

void StMenu::SeatName(int seat, char (&name)[SettingsTextBytes]) const
{
    const wxString shown = nameFields[seat]->GetLineText(0);
    // A field shows only the start of a longer stored name, and '?' for a
    // byte the code page has no letter for: while it still shows just what
    // it was given, the stored name is the seat's, byte for byte.
    const std::string& stored = storedNames[seat];
    if (!stored.empty() && shown == NameFieldText(stored.c_str())
        && CopyText(name, SettingsTextBytes, stored.c_str()))
        return;
    name[0] = 0;
    WxStringToPath(name, SettingsTextBytes, shown);
}

int StMenu::WriteSettings()
{
    Ustawienia record = OptionsRecord();
    for (int k = 0; k < SeatCount; ++k) {
        char name[SettingsTextBytes];
        SeatName(k, name);
        SetSeat(record, k, slotTypes[k], name);
    }
    FileFault fault;
    const int result = WriteSettingsFile(SettingsFilePath, record, &fault);
    // Every save would fail the same way: the player is told at the first.
    if (result != 0 && !writeFaultTold) {
        writeFaultTold = true;
        TellPlayer({SettingsWriteParagraph(fault)}, this);
    }
    return result;
}

void StMenu::CyclePlayerType(int slot)
{
    const int k = slot - 1;
    TextWithKeyboard* field = nameFields[k];
    storedNames[k].clear(); // the field gets a name of its own
    const int type = (slotTypes[k] + 1) % PlayerTypeCount;
    slotTypes[k] = type;
    field->Clear();
    if (type == NoPlayerSeat) {
        --players;
        field->Enable(false);
    } else if (type == HumanSeat) {
        ++humans;
        ++players;
        field->Enable(true);
        SetNameField(field, DefaultSeatName);
    } else {
        if (type == 1)
            --humans;
        SetNameField(field, ComputerNames[type - 1]);
        field->Enable(false);
    }
    startButton->Enable(players != 0);
    field->Refresh();
    slotButtons[k]->SetBitmapLabel(*typePictures[type]);
    slotButtons[k]->Refresh();
}

void StMenu::UpdatePlayerButtons()
{
    for (int k = 0; k < SeatCount; ++k)
        slotButtons[k]->SetBitmapLabel(*typePictures[slotTypes[k]]);
    startButton->Enable(players != 0);
}

void StMenu::PaintBackground(wxDC& dc)
{
    MenuClientSize = GetClientSize();
    TileBackground(dc, background.get(), MenuClientSize);
}

void StMenu::OnPaint(wxPaintEvent&)
{
    if (Busy)
        return;
    if (!ScreenBuffer.IsOk()) {
        wxPaintDC window(this);
        PaintBackground(window);
        return;
    }
    wxMemoryDC buffer(ScreenBuffer);
    PaintBackground(buffer);
    wxPaintDC window(this);
    window.Blit(0, 0, 240, 270, &buffer, 0, 0, wxCOPY, false);
}

void StMenu::OnPlayerSlotButton(wxCommandEvent& event) { CyclePlayerType(event.GetId() - 5); }

void StMenu::OnStart(wxCommandEvent&)
{
    // One game at a time, and never one without players.
    if (TheGraFrame || TheGra || players == 0)
        return;
    WriteSettings();
    // The help window would lie over the game window.
    if (ThePomocFrame) {
        ThePomocFrame->Close(true);
        ThePomocFrame = nullptr;
    }
    Gra* gra = new Gra;
    int count = 0;
    int humanCount = 0;
    for (int k = 0; k < SeatCount; ++k) {
        const int type = slotTypes[k];
        if (type == NoPlayerSeat)
            continue;
        char name[SettingsTextBytes];
        SeatName(k, name);
        if (type == HumanSeat) {
            gra->player[count++] = new Gracz(name);
            ++humanCount;
        } else {
            gra->player[count++] = new Komputer(name, type);
        }
    }
    TheGra = gra;
    gra->NewGame(count, humanCount);
    TheGraFrame = new GraFrame("Venk's Zertanik EN", wxPoint(0, 26), GameWindowSize, 0);
    TheGraFrame->Show(true);
    TheGraFrame->Redraw(true);
    // In front and on the screen before any computer turn draws into it.
    BringOnScreen(TheGraFrame);
    if (gra->player[gra->current]->computer)
        ComputerTurn(gra);
    // A game window closed during the opening turns has shown this window again.
    if (TheGraFrame)
        Hide();
}

void StMenu::ShowPlayersPage(bool show)
{
    for (auto* b : slotButtons)
        b->Show(show);
    startButton->Show(show);
    optionsButton->Show(show);
    quitButton->Show(show);
    for (auto* f : nameFields)
        f->Show(show);
}

void StMenu::OnOptions(wxCommandEvent&)
{
    Freeze();
    ShowPlayersPage(false);
    optionsPanel->Show(true);
    Thaw();
}

void StMenu::OnOptionsOk(wxCommandEvent&)
{
    Freeze();
    ShowPlayersPage(true);
    optionsPanel->Show(false);
    Thaw();
    // After the thaw: a window still frozen would stay undrawn behind the
    // box that a failed save shows.
    WriteSettings();
}

void StMenu::OnQuitButton(wxCommandEvent&)
{
    if (ThePomocFrame) {
        ThePomocFrame->Close(true);
        ThePomocFrame = nullptr;
    }
    Destroy();
}

void StMenu::OnClose(wxCloseEvent&)
{
    // Closed by the window manager: the same as the close button.
    wxCommandEvent quit(wxEVT_BUTTON, ID_QUIT);
    OnQuitButton(quit);
}

bool StMenu::ChooseDataFile(const char* message, const char* folder, const char* wildcard,
                            const char* kind, std::size_t maxLength, const char* outcome,
                            std::string& logical)
{
    ChooseFileDialog dialog(this, message, WxRealPath(folder), wildcard,
                            wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    if (dialog.ShowModal() != wxID_OK)
        return false;
    // The chosen file as the file system names it, in logical form when it
    // lies in the data folder.
    const std::string path = LogicalPath(FileNameFromWx(dialog.GetPath()));
    // A name the converter could not carry leaves the option as it was.
    if (path.empty())
        return false;
    if (path.size() > maxLength) {
        FileFault fault;
        RefuseFile(&fault, kind, path,
                   "its path is too long (at most " + std::to_string(maxLength)
                       + " bytes are taken)");
        TellPlayer({FaultParagraph(fault, outcome)}, this);
        return false;
    }
    logical = path;
    return true;
}

bool StMenu::ChooseOptionPath(char*& option, const char* message, const char* folder,
                              const char* wildcard, const char* kind)
{
    std::string path;
    return ChooseDataFile(message, folder, wildcard, kind, MaxOptionPath,
                          "The option stays as it was.", path)
           && SetOptionPath(option, path.c_str());
}

void StMenu::OnChooseBackground(wxCommandEvent&)
{
    if (!ChooseOptionPath(BackgroundPath, "Choose background", BackgroundFolder, "*.JPG",
                          PictureKind))
        return;
    Busy = 1;
    ReloadBackground();
    Busy = 0;
    Refresh();
}

void StMenu::OnChooseDictionary(wxCommandEvent&)
{
    const std::string before = DictionaryPath ? DictionaryPath : "";
    if (!ChooseOptionPath(DictionaryPath, "Choose dictionary", DictionaryFolder,
                          "Dictionaries (*.slo)|*.slo", DictionaryKind))
        return;
    // The splash picture stays up while the dictionary loads; a picture that
    // did not load shows no splash.
    wxSplashScreen* splash = nullptr;
    const wxBitmap picture = LoadPicture(FixedPicturePaths[PicSplash]);
    if (picture.IsOk()) {
        splash = new wxSplashScreen(picture, wxSPLASH_CENTRE_ON_PARENT | wxSPLASH_NO_TIMEOUT, 0,
                                    this, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                                    wxSIMPLE_BORDER | wxSTAY_ON_TOP | wxFRAME_NO_TASKBAR);
        // The splash paints only when events are processed.
        wxSafeYield(splash, true);
    }
    FileFault fault;
    const int failed = Slownik::Load(&fault);
    if (splash)
        splash->Destroy();
    if (failed) {
        // The dictionary in use stays, and so does the path the settings keep.
        if (!before.empty())
            SetOptionPath(DictionaryPath, before.c_str());
        TellPlayer({DictionaryFaultParagraph(fault)}, this);
    }
}

void StMenu::ChooseColour(Rgb& option)
{
    wxColourDialog dialog(this);
    if (dialog.ShowModal() != wxID_OK)
        return;
    const wxColour c = dialog.GetColourData().GetColour();
    if (c.IsOk())
        option = Rgb{c.Red(), c.Green(), c.Blue()};
}

void StMenu::OnChooseTextColour(wxCommandEvent&) { ChooseColour(TextColour); }
void StMenu::OnChooseHighlightColour(wxCommandEvent&) { ChooseColour(HighlightColour); }

void StMenu::OnConfirmCheck(wxCommandEvent&) { ConfirmComputerMove = ConfirmComputerMove ? 0 : 1; }

void StMenu::OnHelp(wxCommandEvent&)
{
    SetActiveWindow(this);
    // One help window at a time: a second help command brings it back up.
    // A closed help window lingers until the next idle time, still named:
    // one that is to go is replaced, not shown again.
    if (!ThePomocFrame || ThePomocFrame->IsBeingDeleted()
        || wxTheApp->IsScheduledForDestruction(ThePomocFrame))
        ThePomocFrame = new PomocFrame("Help", wxPoint(0, 0), HelpWindowSize, wxBORDER_NONE);
    ThePomocFrame->Show(true);
    ThePomocFrame->Raise();
}

void StMenu::OnChooseStyle(wxCommandEvent&)
{
    std::string path;
    if (!ChooseDataFile("Choose style file", StyleFolder, "*.tmt", StyleKind, StylePathBytes - 1,
                        "The style is not applied.", path))
        return;
    Busy = 1;
    FileFault fault;
    if (ApplyStyleFile(path.c_str(), &fault) != 0) {
        Busy = 0;
        if (!fault.what.empty())
            TellPlayer({FaultParagraph(fault, "The style is not applied.")}, this);
        return;
    }
    FreeSquarePicturePaths();
    BuildSquarePicturePaths();
    WriteSettings();
    ReloadBackground();
    Busy = 0;
    Refresh();
}
