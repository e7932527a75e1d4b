// Helpers of the GUI suites: a fixture data tree of tiny flat-colour
// pictures, event pumping, dialog answers and pixel reading.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <wx/bitmap.h>
#include <wx/colour.h>
#include <wx/dialog.h>
#include <wx/window.h>

#include "tests/support/temp_files.h"

// A data tree in a temporary folder, made the data folder for its lifetime:
// every picture of the game as a small JPEG of one flat colour, the board
// layout, and the option globals pointing at it.
class FixtureTree {
public:
    FixtureTree();
    ~FixtureTree();

    const std::string& Path() const { return dir_.Path(); }
    // Writes a picture of one colour at the relative path (under the tree).
    void Picture(const std::string& rel, int w, int h, const wxColour& c) const;
    void Remove(const std::string& rel) const;

    // The flat colour of each fixture picture, so a test can tell from
    // pixels which picture was drawn.
    static wxColour BackgroundColour() { return wxColour(200, 40, 40); }
    // The colour of the fixed or player picture graf/<name>.JPG.
    static wxColour PictureColour(const std::string& name);

private:
    TempDir dir_;
};

// Whether the middle of bitmap shows the colour want (a JPEG's flat colour
// comes back within a few steps).
::testing::AssertionResult ShowsColour(const wxBitmap& bitmap, const wxColour& want);

// Processes pending events until none is left.
void PumpEvents();
// A repaint of the whole window, as the toolkit asks for one.
void Repaint(wxWindow* window);
// Fills the off-screen buffer of the repaints with one colour (made first
// when there is none yet).
void FillScreenBuffer(const wxColour& c);

// The answer the dialog hook gives to the next modal dialog (wxID_CANCEL by
// default), and a function that may act on the dialog first.
void AnswerNextDialog(int id, std::function<void(wxDialog*)> act = {});
int NextDialogAnswer(wxDialog* dialog);
int DialogsAnswered();
// The texts (UTF-8) of the message boxes answered since the last call.
std::vector<std::string> TakeMessageBoxes();

// The colour of the window's client pixel (x, y) as the X server shows it.
wxColour ClientPixel(wxWindow* window, int x, int y);
