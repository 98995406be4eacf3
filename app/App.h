#pragma once

#include <wx/app.h>

class MainFrame;

class App : public wxApp {
  public:
    bool OnInit() override;

  private:
    MainFrame* mainFrame_ = nullptr;
};

// What the program does with a failed check of the window library: it writes the check's
// place and message to standard error and goes on. The library's own debug box would let a
// student end the whole program with every open window through its "Stop".
void ReportAssertionOnStderr(const wxString& file, int line, const wxString& function,
                             const wxString& condition, const wxString& message);
