#include "menu/textwithkeyboard.h"

#include <string>

#include "platform/tekst.h"
#include "platform/urzadzenie.h"

wxBEGIN_EVENT_TABLE(TextWithKeyboard, wxTextCtrl)
    EVT_SET_FOCUS(TextWithKeyboard::OnSetFocus)
    EVT_KILL_FOCUS(TextWithKeyboard::OnKillFocus)
wxEND_EVENT_TABLE()

TextWithKeyboard::TextWithKeyboard(wxWindow* parent, wxWindowID id, const wxString& text,
                                   const wxPoint& pos, const wxSize& size, long style,
                                   const wxValidator& validator, const wxString& name)
    : wxTextCtrl(parent, id, text, pos, size, style, validator, name)
{
}

TextWithKeyboard::~TextWithKeyboard() = default;

void TextWithKeyboard::OnSetFocus(wxFocusEvent& event)
{
    // A disabled field (a computer's or an empty seat's) never raises it,
    // whatever focus event reaches it.
    if (IsEditable() && IsEnabled())
        SipShowIM(SIPF_ON);
    event.Skip();
}

void TextWithKeyboard::OnKillFocus(wxFocusEvent& event)
{
    SipShowIM(SIPF_OFF);
    event.Skip();
}

wxString NameFieldText(const char* name) { return ToWx(name).Left(NameFieldLength); }

void SetNameField(wxTextCtrl* field, const char* text)
{
    field->Clear();
    field->AppendText(NameFieldText(text));
}
