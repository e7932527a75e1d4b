// The picture of a dragged tile that follows the stylus over the game window.
//
// It is drawn straight onto the window: before drawing it saves the window
// pixels it covers and puts them back when it is hidden, so every drawing
// under it must be done while it is hidden. The mouse is captured from
// BeginDrag to EndDrag.
#pragma once

#include <wx/bitmap.h>
#include <wx/gdicmn.h>

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
    // Puts the picture under the pointer at pos (window pixels); a shown
    // picture is drawn again there.
    void Move(const wxPoint& pos);
    void Show();
    void Hide();
    // The window was painted over: the picture is gone and the pixels saved
    // under it are stale, so it counts as hidden without restoring them.
    void Forget() { shown_ = false; }

    bool IsShown() const { return shown_; }
    // Top left corner of the picture in window pixels.
    wxPoint Corner() const { return pos_ - hotspot_; }

private:
    wxBitmap picture_;
    wxBitmap saved_; // the window pixels under the shown picture
    wxWindow* window_ = nullptr;
    wxPoint hotspot_;
    wxPoint pos_;
    bool shown_ = false;
    bool captured_ = false;
};
