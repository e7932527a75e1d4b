// ChooseFileDialog: the options' file dialog, a modal dialog around the
// framework's generic file control, opening in a given folder and listing
// the files of one wildcard. With wxFD_FILE_MUST_EXIST, OK takes only an
// existing file. The control's label names the folder it shows as a clean
// path, shortened at its start to fit the dialog.
#pragma once

#include <wx/dialog.h>

class wxGenericFileCtrl;
class wxStaticText;

class ChooseFileDialog : public wxDialog {
public:
    ChooseFileDialog(wxWindow* parent, const wxString& message, const wxString& folder,
                     const wxString& wildcard, long style, const wxString& name = "filedlg");

    wxString GetPath() const;
    void SetPath(const wxString& path);
    const wxString& GetMessage() const { return message_; }
    const wxString& GetWildcard() const { return wildcard_; }
    // The control's label of its folder (null should the control have none).
    wxStaticText* FolderLabel() const { return folderLabel_; }
    // The room the label has: the control's width within its margins.
    int FolderLabelRoom() const;

private:
    void OnOk(wxCommandEvent& event);
    void ShowFolder();

    wxGenericFileCtrl* files_;
    wxStaticText* folderLabel_ = nullptr;
    wxString message_;
    wxString wildcard_;
    long style_;
};
