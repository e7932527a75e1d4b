#include "tests/gui/ekran_x.h"

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>
#include <vector>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <wx/utils.h>
#include <wx/window.h>

namespace {

// The pixels of rect on display dpy as an image; rect is cut to the screen.
wxImage ReadRoot(Display* dpy, wxRect rect)
{
    const int screen = DefaultScreen(dpy);
    rect.Intersect(wxRect(0, 0, DisplayWidth(dpy, screen), DisplayHeight(dpy, screen)));
    wxImage image(rect.width > 0 ? rect.width : 1, rect.height > 0 ? rect.height : 1);
    if (rect.IsEmpty())
        return image;
    XImage* x = XGetImage(dpy, RootWindow(dpy, screen), rect.x, rect.y, rect.width, rect.height,
                          AllPlanes, ZPixmap);
    if (!x)
        return image;
    auto channel = [](unsigned long pixel, unsigned long mask) {
        int shift = 0;
        while (mask && !(mask & 1)) {
            mask >>= 1;
            ++shift;
        }
        return static_cast<unsigned char>(((pixel >> shift) & mask) * 255 / (mask ? mask : 1));
    };
    for (int y = 0; y < rect.height; ++y)
        for (int xx = 0; xx < rect.width; ++xx) {
            const unsigned long p = XGetPixel(x, xx, y);
            image.SetRGB(xx, y, channel(p, x->red_mask), channel(p, x->green_mask),
                         channel(p, x->blue_mask));
        }
    XDestroyImage(x);
    return image;
}

Display* ToolkitDisplay() { return static_cast<Display*>(wxGetDisplay()); }

} // namespace

wxImage ScreenArea(const wxRect& rect)
{
    Display* dpy = ToolkitDisplay();
    XSync(dpy, False);
    return ReadRoot(dpy, rect);
}

wxImage WholeScreen()
{
    Display* dpy = ToolkitDisplay();
    const int s = DefaultScreen(dpy);
    return ScreenArea(wxRect(0, 0, DisplayWidth(dpy, s), DisplayHeight(dpy, s)));
}

wxRect ClientOnScreen(const wxWindow* window)
{
    return wxRect(window->ClientToScreen(wxPoint(0, 0)), window->GetClientSize());
}

wxImage ShownClientArea(const wxWindow* window) { return ScreenArea(ClientOnScreen(window)); }

bool WindowManagerRunning()
{
    Display* dpy = ToolkitDisplay();
    const Atom check = XInternAtom(dpy, "_NET_SUPPORTING_WM_CHECK", True);
    if (check == None)
        return false;
    Atom type;
    int format;
    unsigned long items, after;
    unsigned char* data = nullptr;
    const bool found = XGetWindowProperty(dpy, DefaultRootWindow(dpy), check, 0, 1, False,
                                          XA_WINDOW, &type, &format, &items, &after, &data) ==
                           Success &&
                       items == 1;
    if (data)
        XFree(data);
    return found;
}

std::uint64_t PixelHash(const wxImage& image)
{
    std::uint64_t h = 1469598103934665603ull;
    const unsigned char* p = image.GetData();
    for (int i = 0, n = image.GetWidth() * image.GetHeight() * 3; i < n; ++i)
        h = (h ^ p[i]) * 1099511628211ull;
    return h;
}

struct ScreenWatcher::State {
    wxRect rect;
    std::atomic<bool> stop{false};
    std::vector<std::uint64_t> frames;
    std::thread thread;
};

ScreenWatcher::ScreenWatcher(const wxRect& rect) : state_(new State)
{
    state_->rect = rect;
    State* s = state_;
    s->thread = std::thread([s] {
        Display* dpy = XOpenDisplay(nullptr);
        if (!dpy)
            return;
        while (!s->stop) {
            const std::uint64_t h = PixelHash(ReadRoot(dpy, s->rect));
            if (s->frames.empty() || s->frames.back() != h)
                s->frames.push_back(h);
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        XCloseDisplay(dpy);
    });
}

std::vector<std::uint64_t> ScreenWatcher::Stop()
{
    if (state_->thread.joinable()) {
        state_->stop = true;
        state_->thread.join();
    }
    return state_->frames;
}

ScreenWatcher::~ScreenWatcher()
{
    Stop();
    delete state_;
}
