#include "menu/wybor_pliku.h"

#include <wx/button.h>
#include <wx/dcmemory.h>
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/generic/filectrlg.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "platform/instalacja.h"
#include "platform/tekst.h"

ChooseFileDialog::ChooseFileDialog(wxWindow* parent, const wxString& message,
                                   const wxString& folder, const wxString& wildcard, long style,
                                   const wxString& name)
    : wxDialog(parent, wxID_ANY, message, wxDefaultPosition, wxSize(240, 270),
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER, name),
      message_(message), wildcard_(wildcard), style_(style)
{
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(new wxStaticText(this, wxID_ANY, message), 0, wxALL, 4);
    // Going up from a folder spelled with ".." or "." steps would only take
    // a step of the spelling away.
    const wxString clean = WxFileName(CleanPath(FileNameFromWx(folder)));
    files_ = new wxGenericFileCtrl(this, wxID_ANY, clean, wxEmptyString, wildcard,
                                   wxFC_OPEN | wxFC_NOSHOWHIDDEN);
    // The control leaves its folder unset until told explicitly.
    files_->SetDirectory(clean);
    for (wxWindow* child : files_->GetChildren())
        if ((folderLabel_ = dynamic_cast<wxStaticText*>(child)))
            break;
    // The control sets its label to the folder as spelled at each change
    // (on going up, only after sending the change's event): the clean one
    // is set after it.
    files_->Bind(wxEVT_FILECTRL_FOLDERCHANGED, [this](wxFileCtrlEvent& event) {
        event.Skip();
        CallAfter(&ChooseFileDialog::ShowFolder);
    });
    files_->Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
        event.Skip();
        CallAfter(&ChooseFileDialog::ShowFolder);
    });
    sizer->Add(files_, 1, wxEXPAND | wxLEFT | wxRIGHT, 4);
    sizer->Add(CreateStdDialogButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND | wxALL, 4);
    SetSizer(sizer);
    // The size is the client area's: a window manager's frame comes on top
    // (once the toolkit knows its size, it would otherwise come off the
    // list, leaving room for one file).
    SetClientSize(wxSize(240, 270));
    Layout();
    ShowFolder();
    Bind(wxEVT_BUTTON, &ChooseFileDialog::OnOk, this, wxID_OK);
    // Activating a file (double click, Enter) chooses it like OK.
    files_->Bind(wxEVT_FILECTRL_FILEACTIVATED, [this](wxFileCtrlEvent&) {
        wxCommandEvent ok(wxEVT_BUTTON, wxID_OK);
        ok.SetEventObject(this);
        ProcessWindowEvent(ok);
    });
}

int ChooseFileDialog::FolderLabelRoom() const
{
    return folderLabel_ ? files_->GetClientSize().x - 2 * folderLabel_->GetPosition().x : 0;
}

void ChooseFileDialog::ShowFolder()
{
    if (!folderLabel_)
        return;
    const wxString folder = WxFileName(CleanPath(FileNameFromWx(files_->GetShownDirectory())));
    // A device context of no window, only to measure the text in the
    // label's font.
    wxMemoryDC dc;
    dc.SetFont(folderLabel_->GetFont());
    // As text, not as a label: a '&' in a folder's name is no mnemonic.
    folderLabel_->SetLabelText(wxControl::Ellipsize(folder, dc, wxELLIPSIZE_START,
                                                    FolderLabelRoom(), wxELLIPSIZE_FLAGS_NONE));
}

wxString ChooseFileDialog::GetPath() const { return files_->GetPath(); }

void ChooseFileDialog::SetPath(const wxString& path) { files_->SetPath(path); }

void ChooseFileDialog::OnOk(wxCommandEvent& event)
{
    if ((style_ & wxFD_FILE_MUST_EXIST) && !wxFileName::FileExists(GetPath()))
        return;
    event.Skip();
}
