// A game window on a fixture data tree, for the game window suites: opening
// and closing it, its pixels, and stylus events sent to it.
#pragma once

#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <string>

#include <gtest/gtest.h>
#include <wx/image.h>

#include "model/gra.h"
#include "tests/gui/ekran_x.h"
#include "tests/gui/gui_support.h"
#include "window/graframe.h"
#include "window/tlo.h"

// A computer seat for suites without the search: a player only flagged as a
// computer, so it never moves by itself.
inline Gracz* FlaggedComputer()
{
    Gracz* p = new Gracz("Cpu");
    p->computer = 1;
    p->Poziom = 1;
    return p;
}

// Seats: 'h' a human (Ann, Bob, Cid, Dan by seat), 'c' a computer made by
// makeComputer; first: the player to move (-1: as the deal chose).
inline Gra* StartGame(const char* seats, int first = -1,
                      Gracz* (*makeComputer)() = FlaggedComputer)
{
    static const char* names[] = {"Ann", "Bob", "Cid", "Dan"};
    Gra* g = new Gra;
    int n = 0, humans = 0;
    for (const char* s = seats; *s; ++s, ++n) {
        if (*s == 'c') {
            g->player[n] = makeComputer();
        } else {
            g->player[n] = new Gracz(names[n]);
            ++humans;
        }
    }
    TheGra = g;
    g->NewGame(n, humans);
    if (first >= 0) {
        g->current = first;
        g->shown = g->ChooseShown();
    }
    return g;
}

class GameWindow : public ::testing::Test {
protected:
    GraFrame* Open(const char* seats, int first = -1)
    {
        StartGame(seats, first);
        frame = new GraFrame("Venk's Zertanik EN", wxPoint(0, 26), GameWindowSize, 0);
        TheGraFrame = frame;
        return frame;
    }
    // Opens a one-human game on screen with the given rack ('.' an empty
    // slot), drawn whole.
    GraFrame* OpenWithRack(const char* letters)
    {
        Open("h");
        SetRack(letters);
        frame->Show();
        PumpEvents();
        frame->Redraw(true);
        return frame;
    }
    void SetRack(const char* letters)
    {
        Stojak& rack = *TheGra->player[TheGra->shown]->rack;
        for (int i = 0; i < RackSlots; ++i)
            rack.slots[i] = i < int(std::strlen(letters)) && letters[i] != '.' ? letters[i] : 0;
    }
    std::string Rack() const
    {
        const Stojak& rack = *TheGra->player[TheGra->shown]->rack;
        std::string s;
        for (int i = 0; i < RackSlots; ++i)
            s += rack.slots[i] ? char(rack.slots[i]) : '.';
        return s;
    }
    void Close()
    {
        if (!frame)
            return;
        frame->Destroy();
        PumpEvents();
        frame = nullptr;
    }
    void TearDown() override
    {
        Close();
        ReleaseScreenBuffers();
    }

    // The window's client area as the screen shows it once the pending
    // paints are done.
    wxImage Screen() const
    {
        PumpEvents();
        frame->Update();
        return ShownClientArea(frame);
    }
    // Stylus events with the left button held from a press to its release.
    void Send(wxEventType type, int x, int y, bool leftHeld)
    {
        wxMouseEvent e(type);
        e.SetPosition(wxPoint(x, y));
        e.m_leftDown = leftHeld;
        e.SetEventObject(frame);
        frame->GetEventHandler()->ProcessEvent(e);
    }
    void Press(int x, int y) { Send(wxEVT_LEFT_DOWN, x, y, true); }
    void Move(int x, int y) { Send(wxEVT_MOTION, x, y, true); }
    void Release(int x, int y) { Send(wxEVT_LEFT_UP, x, y, false); }
    void RightPress(int x, int y) { Send(wxEVT_RIGHT_DOWN, x, y, false); }
    // A whole drag: a press, a first motion where it was, which starts the
    // drag, the given motions, and the release at the last.
    void Drag(wxPoint from, std::initializer_list<wxPoint> through)
    {
        Press(from.x, from.y);
        Move(from.x, from.y);
        wxPoint last = from;
        for (wxPoint p : through) {
            Move(p.x, p.y);
            last = p;
        }
        Release(last.x, last.y);
    }

    // A rack picture as wide as the rack, so holes show it.
    static wxColour RackColour() { return wxColour(90, 60, 30); }
    void UseWideRack() const { tree.Picture("graf/stojak4.JPG", 120, 20, RackColour()); }

    FixtureTree tree;
    GraFrame* frame = nullptr;
};

// Points of the window: the middle of rack slot s, of board square (x, y),
// of exchange slot e and of letter picker cell n.
inline wxPoint RackPoint(int s) { return {126 + 16 * s + 6, 252}; }
inline wxPoint SquarePoint(int x, int y) { return {(x - 1) * 16 + 8, (y - 1) * 16 + 8}; }
inline wxPoint ExchangePoint(int e) { return {124 + 16 * e + 7, 226}; }
inline wxPoint PickerPoint(int n) { return {15 + 14 * (n % 8) + 7, 147 + 14 * (n / 8) + 7}; }

// The fixture's flat colours: tile and lettered-blank pictures carry their
// letter in the blue channel.
inline wxColour TileColour(char c) { return wxColour(240, 200, c - 'a' + 'A'); }
inline wxColour LetteredBlankColour(char c) { return wxColour(160, 200, c - 'a' + 'A'); }
inline wxColour BlankTileColour() { return wxColour(250, 250, 250); }
// Square pictures in SquareBitmaps order.
inline wxColour SquareColour(int k) { return wxColour(0, 20 + 25 * k, 0); }

inline ::testing::AssertionResult Near(const wxImage& image, wxPoint p, const wxColour& want,
                                       int tolerance = 6)
{
    const int r = image.GetRed(p.x, p.y), g = image.GetGreen(p.x, p.y), b = image.GetBlue(p.x, p.y);
    if (std::abs(r - want.Red()) <= tolerance && std::abs(g - want.Green()) <= tolerance &&
        std::abs(b - want.Blue()) <= tolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "pixel (" << p.x << ", " << p.y << ") is (" << r << ", " << g << ", " << b
           << "), want (" << int(want.Red()) << ", " << int(want.Green()) << ", "
           << int(want.Blue()) << ")";
}
