// The picture of a dragged tile that follows the stylus over the game window.
//
// It is an overlay: the window's paint handler draws it over the front
// buffer at its place, so it never touches what lies under it. Showing,
// hiding or moving it invalidates the squares it covers. The mouse is
// captured from BeginDrag to EndDrag.
#pragma once

#include <wx/bitmap.h>
#include <wx/gdicmn.h>

class wxDC;
class wxWindow;

class TileDragImage {
public:
    explicit TileDragImage(const wxBitmap* picture);
    ~TileDragImage();
    TileDragImage(const TileDragImage&) = delete;
    TileDragImage& operator=(const TileDragImage&) = delete;

    // Starts the drag over window, hidden, with the pointer at hotspot of the
    // picture; captures the mouse. False without a window.
    bool BeginDrag(const wxPoint& hotspot, wxWindow* window);
    // Hides the picture and releases the mouse if this drag still holds it.
    void EndDrag();
    // The framework took the mouse away: EndDrag must not release it.
    void CaptureLost() { captured_ = false; }
    // Puts the picture under the pointer at pos (window pixels).
    void Move(const wxPoint& pos);
    void Show();
    void Hide();
    // Draws the picture, when shown, into the window's paint device context.
    void Paint(wxDC& dc) const;

    bool IsShown() const { return shown_; }
    // Top left corner of the picture in window pixels.
    wxPoint Corner() const { return pos_ - hotspot_; }

private:
    // Asks the window to repaint the picture's place.
    void Invalidate() const;

    wxBitmap picture_;
    wxWindow* window_ = nullptr;
    wxPoint hotspot_;
    wxPoint pos_;
    bool shown_ = false;
    bool captured_ = false;
};
