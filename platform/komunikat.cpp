#include "platform/komunikat.h"

#include <cctype>

#include <wx/msgdlg.h>

std::string FaultParagraph(const FileFault& fault, const std::string& outcome)
{
    std::string text = fault.Text() + ".";
    text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    return outcome.empty() ? text : text + "\n" + outcome;
}

void TellPlayer(const std::vector<std::string>& paragraphs, wxWindow* parent)
{
    if (paragraphs.empty())
        return;
    std::string text;
    for (const std::string& p : paragraphs)
        text += (text.empty() ? "" : "\n\n") + p;
    // File names are the file system's; anything it cannot decode is shown
    // byte by byte rather than lost.
    wxString message(text.c_str(), *wxConvFileName);
    if (message.empty())
        message = wxString::From8BitData(text.c_str());
    wxMessageBox(message, "Venk's Zertanik EN", wxOK | wxICON_WARNING, parent);
}
