#include "window/ekran.h"

#include "window/graframe.h"

namespace {

// One canvas at a time: two device contexts on the same bitmap may lose
// each other's drawing.
int openCanvases = 0;

} // namespace

FrontCanvas::FrontCanvas(GraFrame* frame) : wxMemoryDC(frame->frontBuffer), frame_(frame)
{
    wxASSERT_MSG(openCanvases == 0, "a second canvas on the front buffer");
    ++openCanvases;
}

FrontCanvas::FrontCanvas(GraFrame* frame, const wxRect& changed) : FrontCanvas(frame)
{
    Changed(changed);
}

void FrontCanvas::Changed(const wxRect& area)
{
    if (!area.IsEmpty())
        changed_ = changed_.IsEmpty() ? area : changed_.Union(area);
}

FrontCanvas::~FrontCanvas()
{
    SelectObject(wxNullBitmap);
    --openCanvases;
    const wxRect window(frame_->frontBuffer.GetSize());
    frame_->RefreshRect(changed_.IsEmpty() ? window : changed_.Intersect(window), false);
}

void Touched(wxDC& dc, const wxRect& area)
{
    if (auto* canvas = dynamic_cast<FrontCanvas*>(&dc))
        canvas->Changed(area);
}
