#include "menu/stmenu.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <functional>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <wx/checkbox.h>
#include <wx/colordlg.h>
#include <wx/dcscreen.h>
#include <wx/filedlg.h>
#include <wx/listctrl.h>
#include <wx/splash.h>
#include <wx/stattext.h>
#include <wx/timer.h>
#include <wx/uiaction.h>

#include "menu/myapp.h"
#include "menu/opcje.h"
#include "menu/plik_ustawien.h"
#include "menu/pomoc.h"
#include "menu/textwithkeyboard.h"
#include "menu/ustawienia.h"
#include "menu/wybor_pliku.h"
#include "computer/komputer.h"
#include "model/gra.h"
#include "model/slownik.h"
#include "platform/instalacja.h"
#include "platform/tekst.h"
#include "platform/urzadzenie.h"
#include "tests/gui/ekran_x.h"
#include "tests/gui/fake_clock.h"
#include "tests/gui/gui_support.h"
#include "tools/kompilator.h"
#include "window/graframe.h"
#include "window/tlo.h"

namespace {

// A dictionary of two words, ab and ac.
const std::vector<std::uint8_t> TwoWords = {0, 0, 0, 0, 0, 0, 0, 0, 2, 0x1F,
                                            0, 0, 0, 0, 0x3E, 0, 0, 0, 0, 0x5D};

// A settings record with every field away from its default: other pictures,
// the two-word dictionary, the given seats, colours and confirmation on.
Ustawienia AwayFromDefaults(const std::array<const char*, SeatCount>& names,
                            const std::array<int, SeatCount>& types)
{
    Ustawienia r;
    std::strcpy(r.BackgroundPath, (std::string(InstallFolder) + "graf/tlo/other.JPG").c_str());
    std::strcpy(r.DictionaryPath, (std::string(InstallFolder) + "slowniki/two.slo").c_str());
    std::strcpy(r.TileFolder, (std::string(InstallFolder) + "graf/plansza/two").c_str());
    for (int k = 0; k < SeatCount; ++k)
        SetSeat(r, k, types[k], names[k]);
    r.TextColour = {1, 2, 3};
    r.HighlightColour = {4, 5, 6};
    r.ConfirmComputerMove = 1;
    return r;
}

// Answers the next file dialog with answer on the file at path (as the file
// system names it), checking the dialog's message and wildcard.
void AnswerFileDialog(int answer, const char* message, const char* wildcard,
                      const std::string& path)
{
    AnswerNextDialog(answer, [=](wxDialog* d) {
        auto* files = dynamic_cast<ChooseFileDialog*>(d);
        ASSERT_NE(files, nullptr);
        EXPECT_EQ(files->GetMessage(), message);
        EXPECT_EQ(files->GetWildcard(), wildcard);
        files->SetPath(wxString(path.c_str(), *wxConvFileName));
    });
}

// Puts a colour into a colour dialog as the user would pick it: the GTK
// dialog reads its colour back from the toolkit's widget after it closes.
struct ColourDialogAccess : wxColourDialog {
    using wxColourDialog::ColourDataToDialog;
};
void PickColour(wxDialog* d, const wxColour& c)
{
    auto* colours = dynamic_cast<wxColourDialog*>(d);
    ASSERT_NE(colours, nullptr);
    colours->GetColourData().SetColour(c);
    void (wxColourDialog::*toWidget)() = &ColourDialogAccess::ColourDataToDialog;
    (colours->*toWidget)();
}

// The picture of each seat type, by type.
const char* const SeatPictures[] = {"czlo", "cpu1", "cpu2", "cpu3", "cpu4", "nikt"};

// Whether the button's picture (its bitmap label, not the screen) is the one
// of the fixture picture.
::testing::AssertionResult HasPictureLabel(wxBitmapButton* button, const char* picture)
{
    return ShowsColour(button->GetBitmapLabel(), FixtureTree::PictureColour(picture));
}

// Whether the screen shows the window's client pixel p in the colour want
// (a JPEG's flat colour comes back within a few steps).
::testing::AssertionResult ShowsAt(wxWindow* window, wxPoint p, const wxColour& want)
{
    const wxColour shown = ClientPixel(window, p.x, p.y);
    if (std::abs(shown.Red() - want.Red()) <= 12 && std::abs(shown.Green() - want.Green()) <= 12
        && std::abs(shown.Blue() - want.Blue()) <= 12)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "(" << p.x << ", " << p.y << ") shows " << shown.GetAsString(wxC2S_CSS_SYNTAX)
           << ", want " << want.GetAsString(wxC2S_CSS_SYNTAX);
}

class StartWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The fixture tree sets the option globals; start-up sets them itself.
        FreeOptionPaths();
        FreeSquarePicturePaths();
        TextColour = InitialTextColour;
        HighlightColour = InitialHighlightColour;
        ConfirmComputerMove = 0;
    }
    void TearDown() override
    {
        if (TheStMenu) {
            TheStMenu->Destroy();
            PumpEvents();
        }
        EXPECT_EQ(TheStMenu, nullptr);
    }
    StMenu* Start()
    {
        StartProgram();
        PumpEvents();
        return TheStMenu;
    }
    std::string SettingsFile() const { return tree.Path() + "/Qovant.kfg"; }
    void Click(wxWindow* target, int id)
    {
        wxCommandEvent click(wxEVT_BUTTON, id);
        click.SetEventObject(target);
        target->GetEventHandler()->ProcessEvent(click);
    }
    std::string Name(int seat) const { return FromWx(TheStMenu->nameFields[seat]->GetValue()); }
    // Writes bytes at the relative path of the tree; returns the full path.
    std::string Data(const std::string& rel, const std::vector<std::uint8_t>& bytes) const
    {
        const std::filesystem::path p = std::filesystem::path(tree.Path()) / rel;
        std::filesystem::create_directories(p.parent_path());
        std::ofstream(p, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        return p.string();
    }

    FixtureTree tree;
};

} // namespace

TEST_F(StartWindow, FirstStartWithoutSettings)
{
    Data("slowniki/PL20030923.slo", TwoWords);
    TakeMessageBoxes();
    testing::internal::CaptureStderr();
    StMenu* m = Start();
    const std::string logged = testing::internal::GetCapturedStderr();
    ASSERT_NE(m, nullptr);
    // A first start is no failure: no message, no line about the settings.
    EXPECT_TRUE(TakeMessageBoxes().empty());
    EXPECT_EQ(logged.find("Qovant.kfg"), std::string::npos) << logged;
    EXPECT_TRUE(m->IsShown());
    EXPECT_EQ(m->GetClientSize(), wxSize(240, 270));
    EXPECT_EQ(m->GetPosition().y, 26);
    for (int k = 0; k < SeatCount; ++k) {
        EXPECT_EQ(m->slotTypes[k], HumanSeat);
        EXPECT_EQ(Name(k), "Nameless");
        EXPECT_TRUE(m->nameFields[k]->IsEnabled());
    }
    EXPECT_EQ(m->players, 4);
    EXPECT_EQ(m->humans, 4);
    EXPECT_TRUE(m->startButton->IsEnabled());
    EXPECT_STREQ(TileFolder, DefaultTileFolder);
    EXPECT_STREQ(DictionaryPath, DefaultDictionaryPath);
    EXPECT_STREQ(BackgroundPath, DefaultBackgroundPath);
    EXPECT_EQ(TextColour, (Rgb{255, 255, 0}));
    EXPECT_EQ(HighlightColour, (Rgb{0, 224, 5}));
    EXPECT_EQ(ConfirmComputerMove, 0);
    auto* check = dynamic_cast<wxCheckBox*>(m->FindWindow(ID_CONFIRM_MOVE));
    ASSERT_NE(check, nullptr);
    EXPECT_FALSE(check->GetValue());
    EXPECT_EQ(m->GetMenuBar(), nullptr);
    EXPECT_EQ(m->GetToolBar(), nullptr);
    EXPECT_FALSE(std::filesystem::exists(SettingsFile()));

    // Typing into a name field stops at 12 characters.
    m->nameFields[2]->Clear();
    for (char c : std::string("abcdefghijklmn"))
        m->nameFields[2]->WriteText(wxString(c));
    EXPECT_EQ(Name(2), "abcdefghijkl");
}

TEST_F(StartWindow, ControlsAsBuilt)
{
    StMenu* m = Start();
    const struct {
        int id;
        wxPoint pos;
        wxSize size;
        bool shown;
        bool onPanel;
        const char* picture; // null: no picture button
    } cases[] = {
        {ID_START, {10, 205}, {90, 40}, true, false, "btn5strt"},
        {ID_OPTIONS, {130, 205}, {90, 40}, true, false, "btn5opc"},
        {ID_SLOT1, {10, 10}, {40, 40}, true, false, "czlo"},
        {ID_SLOT2, {10, 60}, {40, 40}, true, false, "czlo"},
        {ID_SLOT3, {10, 110}, {40, 40}, true, false, "czlo"},
        {ID_SLOT4, {10, 160}, {40, 40}, true, false, "czlo"},
        {ID_QUIT, {220, 0}, {20, 20}, true, false, "btnzamk"},
        {ID_NAME1, {60, 10}, {160, 40}, true, false, nullptr},
        {ID_NAME2, {60, 60}, {160, 40}, true, false, nullptr},
        {ID_NAME3, {60, 110}, {160, 40}, true, false, nullptr},
        {ID_NAME4, {60, 160}, {160, 40}, true, false, nullptr},
        {ID_OPTIONS_OK, {60, 175}, {110, 40}, true, true, "btn5ok"},
        {ID_BACKGROUND, {2, 3}, {110, 40}, true, true, "btn5tlo"},
        {ID_DICTIONARY, {117, 3}, {110, 40}, true, true, "btn5slow"},
        {ID_STYLE, {2, 46}, {110, 40}, true, true, "btn5tmt"},
        {ID_TEXT_COLOUR, {117, 46}, {110, 40}, true, true, "btn5klfn"},
        {ID_HIGHLIGHT_COLOUR, {2, 89}, {110, 40}, true, true, "btn5klag"},
        {ID_HELP, {117, 89}, {110, 40}, true, true, "btn5pom"},
    };
    for (const auto& c : cases) {
        wxWindow* w = m->FindWindow(c.id);
        ASSERT_NE(w, nullptr) << c.id;
        if (c.picture) {
            auto* button = dynamic_cast<wxBitmapButton*>(w);
            ASSERT_NE(button, nullptr) << c.id;
            EXPECT_TRUE(HasPictureLabel(button, c.picture)) << c.id;
        }
        EXPECT_EQ(w->GetPosition(), c.pos) << c.id;
        EXPECT_EQ(w->GetSize(), c.size) << c.id;
        EXPECT_EQ(w->IsShown(), c.shown) << c.id;
        EXPECT_EQ(w->GetParent(), c.onPanel ? static_cast<wxWindow*>(m->optionsPanel) : m)
            << c.id;
    }
    wxWindow* check = m->FindWindow(ID_CONFIRM_MOVE);
    ASSERT_NE(check, nullptr);
    EXPECT_EQ(check->GetPosition(), wxPoint(15, 142));
    EXPECT_LE(check->GetRect().GetBottom(), 245);
    EXPECT_LT(check->GetRect().GetRight(), 240) << "the label fits the window";
    EXPECT_FALSE(m->optionsPanel->IsShown());
    EXPECT_EQ(m->optionsPanel->GetRect(), wxRect(0, 0, 240, 270));
}

TEST_F(StartWindow, OptionsAndOkSwapThePages)
{
    StMenu* m = Start();
    Click(m, ID_OPTIONS);
    EXPECT_TRUE(m->optionsPanel->IsShown());
    for (int id = ID_SLOT1; id <= ID_NAME4; ++id)
        EXPECT_FALSE(m->FindWindow(id)->IsShown()) << id;
    m->CyclePlayerType(2);
    Click(m->okButton, ID_OPTIONS_OK);
    EXPECT_FALSE(m->optionsPanel->IsShown());
    for (int id = ID_SLOT1; id <= ID_NAME4; ++id)
        EXPECT_TRUE(m->FindWindow(id)->IsShown()) << id;
    EXPECT_FALSE(m->nameFields[1]->IsEnabled());
    // OK saves the settings.
    Ustawienia saved;
    ASSERT_EQ(ReadSettingsFile(SettingsFile().c_str(), saved), 0);
    EXPECT_EQ(saved.TypGracza[1], 1);
    EXPECT_STREQ(saved.names[1], "Computer I");
    EXPECT_EQ(saved.humans, 3);
    EXPECT_EQ(saved.players, 4);
}

TEST_F(StartWindow, StartWithASettingsFile)
{
    const Ustawienia r = AwayFromDefaults({"Ann", "Computer III", "", "Bob the builder"},
                                          {0, 3, 5, 0});
    ASSERT_EQ(WriteSettingsFile(SettingsFile().c_str(), r), 0);
    tree.Picture("graf/tlo/other.JPG", 50, 50, *wxGREEN);
    // The dictionary of the settings file is the one loaded.
    Data("slowniki/two.slo", TwoWords);

    StMenu* m = Start();
    EXPECT_EQ(m->slotTypes[1], 3);
    EXPECT_EQ(m->slotTypes[2], 5);
    for (int k = 0; k < SeatCount; ++k)
        EXPECT_TRUE(HasPictureLabel(m->slotButtons[k], SeatPictures[r.TypGracza[k]])) << k;
    EXPECT_TRUE(m->startButton->IsEnabled());
    EXPECT_EQ(Name(0), "Ann");
    EXPECT_EQ(Name(1), "Computer III");
    EXPECT_EQ(Name(3), "Bob the buil"); // cut to the field's 12 characters
    // The stored name stays whole while its field is not edited.
    ASSERT_EQ(m->WriteSettings(), 0);
    Ustawienia saved;
    ASSERT_EQ(ReadSettingsFile(SettingsFile().c_str(), saved), 0);
    EXPECT_STREQ(saved.names[3], "Bob the builder");
    SetNameField(m->nameFields[3], "Bob the bui");
    ASSERT_EQ(m->WriteSettings(), 0);
    ASSERT_EQ(ReadSettingsFile(SettingsFile().c_str(), saved), 0);
    EXPECT_STREQ(saved.names[3], "Bob the bui");
    EXPECT_TRUE(m->nameFields[0]->IsEnabled());
    EXPECT_FALSE(m->nameFields[1]->IsEnabled());
    EXPECT_FALSE(m->nameFields[2]->IsEnabled());
    EXPECT_EQ(m->players, 3);
    EXPECT_EQ(m->humans, 2);
    EXPECT_EQ(TextColour, (Rgb{1, 2, 3}));
    EXPECT_EQ(ConfirmComputerMove, 1);
    EXPECT_TRUE(dynamic_cast<wxCheckBox*>(m->FindWindow(ID_CONFIRM_MOVE))->GetValue());
    EXPECT_EQ(SquarePicturePaths[SqPlain], std::string(TileFolder) + "/pblank.JPG");
    EXPECT_NE(SquarePicturePaths[SqPlain].find("plansza/two"), std::string::npos);
    EXPECT_EQ(m->background->GetWidth(), 50);
    EXPECT_TRUE(Slownik::IsWord("ac"));
}

// Picture paths of a settings file whose names hold bytes beyond plain
// ASCII: one code page 1250 lacks (0x81), one it reads as a letter (0xB3),
// and a UTF-8 letter. Each picture is checked and opened under its own name,
// never under another that a text conversion makes of it (the decoy).
TEST_F(StartWindow, PicturesNamedWithBytesBeyondAsciiLoad)
{
    const struct { const char *name, *decoy; } cases[] = {
        {"a\x81", "a?"},
        {"b\xB3", "b\xC5\x82"},
        {"c\xC5\x82", "c\xC4\xB9\xE2\x80\x9A"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.decoy);
        const std::string background = std::string("graf/tlo/") + c.name + ".JPG";
        const std::string folder = std::string("graf/plansza/") + c.name;
        tree.Picture(background, 20, 20, *wxBLUE);
        tree.Picture(std::string("graf/tlo/") + c.decoy + ".JPG", 20, 20, *wxGREEN);
        std::filesystem::copy(tree.Path() + "/graf/plansza/rozm", tree.Path() + "/" + folder);
        Ustawienia r;
        std::strcpy(r.BackgroundPath, (InstallFolder + background).c_str());
        std::strcpy(r.TileFolder, (InstallFolder + folder).c_str());
        for (int k = 0; k < SeatCount; ++k)
            SetSeat(r, k, k == 0 ? HumanSeat : NoPlayerSeat, "Ann");
        ASSERT_EQ(WriteSettingsFile(SettingsFile().c_str(), r), 0);
        TakeMessageBoxes();
        StMenu* m = Start();
        EXPECT_TRUE(ShowsColour(*m->background, *wxBLUE));
        Click(m, ID_START);
        ASSERT_NE(TheGraFrame, nullptr);
        EXPECT_TRUE(ShowsColour(*TheGraFrame->backgroundBitmap, *wxBLUE));
        EXPECT_TRUE(ShowsColour(*TheGraFrame->SquareBitmaps[SqPlain], wxColour(0, 20, 0)));
        EXPECT_TRUE(ShowsColour(*TheGraFrame->TileBitmaps[LetterIndex('q')],
                                wxColour(240, 200, 'Q')));
        TheGraFrame->Close(true);
        PumpEvents();
        // Only the missing dictionary is told: every picture loaded.
        for (const std::string& told : TakeMessageBoxes())
            EXPECT_EQ(told.find("Dictionary"), 0u) << told;
        m->Destroy();
        PumpEvents();
    }
}

// Stored names the fields cannot show as they are (longer than 12, a byte
// code page 1250 has no letter for, shown as '?') are saved as stored while
// untouched, at OK and at START; an edited field saves what it shows.
TEST_F(StartWindow, UntouchedNamesAreSavedAsStored)
{
    const std::array<const char*, SeatCount> names = {
        "Bo\x81 the builder", "Bob the builder\x81", "A\x81\x83", "\xB3\xF3 d\xBF"};
    const Ustawienia r = AwayFromDefaults(names, {0, 0, 0, 0});
    ASSERT_EQ(WriteSettingsFile(SettingsFile().c_str(), r), 0);
    StMenu* m = Start();
    EXPECT_EQ(m->nameFields[0]->GetValue(), "Bo? the buil");
    EXPECT_EQ(m->nameFields[2]->GetValue(), "A??");
    auto saved = [this] {
        Ustawienia s;
        EXPECT_EQ(ReadSettingsFile(SettingsFile().c_str(), s), 0);
        return s;
    };
    Click(m->optionsButton, ID_OPTIONS);
    Click(m->okButton, ID_OPTIONS_OK);
    for (int k = 0; k < SeatCount; ++k)
        EXPECT_STREQ(saved().names[k], names[k]) << k;

    // Seat 1 edited: what it shows; the rest as stored, for the game too.
    m->nameFields[0]->Remove(11, 12);
    Click(m, ID_START);
    ASSERT_NE(TheGra, nullptr);
    const Ustawienia atStart = saved();
    EXPECT_STREQ(atStart.names[0], "Bo? the bui");
    for (int k = 1; k < SeatCount; ++k) {
        EXPECT_STREQ(atStart.names[k], names[k]) << k;
        EXPECT_STREQ(TheGra->player[k]->name, names[k]) << k;
    }
    TheGraFrame->Close(true);
    PumpEvents();
}

TEST_F(StartWindow, FourEmptySeatsFromTheSettingsFileDisableStart)
{
    Ustawienia r;
    for (int k = 0; k < SeatCount; ++k)
        SetSeat(r, k, NoPlayerSeat, "");
    ASSERT_EQ(WriteSettingsFile(SettingsFile().c_str(), r), 0);
    StMenu* m = Start();
    EXPECT_EQ(m->players, 0);
    EXPECT_FALSE(m->startButton->IsEnabled());
    for (int k = 0; k < SeatCount; ++k)
        EXPECT_TRUE(HasPictureLabel(m->slotButtons[k], "nikt")) << k;
}

TEST_F(StartWindow, OptionsThenOkWritesTheFileAsItWasRead)
{
    // Every field away from its default, a name longer than its field among them.
    const Ustawienia r = AwayFromDefaults({"Computer IV", "Ann", "", "A name too long for a field"},
                                          {4, 0, 5, 0});
    ASSERT_EQ(WriteSettingsFile(SettingsFile().c_str(), r), 0);
    auto bytes = [this] {
        std::ifstream in(SettingsFile(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    const std::string before = bytes();

    StMenu* m = Start();
    std::filesystem::remove(SettingsFile());
    Click(m, ID_OPTIONS);
    Click(m->okButton, ID_OPTIONS_OK);
    EXPECT_EQ(bytes(), before);
}

TEST_F(StartWindow, SeatsCycleThroughTheirTypes)
{
    StMenu* m = Start();
    const struct { int type; const char* name; bool enabled; int players, humans; } steps[] = {
        {1, "Computer I", false, 4, 3},  {2, "Computer II", false, 4, 3},
        {3, "Computer III", false, 4, 3}, {4, "Computer IV", false, 4, 3},
        {5, "", false, 3, 3},             {0, "Nameless", true, 4, 4}};
    for (const auto& s : steps) {
        Click(m, ID_SLOT2);
        EXPECT_EQ(m->slotTypes[1], s.type);
        EXPECT_EQ(Name(1), s.name);
        EXPECT_EQ(m->nameFields[1]->IsEnabled(), s.enabled);
        EXPECT_EQ(m->players, s.players);
        EXPECT_EQ(m->humans, s.humans);
        EXPECT_TRUE(HasPictureLabel(m->slotButtons[1], SeatPictures[s.type])) << s.type;
        // And the screen comes to show the new picture on the seat (the
        // toolkit draws it at its own pace).
        const wxWindow* seat = m->slotButtons[1];
        const wxPoint middle = seat->GetScreenPosition() + seat->GetSize() / 2;
        const wxColour want = FixtureTree::PictureColour(SeatPictures[s.type]);
        const auto near = [&want](const wxColour& c) {
            return std::abs(c.Red() - want.Red()) <= 8 && std::abs(c.Green() - want.Green()) <= 8
                   && std::abs(c.Blue() - want.Blue()) <= 8;
        };
        wxColour shown(255 - want.Red(), 255 - want.Green(), 255 - want.Blue()); // not yet read
        for (int i = 0; i < 50 && !near(shown); ++i) {
            PumpEvents();
            wxMilliSleep(20);
            const wxImage pixel = ScreenArea(wxRect(middle, wxSize(1, 1)));
            shown = wxColour(pixel.GetRed(0, 0), pixel.GetGreen(0, 0), pixel.GetBlue(0, 0));
        }
        EXPECT_TRUE(near(shown)) << s.type << ": " << shown.GetAsString(wxC2S_CSS_SYNTAX);
    }
    // All four seats empty: START goes off, and back on with any player.
    for (int slot = 1; slot <= 4; ++slot)
        for (int n = 0; n < 5; ++n)
            m->CyclePlayerType(slot);
    EXPECT_EQ(m->players, 0);
    EXPECT_FALSE(m->startButton->IsEnabled());
    m->CyclePlayerType(3);
    EXPECT_EQ(m->players, 1);
    EXPECT_EQ(m->humans, 1);
    EXPECT_TRUE(m->startButton->IsEnabled());
}

TEST_F(StartWindow, CloseButtonClosesTheHelpWindowAndEndsTheProgram)
{
    StMenu* m = Start();
    Click(m->helpButton, ID_HELP);
    ASSERT_NE(ThePomocFrame, nullptr);
    Click(m, ID_QUIT);
    EXPECT_EQ(ThePomocFrame, nullptr);
    PumpEvents();
    EXPECT_EQ(TheStMenu, nullptr);
    EXPECT_TRUE(wxTopLevelWindows.IsEmpty());
}

TEST_F(StartWindow, WindowManagerCloseIsTheCloseButton)
{
    // As the close button does, the close closes the help window at once,
    // not when the start window is destroyed later.
    StMenu* m = Start();
    Click(m->helpButton, ID_HELP);
    ASSERT_NE(ThePomocFrame, nullptr);
    m->Close();
    EXPECT_EQ(ThePomocFrame, nullptr);
    PumpEvents();
    EXPECT_EQ(TheStMenu, nullptr);
    EXPECT_TRUE(wxTopLevelWindows.IsEmpty());
}

// Return and Space, the keys a focused button takes, pressed as real key
// events in a fresh start window: they never end the program. The first
// focus is on START, or on OPTIONS while START is off.
TEST_F(StartWindow, NoSingleKeyQuitsAFreshStartWindow)
{
    for (const bool emptySeats : {false, true})
        for (const int key : {WXK_RETURN, WXK_SPACE}) {
            SCOPED_TRACE(std::string(emptySeats ? "four empty seats, " : "four humans, ")
                         + (key == WXK_RETURN ? "Return" : "Space"));
            Ustawienia r;
            for (int k = 0; k < SeatCount; ++k)
                SetSeat(r, k, emptySeats ? NoPlayerSeat : HumanSeat, emptySeats ? "" : "Ann");
            ASSERT_EQ(WriteSettingsFile(SettingsFile().c_str(), r), 0);
            StMenu* m = Start();
            ASSERT_TRUE(BringOnScreen(m));
            for (int i = 0; i < 20 && !m->IsActive(); ++i) {
                PumpEvents();
                wxMilliSleep(10);
            }
            wxUIActionSimulator().Char(key);
            for (int i = 0; i < 10; ++i) {
                PumpEvents();
                wxMilliSleep(10);
            }
            ASSERT_EQ(TheStMenu, m) << "the key ended the program";
            if (emptySeats) {
                EXPECT_TRUE(m->optionsPanel->IsShown()) << "the key went to OPTIONS";
            } else {
                ASSERT_NE(TheGraFrame, nullptr) << "the key went to START";
                TheGraFrame->Close(true);
                PumpEvents();
            }
            m->Destroy();
            PumpEvents();
        }
}

TEST_F(StartWindow, StyleFileSwitchesPicturesColoursAndBackground)
{
    StMenu* m = Start();
    const std::string folder = std::string(InstallFolder) + "graf/plansza/two";
    Ustawienia style;
    std::strcpy(style.BackgroundPath, (std::string(InstallFolder) + "graf/tlo/other.JPG").c_str());
    std::strcpy(style.TileFolder, folder.c_str());
    std::strcpy(style.DictionaryPath, "ignored.slo");
    style.TextColour = {9, 8, 7};
    style.HighlightColour = {1, 1, 1};
    style.ConfirmComputerMove = 1;
    const std::string stylePath = tree.Path() + "/style/two.tmt";
    std::filesystem::create_directories(tree.Path() + "/style");
    ASSERT_EQ(WriteSettingsFile(stylePath.c_str(), style), 0);
    tree.Picture("graf/tlo/other.JPG", 50, 50, *wxGREEN);

    AnswerFileDialog(wxID_OK, "Choose style file", "*.tmt", stylePath);
    Click(m->styleButton, ID_STYLE);
    EXPECT_EQ(m->Busy, 0);
    EXPECT_EQ(std::string(TileFolder), folder);
    EXPECT_EQ(SquarePicturePaths[SqPlain], folder + "/pblank.JPG");
    EXPECT_EQ(TextColour, (Rgb{9, 8, 7}));
    EXPECT_EQ(ConfirmComputerMove, 0); // not part of a style
    EXPECT_STREQ(DictionaryPath, DefaultDictionaryPath);
    EXPECT_EQ(m->background->GetWidth(), 50);
    PumpEvents();
    m->Update();
    EXPECT_TRUE(ShowsAt(m, {239, 269}, *wxGREEN));
    Ustawienia saved;
    ASSERT_EQ(ReadSettingsFile(SettingsFile().c_str(), saved), 0);
    EXPECT_EQ(std::string(saved.TileFolder), folder);

    // Cancelled, or a bad file: nothing changes and nothing is written.
    std::filesystem::remove(SettingsFile());
    AnswerNextDialog(wxID_CANCEL);
    Click(m->styleButton, ID_STYLE);
    tree.Picture("style/bad.tmt", 2, 2, *wxRED); // a JPEG is no style
    TakeMessageBoxes();
    AnswerFileDialog(wxID_OK, "Choose style file", "*.tmt", tree.Path() + "/style/bad.tmt");
    Click(m->styleButton, ID_STYLE);
    EXPECT_EQ(std::string(TileFolder), folder);
    EXPECT_EQ(m->Busy, 0);
    EXPECT_FALSE(std::filesystem::exists(SettingsFile()));
    const std::vector<std::string> told = TakeMessageBoxes();
    ASSERT_EQ(told.size(), 1u);
    EXPECT_NE(told[0].find("Style file '" + tree.Path() + "/style/bad.tmt': it is shorter than "
                           "a style"),
              std::string::npos)
        << told[0];
}

TEST_F(StartWindow, PaintsWithoutABackgroundPicture)
{
    tree.Remove("graf/tlo/tlo2.JPG");
    StMenu* m = Start();
    ASSERT_FALSE(m->background->IsOk());
    FillScreenBuffer(*wxWHITE);
    Repaint(m);
    // The empty picture is not tiled: the area gets one plain colour, in the
    // buffer and on the screen, where the buttons leave it.
    const wxImage composed = ScreenBuffer.ConvertToImage();
    const wxColour first(composed.GetRed(0, 0), composed.GetGreen(0, 0), composed.GetBlue(0, 0));
    EXPECT_NE(first, *wxWHITE);
    EXPECT_TRUE(ShowsColour(ScreenBuffer, first));
    for (const wxPoint at : {wxPoint(0, 0), wxPoint(239, 269), wxPoint(120, 262)})
        EXPECT_EQ(ClientPixel(m, at.x, at.y), first) << at.x << ", " << at.y;
}

TEST_F(StartWindow, PaintsNothingWhileBusy)
{
    StMenu* m = Start();
    FillScreenBuffer(*wxWHITE);
    MenuClientSize = wxSize(1, 1);
    m->Busy = 1;
    Repaint(m);
    EXPECT_EQ(MenuClientSize, wxSize(1, 1));
    EXPECT_TRUE(ShowsColour(ScreenBuffer, *wxWHITE));
    m->Busy = 0;
    Repaint(m);
    EXPECT_EQ(MenuClientSize, wxSize(240, 270));
    EXPECT_TRUE(ShowsColour(ScreenBuffer, FixtureTree::BackgroundColour()));
    // And the screen shows the background again.
    EXPECT_TRUE(ShowsAt(m, {239, 269}, FixtureTree::BackgroundColour()));
}

TEST_F(StartWindow, BackgroundChosenInTheDialog)
{
    StMenu* m = Start();
    tree.Picture("tlo/green.JPG", 50, 50, *wxGREEN);
    AnswerFileDialog(wxID_OK, "Choose background", "*.JPG", tree.Path() + "/tlo/green.JPG");
    Click(m->backgroundButton, ID_BACKGROUND);
    EXPECT_EQ(std::string(BackgroundPath), std::string(InstallFolder) + "tlo/green.JPG");
    EXPECT_EQ(m->Busy, 0);
    EXPECT_EQ(m->background->GetWidth(), 50);
    m->Update();
    PumpEvents();
    const wxColour shown = ClientPixel(m, 230, 260);
    EXPECT_LT(shown.Red(), 40);
    EXPECT_GT(shown.Green(), 200);
    // Not in the settings file before OK.
    EXPECT_FALSE(std::filesystem::exists(SettingsFile()));

    // Cancelled, or a path too long for the settings record: the option and
    // picture stay.
    const std::string tooLong = "tlo/" + std::string(60, 'x') + ".JPG";
    tree.Picture(tooLong, 10, 10, *wxBLUE);
    // The player is told why a chosen file is not taken.
    const struct { int answer; std::string rel, told; } refused[] = {
        {wxID_CANCEL, "tlo/green.JPG", ""},
        {wxID_OK, tooLong,
         "Picture '" + std::string(InstallFolder) + tooLong
             + "': its path is too long (at most 99 bytes are taken).\nThe option stays as it "
               "was."}};
    TakeMessageBoxes();
    for (const auto& r : refused) {
        AnswerFileDialog(r.answer, "Choose background", "*.JPG", tree.Path() + "/" + r.rel);
        Click(m->backgroundButton, ID_BACKGROUND);
        EXPECT_EQ(std::string(BackgroundPath), std::string(InstallFolder) + "tlo/green.JPG")
            << r.rel;
        EXPECT_EQ(m->background->GetWidth(), 50) << r.rel;
        EXPECT_EQ(m->Busy, 0);
        const std::vector<std::string> told = TakeMessageBoxes();
        EXPECT_EQ(told, r.told.empty() ? std::vector<std::string>{} : std::vector{r.told});
    }
    // OK saves the chosen background.
    Click(m->okButton, ID_OPTIONS_OK);
    Ustawienia saved;
    ASSERT_EQ(ReadSettingsFile(SettingsFile().c_str(), saved), 0);
    EXPECT_EQ(std::string(saved.BackgroundPath), std::string(InstallFolder) + "tlo/green.JPG");

    // A name of bytes beyond plain ASCII (UTF-8, or one no text encoding
    // reads) names the same file to the dialog and to the game: taken and
    // shown, and saved as it is.
    for (const std::string rel : {"tlo/\xc5\x82\xC3\xB3" "d\xC5\xBA.JPG", "tlo/t\x81\xE9.JPG"}) {
        tree.Picture(rel, 30, 30, *wxBLUE);
        AnswerFileDialog(wxID_OK, "Choose background", "*.JPG", tree.Path() + "/" + rel);
        Click(m->backgroundButton, ID_BACKGROUND);
        EXPECT_EQ(std::string(BackgroundPath), std::string(InstallFolder) + rel);
        EXPECT_TRUE(ShowsColour(*m->background, *wxBLUE)) << rel;
        Click(m->okButton, ID_OPTIONS_OK);
        ASSERT_EQ(ReadSettingsFile(SettingsFile().c_str(), saved), 0);
        EXPECT_EQ(std::string(saved.BackgroundPath), std::string(InstallFolder) + rel);
    }
}

TEST_F(StartWindow, DictionaryChosenIsLoadedWithASplashThatGoesAtIdle)
{
    StMenu* m = Start();
    const std::string path = Data("slowniki/two.slo", TwoWords);
    AnswerFileDialog(wxID_OK, "Choose dictionary", "Dictionaries (*.slo)|*.slo", path);
    Click(m->dictionaryButton, ID_DICTIONARY);
    EXPECT_EQ(std::string(DictionaryPath), std::string(InstallFolder) + "slowniki/two.slo");
    EXPECT_TRUE(Slownik::IsWord("ac"));
    EXPECT_FALSE(Slownik::IsWord("ad"));
    // A splash window was made for the load (not read from the screen) and
    // goes with the next idle time.
    auto splashes = [] {
        int n = 0;
        for (wxWindow* w : wxTopLevelWindows)
            n += dynamic_cast<wxSplashScreen*>(w) != nullptr;
        return n;
    };
    EXPECT_EQ(splashes(), 1);
    PumpEvents();
    EXPECT_EQ(splashes(), 0);

    // A file that is no dictionary: the player is told, the words stay.
    TakeMessageBoxes();
    const std::string bad = Data("slowniki/bad.slo", {0, 0, 0, 0});
    AnswerFileDialog(wxID_OK, "Choose dictionary", "Dictionaries (*.slo)|*.slo", bad);
    Click(m->dictionaryButton, ID_DICTIONARY);
    EXPECT_TRUE(Slownik::IsWord("ac"));
    EXPECT_EQ(std::string(DictionaryPath), std::string(InstallFolder) + "slowniki/two.slo");
    PumpEvents();
    EXPECT_EQ(splashes(), 0);
    const std::vector<std::string> told = TakeMessageBoxes();
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0], "Dictionary '" + bad + "': it holds no word list (4 bytes).\n"
                       "The dictionary loaded before stays in use.");

    // Cancelled: the dictionary and its path stay.
    AnswerNextDialog(wxID_CANCEL);
    Click(m->dictionaryButton, ID_DICTIONARY);
    EXPECT_EQ(std::string(DictionaryPath), std::string(InstallFolder) + "slowniki/two.slo");
    EXPECT_TRUE(Slownik::IsWord("ab"));
    EXPECT_EQ(splashes(), 0);
}

// The file dialogs' label names the folder shown as a clean path, however
// the data folder is spelled, and when it does not fit it keeps the folder's
// end, shortened with "..." at its start to the label's room (measured in the
// label's font). Going into a folder and back up in the dialog keeps it clean.
TEST_F(StartWindow, FileDialogsNameTheirFolderCleanAndFitted)
{
    const std::string deep = "/a-folder-with-a-long-name/and-another-just-as-long/data";
    std::filesystem::create_directories(tree.Path() + deep + "/slowniki/sub");
    std::filesystem::create_directories(tree.Path() + "/tlo");
    std::filesystem::create_directories(tree.Path() + "/bin");
    const struct { std::string data; int button; std::string folder; bool fits; } cases[] = {
        {tree.Path() + "/bin/..//./", ID_BACKGROUND, tree.Path() + "/tlo", true},
        {tree.Path() + "/bin/.." + deep + "/", ID_DICTIONARY, tree.Path() + deep + "/slowniki",
         false},
    };
    StMenu* m = Start();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.folder);
        setenv("ZERTANIK_DATA", c.data.c_str(), 1);
        ResetDataFolder();
        // The label's text, as the file system names the folder.
        std::vector<std::string> shown;
        bool fitted = false;
        AnswerNextDialog(wxID_CANCEL, [&](wxDialog* d) {
            auto* files = dynamic_cast<ChooseFileDialog*>(d);
            ASSERT_NE(files, nullptr);
            wxStaticText* label = files->FolderLabel();
            ASSERT_NE(label, nullptr);
            auto read = [&] {
                shown.push_back(FileNameFromWx(label->GetLabel()));
                wxScreenDC dc;
                dc.SetFont(label->GetFont());
                // Within its room, which lies within the dialog's 240 pixels.
                fitted = dc.GetTextExtent(label->GetLabel()).x <= files->FolderLabelRoom()
                         && files->FolderLabelRoom() > 0
                         && label->GetParent()->GetPosition().x + label->GetPosition().x
                                    + files->FolderLabelRoom()
                                <= 240;
            };
            read();
            if (c.fits)
                return;
            // Into "sub" and back up, as the list's activation does.
            wxListCtrl* list = nullptr;
            for (wxWindow* w = label->GetParent(); w && !list; w = nullptr)
                for (wxWindow* child : w->GetChildren())
                    if (!list)
                        list = dynamic_cast<wxListCtrl*>(child);
            ASSERT_NE(list, nullptr);
            for (const char* item : {"sub", ".."}) {
                wxListEvent activated(wxEVT_LIST_ITEM_ACTIVATED, list->GetId());
                wxListItem text;
                text.SetText(item);
                activated.SetItem(text);
                activated.SetEventObject(list);
                list->GetEventHandler()->ProcessEvent(activated);
                PumpEvents();
                read();
            }
        });
        Click(c.button == ID_BACKGROUND ? m->backgroundButton : m->dictionaryButton, c.button);
        ASSERT_FALSE(shown.empty());
        EXPECT_TRUE(fitted);
        if (c.fits) {
            EXPECT_EQ(shown[0], c.folder);
            continue;
        }
        ASSERT_EQ(shown.size(), 3u);
        const std::string ends[] = {c.folder, c.folder + "/sub", c.folder};
        for (int k = 0; k < 3; ++k) {
            ASSERT_EQ(shown[k].rfind("...", 0), 0u) << shown[k];
            const std::string end = shown[k].substr(3);
            EXPECT_GT(end.size(), 10u);
            EXPECT_EQ(ends[k].substr(ends[k].size() - std::min(end.size(), ends[k].size())), end);
        }
    }
    setenv("ZERTANIK_DATA", tree.Path().c_str(), 1);
    ResetDataFolder();
}

namespace {

// Reads the screen under a dialog that really comes up, once it is shown
// and drawn, then cancels it: the toolkit's own modal loop runs the timer.
class ShownDialogReader : public wxTimer {
public:
    explicit ShownDialogReader(std::function<void(wxDialog*)> read) : read_(std::move(read)) {}
    void Start(wxDialog* dialog)
    {
        dialog_ = dialog;
        clock_.Start();
        wxTimer::Start(50);
    }
    void Notify() override
    {
        // A newly shown dialog's first frames may not be drawn yet.
        if (!dialog_->IsShownOnScreen() && clock_.Time() < 3000)
            return;
        if (clock_.Time() < 300)
            return;
        Stop();
        read_(dialog_);
        dialog_->EndModal(wxID_CANCEL);
    }

private:
    std::function<void(wxDialog*)> read_;
    wxDialog* dialog_ = nullptr;
    wxStopWatch clock_;
};

} // namespace

// What the X server shows of a folder label too long for the dictionary
// dialog: the whole of its text, shortened at its start to fit, inside the
// window; a path longer than the label's room showed only a cut piece of
// its beginning.
TEST_F(StartWindow, LongFolderLabelShowsWholeInsideTheDialogOnTheScreen)
{
    const std::string deep = "/a-folder-with-a-long-name/and-another-just-as-long/data";
    std::filesystem::create_directories(tree.Path() + deep + "/slowniki");
    setenv("ZERTANIK_DATA", (tree.Path() + deep).c_str(), 1);
    ResetDataFolder();
    StMenu* m = Start();
    int ink = 0, inkLeft = INT_MAX, inkRight = -1, width = 0, textWidth = 0;
    ShownDialogReader reader([&](wxDialog* d) {
        auto* files = dynamic_cast<ChooseFileDialog*>(d);
        ASSERT_NE(files, nullptr);
        const wxStaticText* label = files->FolderLabel();
        ASSERT_NE(label, nullptr);
        // From the label's left end to the dialog's right edge, on its rows.
        const wxRect labelRect = label->GetScreenRect();
        const int right = d->ClientToScreen(wxPoint(0, 0)).x + d->GetClientSize().x;
        const wxImage area = ScreenArea(
            wxRect(labelRect.x, labelRect.y, right - labelRect.x, labelRect.height));
        width = area.GetWidth();
        wxScreenDC dc;
        dc.SetFont(label->GetFont());
        textWidth = dc.GetTextExtent(label->GetLabel()).x;
        const int r = area.GetRed(0, 0), g = area.GetGreen(0, 0), b = area.GetBlue(0, 0);
        for (int y = 0; y < area.GetHeight(); ++y)
            for (int x = 0; x < width; ++x)
                if (std::abs(area.GetRed(x, y) - r) + std::abs(area.GetGreen(x, y) - g)
                        + std::abs(area.GetBlue(x, y) - b)
                    > 120) {
                    ++ink;
                    inkLeft = std::min(inkLeft, x);
                    inkRight = std::max(inkRight, x);
                }
    });
    AnswerNextDialog(wxID_NONE, [&](wxDialog* d) { reader.Start(d); });
    Click(m->dictionaryButton, ID_DICTIONARY);
    ASSERT_GT(ink, 20) << "the label shows no text";
    EXPECT_GT(width, 100);
    EXPECT_LT(inkRight, width - 4) << "the text runs on to the dialog's edge";
    // The screen shows the whole of the label's text, not a cut piece of it
    // (the toolkit draws it a little wider than a device context measures).
    EXPECT_NEAR(inkRight - inkLeft + 1, textWidth, textWidth / 10);
    setenv("ZERTANIK_DATA", tree.Path().c_str(), 1);
    ResetDataFolder();
}

TEST_F(StartWindow, ColoursChosenInTheDialog)
{
    StMenu* m = Start();
    const struct { wxWindow* button; int id; Rgb& option; Rgb& other; } cases[] = {
        {m->textColourButton, ID_TEXT_COLOUR, TextColour, HighlightColour},
        {m->highlightColourButton, ID_HIGHLIGHT_COLOUR, HighlightColour, TextColour},
    };
    for (const auto& c : cases) {
        const Rgb other = c.other;
        AnswerNextDialog(wxID_OK, [](wxDialog* d) { PickColour(d, wxColour(10, 20, 30)); });
        Click(c.button, c.id);
        EXPECT_EQ(c.option, (Rgb{10, 20, 30})) << c.id;
        EXPECT_EQ(c.other, other) << c.id;
        AnswerNextDialog(wxID_CANCEL, [](wxDialog* d) { PickColour(d, *wxWHITE); });
        Click(c.button, c.id);
        EXPECT_EQ(c.option, (Rgb{10, 20, 30})) << c.id;
    }
    EXPECT_FALSE(std::filesystem::exists(SettingsFile()));
}

TEST_F(StartWindow, ConfirmationCheckBoxTogglesTheFlag)
{
    StMenu* m = Start();
    wxWindow* check = m->FindWindow(ID_CONFIRM_MOVE);
    for (int expected : {1, 0}) {
        wxCommandEvent click(wxEVT_CHECKBOX, ID_CONFIRM_MOVE);
        click.SetEventObject(check);
        check->GetEventHandler()->ProcessEvent(click);
        EXPECT_EQ(ConfirmComputerMove, expected);
    }
}

namespace {

int HelpWindows()
{
    int n = 0;
    for (wxWindow* w : wxTopLevelWindows)
        n += dynamic_cast<PomocFrame*>(w) != nullptr && !w->IsBeingDeleted();
    return n;
}

void Tap(wxWindow* w, wxPoint at)
{
    for (wxEventType type : {wxEVT_LEFT_DOWN, wxEVT_LEFT_UP}) {
        wxMouseEvent e(type);
        e.SetPosition(at);
        e.SetEventObject(w);
        w->GetEventHandler()->ProcessEvent(e);
    }
}

} // namespace

TEST_F(StartWindow, HelpOpensOurPageAndATapClosesIt)
{
    std::filesystem::create_directories(tree.Path() + "/html");
    std::filesystem::copy_file(SOURCE_DATA_DIR "/html/pomoc.htm", tree.Path() + "/html/pomoc.htm");
    StMenu* m = Start();
    Click(m->optionsButton, ID_OPTIONS);
    Click(m->helpButton, ID_HELP);
    PomocFrame* help = ThePomocFrame;
    ASSERT_NE(help, nullptr);
    PumpEvents();
    EXPECT_TRUE(help->IsShown());
    EXPECT_EQ(help->GetPosition(), wxPoint(0, 0));
    EXPECT_EQ(help->GetSize(), wxSize(240, 270));
    EXPECT_EQ(help->GetParent(), nullptr);
    // Laid out as HTML, not shown as plain text.
    EXPECT_EQ(help->view->GetOpenedPageTitle(), "Zertanik help");
    EXPECT_FALSE(help->view->ToText().Contains("<h4>"));
    // It tells how the game takes a tile back: pressed, not dragged off.
    wxString page = help->view->ToText();
    page.Replace("\n", " ");
    EXPECT_TRUE(page.Contains("To take back a tile laid this turn, press it on the board")) << page;
    EXPECT_FALSE(page.Contains("off the board")) << page;

    // A second help command brings the same window up.
    Click(m->helpButton, ID_HELP);
    EXPECT_EQ(ThePomocFrame, help);
    EXPECT_EQ(HelpWindows(), 1);

    // The end of a drag (a selection) is no tap and closes nothing.
    wxMouseEvent down(wxEVT_LEFT_DOWN), up(wxEVT_LEFT_UP);
    down.SetPosition({20, 30});
    up.SetPosition({200, 250});
    help->view->GetEventHandler()->ProcessEvent(down);
    help->view->GetEventHandler()->ProcessEvent(up);
    PumpEvents();
    EXPECT_EQ(ThePomocFrame, help);

    Tap(help->view, {200, 250});
    PumpEvents();
    EXPECT_EQ(ThePomocFrame, nullptr);
    EXPECT_EQ(HelpWindows(), 0);
    EXPECT_TRUE(m->optionsPanel->IsShown());

    // Opened again after closing: a new window; Escape closes it too.
    Click(m->helpButton, ID_HELP);
    ASSERT_NE(ThePomocFrame, nullptr);
    wxKeyEvent escape(wxEVT_CHAR_HOOK);
    escape.m_keyCode = WXK_ESCAPE;
    ThePomocFrame->GetEventHandler()->ProcessEvent(escape);
    PumpEvents();
    EXPECT_EQ(ThePomocFrame, nullptr);

    // HELP pressed right after a close, before the closed window is gone:
    // a new window opens and stays.
    Click(m->helpButton, ID_HELP);
    Tap(ThePomocFrame->view, {200, 250});
    Click(m->helpButton, ID_HELP);
    PumpEvents();
    ASSERT_NE(ThePomocFrame, nullptr);
    EXPECT_TRUE(ThePomocFrame->IsShown());
    EXPECT_EQ(HelpWindows(), 1);
}

TEST_F(StartWindow, HelpLinksLoadNothing)
{
    const std::string page = "<html><head><title>One</title></head><body>"
                             "<a href=\"two.htm\">two two two two two</a></body></html>";
    Data("html/pomoc.htm", std::vector<std::uint8_t>(page.begin(), page.end()));
    const std::string two = "<html><head><title>Two</title></head><body>2</body></html>";
    Data("html/two.htm", std::vector<std::uint8_t>(two.begin(), two.end()));
    StMenu* m = Start();
    Click(m->helpButton, ID_HELP);
    PomocFrame* help = ThePomocFrame;
    ASSERT_NE(help, nullptr);
    PumpEvents();
    ASSERT_EQ(help->view->GetOpenedPageTitle(), "One");
    const wxPoint onLink(12, 8);
    ASSERT_TRUE(help->view->LinkAt(onLink));
    Tap(help->view, onLink);
    PumpEvents();
    EXPECT_EQ(ThePomocFrame, help); // still open
    EXPECT_EQ(help->view->GetOpenedPageTitle(), "One");
    EXPECT_TRUE(help->view->GetOpenedPage().EndsWith("pomoc.htm"));
}

TEST_F(StartWindow, NameFieldsRaiseTheKeyboardWhileFocused)
{
    StMenu* m = Start();
    m->CyclePlayerType(3); // seat 3 a computer: its field is disabled
    SipShowIM(SIPF_OFF);
    auto focus = [](wxWindow* w, wxEventType type) {
        wxFocusEvent e(type, w->GetId());
        e.SetEventObject(w);
        w->GetEventHandler()->ProcessEvent(e);
    };
    const struct { int seat; wxEventType type; bool shown; } steps[] = {
        {0, wxEVT_SET_FOCUS, true},
        {0, wxEVT_KILL_FOCUS, false}, // straight to another field
        {1, wxEVT_SET_FOCUS, true},
        {1, wxEVT_KILL_FOCUS, false},
        {2, wxEVT_SET_FOCUS, false}, // disabled
    };
    for (const auto& s : steps) {
        focus(m->nameFields[s.seat], s.type);
        EXPECT_EQ(SoftInputPanelShown(), s.shown) << s.seat;
    }
    // The toolkit's own focus moves do the same.
    m->Raise();
    m->nameFields[3]->SetFocus();
    PumpEvents();
    ASSERT_EQ(wxWindow::FindFocus(), m->nameFields[3]);
    EXPECT_TRUE(SoftInputPanelShown());
    m->startButton->SetFocus();
    PumpEvents();
    EXPECT_FALSE(SoftInputPanelShown());
}

TEST_F(StartWindow, StartMakesThePlayersFromTheSeatsAndOpensTheGame)
{
    StMenu* m = Start();
    // A dictionary without words: should the computer draw the first turn,
    // it finds no move and exchanges, so scores and the bag stay as dealt.
    TempDir scratch;
    ASSERT_EQ(Slownik::LoadFile(scratch.Write("none.slo", std::vector<std::uint8_t>(5, 0)).c_str()),
              0);
    SetNameField(m->nameFields[0], "Ann");
    for (int n = 0; n < 5; ++n)
        m->CyclePlayerType(2); // no player
    m->CyclePlayerType(3);
    m->CyclePlayerType(3); // Computer II
    m->nameFields[3]->Clear();
    Click(m->helpButton, ID_HELP);
    Click(m, ID_START);

    Gra* gra = TheGra;
    ASSERT_NE(gra, nullptr);
    EXPECT_EQ(gra->players, 3);
    EXPECT_EQ(gra->humans, 2);
    const struct { const char* name; bool computer; int poziom; } expected[] = {
        {"Ann", false, 0}, {"Computer II", true, 2}, {"", false, 0}};
    for (int k = 0; k < 3; ++k) {
        const Gracz* p = gra->player[k];
        ASSERT_NE(p, nullptr);
        EXPECT_STREQ(p->name, expected[k].name) << k;
        EXPECT_EQ(p->computer != 0, expected[k].computer) << k;
        EXPECT_EQ(dynamic_cast<const Komputer*>(p) != nullptr, expected[k].computer) << k;
        EXPECT_EQ(p->Poziom, expected[k].poziom) << k;
        EXPECT_EQ(p->score, 0);
        EXPECT_EQ(p->rack->Count(), 7) << k;
    }
    EXPECT_EQ(gra->player[3], nullptr);
    EXPECT_EQ(gra->tilesLeft, 100 - 3 * 7);
    ASSERT_NE(TheGraFrame, nullptr);
    EXPECT_TRUE(TheGraFrame->IsShown());
    EXPECT_EQ(TheGraFrame->GetTitle(), "Venk's Zertanik EN");
    EXPECT_FALSE(m->IsShown());
    EXPECT_EQ(ThePomocFrame, nullptr);
    Ustawienia saved;
    ASSERT_EQ(ReadSettingsFile(SettingsFile().c_str(), saved), 0);
    const int types[] = {0, 5, 2, 0};
    for (int k = 0; k < SeatCount; ++k)
        EXPECT_EQ(saved.TypGracza[k], types[k]) << k;
    EXPECT_STREQ(saved.names[0], "Ann");

    // A second START while the game runs starts nothing.
    GraFrame* frame = TheGraFrame;
    Click(m, ID_START);
    EXPECT_EQ(TheGra, gra);
    EXPECT_EQ(TheGraFrame, frame);

    // Closing the game window brings the start window back; a new START
    // makes a new game.
    frame->Close(true);
    PumpEvents();
    EXPECT_EQ(TheGra, nullptr);
    EXPECT_EQ(TheGraFrame, nullptr);
    EXPECT_TRUE(m->IsShown());
    Click(m, ID_START);
    ASSERT_NE(TheGra, nullptr);
    EXPECT_EQ(TheGra->players, 3);
    TheGraFrame->Close(true);
    PumpEvents();
}

TEST_F(StartWindow, StartWithFourComputersPlaysTheGameThrough)
{
    StMenu* m = Start();
    // No words: each computer exchanges while it may, then passes, until the
    // scoreless turns end the game inside START.
    TempDir scratch;
    ASSERT_EQ(Slownik::LoadFile(scratch.Write("none.slo", std::vector<std::uint8_t>(5, 0)).c_str()),
              0);
    const int pause = ComputerTurnPauseMs;
    ComputerTurnPauseMs = 0;
    for (int slot = 1; slot <= SeatCount; ++slot)
        m->CyclePlayerType(slot);
    Click(m, ID_START);
    ComputerTurnPauseMs = pause;
    ASSERT_NE(TheGraFrame, nullptr);
    EXPECT_TRUE(TheGraFrame->tura.gameOver);
    EXPECT_EQ(TheGra->scorelessTurns, 2 * SeatCount);
    for (int k = 0; k < SeatCount; ++k)
        EXPECT_EQ(TheGra->player[k]->exchangesUsed, 3) << k;
    EXPECT_FALSE(m->IsShown());
    TheGraFrame->Close(true);
    PumpEvents();
    EXPECT_TRUE(m->IsShown());
}

// With a computer drawn to move first, START plays its move: the move is on
// the board and, with confirmation off, already accepted for the human who
// moves next, in the game window that START shows.
TEST_F(StartWindow, StartWithAComputerFirstPlaysItsMoveAccepted)
{
    StMenu* m = Start();
    // Every two-letter word, so any opening rack has a move.
    std::vector<std::string> words;
    for (char a = 'a'; a <= 'z'; ++a)
        for (char b = 'a'; b <= 'z'; ++b)
            words.push_back({a, b});
    TempDir scratch;
    ASSERT_EQ(Slownik::LoadFile(scratch.Write("pairs.slo", CompileWords(words, false).bytes).c_str()),
              0);
    ConfirmComputerMove = 0;
    for (int n = 0; n < 4; ++n)
        m->CyclePlayerType(2); // Computer IV
    for (int slot = 3; slot <= SeatCount; ++slot)
        for (int n = 0; n < 5; ++n)
            m->CyclePlayerType(slot); // no player

    // Clocks whose deal lets the human start change nothing on the board.
    bool computerFirst = false;
    for (std::time_t clock = 1; clock < 64 && !computerFirst; ++clock) {
        {
            ClockAt at(clock);
            Click(m, ID_START);
        }
        ASSERT_NE(TheGra, nullptr);
        int onBoard = 0;
        for (int y = 1; y <= BoardSize; ++y)
            for (int x = 1; x <= BoardSize; ++x)
                onBoard += Plansza[x][y].tile != 0;
        computerFirst = onBoard > 0;
        if (computerFirst) {
            const Gracz* computer = TheGra->player[1];
            EXPECT_GT(computer->score, 0);
            EXPECT_EQ(computer->rack->Count(), 7);
            EXPECT_EQ(TheGra->tilesLeft, 100 - 14 - onBoard);
            EXPECT_EQ(TheGra->current, 0);
            EXPECT_FALSE(TheGraFrame->tura.pending);
            EXPECT_TRUE(TheGraFrame->IsShown());
        } else {
            EXPECT_EQ(TheGra->current, 0);
            EXPECT_EQ(TheGra->player[1]->score, 0);
        }
        EXPECT_FALSE(m->IsShown());
        TheGraFrame->Close(true);
        PumpEvents();
    }
    EXPECT_TRUE(computerFirst);
}

// Files the start-up could not use are told in one message box naming each
// file and what is wrong; the start window comes up all the same.
TEST_F(StartWindow, StartUpTellsOnceWhatItCannotUse)
{
    Ustawienia r;
    const auto settingsNaming = [&](const std::string& dictionary) {
        std::strcpy(r.DictionaryPath, dictionary.c_str());
        const SettingsBytes b = EncodeSettings(r);
        Data("Qovant.kfg", std::vector<std::uint8_t>(b.begin(), b.end()));
    };
    const std::string folder = tree.Path() + "/slowniki/folder.slo";
    std::filesystem::create_directories(folder);
    const std::string missing = tree.Path() + "/slowniki/PL20030923.slo";
    const struct { std::string dictionary, told; } cases[] = {
        {"/dev/zero", "Dictionary '/dev/zero': it is not a regular file."},
        {folder, "Dictionary '" + folder + "': it is a folder."},
        {missing, "Dictionary '" + missing + "': can't open it: No such file or directory."},
    };
    for (const auto& c : cases) {
        settingsNaming(c.dictionary);
        TakeMessageBoxes();
        testing::internal::CaptureStderr();
        Start();
        const std::string logged = testing::internal::GetCapturedStderr();
        ASSERT_NE(TheStMenu, nullptr);
        EXPECT_TRUE(TheStMenu->IsShown());
        const std::vector<std::string> told = TakeMessageBoxes();
        ASSERT_EQ(told.size(), 1u) << c.dictionary;
        EXPECT_EQ(told[0].find(c.told), 0u) << told[0];
        EXPECT_NE(logged.find("Error: d" + c.told.substr(1, c.told.size() - 2)),
                  std::string::npos)
            << logged;
        TheStMenu->Destroy();
        PumpEvents();
    }

    // A settings file a byte short, then a folder, together with a
    // dictionary of one byte: one box holds both. No word is loaded before.
    TempDir scratch;
    ASSERT_EQ(Slownik::LoadFile(scratch.Write("one.slo", std::vector<std::uint8_t>(5, 0)).c_str()),
              0);
    Data("slowniki/PL20030923.slo", {0});
    const std::string settings = SettingsFile();
    const std::string dictionary = tree.Path() + "/slowniki/PL20030923.slo";
    Data("Qovant.kfg", std::vector<std::uint8_t>(712, 0));
    Start();
    std::vector<std::string> told = TakeMessageBoxes();
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0], "Settings file '" + settings + "': it is shorter than the 713-byte record "
                       "(712 bytes).\nThe built-in settings are used. The file is kept as "
                       + settings + ".bad when the settings are next saved.\n\nDictionary '"
                       + dictionary + "': it holds no word list (1 bytes).\nEvery word counts "
                       "as invalid and the computers find no move; choose another dictionary in "
                       "OPTIONS.");
    // Saving keeps the refused file beside.
    Click(TheStMenu, ID_OPTIONS_OK);
    EXPECT_EQ(ReadFileBytes(settings + ".bad"), std::vector<std::uint8_t>(712, 0));
    TheStMenu->Destroy();
    PumpEvents();

    std::filesystem::remove(settings);
    std::filesystem::create_directory(settings);
    Start();
    told = TakeMessageBoxes();
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0].find("Settings file '" + settings + "': it is a folder.\nThe built-in "
                           "settings are used.\n\nDictionary"),
              0u)
        << told[0];
}

TEST_F(StartWindow, MissingDataFolderIsTold)
{
    const std::string gone = tree.Path() + "/nowhere";
    setenv("ZERTANIK_DATA", gone.c_str(), 1);
    ResetDataFolder();
    TakeMessageBoxes();
    StMenu* m = Start();
    ASSERT_NE(m, nullptr);
    EXPECT_TRUE(m->IsShown());
    const std::vector<std::string> told = TakeMessageBoxes();
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0].find("Data folder '" + gone + "': no such folder.\nThe game's pictures, "
                           "dictionaries and help are missing.\n\nDictionary '" + gone
                           + "/slowniki/PL20030923.slo'"),
              0u)
        << told[0];
}

TEST_F(StartWindow, SettingsThatCannotBeSavedAreToldOnce)
{
    Data("slowniki/PL20030923.slo", TwoWords);
    StMenu* m = Start();
    TakeMessageBoxes();
    ASSERT_EQ(m->WriteSettings(), 0);
    std::filesystem::permissions(SettingsFile(), std::filesystem::perms::owner_read);
    const std::vector<std::uint8_t> before = ReadFileBytes(SettingsFile());
    SetNameField(m->nameFields[0], "Changed");
    EXPECT_EQ(m->WriteSettings(), 1);
    EXPECT_EQ(m->WriteSettings(), 1);
    EXPECT_EQ(ReadFileBytes(SettingsFile()), before);
    const std::vector<std::string> told = TakeMessageBoxes();
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0], "Settings file '" + SettingsFile() + "': can't write it: it is read-only."
                       "\nThe settings last until the program ends.");
}

// OK's save may fail and tell the player: by then the players page is back
// and the window is no longer frozen for the page swap, so it can be drawn
// behind the box (the box itself is answered unseen).
TEST_F(StartWindow, SaveFaultAfterOptionsOkIsToldOnceTheWindowThaws)
{
    StMenu* m = Start();
    TakeMessageBoxes();
    ASSERT_EQ(m->WriteSettings(), 0);
    std::filesystem::permissions(SettingsFile(), std::filesystem::perms::owner_read);
    Click(m->optionsButton, ID_OPTIONS);
    bool frozen = true, playersPage = false;
    AnswerNextDialog(wxID_OK, [&](wxDialog*) {
        frozen = m->IsFrozen();
        playersPage = m->startButton->IsShown() && !m->optionsPanel->IsShown();
    });
    const int boxes = DialogsAnswered();
    Click(m->okButton, ID_OPTIONS_OK);
    ASSERT_EQ(DialogsAnswered(), boxes + 1);
    EXPECT_FALSE(frozen);
    EXPECT_TRUE(playersPage);
}

TEST_F(StartWindow, MissingHelpPageIsTold)
{
    StMenu* m = Start();
    TakeMessageBoxes();
    Click(m->optionsButton, ID_OPTIONS);
    Click(m->helpButton, ID_HELP);
    ASSERT_NE(ThePomocFrame, nullptr);
    const std::vector<std::string> told = TakeMessageBoxes();
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0], "Help page '" + tree.Path() + "/./html/pomoc.htm': no such file.\n"
                       "The help window stays empty.");
}
