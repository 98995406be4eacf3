#pragma once
// Window tests of the supersonic method: the design window left open by a test is closed through
// the module, so no later test finds a stale one.

#include <wx/app.h>
#include <wx/statusbr.h>
#include <wx/weakref.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "app/MainFrame.h"
#include "supersonic/gui/SupersonicCanvases.h"
#include "supersonic/gui/SupersonicContourFrame.h"
#include "supersonic/gui/SupersonicControls.h"
#include "supersonic/gui/SupersonicDesignWindows.h"
#include "supersonic/gui/SupersonicMethodFrame.h"
#include "supersonic/gui/SupersonicModule.h"
#include "supersonic/gui/SupersonicPartsFrame.h"
#include "tests/support/GuiHarness.h"

namespace supersonic_test {

class SupersonicGuiTest : public luvo::test::GuiTest {
  protected:
    void TearDown() override {
        CloseSupersonicDesignFrame();
        luvo::test::GuiTest::TearDown();
    }
    SupersonicMethodFrame* OpenMethod() {
        return dynamic_cast<SupersonicMethodFrame*>(OpenMethodWindow(5));
    }
    std::string Write(const std::string& name, const std::string& text) {
        const std::string path = dir().file(name);
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }
};

inline wxString Status(wxFrame* frame) { return frame->GetStatusBar()->GetStatusText(0); }

inline std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace supersonic_test
