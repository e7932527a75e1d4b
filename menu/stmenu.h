// StMenu: the start window, with the players page (four seats, START,
// OPTIONS, close) and the options panel over it.
#pragma once

#include <memory>
#include <string>

#include <wx/bmpbuttn.h>
#include <wx/checkbox.h>
#include <wx/frame.h>
#include <wx/panel.h>

#include "menu/miejsca.h"
#include "menu/ustawienia.h"
#include "model/kolor.h"
#include "window/obrazki.h"

class TextWithKeyboard;

enum {
    ID_SLOT1 = 6,
    ID_SLOT2 = 7,
    ID_SLOT3 = 8,
    ID_SLOT4 = 9,
    ID_START = 10,
    ID_OPTIONS = 11,
    ID_QUIT = 12,
    ID_NAME1 = 13,
    ID_NAME2 = 14,
    ID_NAME3 = 15,
    ID_NAME4 = 16,
    ID_OPTIONS_OK = 17,
    ID_BACKGROUND = 18,
    ID_DICTIONARY = 19,
    ID_TEXT_COLOUR = 21,
    ID_HIGHLIGHT_COLOUR = 22,
    ID_STYLE = 23,
    ID_CONFIRM_MOVE = 24,
    ID_HELP = 25,
};

extern const wxColour PanelColour;
// The folders the background and dictionary dialogs open in.
extern const char BackgroundFolder[];
extern const char DictionaryFolder[];
extern wxSize MenuClientSize;

class StMenu : public wxFrame {
public:
    StMenu(const wxString& title, const wxPoint& pos, const wxSize& size, long style);
    ~StMenu() override;

    int ReadSettings();
    int WriteSettings();
    void CyclePlayerType(int slot);
    void UpdatePlayerButtons();
    void PaintBackground(wxDC& dc);

    void OnPaint(wxPaintEvent& event);
    void OnPlayerSlotButton(wxCommandEvent& event);
    void OnStart(wxCommandEvent& event);
    void OnOptions(wxCommandEvent& event);
    void OnOptionsOk(wxCommandEvent& event);
    void OnQuitButton(wxCommandEvent& event);
    void OnChooseBackground(wxCommandEvent& event);
    void OnChooseDictionary(wxCommandEvent& event);
    void OnChooseTextColour(wxCommandEvent& event);
    void OnChooseHighlightColour(wxCommandEvent& event);
    void OnChooseStyle(wxCommandEvent& event);
    void OnConfirmCheck(wxCommandEvent& event);
    void OnHelp(wxCommandEvent& event);
    void OnClose(wxCloseEvent& event);

    int players = SeatCount;
    int humans = SeatCount;
    std::uint8_t Busy = 0;
    std::unique_ptr<wxBitmap> background;
    std::unique_ptr<wxBitmap> typePictures[PlayerTypeCount];
    wxBitmapButton* slotButtons[SeatCount] = {};
    wxBitmapButton* startButton = nullptr;
    wxBitmapButton* optionsButton = nullptr;
    wxBitmapButton* okButton = nullptr;
    wxBitmapButton* quitButton = nullptr;
    wxBitmapButton* backgroundButton = nullptr;
    wxBitmapButton* dictionaryButton = nullptr;
    wxBitmapButton* textColourButton = nullptr;
    wxBitmapButton* highlightColourButton = nullptr;
    wxBitmapButton* styleButton = nullptr;
    wxBitmapButton* helpButton = nullptr;
    TextWithKeyboard* nameFields[SeatCount] = {};
    wxPanel* optionsPanel = nullptr;
    int slotTypes[SeatCount] = {};
    // The names as the settings file held them (up to 99 characters, more
    // than a field shows).
    std::string storedNames[SeatCount];
    // Whether the player was told that the settings cannot be saved.
    bool writeFaultTold = false;

private:
    // The eleven controls of the players page, in the order they are swapped.
    void ShowPlayersPage(bool show);
    void ReloadBackground();
    // The seat's name as an 8-bit text (empty when it does not fit).
    void SeatName(int seat, char (&name)[SettingsTextBytes]) const;
    // Runs the options' file dialog on a folder of the data tree; true with
    // the chosen file's logical path on OK. A path of over maxLength bytes
    // is refused: the player is told, as a file of the given kind, and then
    // the outcome.
    bool ChooseDataFile(const char* message, const char* folder, const char* wildcard,
                        const char* kind, std::size_t maxLength, const char* outcome,
                        std::string& logical);
    // The same, the chosen file becoming option (refused, and the option
    // kept, when the settings record cannot hold it).
    bool ChooseOptionPath(char*& option, const char* message, const char* folder,
                          const char* wildcard, const char* kind);
    // Runs the colour dialog; on OK its colour becomes option.
    void ChooseColour(Rgb& option);

    wxDECLARE_EVENT_TABLE();
};

extern StMenu* TheStMenu;

// A framework string as an 8-bit path or name in dest, a buffer of size
// bytes. A text that does not fit is refused (false, dest unchanged), never
// cut into another path.
bool WxStringToPath(char* dest, std::size_t size, const wxString& s);
