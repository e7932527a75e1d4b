// How the game window's drawing reaches the screen.
//
// Every drawing goes into the window's front buffer, a bitmap of the window's
// size that holds what the window shows. A FrontCanvas is a memory device
// context on that buffer; when it is released, the area drawn on is
// invalidated, and the paint handler copies the buffer there in the toolkit's
// paint cycle. The toolkit then draws the window's buttons over it, and
// nothing is drawn outside the window. Call Update() on the window where a
// drawing must be seen at once, not when the handler returns.
//
// The device context keeps no account of what its blits and pictures touch,
// so the drawing functions report their areas (Touched); a canvas that got
// no report invalidates the whole window. In a debug build (NDEBUG not
// defined) a released canvas compares the front buffer with what it held
// before and aborts, naming the pixel and the areas reported, when a pixel
// changed outside every reported area: a drawing that does not report its
// area would not reach the screen.
#pragma once

#include <vector>

#include <wx/dcmemory.h>
#include <wx/image.h>

class GraFrame;

class FrontCanvas : public wxMemoryDC {
public:
    explicit FrontCanvas(GraFrame* frame);
    // A canvas for a drawing of its own in the area changed.
    FrontCanvas(GraFrame* frame, const wxRect& changed);
    ~FrontCanvas() override;

    void Changed(const wxRect& area);
    FrontCanvas(const FrontCanvas&) = delete;
    FrontCanvas& operator=(const FrontCanvas&) = delete;

private:
    GraFrame* frame_;
    wxRect changed_;
#ifndef NDEBUG
    wxImage before_;
    std::vector<wxRect> reported_;
#endif
};

// The first pixel that differs between before and after (pictures of one
// size) and lies in none of areas; (-1, -1) when there is none.
wxPoint ChangedOutside(const wxImage& before, const wxImage& after,
                       const std::vector<wxRect>& areas);

// Reports area as drawn on when dc is a FrontCanvas; any other device
// context needs no report.
void Touched(wxDC& dc, const wxRect& area);
