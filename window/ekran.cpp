#include "window/ekran.h"

#include "window/graframe.h"

namespace {

// One canvas at a time: two device contexts on the same bitmap may lose
// each other's drawing.
int openCanvases = 0;

} // namespace

FrontCanvas::FrontCanvas(GraFrame* frame, const wxRect& changed)
    : wxMemoryDC(frame->frontBuffer), frame_(frame), changed_(changed)
{
    wxASSERT_MSG(openCanvases == 0, "a second canvas on the front buffer");
    ++openCanvases;
}

FrontCanvas::~FrontCanvas()
{
    SelectObject(wxNullBitmap);
    --openCanvases;
    frame_->RefreshRect(changed_, false);
}
