#include "window/tlo.h"

#include <algorithm>
#include <cstdio>

#include <wx/ffile.h>
#include <wx/image.h>
#include <wx/wfstream.h>

#include "platform/instalacja.h"

wxBitmap ScreenBuffer;
wxBitmap BoardBuffer;

void CreateScreenBuffers()
{
    ScreenBuffer.Create(240, 270, -1);
    BoardBuffer.Create(240, 240, -1);
}

void ReleaseScreenBuffers()
{
    ScreenBuffer = wxBitmap();
    BoardBuffer = wxBitmap();
}

void TileBackground(wxDC& dc, const wxBitmap* picture, const wxSize& client)
{
    wxDCClipper clip(dc, wxRect(0, 0, 240, 270));
    if (!picture || !picture->IsOk() || picture->GetWidth() <= 0 || picture->GetHeight() <= 0) {
        dc.SetBrush(wxBrush(wxColour(24, 40, 64)));
        dc.SetPen(*wxTRANSPARENT_PEN);
        dc.DrawRectangle(0, 0, client.x, client.y);
        return;
    }
    for (int x = 0; x < client.x; x += picture->GetWidth())
        for (int y = 0; y < client.y; y += picture->GetHeight())
            dc.DrawBitmap(*picture, x, y, false);
}

const char PictureKind[] = "picture";

wxBitmap LoadPicture(const char* logicalPath)
{
    wxImage image;
    // Opened as every data file is, under the one name that was checked:
    // only a regular file (the toolkit would wait on a named pipe for ever).
    // The windows tell the player which pictures did not load.
    if (std::FILE* f = logicalPath && *logicalPath ? OpenDataFileQuietly(logicalPath, "rb")
                                                   : nullptr) {
        wxFFile file(f);
        wxFFileInputStream in(file);
        image.LoadFile(in, wxBITMAP_TYPE_JPEG, -1);
    }
    return image.IsOk() ? wxBitmap(image) : wxBitmap();
}

namespace {

// A fully transparent picture: a button whose picture did not load shows none.
wxBitmap BlankPicture(const wxSize& size)
{
    wxImage image(size.x, size.y);
    image.InitAlpha();
    std::fill_n(image.GetAlpha(), size.x * size.y, static_cast<unsigned char>(0));
    return wxBitmap(image);
}

} // namespace

wxBitmapButton* CreatePictureButton(wxWindow* parent, int id, const wxBitmap& picture,
                                    const wxPoint& pos, const wxSize& size)
{
    auto* button = new wxBitmapButton;
    button->Create(parent, id, picture.IsOk() ? picture : BlankPicture(size), pos, size,
                   wxBU_AUTODRAW | wxBORDER_NONE, wxDefaultValidator, "button");
    return button;
}
