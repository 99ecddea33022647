#include "saver/TForm1.h"

namespace {

const TComponentDescription kComponents[] = {
    {.Kind = TComponentKind::Timer,
     .Name = "Timer1",
     .Enabled = false,
     .Interval = 40,
     .OnEvent = "Timer1Timer"},
};

} // namespace

const TFormDescription kTForm1Description{
    .ClassName = "TForm1",
    .Caption = "Form1",
    .BorderStyle = TFormBorderStyle::bsNone,
    .FormStyle = TFormStyle::fsStayOnTop,
    .Color = clBtnFace,
    .Left = 200,
    .Top = 107,
    .ClientWidth = 427,
    .ClientHeight = 273,
    .OldCreateOrder = true,
    .OnCreate = "FormCreate",
    .OnDestroy = "FormDestroy",
    .OnKeyDown = "FormKeyDown",
    .OnMouseDown = "FormMouseDown",
    .OnMouseMove = "FormMouseMove",
    .OnPaint = "FormPaint",
    .Components = kComponents,
};
