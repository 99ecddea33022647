#pragma once

#include "platform/TForm.h"

class TApplication;

// The options dialog of configure mode.
class TOKBottomDlg : public TForm {
public:
    explicit TOKBottomDlg(TApplication* owner);
};

extern TOKBottomDlg* OKBottomDlg;

extern const TFormDescription kTOKBottomDlgDescription;
