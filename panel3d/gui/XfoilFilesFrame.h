#pragma once
// "XFOIL Dateien": the seven files of the XFOIL drag computation of one run. "&Starten" writes
// the section profiles, the command file and the batch file and opens the run window, which
// tells the user to run the batch file.

#include <wx/button.h>
#include <wx/stattext.h>
#include <wx/weakref.h>

#include <array>

#include "common/gui/LuvoFrame.h"
#include "panel3d/core/Panel3dResultSeries.h"
#include "panel3d/core/Panel3dXfoil.h"

class XfoilRunFrame;

class XfoilFilesFrame : public luvo::LuvoFrame {
  public:
    // Files in the window's order: profile base name, result base name, XFOIL program path,
    // command file, coefficient file, error log, batch file.
    enum File { kProfile, kResult, kProgram, kCommand, kCoefficients, kLog, kBatch, kFileCount };

    // `run` is the solved run whose sections go to XFOIL.
    XfoilFilesFrame(const wxString& title, const wxPoint& pos, const wxSize& size, long style,
                    Panel3dRun run);

    // The names in force, as the labels show them.
    Panel3dXfoilNames Names() const;

    std::array<wxButton*, kFileCount> fileButtons{};
    std::array<wxStaticText*, kFileCount> nameTexts{};
    wxButton* startButton = nullptr;
    wxButton* cancelButton = nullptr;

  private:
    void OnInfo(wxCommandEvent& event);
    void OnChooseFile(wxCommandEvent& event);
    void OnStart(wxCommandEvent& event);

    Panel3dRun run_;
    wxDECLARE_EVENT_TABLE();
};

namespace panel3d {
// The newest of each kind of XFOIL window (several may be open); empty once it is closed.
inline wxWeakRef<XfoilFilesFrame> g_xfoilFilesFrame;
inline wxWeakRef<XfoilRunFrame> g_xfoilRunFrame;
}  // namespace panel3d

// Opens a further file window on `run`, centred and shown ("X&FOIL starten").
XfoilFilesFrame* OpenXfoilFilesFrame(const Panel3dRun& run);
