// mkart OUTDIR: draws every picture of the game's data tree below OUTDIR
// (graf/ with its picture sets and backgrounds, and tlo/) as JPEG files.
// It needs no display: everything is drawn with Cairo into wxImages.

#include "art.h"
#include "pictures.h"
#include "textures.h"

#include <wx/filename.h>
#include <wx/imagjpeg.h>
#include <wx/init.h>
#include <wx/log.h>

#include <chrono>
#include <cstdio>
#include <functional>

using namespace art;

namespace {

// Around rounded shapes, pictures show the colour of what lies behind them:
// a dark grey that passes for a shadow on any of the backgrounds, or the
// options panel's green.
const wxColour kBackdrop(24, 26, 32);
const wxColour kPanel(80, 130, 80);

struct ButtonPic {
    const char* file;
    const char* word;
    wxColour base;
    double px = 0;  // font size; 0: the size of its group
};

// Game window buttons, 50 x 20.
const ButtonPic kGameButtons[] = {
    {"btn3tak", "YES", {40, 150, 60}},    {"btn3nie", "NO", {190, 45, 45}},
    {"btn3pol", "PUT", {40, 100, 190}},   {"btn3inne", "VIEW", {30, 125, 140}},
    {"btn3wym", "EXCHANGE", {205, 115, 25}}, {"btn3pas", "PASS", {105, 95, 140}},
};

// Players page of the start window, 90 x 40.
const ButtonPic kStartButtons[] = {
    {"btn5strt", "START", {40, 150, 60}},
    {"btn5opc", "OPTIONS", {45, 95, 175}},
};

// Options panel, 110 x 40.
const ButtonPic kOptionButtons[] = {
    {"btn5ok", "OK", {30, 105, 45}, 18},
    {"btn5tlo", "BACKGROUND", {45, 80, 150}},
    {"btn5slow", "DICTIONARY", {45, 80, 150}},
    {"btn5tmt", "STYLE", {45, 80, 150}},
    {"btn5klfn", "TEXT COLOUR", {45, 80, 150}},
    {"btn5klag", "HIGHLIGHT", {45, 80, 150}},
    {"btn5pom", "HELP", {45, 80, 150}},
};

// Player pictures by player type: human, computer I to IV, nobody.
const char* const kPlayerFiles[] = {"czlo", "cpu1", "cpu2", "cpu3", "cpu4", "nikt"};

// Board squares, in the order of the set's colours: plain, letter classes
// 1, 2, 3 and 5 (pastel, dark digit), word x2 and x3 (strong colour, white
// label), start square (a star). Labels are UTF-8.
const struct {
    const char* file;
    const char* label;
} kSquares[8] = {
    {"pblank", ""},  {"p1pkt", "1"},
    {"p2pkt", "2"},  {"p3pkt", "3"},
    {"p5pkt", "5"},  {"p2r", "\xC3\x97" "2"},  // "x2" with a multiplication sign
    {"p3r", "\xC3\x97" "3"}, {"pstrt", "*"},
};

// The two picture sets.
const SetLook kSets[] = {
    {"rozm",
     {96, 104, 116},
     {{{170, 180, 190}, {}},
      {{135, 188, 238}, {20, 60, 125}},
      {{140, 206, 128}, {20, 85, 20}},
      {{246, 190, 88}, {115, 60, 0}},
      {{200, 155, 230}, {85, 30, 125}},
      {{230, 95, 130}, {255, 255, 255}},
      {{200, 35, 40}, {255, 255, 255}},
      {{155, 95, 205}, {}}},
     {{250, 232, 192}, {55, 32, 15}},
     {{185, 222, 248}, {20, 60, 160}}},
    {"ciemna",
     {10, 12, 16},
     {{{52, 58, 72}, {}},
      {{35, 90, 160}, {175, 215, 255}},
      {{35, 120, 65}, {175, 245, 185}},
      {{165, 100, 15}, {255, 225, 155}},
      {{115, 55, 155}, {230, 195, 255}},
      {{175, 35, 95}, {255, 255, 255}},
      {{200, 20, 20}, {255, 255, 255}},
      {{75, 50, 120}, {}}},
     {{240, 200, 118}, {30, 20, 8}},
     {{120, 210, 200}, {8, 50, 60}}},
};

// Writes the pictures below one folder and remembers the first failure.
class Writer {
public:
    explicit Writer(const wxString& root) : root_(root) {}

    // A w x h picture filled with `fill`, then drawn by `draw`.
    void Draw(const wxString& rel, int w, int h, const wxColour& fill,
              const std::function<void(Pic&)>& draw)
    {
        Pic p(w, h, fill);
        Finish(rel, p, draw);
    }
    // A picture made from a texture, optionally drawn over.
    void Draw(const wxString& rel, const wxImage& base,
              const std::function<void(Pic&)>& draw = {})
    {
        Pic p(base);
        Finish(rel, p, draw);
    }
    bool Ok() const { return ok_; }
    int Count() const { return count_; }

private:
    void Finish(const wxString& rel, Pic& p, const std::function<void(Pic&)>& draw)
    {
        if (!ok_)
            return;
        const wxFileName path(root_ + "/" + rel);
        if (!path.DirExists() &&
            !wxFileName::Mkdir(path.GetPath(), wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL)) {
            Fail("cannot create folder " + path.GetPath());
            return;
        }
        if (!p.image().IsOk()) {
            Fail("cannot draw " + rel);
            return;
        }
        if (draw)
            draw(p);
        if (!p.Save(path.GetFullPath())) {
            Fail("cannot write " + path.GetFullPath());
            return;
        }
        ++count_;
    }
    void Fail(const wxString& what)
    {
        std::fprintf(stderr, "mkart: %s\n", static_cast<const char*>(what.utf8_str()));
        ok_ = false;
    }

    wxString root_;
    bool ok_ = true;
    int count_ = 0;
};

void WritePictureSet(Writer& out, const SetLook& set)
{
    const wxString dir = wxString("graf/plansza/") + set.folder + "/";
    for (int i = 0; i < 8; ++i)
        out.Draw(dir + kSquares[i].file + ".JPG", 16, 16, set.grout, [&](Pic& p) {
            DrawSquare(p, set.grout, set.squares[i],
                       wxString::FromUTF8(kSquares[i].label));
        });
    // Behind a tile's rounded corners: half its own rim, half the square.
    const auto corner = [&](const TileLook& t) {
        return Mix(Shade(t.face, -0.45), set.squares[0].fill, 0.5);
    };
    for (char c = 'A'; c <= 'Z'; ++c) {
        out.Draw(dir + "pl" + c + ".JPG", 14, 14, corner(set.tile), [&](Pic& p) {
            DrawTile(p.gc(), 0, 0, 14, set.tile, wxString(c), LetterValue(c));
        });
        out.Draw(dir + "plb" + c + ".JPG", 14, 14, corner(set.blank), [&](Pic& p) {
            DrawTile(p.gc(), 0, 0, 14, set.blank, wxString(c), -1);
        });
    }
    out.Draw(dir + "blank.JPG", 14, 14, corner(set.blank),
             [&](Pic& p) { DrawTile(p.gc(), 0, 0, 14, set.blank, "", 0); });
}

void WriteAll(Writer& out)
{
    const auto button = [&](const ButtonPic& b, int w, int h, const wxColour& behind,
                            double px) {
        out.Draw(wxString("graf/") + b.file + ".JPG", w, h, behind,
                 [&](Pic& p) { DrawButton(p, b.base, b.word, b.px ? b.px : px); });
    };
    for (const ButtonPic& b : kGameButtons)
        button(b, 50, 20, kBackdrop, 10.5);
    for (const ButtonPic& b : kStartButtons)
        button(b, 90, 40, kBackdrop, 16);
    for (const ButtonPic& b : kOptionButtons)
        button(b, 110, 40, kPanel, 13);
    out.Draw("graf/btn3go.JPG", 240, 30, kBackdrop, DrawGoBar);
    out.Draw("graf/btnzamk.JPG", 20, 20, kBackdrop, DrawCloseButton);
    out.Draw("graf/pzmn.JPG", 16, 16, kBackdrop, DrawExchangeSlot);
    out.Draw("graf/stojak4.JPG",
             Wood(120, 26, 1, wxColour(150, 98, 52), wxColour(215, 165, 100), 11),
             DrawRack);
    out.Draw("graf/worek.JPG", 48, 56, kBackdrop,
             [](Pic& p) { DrawBag(p, kSets[0].tile); });
    out.Draw("graf/sswczyt.JPG", 200, 110, kBackdrop,
             [](Pic& p) { DrawSplash(p, kSets[0].tile); });
    for (int type = 0; type < 6; ++type)
        out.Draw(wxString("graf/") + kPlayerFiles[type] + ".JPG", 40, 40, kBackdrop,
                 [type](Pic& p) { DrawPlayer(p, type); });

    for (const SetLook& set : kSets)
        WritePictureSet(out, set);

    // Backgrounds: the default navy quilt and dark wood in graf/tlo/; the
    // background dialog's folder tlo/ holds those two and two more.
    const wxImage quilt = Quilt(64, wxColour(22, 32, 66), 21);
    const wxImage wood = Wood(128, 128, 2, wxColour(38, 22, 12), wxColour(92, 58, 32), 5);
    for (const wxString dir : {"graf/tlo/", "tlo/"}) {
        out.Draw(dir + "tlo1.JPG", wood);
        out.Draw(dir + "tlo2.JPG", quilt);
    }
    out.Draw("tlo/tlo3.JPG", Felt(64, wxColour(24, 72, 44), 3));
    out.Draw("tlo/tlo4.JPG", Bricks(64, wxColour(92, 44, 34), wxColour(34, 30, 30), 9));
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: mkart OUTDIR\n"
                             "Draws the game's pictures (JPEG) below OUTDIR.\n");
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    wxInitializer init(argc, argv);
    if (!init.IsOk()) {
        std::fprintf(stderr, "mkart: cannot initialise wxWidgets\n");
        return 1;
    }
    delete wxLog::SetActiveTarget(new wxLogStderr);
    wxLog::DisableTimestamp();
    wxImage::AddHandler(new wxJPEGHandler);

    Writer out(wxString::FromUTF8(argv[1]));
    WriteAll(out);
    if (!out.Ok())
        return 1;
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                        std::chrono::steady_clock::now() - start).count();
    std::printf("mkart: %d pictures in %s (%lld ms)\n", out.Count(), argv[1],
                static_cast<long long>(ms));
    return 0;
}
