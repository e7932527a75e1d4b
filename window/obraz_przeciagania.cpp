#include "window/obraz_przeciagania.h"

#include <wx/dc.h>
#include <wx/window.h>

TileDragImage::TileDragImage(const wxBitmap* picture)
{
    if (picture && picture->IsOk())
        picture_ = *picture;
}

TileDragImage::~TileDragImage()
{
    // The window may be going away: give the mouse back, draw nothing.
    if (window_ && captured_ && window_->HasCapture())
        window_->ReleaseMouse();
}

bool TileDragImage::BeginDrag(const wxPoint& hotspot, wxWindow* window)
{
    if (!window)
        return false;
    window_ = window;
    hotspot_ = hotspot;
    if (!window_->HasCapture())
        window_->CaptureMouse();
    captured_ = true;
    return true;
}

void TileDragImage::EndDrag()
{
    if (!window_)
        return;
    Hide();
    if (captured_ && window_->HasCapture())
        window_->ReleaseMouse();
    captured_ = false;
    window_ = nullptr;
}

void TileDragImage::Move(const wxPoint& pos)
{
    if (pos == pos_)
        return;
    Invalidate();
    pos_ = pos;
    Invalidate();
}

void TileDragImage::Show()
{
    if (shown_ || !window_ || !picture_.IsOk())
        return;
    shown_ = true;
    Invalidate();
}

void TileDragImage::Hide()
{
    if (!shown_)
        return;
    Invalidate();
    shown_ = false;
}

void TileDragImage::Paint(wxDC& dc) const
{
    if (shown_ && picture_.IsOk())
        dc.DrawBitmap(picture_, Corner(), false);
}

void TileDragImage::Invalidate() const
{
    if (shown_ && window_ && picture_.IsOk())
        window_->RefreshRect(wxRect(Corner(), picture_.GetSize()), false);
}
