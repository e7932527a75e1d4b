// What the start and game windows share for drawing: the off-screen bitmaps
// of their full repaints, the tiled background, picture loading and the
// picture buttons.
#pragma once

#include <wx/bitmap.h>
#include <wx/bmpbuttn.h>
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

// What a picture file is called in a message to the player.
extern const char PictureKind[];

// A picture file as a bitmap: an empty bitmap (never drawn) when the file
// does not load as a JPEG. Nothing is reported: the caller tells the player.
wxBitmap LoadPicture(const char* logicalPath);

// A bitmap button that is exactly its picture: borderless, of the given size.
// A picture that did not load leaves a plain button of that size.
wxBitmapButton* CreatePictureButton(wxWindow* parent, int id, const wxBitmap& picture,
                                    const wxPoint& pos, const wxSize& size);
