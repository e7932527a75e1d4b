// A native message box as the toolkit really shows it: the texts of its GTK
// labels and what the X server shows where they are, read while the box is
// up on the screen.
#pragma once

#include <string>

#include <wx/gdicmn.h>
#include <wx/image.h>

struct ShownMessageBox {
    // The box came up and was read: once its main text showed ink, or after
    // 1.5 s whatever it showed (the pixels then tell).
    bool shown = false;
    std::string title;
    // The box's main text and the text below it, as its labels show them
    // ("" for a label that is hidden).
    std::string primary, secondary;
    // The main text's label on the screen, and the screen's pixels there.
    wxRect primaryRect;
    wxImage primaryPixels;
    // The box's window on the screen.
    wxRect boxRect;
};

// Lets the next modal message box really come up (the dialog hook does not
// answer it), reads it into box once it is drawn and then presses its OK.
// box must outlive the box's modal run.
void ReadNextMessageBox(ShownMessageBox& box);

// How many pixels of image differ clearly from its top-left pixel: a label
// showing a text has many, an empty one none.
int InkPixels(const wxImage& image);
