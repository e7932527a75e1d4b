#include "tests/gui/komunikat_gtk.h"

#include <cstdlib>
#include <type_traits>

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <wx/dialog.h>
#include <wx/stopwatch.h>
#include <wx/timer.h>

#include "tests/gui/ekran_x.h"
#include "tests/gui/gui_support.h"

namespace {

// The few GTK calls needed, found in the GTK library the framework has
// loaded: the suites build without GTK's own headers.
struct GList {
    void* data;
    GList* next;
    GList* prev;
};
struct GtkAllocation {
    int x, y, width, height;
};

struct Gtk {
    void* (*messageArea)(void*);
    GList* (*children)(void*);
    void (*freeList)(GList*);
    const char* (*labelText)(void*);
    int (*visible)(void*);
    int (*mapped)(void*);
    void (*allocation)(void*, GtkAllocation*);
    void* (*gdkWindow)(void*);
    int (*origin)(void*, int*, int*);
    const char* (*title)(void*);
    void (*respond)(void*, int);

    static const Gtk& Get()
    {
        static const Gtk gtk = [] {
            Gtk g{};
            auto find = [](auto& f, const char* name) {
                f = reinterpret_cast<std::remove_reference_t<decltype(f)>>(dlsym(RTLD_DEFAULT, name));
                if (!f)
                    ADD_FAILURE() << "no " << name << " in the loaded GTK";
            };
            find(g.messageArea, "gtk_message_dialog_get_message_area");
            find(g.children, "gtk_container_get_children");
            find(g.freeList, "g_list_free");
            find(g.labelText, "gtk_label_get_text");
            find(g.visible, "gtk_widget_get_visible");
            find(g.mapped, "gtk_widget_get_mapped");
            find(g.allocation, "gtk_widget_get_allocation");
            find(g.gdkWindow, "gtk_widget_get_window");
            find(g.origin, "gdk_window_get_origin");
            find(g.title, "gtk_window_get_title");
            find(g.respond, "gtk_dialog_response");
            return g;
        }();
        return gtk;
    }
    bool Ok() const { return respond != nullptr && messageArea != nullptr && origin != nullptr; }

    // A widget's rectangle on the screen.
    wxRect OnScreen(void* widget) const
    {
        GtkAllocation a{};
        allocation(widget, &a);
        int x = 0, y = 0;
        origin(gdkWindow(widget), &x, &y);
        return wxRect(x + a.x, y + a.y, a.width, a.height);
    }
};

constexpr int GtkResponseOk = -5;

// Polls the box while its modal run goes on: the toolkit's own loop runs
// the timer.
class BoxReader : public wxTimer {
public:
    void Start(wxDialog* dialog, ShownMessageBox* box)
    {
        dialog_ = dialog;
        box_ = box;
        clock_.Start();
        wxTimer::Start(20);
    }
    void Notify() override
    {
        const Gtk& gtk = Gtk::Get();
        void* widget = dialog_->GetHandle();
        if (!widget || !gtk.Ok())
            return;
        if (!gtk.mapped(widget) && clock_.Time() < 3000)
            return;
        if (gtk.mapped(widget))
            Read(gtk, widget);
        // Read once its text is drawn, or give up after a while.
        if (box_->shown || clock_.Time() >= 3000) {
            Stop();
            gtk.respond(widget, GtkResponseOk);
        }
    }

private:
    void Read(const Gtk& gtk, void* widget)
    {
        ShownMessageBox read;
        read.title = gtk.title(widget) ? gtk.title(widget) : "";
        read.boxRect = gtk.OnScreen(widget);
        std::string* texts[] = {&read.primary, &read.secondary};
        int n = 0;
        GList* labels = gtk.children(gtk.messageArea(widget));
        for (GList* l = labels; l && n < 2; l = l->next, ++n) {
            if (gtk.visible(l->data))
                *texts[n] = gtk.labelText(l->data);
            if (n == 0)
                read.primaryRect = gtk.OnScreen(l->data);
        }
        gtk.freeList(labels);
        read.primaryPixels = ScreenArea(read.primaryRect);
        // The first frames of a newly mapped box may not be drawn yet.
        read.shown = InkPixels(read.primaryPixels) > 0 || clock_.Time() >= 1500;
        if (read.shown)
            *box_ = read;
    }

    wxDialog* dialog_ = nullptr;
    ShownMessageBox* box_ = nullptr;
    wxStopWatch clock_;
};

} // namespace

void ReadNextMessageBox(ShownMessageBox& box)
{
    static BoxReader reader;
    box = ShownMessageBox{};
    AnswerNextDialog(wxID_NONE, [&box](wxDialog* d) { reader.Start(d, &box); });
}

int InkPixels(const wxImage& image)
{
    if (!image.IsOk())
        return 0;
    const int r = image.GetRed(0, 0), g = image.GetGreen(0, 0), b = image.GetBlue(0, 0);
    int ink = 0;
    for (int y = 0; y < image.GetHeight(); ++y)
        for (int x = 0; x < image.GetWidth(); ++x)
            ink += std::abs(image.GetRed(x, y) - r) + std::abs(image.GetGreen(x, y) - g)
                       + std::abs(image.GetBlue(x, y) - b)
                   > 120;
    return ink;
}
