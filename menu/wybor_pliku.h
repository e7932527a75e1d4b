// ChooseFileDialog: the options' file dialog, a modal dialog around the
// framework's generic file control, opening in a given folder and listing
// the files of one wildcard. With wxFD_FILE_MUST_EXIST, OK takes only an
// existing file.
#pragma once

#include <wx/dialog.h>

class wxGenericFileCtrl;

class ChooseFileDialog : public wxDialog {
public:
    ChooseFileDialog(wxWindow* parent, const wxString& message, const wxString& folder,
                     const wxString& wildcard, long style, const wxString& name = "filedlg");

    wxString GetPath() const;
    void SetPath(const wxString& path);
    const wxString& GetMessage() const { return message_; }
    const wxString& GetWildcard() const { return wildcard_; }

private:
    void OnOk(wxCommandEvent& event);

    wxGenericFileCtrl* files_;
    wxString message_;
    wxString wildcard_;
    long style_;
};
