#include "host/GlacimoMain.h"

#include "host/Build.h"
#include "host/ModeKey.h"
#include "options/TOKBottomDlg.h"
#include "platform/System.h"
#include "platform/TApplication.h"
#include "saver/TForm1.h"

namespace {

// Both builds share the name, so at most one instance of either runs at a time.
constexpr char kGuardName[] = "Glacimo";
constexpr char kSaverClass[] = "TForm1";

void RunMode(Mode mode) {
    switch (mode) {
    case Mode::Run:
        Application->Title = Build::Title;
        Application->CreateForm(Form1);
        Application->Run();
        break;
    case Mode::Configure:
        Application->CreateForm(OKBottomDlg);
        Application->Run();
        break;
    case Mode::Preview:
        // Nothing is drawn into the host's preview; a running saver is left alone.
        if (!System::FindWindowByClass(kSaverClass)) {
            Application->Run();
        }
        break;
    case Mode::Password:
        System::Beep();
        Application->MessageBox("Password not supported");
        break;
    case Mode::None:
        System::Beep();
        break;
    }
}

} // namespace

int GlacimoMain() {
    if (System::CreateGuard(kGuardName) == System::GuardResult::AlreadyExists) {
        return 0;
    }
    try {
        Application->Initialize();
        RunMode(ModeFromKey(ModeKey(System::ParamStrs())));
    } catch (const std::exception& e) {
        Application->ShowException(e);
    }
    return 0;
}
