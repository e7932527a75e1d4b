// Punkt: a square's column and row, the GUI-free stand-in for wxPoint.
#pragma once

struct Punkt {
    int x = 0;
    int y = 0;
    friend bool operator==(Punkt a, Punkt b) { return a.x == b.x && a.y == b.y; }
    friend bool operator!=(Punkt a, Punkt b) { return !(a == b); }
};
