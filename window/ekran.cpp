#include "window/ekran.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "window/graframe.h"

namespace {

// One canvas at a time: two device contexts on the same bitmap may lose
// each other's drawing.
int openCanvases = 0;

#ifndef NDEBUG
// Aborts when the drawing on a canvas changed a pixel outside every area it
// reported. A report of the whole buffer needs no comparison.
void CheckReported(const wxBitmap& front, const wxImage& before, const std::vector<wxRect>& areas)
{
    if (!front.IsOk() || !before.IsOk())
        return;
    const wxRect whole(front.GetSize());
    for (const wxRect& a : areas)
        if (a.Contains(whole))
            return;
    const wxPoint p = ChangedOutside(before, front.ConvertToImage(), areas);
    if (p.x < 0)
        return;
    std::string reported;
    for (const wxRect& a : areas)
        reported += " (" + std::to_string(a.x) + ", " + std::to_string(a.y) + ", "
                    + std::to_string(a.width) + ", " + std::to_string(a.height) + ")";
    std::fprintf(stderr,
                 "FrontCanvas: pixel (%d, %d) of the front buffer changed outside the areas "
                 "reported:%s\n",
                 p.x, p.y, reported.empty() ? " none" : reported.c_str());
    std::abort();
}
#endif

} // namespace

FrontCanvas::FrontCanvas(GraFrame* frame) : frame_(frame)
{
    wxASSERT_MSG(openCanvases == 0, "a second canvas on the front buffer");
    ++openCanvases;
#ifndef NDEBUG
    if (frame->frontBuffer.IsOk())
        before_ = frame->frontBuffer.ConvertToImage();
#endif
    SelectObject(frame->frontBuffer);
}

FrontCanvas::FrontCanvas(GraFrame* frame, const wxRect& changed) : FrontCanvas(frame)
{
    Changed(changed);
}

void FrontCanvas::Changed(const wxRect& area)
{
    if (area.IsEmpty())
        return;
    changed_ = changed_.IsEmpty() ? area : changed_.Union(area);
#ifndef NDEBUG
    reported_.push_back(area);
#endif
}

FrontCanvas::~FrontCanvas()
{
    SelectObject(wxNullBitmap);
    --openCanvases;
#ifndef NDEBUG
    CheckReported(frame_->frontBuffer, before_, reported_);
#endif
    const wxRect whole(frame_->frontBuffer.GetSize());
    frame_->RefreshRect(changed_.IsEmpty() ? whole : changed_.Intersect(whole), false);
}

wxPoint ChangedOutside(const wxImage& before, const wxImage& after,
                       const std::vector<wxRect>& areas)
{
    if (!before.IsOk() || !after.IsOk() || before.GetSize() != after.GetSize())
        return wxPoint(-1, -1);
    const int w = before.GetWidth(), h = before.GetHeight();
    const unsigned char* b = before.GetData();
    const unsigned char* a = after.GetData();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x, b += 3, a += 3) {
            if (b[0] == a[0] && b[1] == a[1] && b[2] == a[2])
                continue;
            bool inside = false;
            for (const wxRect& r : areas)
                inside = inside || r.Contains(x, y);
            if (!inside)
                return wxPoint(x, y);
        }
    return wxPoint(-1, -1);
}

void Touched(wxDC& dc, const wxRect& area)
{
    if (auto* canvas = dynamic_cast<FrontCanvas*>(&dc))
        canvas->Changed(area);
}
