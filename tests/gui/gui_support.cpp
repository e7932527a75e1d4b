#include "tests/gui/gui_support.h"
#include "tests/gui/ekran_x.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include <wx/app.h>
#include <wx/dcmemory.h>
#include <wx/image.h>
#include <wx/mstream.h>
#include <wx/msgdlg.h>

#include "model/opcje.h"
#include "window/obrazki.h"
#include "platform/instalacja.h"
#include "window/tlo.h"

namespace {

struct DialogAnswer {
    int id = wxID_CANCEL;
    std::function<void(wxDialog*)> act;
};
DialogAnswer nextAnswer;
int answered = 0;
std::vector<std::string> messageBoxes;

char* Dup(const std::string& s) { return strdup(s.c_str()); }

// The fixed and player pictures under graf/, each its own shade.
const char* const FixedPictures[] = {
    "pzmn",     "btn3tak",  "btn3nie",  "btn3pol",  "btn3inne", "btn3wym",  "btn3pas",
    "btn3go",   "worek",    "btn5strt", "btn5opc",  "btn5ok",   "btn5tlo",  "btn5slow",
    "btn5klfn", "btn5klag", "btn5tmt",  "stojak4",  "sswczyt",  "btn5pom",  "btnzamk",
    "czlo",     "cpu1",     "cpu2",     "cpu3",     "cpu4",     "nikt"};

} // namespace

FixtureTree::FixtureTree()
{
    setenv("ZERTANIK_DATA", dir_.Path().c_str(), 1);
    ResetDataFolder();
    std::string layout;
    for (int i = 0; i < 15; ++i)
        layout += std::string(i == 7 ? ".......x......." : "...............") + "\r\n";
    dir_.Write("dane/normalna.pln", layout);

    for (const char* f : FixedPictures)
        Picture(std::string("graf/") + f + ".JPG", 20, 20, PictureColour(f));
    Picture("graf/tlo/tlo2.JPG", 32, 32, BackgroundColour());
    const char* squares[] = {"pblank", "p1pkt", "p2pkt", "p3pkt", "p5pkt", "p2r", "p3r", "pstrt"};
    int shade = 20;
    for (const char* s : squares) {
        Picture(std::string("graf/plansza/rozm/") + s + ".JPG", 16, 16, wxColour(0, shade, 0));
        shade += 25;
    }
    for (char c = 'A'; c <= 'Z'; ++c) {
        Picture(std::string("graf/plansza/rozm/pl") + c + ".JPG", 14, 14,
                wxColour(240, 200, static_cast<unsigned char>(c)));
        Picture(std::string("graf/plansza/rozm/plb") + c + ".JPG", 14, 14,
                wxColour(160, 200, static_cast<unsigned char>(c)));
    }
    Picture("graf/plansza/rozm/blank.JPG", 14, 14, wxColour(250, 250, 250));

    free(BackgroundPath);
    free(TileFolder);
    BackgroundPath = Dup(std::string(InstallFolder) + "graf/tlo/tlo2.JPG");
    TileFolder = Dup(std::string(InstallFolder) + "graf/plansza/rozm");
    BuildSquarePicturePaths();
}

FixtureTree::~FixtureTree()
{
    free(BackgroundPath);
    free(TileFolder);
    BackgroundPath = TileFolder = nullptr;
    FreeSquarePicturePaths();
    unsetenv("ZERTANIK_DATA");
    ResetDataFolder();
}

wxColour FixtureTree::PictureColour(const std::string& name)
{
    int shade = 10;
    for (const char* f : FixedPictures) {
        if (name == f)
            return wxColour(shade, shade, 255 - shade);
        shade += 8;
    }
    ADD_FAILURE() << "no fixture picture " << name;
    return *wxBLACK;
}

void FixtureTree::Picture(const std::string& rel, int w, int h, const wxColour& c) const
{
    wxImage image(w, h);
    image.SetRGB(wxRect(0, 0, w, h), c.Red(), c.Green(), c.Blue());
    image.SetOption(wxIMAGE_OPTION_QUALITY, 100);
    // Encoded in memory and written by its bytes: the toolkit would convert
    // a name of other than plain letters through the locale, and may fail.
    wxMemoryOutputStream out;
    if (!image.SaveFile(out, wxBITMAP_TYPE_JPEG)) {
        ADD_FAILURE() << "can't encode the picture " << rel;
        return;
    }
    std::vector<std::uint8_t> bytes(out.GetSize());
    out.CopyTo(bytes.data(), bytes.size());
    dir_.Write(rel, bytes);
}

void FixtureTree::Remove(const std::string& rel) const
{
    std::filesystem::remove(std::filesystem::path(dir_.Path()) / rel);
}

::testing::AssertionResult ShowsColour(const wxBitmap& bitmap, const wxColour& want)
{
    if (!bitmap.IsOk())
        return ::testing::AssertionFailure() << "no picture";
    const wxImage image = bitmap.ConvertToImage();
    const int x = image.GetWidth() / 2, y = image.GetHeight() / 2;
    const wxColour got(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y));
    if (std::abs(got.Red() - want.Red()) <= 4 && std::abs(got.Green() - want.Green()) <= 4 &&
        std::abs(got.Blue() - want.Blue()) <= 4)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "shows " << got.GetAsString(wxC2S_CSS_SYNTAX)
                                         << ", want " << want.GetAsString(wxC2S_CSS_SYNTAX);
}

void PumpEvents()
{
    for (int i = 0; i < 5; ++i) {
        wxTheApp->Yield(true);
        while (wxTheApp->Pending())
            wxTheApp->Dispatch();
        wxTheApp->ProcessIdle();
    }
}

void Repaint(wxWindow* window)
{
    window->Refresh();
    window->Update();
    PumpEvents();
}

void FillScreenBuffer(const wxColour& c)
{
    if (!ScreenBuffer.IsOk())
        CreateScreenBuffers();
    wxMemoryDC dc(ScreenBuffer);
    dc.SetBackground(wxBrush(c));
    dc.Clear();
}

void AnswerNextDialog(int id, std::function<void(wxDialog*)> act)
{
    nextAnswer = DialogAnswer{id, std::move(act)};
}

int NextDialogAnswer(wxDialog* dialog)
{
    ++answered;
    if (auto* box = dynamic_cast<wxMessageDialogBase*>(dialog))
        messageBoxes.push_back(std::string(box->GetMessage().utf8_str()));
    DialogAnswer a = std::move(nextAnswer);
    nextAnswer = DialogAnswer{};
    if (a.act)
        a.act(dialog);
    return a.id;
}

int DialogsAnswered() { return answered; }

std::vector<std::string> TakeMessageBoxes() { return std::exchange(messageBoxes, {}); }

wxColour ClientPixel(wxWindow* window, int x, int y)
{
    const wxImage one = ScreenArea(wxRect(window->ClientToScreen(wxPoint(x, y)), wxSize(1, 1)));
    return wxColour(one.GetRed(0, 0), one.GetGreen(0, 0), one.GetBlue(0, 0));
}
