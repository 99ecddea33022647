#pragma once

#include "platform/TForm.h"
#include "platform/TTimer.h"

class TApplication;

// The saver window: borderless, topmost, covering the primary display, without a cursor. It ends
// the program at the first sign of the user and animates the scene on its timer.
class TForm1 : public TForm {
public:
    explicit TForm1(TApplication* owner);

    void Dispatch(TMessage& Message) override;

    TTimer* Timer1 = nullptr;

    // Published handlers, bound by the form's description.
    void FormCreate(TObject* Sender);
    void FormDestroy(TObject* Sender);
    void FormKeyDown(TObject* Sender, uint16_t& Key, TShiftState Shift);
    void FormMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int32_t X,
                       int32_t Y);
    void FormMouseMove(TObject* Sender, TShiftState Shift, int32_t X, int32_t Y);
    void FormPaint(TObject* Sender);
    void Timer1Timer(TObject* Sender);

    // The frame cycle.
    void ErasePenguins();
    void MovePenguins(); // each build has its own motion rule
    void DrawPenguins();
    void PresentPenguins();
    void PlacePenguins();

protected:
    TMethod MethodAddress(std::string_view name) override;

private:
    void WMActivate(TMessage& Message);
    void WMEraseBkgnd(TMessage& Message);
    void WMSysCommand(TMessage& Message);
};

extern TForm1* Form1;

// The stored layout of the saver window.
extern const TFormDescription kTForm1Description;

// The build's starting place of penguin slot 0 to 4 on a window of width w and height h.
TPoint StartPosition(int slot, int32_t w, int32_t h);
