#include "platform/TButton.h"

#include "platform/TApplication.h"
#include "platform/TForm.h"

void TButton::Click() {
    if (OnClick) {
        OnClick(this);
    }
}

void TButton::Press() {
    Form()->Application()->Guarded([this] { Click(); });
}
