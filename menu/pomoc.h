// PomocFrame: the help window, a borderless top-level window holding the
// help page in an mlHtml view whose links do nothing. A tap on the page
// (anywhere but on a link) or Escape closes it.
#pragma once

#include <wx/frame.h>
#include <wx/html/htmlwin.h>

extern const wxSize HelpWindowSize; // 240 by 270
extern const char HelpFontFace[];
extern const char HelpPagePath[];

class mlHtml : public wxHtmlWindow {
public:
    explicit mlHtml(wxWindow* parent);
    ~mlHtml() override;

    // A tapped link neither sends the link event nor loads its target.
    void OnLinkClicked(const wxHtmlLinkInfo& link) override;

    // Whether the page has a link at the window position pos.
    bool LinkAt(const wxPoint& pos) const;

private:
    void OnPress(wxMouseEvent& event);
    void OnTap(wxMouseEvent& event);
    wxPoint pressedAt = wxDefaultPosition;
};

class PomocFrame : public wxFrame {
public:
    PomocFrame(const wxString& title, const wxPoint& pos, const wxSize& size, long style);
    ~PomocFrame() override;

    mlHtml* view = nullptr;

private:
    void OnKey(wxKeyEvent& event);
};

// The help window open now, or null; cleared when that window is destroyed.
extern PomocFrame* ThePomocFrame;
