// Drawing helpers of the artwork generator: a picture that is drawn with
// Cairo into a wxImage (no display needed) and the shapes the game's
// pictures are made of.
#pragma once

#include <wx/colour.h>
#include <wx/graphics.h>
#include <wx/image.h>
#include <wx/string.h>

#include <memory>

namespace art {

constexpr double kPi = 3.14159265358979323846;

// Colour arithmetic.
wxColour Mix(const wxColour& a, const wxColour& b, double t);  // t = 0: a, 1: b
wxColour Shade(const wxColour& c, double f);  // f < 0 darker, f > 0 lighter

// One picture: an RGB image filled with a colour and a graphics context
// drawing into it. Save() ends the drawing and writes the JPEG.
class Pic {
public:
    Pic(int w, int h, const wxColour& fill);
    explicit Pic(const wxImage& base);  // draws over a ready-made texture
    ~Pic();
    wxGraphicsContext& gc() { return *gc_; }
    wxImage& image() { return img_; }
    int w() const { return img_.GetWidth(); }
    int h() const { return img_.GetHeight(); }
    // Stops drawing (Cairo writes its surface back into the image) and saves.
    bool Save(const wxString& path);

private:
    void Begin();
    wxImage img_;
    std::unique_ptr<wxGraphicsContext> gc_;
};

// Shapes. Coordinates are in pixels; a rectangle covers x .. x + w.
void FillRound(wxGraphicsContext& g, double x, double y, double w, double h,
               double r, const wxGraphicsBrush& brush);
void FillRound(wxGraphicsContext& g, double x, double y, double w, double h,
               double r, const wxColour& c);
void StrokeRound(wxGraphicsContext& g, double x, double y, double w, double h,
                 double r, const wxColour& c, double width = 1.0);
wxGraphicsBrush Solid(wxGraphicsContext& g, const wxColour& c);
// A vertical gradient from c0 at y0 to c1 at y1.
wxGraphicsBrush VGrad(wxGraphicsContext& g, double y0, double y1,
                      const wxColour& c0, const wxColour& c1);
// A raised, glossy rounded panel filling (x, y, w, h): dark rim, gradient
// body and a soft highlight on its upper half.
void Bevel(wxGraphicsContext& g, double x, double y, double w, double h,
           double r, const wxColour& base);
// A sunken panel: dark at the top left, lit edge at the bottom right.
void Inset(wxGraphicsContext& g, double x, double y, double w, double h,
           double r, const wxColour& base);
void Star(wxGraphicsContext& g, double cx, double cy, double rOut, double rIn,
          const wxColour& fill, const wxColour& rim, double rimWidth);

// Text in "DejaVu Sans" (bold unless told), centred on (cx, cy): the height
// of a capital letter is centred vertically. When maxW > 0 and the text is
// wider, the condensed face and then smaller sizes are tried until it fits.
// With a shadow colour the text is first drawn one pixel lower in it.
struct TextStyle {
    double px;             // font size in pixels (em height)
    wxColour ink;
    double maxW = 0;
    wxColour shadow = wxNullColour;
    bool bold = true;
};
void Text(wxGraphicsContext& g, const wxString& s, double cx, double cy,
          const TextStyle& st);
// Text with its right edge at x and its baseline at y.
void TextRight(wxGraphicsContext& g, const wxString& s, double x, double y,
               double px, const wxColour& ink);

}  // namespace art
