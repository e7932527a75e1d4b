// How the game window's drawing reaches the screen.
//
// Every drawing goes into the window's front buffer, a bitmap of the window's
// size that holds what the window shows. A FrontCanvas is a memory device
// context on that buffer; when it is released, the area it was opened for is
// invalidated (the whole window unless it is told less: the device context
// keeps no reliable account of what its blits and pictures touched), and the
// paint handler copies the buffer there in the toolkit's paint cycle. The
// toolkit then draws the window's buttons over it, and nothing is drawn
// outside the window. Call Update() on the window where a drawing must be
// seen at once, not when the handler returns.
#pragma once

#include <wx/dcmemory.h>

class GraFrame;

class FrontCanvas : public wxMemoryDC {
public:
    explicit FrontCanvas(GraFrame* frame, const wxRect& changed = wxRect(0, 0, 240, 270));
    ~FrontCanvas() override;
    FrontCanvas(const FrontCanvas&) = delete;
    FrontCanvas& operator=(const FrontCanvas&) = delete;

private:
    GraFrame* frame_;
    wxRect changed_;
};
