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
// no report invalidates the whole window.
#pragma once

#include <wx/dcmemory.h>

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
};

// Reports area as drawn on when dc is a FrontCanvas; any other device
// context needs no report.
void Touched(wxDC& dc, const wxRect& area);
