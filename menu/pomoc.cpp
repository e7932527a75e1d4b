#include "menu/pomoc.h"

#include <cstdlib>
#include <string>

#include <unistd.h>

#include <wx/html/htmlcell.h>
#include <wx/sysopt.h>

#include "platform/instalacja.h"
#include "platform/komunikat.h"
#include "platform/tekst.h"

const wxSize HelpWindowSize(240, 270);
const char HelpFontFace[] = "Arial CE";
const char HelpPagePath[] = "Program Files\\Venk's Zertanik Dezoze EN\\./html/pomoc.htm";
PomocFrame* ThePomocFrame = nullptr;

mlHtml::mlHtml(wxWindow* parent)
    : wxHtmlWindow(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxHW_SCROLLBAR_AUTO,
                   "htmlWindow")
{
    Bind(wxEVT_LEFT_DOWN, &mlHtml::OnPress, this);
    Bind(wxEVT_LEFT_UP, &mlHtml::OnTap, this);
}

void mlHtml::OnPress(wxMouseEvent& event)
{
    pressedAt = event.GetPosition();
    event.Skip();
}

mlHtml::~mlHtml() = default;

void mlHtml::OnLinkClicked(const wxHtmlLinkInfo&) {}

bool mlHtml::LinkAt(const wxPoint& pos) const
{
    const wxHtmlContainerCell* page = GetInternalRepresentation();
    if (!page)
        return false;
    const wxPoint at = CalcUnscrolledPosition(pos);
    const wxHtmlCell* cell = page->FindCellByPos(at.x, at.y);
    if (!cell)
        return false;
    const wxPoint origin = cell->GetAbsPos();
    return cell->GetLink(at.x - origin.x, at.y - origin.y) != nullptr;
}

void mlHtml::OnTap(wxMouseEvent& event)
{
    // The view's own handling still runs (a link does nothing there); the
    // window goes at the next idle time.
    event.Skip();
    // A tap is a press and release in one place: the end of a text selection
    // or of a press that began elsewhere closes nothing.
    const wxPoint at = event.GetPosition(), from = pressedAt;
    pressedAt = wxDefaultPosition;
    if (from == wxDefaultPosition || std::abs(at.x - from.x) > 4 || std::abs(at.y - from.y) > 4)
        return;
    if (!LinkAt(at))
        GetParent()->Close(true);
}

PomocFrame::PomocFrame(const wxString& title, const wxPoint& pos, const wxSize& size, long style)
{
    Create(nullptr, wxID_ANY, title, pos, size, style, "frame");
    view = new mlHtml(this);
    // Without this the toolkit's MIME database makes a local .htm plain text.
    wxSystemOptions::SetOption("filesys.no-mimetypesmanager", 1);
    const std::string real = RealPath(HelpPagePath);
    // Only a file is handed to the viewer, which would wait on a named pipe.
    std::string what = access(real.c_str(), F_OK) != 0 ? "no such file" : NotARegularFile(real);
    if (what.empty() && !view->LoadPage(WxFileName(real)))
        what = "it can't be shown";
    if (!what.empty()) {
        FileFault fault;
        RefuseFile(&fault, "help page", real, what);
        TellPlayer({FaultParagraph(fault, "The help window stays empty.")});
    }
    view->SetBorders(2);
    view->SetFonts(HelpFontFace, wxEmptyString);
    Bind(wxEVT_CHAR_HOOK, &PomocFrame::OnKey, this);
}

PomocFrame::~PomocFrame()
{
    if (ThePomocFrame == this)
        ThePomocFrame = nullptr;
}

void PomocFrame::OnKey(wxKeyEvent& event)
{
    if (event.GetKeyCode() == WXK_ESCAPE)
        Close(true);
    else
        event.Skip();
}
