#pragma once

#include <FL/Fl_Window.H>

#include <cstdint>

class TForm;

// The X window of a form: turns FLTK's events into the form's window messages. A plain
// Fl_Window: the form keeps its own back buffer, and nothing is drawn but what the form presents.
class FltkFormWindow : public Fl_Window {
  public:
    FltkFormWindow(TForm* form, int x, int y, int w, int h);

    TForm* Form() const { return form_; }
    int handle(int event) override;
    void draw() override;

    // Gives the window the input focus when it is viewable: a bare X server gives it none, and a
    // window manager may not.
    void TakeFocus();
    // Asks the window manager, where one runs, to keep the window above the others.
    void KeepAbove();

  private:
    void Send(uint32_t msg, uint32_t wParam, uint32_t lParam);
    void SendKey();
    void SendButton();
    void SendMove();
    void SetActive(bool active);

    TForm* form_;
};
