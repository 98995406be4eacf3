#pragma once

#include <wx/app.h>

class MainFrame;

class App : public wxApp {
  public:
    bool OnInit() override;

  private:
    MainFrame* mainFrame_ = nullptr;
};
