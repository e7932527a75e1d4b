#include "window/obraz_przeciagania.h"

#include <wx/dcclient.h>
#include <wx/dcmemory.h>
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
    const bool wasShown = shown_;
    Hide();
    pos_ = pos;
    if (wasShown)
        Show();
}

void TileDragImage::Show()
{
    if (shown_ || !window_ || !picture_.IsOk())
        return;
    const wxPoint at = Corner();
    const int w = picture_.GetWidth(), h = picture_.GetHeight();
    if (!saved_.IsOk() || saved_.GetWidth() != w || saved_.GetHeight() != h)
        saved_.Create(w, h, -1);
    wxClientDC window(window_);
    {
        wxMemoryDC under(saved_);
        under.Blit(0, 0, w, h, &window, at.x, at.y, wxCOPY, false);
    }
    window.DrawBitmap(picture_, at.x, at.y, false);
    shown_ = true;
}

void TileDragImage::Hide()
{
    if (!shown_)
        return;
    shown_ = false;
    const wxPoint at = Corner();
    wxClientDC window(window_);
    wxMemoryDC under(saved_);
    window.Blit(at.x, at.y, saved_.GetWidth(), saved_.GetHeight(), &under, 0, 0, wxCOPY, false);
}
