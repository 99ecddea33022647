#pragma once

#include "platform/TButton.h"
#include "platform/TForm.h"
#include "platform/TLabel.h"
#include "platform/TPanel.h"
#include "platform/TScrollBar.h"

class TApplication;

// The options dialog of configure mode: the speed and the number of penguins on two scroll bars,
// read from the settings file when the dialog is created and written back by OK.
class TOKBottomDlg : public TForm {
public:
    explicit TOKBottomDlg(TApplication* owner);

    TButton* OKBtn = nullptr;
    TButton* CancelBtn = nullptr;
    TPanel* Panel1 = nullptr;
    TLabel* Label1 = nullptr;
    TLabel* Label2 = nullptr;
    TScrollBar* SpeedSet = nullptr;
    TPanel* pnSP = nullptr;
    TScrollBar* PengSet = nullptr;
    TPanel* pnPG = nullptr;
    TLabel* Label3 = nullptr;

    // Published handlers, bound by the form's description.
    void OKBtnClick(TObject* Sender);
    void CancelBtnClick(TObject* Sender);
    void FormCreate(TObject* Sender);
    void SpeedSetChange(TObject* Sender);
    void PengSetChange(TObject* Sender);

protected:
    TMethod MethodAddress(std::string_view name) override;
};

extern TOKBottomDlg* OKBottomDlg;

// The stored layout of the options dialog.
extern const TFormDescription kTOKBottomDlgDescription;
