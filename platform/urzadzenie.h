// The handheld's shell services, in the form the game calls them.
//
// The handheld raised an on-screen keyboard (the soft input panel) while a
// name field had the focus, and activated windows by their native handle. A
// desktop has a real keyboard and a window manager: these keep the calls and
// their state, so the game's focus handling stays as designed and testable.
#pragma once

class wxWindow;

constexpr int SIPF_OFF = 0;
constexpr int SIPF_ON = 1;

// Shows (SIPF_ON) or hides (SIPF_OFF) the on-screen keyboard; returns 1.
int SipShowIM(int flags);
// Whether the on-screen keyboard is up now.
bool SoftInputPanelShown();

// Makes window the active one: raised above the program's other windows.
void SetActiveWindow(wxWindow* window);

// The handheld's windows filled the screen below its title bar, with the
// shell's command bar outside them. On the desktop a window's client area is
// kept at the size every coordinate of the game counts on, also when a
// window manager's frame would take room from it later. (Setting a hidden
// fixed-size window to the size it already has would collapse it to 1 by 1
// pixel when shown, so only a real change is made.)
class wxTopLevelWindow;
class wxSize;
void KeepClientSize(wxTopLevelWindow* window, const wxSize& size);

// Raises window, shown, and waits until the toolkit has painted it once (at
// most timeoutMs), so what is drawn into it from now on reaches the screen
// even inside a long handler. Only the toolkit's own events are processed
// meanwhile: input waits. False when no paint came in time.
bool BringOnScreen(wxTopLevelWindow* window, int timeoutMs = 1000);
