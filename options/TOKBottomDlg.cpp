#include "options/TOKBottomDlg.h"

#include "host/Build.h"
#include "platform/Exception.h"
#include "platform/TIniFile.h"
#include "settings/SettingsNames.h"

#include <string>

TOKBottomDlg* OKBottomDlg = nullptr;

namespace {

template <class C> C* Published(C* found) {
    if (found == nullptr) {
        throw Exception("The form TOKBottomDlg lacks one of its controls.");
    }
    return found;
}

} // namespace

TOKBottomDlg::TOKBottomDlg(TApplication* owner) : TForm(owner) {
    LoadDescription(kTOKBottomDlgDescription);
    OKBtn = Published(FindComponent<TButton>("OKBtn"));
    CancelBtn = Published(FindComponent<TButton>("CancelBtn"));
    Panel1 = Published(FindComponent<TPanel>("Panel1"));
    Label1 = Published(FindComponent<TLabel>("Label1"));
    Label2 = Published(FindComponent<TLabel>("Label2"));
    SpeedSet = Published(FindComponent<TScrollBar>("SpeedSet"));
    pnSP = Published(FindComponent<TPanel>("pnSP"));
    PengSet = Published(FindComponent<TScrollBar>("PengSet"));
    pnPG = Published(FindComponent<TPanel>("pnPG"));
    Label3 = Published(FindComponent<TLabel>("Label3"));
}

TMethod TOKBottomDlg::MethodAddress(std::string_view name) {
    return FindPublished<TOKBottomDlg>(this, name,
                                       {
                                           {"OKBtnClick", &TOKBottomDlg::OKBtnClick},
                                           {"CancelBtnClick", &TOKBottomDlg::CancelBtnClick},
                                           {"FormCreate", &TOKBottomDlg::FormCreate},
                                           {"SpeedSetChange", &TOKBottomDlg::SpeedSetChange},
                                           {"PengSetChange", &TOKBottomDlg::PengSetChange},
                                       });
}

void TOKBottomDlg::FormCreate(TObject*) {
    {
        const TIniFile ini(Build::SettingsFile);
        SpeedSet->SetPosition(ini.ReadInteger(SettingsNames::Section, SettingsNames::SpeedKey,
                                              SettingsNames::DefaultSpeed));
        PengSet->SetPosition(ini.ReadInteger(SettingsNames::Section, SettingsNames::PenguinsKey,
                                             SettingsNames::DefaultPenguins));
    }
    pnSP->SetCaption(std::to_string(SpeedSet->Position()));
    pnPG->SetCaption(std::to_string(PengSet->Position()));
}

void TOKBottomDlg::SpeedSetChange(TObject*) {
    pnSP->SetCaption(std::to_string(SpeedSet->Position()));
}

void TOKBottomDlg::PengSetChange(TObject*) {
    pnPG->SetCaption(std::to_string(PengSet->Position()));
}

void TOKBottomDlg::OKBtnClick(TObject*) {
    {
        // Released on leaving the scope, also when a write raises.
        TIniFile ini(Build::SettingsFile);
        ini.WriteInteger(SettingsNames::Section, SettingsNames::SpeedKey, SpeedSet->Position());
        ini.WriteInteger(SettingsNames::Section, SettingsNames::PenguinsKey, PengSet->Position());
    }
    Close();
}

void TOKBottomDlg::CancelBtnClick(TObject*) {
    Close();
}
