#include "pictures.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace art {

namespace {

const wxColour kWhite(255, 255, 255);

}  // namespace

int LetterValue(char upper)
{
    static const char* const kByValue[] = {nullptr, "AEINORSWZ", "CDKLMPTVY",
                                           "BGHJU", nullptr, "FQX"};
    for (int v = 1; v <= 5; ++v)
        if (kByValue[v] && std::strchr(kByValue[v], upper))
            return v;
    return 0;
}

void DrawTile(wxGraphicsContext& g, double x, double y, double s,
              const TileLook& look, const wxString& letter, int value)
{
    const double r = s * 0.2;
    // Dark lower right rim, lit upper left rim, then the face.
    FillRound(g, x, y, s, s, r, Shade(look.face, -0.45));
    FillRound(g, x, y, s - 1, s - 1, r, Shade(look.face, 0.6));
    FillRound(g, x + 1, y + 1, s - 2, s - 2, r - 0.5,
              VGrad(g, y + 1, y + s - 1, Shade(look.face, 0.25),
                    Shade(look.face, -0.08)));
    if (letter.empty())
        return;
    if (value < 0) {
        Text(g, letter, x + s / 2, y + s / 2, {s * 0.78, look.ink, s - 3});
        return;
    }
    Text(g, letter, x + s * 0.4, y + s * 0.43, {s * 0.68, look.ink, s * 0.64});
    TextRight(g, wxString::Format("%d", value), x + s - 1.4, y + s - 1.6,
              s * 0.52, Shade(look.ink, 0.2));
}

void DrawSquare(Pic& p, const wxColour& grout, const SquareLook& sq,
                const wxString& label)
{
    wxGraphicsContext& g = p.gc();
    const double s = p.w();
    FillRound(g, 0, 0, s, s, 0, grout);
    FillRound(g, 0.5, 0.5, s - 1, s - 1, 2.5,
              VGrad(g, 0, s, Shade(sq.fill, 0.18), Shade(sq.fill, -0.12)));
    if (label == "*")
        Star(g, s / 2, s / 2 + 0.3, s * 0.42, s * 0.18, wxColour(255, 205, 40),
             wxColour(120, 70, 0), 0.8);
    else if (label.length() == 1)
        Text(g, label, s / 2, s / 2, {s * 0.62, sq.ink});
    else if (!label.empty())
        Text(g, label, s / 2, s / 2, {s * 0.56, sq.ink, s - 2});
}

void DrawButton(Pic& p, const wxColour& base, const wxString& label, double px)
{
    wxGraphicsContext& g = p.gc();
    const double r = p.h() * 0.22;
    Bevel(g, 0, 0, p.w(), p.h(), r, base);
    Text(g, label, p.w() / 2.0, p.h() / 2.0 - 0.5,
         {px, kWhite, p.w() - std::max(6.0, r), Shade(base, -0.6)});
}

void DrawCloseButton(Pic& p)
{
    wxGraphicsContext& g = p.gc();
    const double s = p.w();
    Bevel(g, 0, 0, s, s, 4, wxColour(200, 45, 40));
    wxGraphicsPath x = g.CreatePath();
    const double a = s * 0.3, b = s * 0.7;
    x.MoveToPoint(a, a);
    x.AddLineToPoint(b, b);
    x.MoveToPoint(b, a);
    x.AddLineToPoint(a, b);
    g.SetPen(g.CreatePen(wxGraphicsPenInfo(wxColour(90, 10, 10)).Width(3.2).Cap(wxCAP_ROUND)));
    g.StrokePath(x);
    g.SetPen(g.CreatePen(wxGraphicsPenInfo(kWhite).Width(2.2).Cap(wxCAP_ROUND)));
    g.StrokePath(x);
    g.SetPen(wxNullGraphicsPen);
}

void DrawGoBar(Pic& p)
{
    wxGraphicsContext& g = p.gc();
    const wxColour green(40, 150, 60);
    Bevel(g, 0, 0, p.w(), p.h(), 5, green);
    const double cy = p.h() / 2.0;
    Text(g, "GO", p.w() / 2.0, cy - 0.5, {20, kWhite, 0, Shade(green, -0.6)});
    // Chevrons pointing onwards on both sides of the word.
    for (int side = -1; side <= 1; side += 2)
        for (int i = 0; i < 3; ++i) {
            const double x = p.w() / 2.0 + side * (34 + 14 * i);
            wxGraphicsPath c = g.CreatePath();
            c.MoveToPoint(x - 3, cy - 6);
            c.AddLineToPoint(x + 3, cy);
            c.AddLineToPoint(x - 3, cy + 6);
            g.SetPen(g.CreatePen(wxGraphicsPenInfo(wxColour(255, 255, 255, 200 - 55 * i))
                                     .Width(2.6).Cap(wxCAP_ROUND).Join(wxJOIN_ROUND)));
            g.StrokePath(c);
        }
    g.SetPen(wxNullGraphicsPen);
}

namespace {

// Head and shoulders centred on cx, the shoulders resting on y = bottom.
void Person(wxGraphicsContext& g, double cx, double bottom, double size,
            const wxGraphicsBrush& brush)
{
    wxGraphicsPath p = g.CreatePath();
    p.AddCircle(cx, bottom - size * 0.72, size * 0.2);
    const double w = size * 0.42, top = bottom - size * 0.44;
    p.MoveToPoint(cx - w, bottom);
    p.AddCurveToPoint(cx - w, top, cx - w * 0.5, top, cx, top);
    p.AddCurveToPoint(cx + w * 0.5, top, cx + w, top, cx + w, bottom);
    p.CloseSubpath();
    g.SetPen(wxNullGraphicsPen);
    g.SetBrush(brush);
    g.FillPath(p);
}

void Monitor(wxGraphicsContext& g, const wxColour& glow, const wxString& numeral)
{
    const wxColour frame(35, 38, 48);
    // Stand, then the casing and the screen with the strength level on it.
    wxGraphicsPath stand = g.CreatePath();
    stand.MoveToPoint(17, 27);
    stand.AddLineToPoint(23, 27);
    stand.AddLineToPoint(25, 32);
    stand.AddLineToPoint(15, 32);
    stand.CloseSubpath();
    g.SetBrush(Solid(g, frame));
    g.FillPath(stand);
    FillRound(g, 11, 31, 18, 3.5, 1.5, frame);
    FillRound(g, 5, 6, 30, 22, 3, frame);
    FillRound(g, 7.5, 8.5, 25, 17, 1.5,
              g.CreateRadialGradientBrush(17, 12, 20, 17, 18, Shade(glow, -0.35),
                                          Shade(glow, -0.8)));
    Text(g, numeral, 20, 17, {12, Shade(glow, 0.55), 23, wxColour(0, 0, 0, 180)});
}

}  // namespace

void DrawPlayer(Pic& p, int type)
{
    static const wxColour kBase[6] = {
        {45, 105, 185}, {50, 140, 70}, {30, 130, 140},
        {200, 120, 30}, {185, 40, 45}, {85, 88, 95}};
    static const char* const kNumeral[] = {"", "I", "II", "III", "IV", ""};
    wxGraphicsContext& g = p.gc();
    Bevel(g, 0, 0, p.w(), p.h(), 6, kBase[type]);
    if (type == 0) {
        Person(g, 20.5, 36, 36, Solid(g, wxColour(0, 0, 0, 70)));
        Person(g, 20, 35, 36,
               VGrad(g, 4, 35, wxColour(255, 255, 255), wxColour(200, 215, 240)));
    } else if (type == 5) {
        // An empty seat: a faded figure struck through.
        Person(g, 20, 35, 36, Solid(g, wxColour(150, 152, 160)));
        g.SetPen(g.CreatePen(wxGraphicsPenInfo(wxColour(230, 80, 70)).Width(3)));
        g.SetBrush(wxNullGraphicsBrush);
        wxGraphicsPath ban = g.CreatePath();
        ban.AddCircle(20, 20, 13);
        ban.MoveToPoint(20 - 9.2, 20 - 9.2);
        ban.AddLineToPoint(20 + 9.2, 20 + 9.2);
        g.StrokePath(ban);
        g.SetPen(wxNullGraphicsPen);
    } else {
        Monitor(g, kBase[type], kNumeral[type]);
    }
}

void DrawRack(Pic& p)
{
    wxGraphicsContext& g = p.gc();
    const double w = p.w(), h = p.h();
    // The wood comes from the texture the picture was made from; here the
    // groove behind the tiles is shaded and the front lip is raised.
    FillRound(g, 0, 0, w, 16, 0, VGrad(g, 0, 16, wxColour(0, 0, 0, 110),
                                         wxColour(0, 0, 0, 40)));
    for (int i = 0; i < 7; ++i) {
        const double x = 4 + 16 * i;
        FillRound(g, x, 0, 16, 16, 2.5, wxColour(0, 0, 0, 50));
        FillRound(g, x + 1, 1, 14, 14, 2, wxColour(255, 230, 190, 25));
    }
    FillRound(g, 0, 15, w, 1, 0, wxColour(40, 20, 5, 200));
    FillRound(g, 0, 16, w, h - 16, 0,
              VGrad(g, 16, h, wxColour(255, 240, 210, 60), wxColour(0, 0, 0, 70)));
    FillRound(g, 0, 16, w, 1, 0, wxColour(255, 245, 220, 170));
}

void DrawExchangeSlot(Pic& p)
{
    wxGraphicsContext& g = p.gc();
    Inset(g, 0, 0, p.w(), p.h(), 2.5, wxColour(60, 66, 84));
    // A faint pair of arrows: tiles put here go back into the bag.
    Text(g, wxString::FromUTF8("\xE2\x87\x85"), p.w() / 2.0, p.h() / 2.0,
         {11, wxColour(110, 118, 140)});
}

void DrawBag(Pic& p, const TileLook& tiles)
{
    wxGraphicsContext& g = p.gc();
    const double w = p.w(), h = p.h();
    // The bag stands on a dark card of its own, which suits any background.
    FillRound(g, 0, 0, w, h, 4, VGrad(g, 0, h, wxColour(62, 68, 86), wxColour(26, 29, 38)));
    StrokeRound(g, 0, 0, w, h, 4, wxColour(255, 255, 255, 45));
    // Two tiles peeking out of the open sack, askew.
    const struct { double x, y, angle; } kPeek[] = {{19, 6, -0.3}, {29, 5.5, 0.25}};
    for (const auto& t : kPeek) {
        g.PushState();
        g.Translate(t.x, t.y);
        g.Rotate(t.angle);
        DrawTile(g, -5, -5, 10, tiles, "", 0);
        g.PopState();
    }
    wxGraphicsPath sack = g.CreatePath();
    sack.MoveToPoint(7, 8);
    sack.AddCurveToPoint(2, 24, 1, 40, 4, h - 6);
    sack.AddCurveToPoint(6, h - 1, w - 6, h - 1, w - 4, h - 6);
    sack.AddCurveToPoint(w - 1, 40, w - 2, 24, w - 7, 8);
    sack.CloseSubpath();
    g.SetBrush(Solid(g, wxColour(40, 10, 15)));
    g.FillPath(sack);
    g.PushState();
    g.Translate(0.8, 0.8);
    g.Scale((w - 1.6) / w, (h - 1.6) / h);
    g.SetBrush(g.CreateRadialGradientBrush(w * 0.35, h * 0.4, w * 0.45, h * 0.5,
                                           w * 0.75, wxColour(170, 45, 55),
                                           wxColour(85, 18, 28)));
    g.FillPath(sack);
    g.PopState();
    // The rolled rim of the sack's mouth.
    FillRound(g, 5, 8, w - 10, 5, 2.5,
              VGrad(g, 8, 13, wxColour(215, 80, 85), wxColour(110, 25, 35)));
    // Darker cloth where the tile count is written.
    FillRound(g, 9, 14, 30, 13, 4, wxColour(60, 10, 20, 120));
}

void DrawSplash(Pic& p, const TileLook& tiles)
{
    wxGraphicsContext& g = p.gc();
    const double w = p.w(), h = p.h();
    FillRound(g, 0, 0, w, h, 0,
              VGrad(g, 0, h, wxColour(40, 85, 140), wxColour(15, 30, 60)));
    StrokeRound(g, 3, 3, w - 6, h - 6, 6, wxColour(255, 255, 255, 90));
    Text(g, "Loading dictionary", w / 2, 20,
         {15, wxColour(255, 255, 0), w - 16, wxColour(0, 0, 0, 160)});
    const char word[] = "WORDS";
    const int n = sizeof word - 1;
    const double s = 24, gap = 4, x0 = (w - n * s - (n - 1) * gap) / 2;
    for (int i = 0; i < n; ++i)  // every other tile a little lower: a wave
        DrawTile(g, x0 + i * (s + gap), 38 + (i % 2) * 4, s, tiles,
                 wxString(word[i]), LetterValue(word[i]));
    Text(g, wxString::FromUTF8("Please wait\xE2\x80\xA6"), w / 2, h - 20,
         {12, wxColour(220, 230, 255), w - 16});
}

}  // namespace art
