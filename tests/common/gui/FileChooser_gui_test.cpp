#include <wx/file.h>
#include <wx/filedlg.h>

#include "common/gui/FileChooser.h"
#include "common/gui/LuvoFrame.h"
#include "common/gui/RangeCheckBox.h"
#include "tests/support/GuiHarness.h"

namespace {

using namespace luvo::test;

class CommonInputTest : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        frame = new luvo::LuvoFrame(wxS("Probe"), wxDefaultPosition, wxSize(420, 300));
        row = luvo::AddFileChooserRow(frame->GetPanel(), 60, 7, wxS("Auswahl:"),
                                      wxS("D&atei wählen"), wxS("Tipp"), wxS("3D.dat"));
    }
    luvo::LuvoFrame* frame = nullptr;
    luvo::FileChooserRow row;
};

TEST_F(CommonInputTest, ChooserRowPlacesButtonAndLabelInItsBox) {
    EXPECT_EQ(row.button->GetId(), 7);
    EXPECT_EQ(row.button->GetPosition(), wxPoint(20, 76));
    EXPECT_EQ(row.button->GetToolTipText(), wxS("Tipp"));
    EXPECT_EQ(row.label->GetPosition(), wxPoint(120, 81));
    EXPECT_EQ(row.label->GetLabel(), wxS("3D.dat"));
    // A long path stays inside the box and is kept whole.
    const wxString path =
        wxS("/home/studentin/Übungen/Aerodynamik/Tragflügel/Ergebnisse/"
            "rechteckflügel_gepfeilt_alpha_5.dat");
    row.label->SetLabel(path);
    EXPECT_EQ(row.label->GetLabel(), path);
    EXPECT_LE(row.label->GetRect().GetRight(), 400);
}

// A confirmed dialog puts the full path into the label; a cancelled one leaves the first choice;
// every dialog proposes the built-in name, not what the label shows.
TEST_F(CommonInputTest, DialogsProposeTheBuiltInNameAndOnlyOkChangesTheLabel) {
    const wxString first = wxString::FromUTF8((dir().path() / "erste.dat").string());
    wxFile().Create(first);  // GTK reports the path of an open dialog only for a file that exists
    ShownFileDialog seen;
    bool chosen = false;
    wxTEST_DIALOG(
        chosen = luvo::ChooseFileInto(frame, row.label, luvo::ResultFileChoice(wxS("3D.dat"))),
        ExpectFile(first, wxID_OK, &seen));
    EXPECT_TRUE(chosen);
    EXPECT_EQ(row.label->GetLabel(), first);
    EXPECT_EQ(seen.message, wxS("Dateiname wählen"));
    EXPECT_EQ(seen.proposedName, wxS("3D.dat"));
    EXPECT_EQ(seen.wildcard, wxS("*.dat"));
    EXPECT_TRUE(seen.style & wxFD_SAVE);
    EXPECT_FALSE(seen.style & wxFD_OVERWRITE_PROMPT);

    wxTEST_DIALOG(chosen = luvo::ChooseFileInto(
                      frame, row.label, luvo::GridFileChoice(wxS("grid.fdw"), wxS("*.fdw"))),
                  ExpectFile(first, wxID_CANCEL, &seen));
    EXPECT_FALSE(chosen);
    EXPECT_EQ(row.label->GetLabel(), first);
    EXPECT_EQ(seen.message, wxS("Datei wählen"));
    EXPECT_EQ(seen.proposedName, wxS("grid.fdw"));
    EXPECT_EQ(seen.wildcard, wxS("*.fdw"));
    EXPECT_TRUE(seen.style & wxFD_OPEN);
    EXPECT_FALSE(seen.style & wxFD_FILE_MUST_EXIST);
}

TEST_F(CommonInputTest, RangeChecksShowOnlyTheFirstFailureInTheErrorBox) {
    ShownBox seen;
    bool passed = true;
    wxTEST_DIALOG(
        passed = luvo::PassRangeChecks(
            frame, {{0, -10, 10, "erste"}, {20, -10, 10, "zweite Größe"}, {40, -30, 30, "dritte"}}),
        ExpectBox(&seen));
    EXPECT_FALSE(passed);
    EXPECT_EQ(seen.caption, wxS("Die Eingaben sind nicht korrekt!"));
    EXPECT_EQ(seen.message, wxS("zweite Größe"));
    EXPECT_TRUE(seen.HasIcon(wxICON_ERROR));
    EXPECT_TRUE(luvo::PassRangeChecks(frame, {{10, -10, 10, "erste"}}));  // no box expected
}

}  // namespace
