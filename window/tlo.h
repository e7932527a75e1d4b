// The tiled background of the start and game windows, and the off-screen
// bitmaps in which both compose their full repaints.
#pragma once

#include <wx/bitmap.h>
#include <wx/dc.h>

// 240 by 270 and 240 by 240 pixels, created at start-up.
extern wxBitmap ScreenBuffer;
extern wxBitmap BoardBuffer;
void CreateScreenBuffers();
void ReleaseScreenBuffers();

// Tiles picture over (0, 0, client), clipped to 240 by 270, columns outer and
// rows inner. A picture that did not load has no size to step by: the area
// is filled with a plain colour instead.
void TileBackground(wxDC& dc, const wxBitmap* picture, const wxSize& client);

// A picture file as a bitmap: an empty bitmap (never drawn) when the file
// does not load as a JPEG.
wxBitmap LoadPicture(const char* logicalPath);
