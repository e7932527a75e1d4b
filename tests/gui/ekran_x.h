// What the X server shows, read back with Xlib from the root window, where
// every mapped window is seen as a person sees it: child buttons over their
// frame, windows over each other, and nothing of a drawing that never
// reached the server. (A read through the toolkit's device contexts sees
// what the toolkit believes instead.)
#pragma once

#include <cstdint>
#include <wx/gdicmn.h>
#include <wx/image.h>

class wxWindow;

// The screen's pixels in rect (screen coordinates), read on the toolkit's own
// connection, so every request it has sent is done first.
wxImage ScreenArea(const wxRect& rect);
wxImage WholeScreen();
// The client area of window in screen coordinates.
wxRect ClientOnScreen(const wxWindow* window);
// The client area of window as the screen shows it now.
wxImage ShownClientArea(const wxWindow* window);

// Whether a window manager has announced itself on the root window.
bool WindowManagerRunning();

// A checksum of an image's pixels, to tell frames apart.
std::uint64_t PixelHash(const wxImage& image);

// Samples the screen's rect from a thread of its own, on its own X
// connection, as an onlooker would see it while the program is busy.
class ScreenWatcher {
public:
    explicit ScreenWatcher(const wxRect& rect);
    ~ScreenWatcher();
    // Stops sampling; the hashes of the distinct frames seen, in order (a
    // frame seen again after another counts again).
    std::vector<std::uint64_t> Stop();

private:
    struct State;
    State* state_;
};
