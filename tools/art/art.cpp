#include "art.h"

#include <wx/brush.h>
#include <wx/font.h>

#include <algorithm>
#include <cmath>

namespace art {

namespace {

unsigned char Clamp(double v)
{
    return static_cast<unsigned char>(std::lround(std::clamp(v, 0.0, 255.0)));
}

// Fonts are made from a point size: Cairo on an image surface works at
// 96 dpi, so one pixel is 0.75 point. (A font built from a pixel size asks
// GTK for the system font and needs a display.)
wxFont MakeFont(double px, bool bold, bool condensed)
{
    wxFont f(wxFontInfo(10)
                 .FaceName(condensed ? "DejaVu Sans Condensed" : "DejaVu Sans")
                 .Bold(bold));
    f.SetFractionalPointSize(px * 0.75);
    return f;
}

// DejaVu Sans: capital height is 0.729 em.
constexpr double kCapHeight = 0.729;

}  // namespace

wxColour Mix(const wxColour& a, const wxColour& b, double t)
{
    return wxColour(Clamp(a.Red() + (b.Red() - a.Red()) * t),
                    Clamp(a.Green() + (b.Green() - a.Green()) * t),
                    Clamp(a.Blue() + (b.Blue() - a.Blue()) * t));
}

wxColour Shade(const wxColour& c, double f)
{
    return f < 0 ? Mix(c, *wxBLACK, -f) : Mix(c, *wxWHITE, f);
}

Pic::Pic(int w, int h, const wxColour& fill) : img_(w, h, false)
{
    img_.SetRGB(wxRect(0, 0, w, h), fill.Red(), fill.Green(), fill.Blue());
    Begin();
}

Pic::Pic(const wxImage& base) : img_(base.Copy())
{
    Begin();
}

void Pic::Begin()
{
    gc_.reset(wxGraphicsContext::Create(img_));
    if (gc_) {
        gc_->SetAntialiasMode(wxANTIALIAS_DEFAULT);
        gc_->SetPen(wxNullGraphicsPen);
    }
}

Pic::~Pic() = default;

bool Pic::Save(const wxString& path)
{
    if (!gc_)
        return false;
    gc_.reset();
    img_.SetOption(wxIMAGE_OPTION_QUALITY, 95);
    return img_.SaveFile(path, wxBITMAP_TYPE_JPEG);
}

void FillRound(wxGraphicsContext& g, double x, double y, double w, double h,
               double r, const wxGraphicsBrush& brush)
{
    g.SetPen(wxNullGraphicsPen);
    g.SetBrush(brush);
    if (r > 0)
        g.DrawRoundedRectangle(x, y, w, h, r);
    else
        g.DrawRectangle(x, y, w, h);
}

void FillRound(wxGraphicsContext& g, double x, double y, double w, double h,
               double r, const wxColour& c)
{
    FillRound(g, x, y, w, h, r, Solid(g, c));
}

void StrokeRound(wxGraphicsContext& g, double x, double y, double w, double h,
                 double r, const wxColour& c, double width)
{
    g.SetPen(g.CreatePen(wxGraphicsPenInfo(c).Width(width)));
    g.SetBrush(wxNullGraphicsBrush);
    const double in = width / 2;
    g.DrawRoundedRectangle(x + in, y + in, w - width, h - width,
                           std::max(0.0, r - in));
    g.SetPen(wxNullGraphicsPen);
}

wxGraphicsBrush Solid(wxGraphicsContext& g, const wxColour& c)
{
    return g.CreateBrush(wxBrush(c));
}

wxGraphicsBrush VGrad(wxGraphicsContext& g, double y0, double y1,
                      const wxColour& c0, const wxColour& c1)
{
    return g.CreateLinearGradientBrush(0, y0, 0, y1, c0, c1);
}

void Bevel(wxGraphicsContext& g, double x, double y, double w, double h,
           double r, const wxColour& base)
{
    FillRound(g, x, y, w, h, r, Shade(base, -0.55));
    FillRound(g, x + 1, y + 1, w - 2, h - 2, r - 1,
              VGrad(g, y + 1, y + h - 1, Shade(base, 0.25), Shade(base, -0.2)));
    // Gloss: a lighter band over the upper half, fading out downwards.
    wxGraphicsGradientStops gloss(wxColour(255, 255, 255, 110),
                                  wxColour(255, 255, 255, 0));
    FillRound(g, x + 2, y + 1.5, w - 4, (h - 3) / 2, std::max(0.0, r - 2),
              g.CreateLinearGradientBrush(0, y + 1.5, 0, y + 1.5 + (h - 3) / 2,
                                          gloss));
    StrokeRound(g, x + 1, y + 1, w - 2, h - 2, r - 1,
                wxColour(255, 255, 255, 70));
}

void Inset(wxGraphicsContext& g, double x, double y, double w, double h,
           double r, const wxColour& base)
{
    FillRound(g, x, y, w, h, r, Shade(base, 0.3));
    FillRound(g, x, y, w - 1, h - 1, r, Shade(base, -0.5));
    FillRound(g, x + 1, y + 1, w - 2, h - 2, r - 1,
              VGrad(g, y + 1, y + h - 1, Shade(base, -0.25), base));
}

void Star(wxGraphicsContext& g, double cx, double cy, double rOut, double rIn,
          const wxColour& fill, const wxColour& rim, double rimWidth)
{
    wxGraphicsPath p = g.CreatePath();
    for (int i = 0; i < 10; ++i) {
        const double a = -kPi / 2 + i * kPi / 5;
        const double r = i % 2 ? rIn : rOut;
        if (i == 0)
            p.MoveToPoint(cx + r * std::cos(a), cy + r * std::sin(a));
        else
            p.AddLineToPoint(cx + r * std::cos(a), cy + r * std::sin(a));
    }
    p.CloseSubpath();
    g.SetBrush(g.CreateRadialGradientBrush(cx - rOut / 4, cy - rOut / 4, cx, cy,
                                           rOut, Shade(fill, 0.45), fill));
    g.SetPen(rimWidth > 0 ? g.CreatePen(wxGraphicsPenInfo(rim).Width(rimWidth))
                          : wxNullGraphicsPen);
    g.DrawPath(p);
    g.SetPen(wxNullGraphicsPen);
}

void Text(wxGraphicsContext& g, const wxString& s, double cx, double cy,
          const TextStyle& st)
{
    // Fitting, in order: the condensed face, then squeezing it down to 85 %
    // of its width, then smaller sizes.
    double px = st.px, squeeze = 1;
    bool condensed = false;
    double w = 0, h = 0, descent = 0, lead = 0;
    for (;;) {
        g.SetFont(MakeFont(px, st.bold, condensed), st.ink);
        g.GetTextExtent(s, &w, &h, &descent, &lead);
        if (st.maxW <= 0 || px <= 5)
            break;
        if (!condensed) {
            if (w <= st.maxW)
                break;
            condensed = true;
            continue;
        }
        squeeze = std::clamp(st.maxW / w, 0.85, 1.0);
        if (w * squeeze <= st.maxW)
            break;
        px -= 0.5;
    }
    // The text's origin is the top of its line box; its baseline lies one
    // ascent lower. Whole pixels keep the baseline sharp.
    const double ascent = h - descent;
    const double x = std::round(cx - w * squeeze / 2);
    const double y = std::round(cy + kCapHeight * px / 2 - ascent);
    // Under a squeezing transform Pango still advances by unsqueezed
    // widths, so a squeezed text is drawn one character at a time.
    wxArrayDouble ends;
    g.GetPartialTextExtents(s, ends);
    const auto draw = [&](const wxColour& ink, double dy) {
        g.SetFont(MakeFont(px, st.bold, condensed), ink);
        if (squeeze == 1) {
            g.DrawText(s, x, y + dy);
            return;
        }
        g.PushState();
        g.Translate(x, y + dy);
        g.Scale(squeeze, 1);
        for (size_t i = 0; i < s.length(); ++i)
            g.DrawText(s.Mid(i, 1), i ? ends[i - 1] : 0, 0);
        g.PopState();
    };
    if (st.shadow.IsOk())
        draw(st.shadow, 1);
    draw(st.ink, 0);
}

void TextRight(wxGraphicsContext& g, const wxString& s, double x, double y,
               double px, const wxColour& ink)
{
    g.SetFont(MakeFont(px, true, false), ink);
    double w = 0, h = 0, descent = 0, lead = 0;
    g.GetTextExtent(s, &w, &h, &descent, &lead);
    g.DrawText(s, std::round(x - w), std::round(y - (h - descent)));
}

}  // namespace art
