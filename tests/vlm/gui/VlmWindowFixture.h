#pragma once
// The fixture of the vortex-lattice window tests: the module starts and ends empty, and the
// windows open the way the student opens them.

#include <wx/app.h>
#include <wx/statusbr.h>

#include "app/MainFrame.h"
#include "common/core/NumberText.h"
#include "tests/support/GuiHarness.h"
#include "vlm/gui/VlmDiscretisationFrame.h"
#include "vlm/gui/VlmGeometryFrame.h"
#include "vlm/gui/VlmGridInputFrame.h"
#include "vlm/gui/VlmMethodFrame.h"
#include "vlm/gui/VlmModule.h"

namespace vlm_test {

using namespace luvo::test;

inline void ResetModule() {
    vlm::VlmGridFileName.clear();
    vlm::VlmResult3dFileName.clear();
    vlm::VlmResultCpFileName.clear();
    vlm::VlmResultCaFileName.clear();
    vlm::VlmGridInputWindow.Release();
    vlm::VlmGeometryWindow.Release();
    vlm::VlmDiscretisationWindow.Release();
    vlm::VlmProgressWindow = nullptr;
    vlm::VlmResultsWindow.Release();
    vlm::VlmRunActive = false;
}

// A value as a drag writes it.
inline wxString Two(double v) { return wxString::FromUTF8(luvo::FormatNumber("%2.2f", v)); }

inline wxString Status(wxFrame* f, int field = 0) {
    return f->GetStatusBar()->GetStatusText(field);
}

class VlmWindowTest : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        ResetModule();
    }
    void TearDown() override {
        GuiTest::TearDown();
        ResetModule();
    }
    // The main window's way of opening the method.
    static VlmMethodFrame* OpenMethod() {
        auto* frame = dynamic_cast<VlmMethodFrame*>(OpenMethodWindow(4));
        EXPECT_NE(frame, nullptr);
        return frame;
    }
    static VlmGridInputFrame* OpenGridInput(VlmMethodFrame* method) {
        SelectRadio(method->taskRadio, 0);
        Click(method->okButton);
        return vlm::VlmGridInputWindow;
    }
    static VlmGeometryFrame* OpenGeometry(VlmMethodFrame* method) {
        SelectRadio(method->taskRadio, 1);
        Click(method->okButton);
        return vlm::VlmGeometryWindow;
    }
    // The discretisation window as "&Weiter" opens it from a fresh geometry window.
    static VlmDiscretisationFrame* OpenDiscretisation() {
        VlmGeometryFrame* geometry = OpenGeometry(OpenMethod());
        Click(geometry->nextButton);
        return vlm::VlmDiscretisationWindow;
    }
    static void Settle() {
        for (int i = 0; i < 5; ++i) wxTheApp->ProcessIdle();
    }
    // The box that "&Starten" or "&Weiter" shows, or an empty caption when none appears.
    static ShownBox BoxOf(wxButton* button) {
        BoxRecorder boxes;
        Click(button);
        EXPECT_LE(boxes.boxes().size(), 1u);
        return boxes.boxes().empty() ? ShownBox() : boxes.boxes().front();
    }
};

}  // namespace vlm_test
