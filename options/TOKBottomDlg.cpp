#include "options/TOKBottomDlg.h"

TOKBottomDlg* OKBottomDlg = nullptr;

const TFormDescription kTOKBottomDlgDescription{
    .ClassName = "TOKBottomDlg",
    .Caption = "Screen Saver Option",
    .BorderStyle = TFormBorderStyle::bsDialog,
    .Position = TPosition::poScreenCenter,
    .Color = clGray,
    .ClientWidth = 250,
    .ClientHeight = 132,
    .Font = {.Name = "Arial", .Bold = true, .Color = clWhite, .Height = 14},
};

TOKBottomDlg::TOKBottomDlg(TApplication* owner) : TForm(owner) {
    LoadDescription(kTOKBottomDlgDescription);
}
