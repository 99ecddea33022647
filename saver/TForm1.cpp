#include "saver/TForm1.h"

#include "platform/System.h"
#include "platform/TBitmap.h"
#include "saver/Scene.h"
#include "settings/SaverSettings.h"

TForm1* Form1 = nullptr;

namespace {

// A move within this many pixels of the start position on both axes keeps the saver running:
// the first move report after showing the window, and a shaking desk, must not end it.
constexpr int32_t kMoveTolerance = 10;

} // namespace

TForm1::TForm1(TApplication* owner) : TForm(owner) {
    LoadDescription(kTForm1Description);
    Timer1 = FindComponent<TTimer>("Timer1");
}

TMethod TForm1::MethodAddress(std::string_view name) {
    return FindPublished<TForm1>(this, name,
                                 {
                                     {"FormCreate", &TForm1::FormCreate},
                                     {"FormDestroy", &TForm1::FormDestroy},
                                     {"FormKeyDown", &TForm1::FormKeyDown},
                                     {"FormMouseDown", &TForm1::FormMouseDown},
                                     {"FormMouseMove", &TForm1::FormMouseMove},
                                     {"FormPaint", &TForm1::FormPaint},
                                     {"Timer1Timer", &TForm1::Timer1Timer},
                                 });
}

void TForm1::FormCreate(TObject*) {
    const SaverSettings settings = ReadSaverSettings();
    Speed = settings.Speed;
    PenguinCount = settings.PenguinCount;
    const TPoint screen = System::PrimaryScreenSize();
    SetLeft(0);
    SetTop(0);
    SetWidth(screen.x);
    SetHeight(screen.y);
    SetCursor(crNone);
    StartCursor = System::GetCursorPos();
    BuildScene(Width(), Height());
    SetImeDisabled();
    PlacePenguins();
}

void TForm1::FormDestroy(TObject*) {
    Timer1->SetEnabled(false);
    ReleaseScene();
}

void TForm1::FormKeyDown(TObject*, uint16_t&, TShiftState) {
    Close();
}

void TForm1::FormMouseDown(TObject*, TMouseButton, TShiftState, int32_t, int32_t) {
    Close();
}

void TForm1::FormMouseMove(TObject*, TShiftState, int32_t X, int32_t Y) {
    // Computed in 64 bits: the positions are any 32-bit values.
    const int64_t dx = int64_t(X) - StartCursor.x;
    const int64_t dy = int64_t(Y) - StartCursor.y;
    if (dx < -kMoveTolerance || dx > kMoveTolerance || dy < -kMoveTolerance ||
        dy > kMoveTolerance) {
        Close();
    }
}

void TForm1::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case WM_ACTIVATE:
        WMActivate(Message);
        break;
    case WM_ERASEBKGND:
        WMEraseBkgnd(Message);
        break;
    case WM_SYSCOMMAND:
        WMSysCommand(Message);
        break;
    default:
        TForm::Dispatch(Message);
        break;
    }
}

void TForm1::WMActivate(TMessage& Message) {
    if ((Message.WParam & 0xFFFF) == WA_INACTIVE) {
        Close();
    }
}

// The window never paints its background: every paint covers the invalid area from the back
// buffer, so erasing first would only flash the form's colour.
void TForm1::WMEraseBkgnd(TMessage& Message) {
    Message.Result = 0;
}

void TForm1::WMSysCommand(TMessage& Message) {
    // A screen-saver start while the saver runs is answered as handled; the whole wParam is
    // compared, as the system sends it.
    if (Message.WParam == SC_SCREENSAVE) {
        Message.Result = 1;
        return;
    }
    TForm::Dispatch(Message);
}
