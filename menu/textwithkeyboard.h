// TextWithKeyboard: a player's name field. It raises the on-screen keyboard
// while it has the focus and is editable, and lowers it when it loses it.
#pragma once

#include <wx/textctrl.h>

class TextWithKeyboard : public wxTextCtrl {
public:
    TextWithKeyboard(wxWindow* parent, wxWindowID id, const wxString& text, const wxPoint& pos,
                     const wxSize& size, long style, const wxValidator& validator,
                     const wxString& name);
    ~TextWithKeyboard() override;

    void OnSetFocus(wxFocusEvent& event);
    void OnKillFocus(wxFocusEvent& event);

private:
    wxDECLARE_EVENT_TABLE();
};

// The longest name a field takes.
constexpr int NameFieldLength = 12;

// What a field shows of an 8-bit name: its text cut to the field's length
// (the toolkit refuses a longer insertion outright).
wxString NameFieldText(const char* name);
// Replaces the field's text with what it shows of the 8-bit name.
void SetNameField(wxTextCtrl* field, const char* text);
