// The grid-input window of the panel method: its controls, wake choice, file dialogs, the checks
// of "&Starten", the grid header it reads, and its three ways of closing.

#include <wx/app.h>
#include <wx/statbox.h>
#include <wx/statusbr.h>
#include <wx/weakref.h>

#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "panel3d/core/Panel3dModule.h"
#include "panel3d/gui/Panel3dGridInputFrame.h"
#include "tests/panel3d/core/Panel3dTestGrids.h"
#include "tests/panel3d/gui/Panel3dInputWindows.h"
#include "tests/support/InfoBox.h"

namespace {

using namespace luvo::test;
using panel3d_test::Panel3dInputTest;

const wchar_t* const kAngleText =
    L"Der Wert des Anströmwinkels liegt in einem unzulässigen Bereich:\n\n"
    L"-10 <= Anströmwinkel <= 10\n";
const wchar_t* const kSideslipText =
    L"Der Wert des Schiebewinkels liegt in einem unzulässigen Bereich:\n\n"
    L"-30 <= Schiebewinkel <= 30\n";
const wchar_t* const kIterationText =
    L"Die Anzahl der Iterationen liegt in einem unzulässigen Bereich:\n\n"
    L"1 <= Anzahl der Iterationen <= 100\n";
const wchar_t* const kFileErrorText =
    L"Fehler beim Einlesen der Datei!\nDateiformat falsch oder Datei nicht vorhanden.\n";

// A grid file of 9 x 5 points with the given wake-row tag and count.
std::string GridText(const std::string& wakeTag = "#nw", const std::string& wakeRows = "12") {
    std::vector<std::string> tokens = panel3d_test::GridHeaderTokens(4, 2);
    tokens[9] = wakeTag;
    tokens[10] = wakeRows;
    return panel3d_test::GridText(tokens, panel3d_test::TestWing{4, 2}.Points());
}

class Panel3dGridInputTest : public Panel3dInputTest {
  protected:
    // Opens the window as the chooser does.
    static Panel3dGridInputFrame* OpenWindow() {
        auto* f = new Panel3dGridInputFrame(wxS("Daten über eine Datei einlesen"),
                                            wxDefaultPosition, wxSize(420, 450));
        panel3d::Panel3dGridInputWindow = f;
        f->Centre(wxBOTH);
        f->Show(true);
        return f;
    }
    static wxString Status(wxFrame* f, int field = 0) {
        return f->GetStatusBar()->GetStatusText(field);
    }
    void WriteGrid(const std::string& text) {
        std::ofstream(dir().file("grid.fdp"), std::ios::binary) << text;
    }
};

TEST_F(Panel3dGridInputTest, WindowHoldsItsControls) {
    Panel3dGridInputFrame* f = OpenWindow();
    EXPECT_EQ(f->GetSize(), wxSize(420, 450));
    ASSERT_EQ(f->GetStatusBar()->GetFieldsCount(), 2);
    EXPECT_EQ(Status(f), wxS("Rechnung starten"));
    EXPECT_EQ(f->headerError, 0);

    struct FieldRow {
        Panel3dInputField* field;
        const wchar_t* text;
        const wchar_t* tip;
        bool enabled;
    };
    const FieldRow fields[] = {
        {f->sideslipField, L"0.0", L"-30 < Schiebewinkel < 30", true},
        {f->iterationField, L"0", L"Anzahl der Iterationen eingeben", false},
        {f->coreRadiusField, L"1.0", L"Dämpfradius als Vielfaches der größten Paneldiagonale",
         false},
    };
    for (const FieldRow& r : fields) {
        EXPECT_EQ(r.field->GetValue(), wxString(r.text));
        EXPECT_EQ(r.field->GetToolTipText(), wxString(r.tip));
        EXPECT_EQ(r.field->IsEnabled(), r.enabled);
    }
    struct ButtonRow {
        wxButton* button;
        int id;
        const wchar_t* label;
        const wchar_t* tip;
        wxStaticText* fileLabel;
        const wchar_t* fileName;
    };
    const ButtonRow buttons[] = {
        {f->chooseGridButton, 7, L"&Datei wählen", L"Netzdatei auswählen", f->gridFileLabel,
         L"grid.fdp"},
        {f->choose3dButton, 8, L"D&atei wählen", L"Festlegen des Dateinamens für 3D-Ergebnisdaten",
         f->result3dFileLabel, L"3D.dat"},
        {f->chooseCpButton, 9, L"Da&tei wählen", L"Festlegen des Dateinamens für cp-Verlauf",
         f->resultCpFileLabel, L"cp-x.dat"},
        {f->chooseCaButton, 10, L"Dat&ei wählen", L"Festlegen des Dateinamens für ca-Verlauf",
         f->resultCaFileLabel, L"ca-y.dat"},
        {f->startButton, 5100, L"&Starten", L"", nullptr, nullptr},
        {f->cancelButton, 5101, L"A&bbrechen", L"Abbrechen", nullptr, nullptr},
    };
    for (const ButtonRow& b : buttons) {
        EXPECT_EQ(b.button->GetId(), b.id);
        EXPECT_EQ(b.button->GetLabel(), wxString(b.label));
        EXPECT_EQ(b.button->GetToolTipText(), wxString(b.tip));
        if (b.fileLabel) {
            EXPECT_EQ(b.fileLabel->GetLabel(), wxString(b.fileName));
        }
    }
    std::vector<wxString> boxes;
    for (wxStaticBox* box : FindAll<wxStaticBox>(f->GetPanel())) boxes.push_back(box->GetLabel());
    const std::vector<wxString> expected = {
        wxS("Auswahl der Flügelnetzdatei:"),         wxS("Auswahl der Ergebnisdatei 3D:"),
        wxS("Auswahl der Ergebnisdatei cp über x:"), wxS("Auswahl der Ergebnisdatei ca über y:"),
        wxS("Eingabe weiterer Parameter:"),
    };
    EXPECT_EQ(boxes, expected);
    EXPECT_EQ(f->wakeRadio->GetLabel(), wxS("Nachlauf:"));
    ASSERT_EQ(f->wakeRadio->GetCount(), 2u);
    EXPECT_EQ(f->wakeRadio->GetString(0), wxS("Nachlauf eben"));
    EXPECT_EQ(f->wakeRadio->GetString(1), wxS("Nachlauf relaxiert"));
    EXPECT_EQ(f->wakeRadio->GetSelection(), 0);

    wxString statusWhileOpen;
    const ShownBox seen = ShowInfoBox(f, &statusWhileOpen);
    EXPECT_EQ(statusWhileOpen, wxS("Gewählt: Info"));
    EXPECT_EQ(seen.caption, wxS("Info Datei einlesen"));
    EXPECT_TRUE(seen.HasIcon(wxICON_INFORMATION));
    EXPECT_TRUE(seen.message.EndsWith(
        wxS("Vielfaches der größten Paneldiagonalen des Flügels eingegeben.\n")));
    EXPECT_EQ(Status(f), wxS("Festlegen der Strömung, Auswahl der Dateinamen"));
}

TEST_F(Panel3dGridInputTest, TheWakeChoiceWritesTheIterationCountAndEnablesBothFields) {
    Panel3dGridInputFrame* f = OpenWindow();
    SetText(f->coreRadiusField, wxS("2.5"));
    SelectRadio(f->wakeRadio, 1);
    EXPECT_EQ(f->wakeMode, 1);
    EXPECT_EQ(f->iterationField->GetValue(), wxS("8"));
    EXPECT_TRUE(f->iterationField->IsEnabled());
    EXPECT_TRUE(f->coreRadiusField->IsEnabled());
    SetText(f->iterationField, wxS("3"));
    SelectRadio(f->wakeRadio, 0);
    EXPECT_EQ(f->wakeMode, 0);
    EXPECT_EQ(f->iterationField->GetValue(), wxS("0"));
    EXPECT_FALSE(f->iterationField->IsEnabled());
    EXPECT_FALSE(f->coreRadiusField->IsEnabled());
    EXPECT_EQ(f->coreRadiusField->GetValue(), wxS("2.5"));
}

TEST_F(Panel3dGridInputTest, FileDialogsPutTheFullPathIntoTheirLabelCancelKeepsIt) {
    Panel3dGridInputFrame* f = OpenWindow();
    const std::pair<wxButton*, wxStaticText*> rows[] = {
        {f->chooseGridButton, f->gridFileLabel},
        {f->choose3dButton, f->result3dFileLabel},
        {f->chooseCpButton, f->resultCpFileLabel},
        {f->chooseCaButton, f->resultCaFileLabel},
    };
    WriteGrid(GridText());
    int k = 0;
    for (const auto& [button, label] : rows) {
        const wxString before = label->GetLabel();
        const wxString path = wxString::FromUTF8(
            k == 0 ? dir().file("grid.fdp") : dir().file("neu" + std::to_string(k) + ".dat"));
        wxTEST_DIALOG(Click(button), ExpectFile(path, wxID_CANCEL));
        EXPECT_EQ(label->GetLabel(), before);
        ShownFileDialog seen;
        wxTEST_DIALOG(Click(button), ExpectFile(path, wxID_OK, &seen));
        EXPECT_EQ(label->GetLabel(), path);
        EXPECT_EQ(seen.proposedName, before);  // the built-in name, here still in the label
        ++k;
    }
}

TEST_F(Panel3dGridInputTest, StartChecksTheAnglesThenTheIterationsOfARelaxedWake) {
    Panel3dGridInputFrame* f = OpenWindow();
    // No grid file: a start that passes the checks ends in the file error.
    struct Case {
        double alphaStar;
        const wchar_t* beta;
        int wake;
        const wchar_t* iterations;
        const wchar_t* message;  // the check's box, or nullptr for the file error of the run
    };
    const Case cases[] = {
        {10.0, L"0", 0, nullptr, nullptr},
        {-10.0, L"-30", 0, nullptr, nullptr},
        {10.1, L"45", 0, nullptr, kAngleText},
        {-10.5, L"0", 0, nullptr, kAngleText},
        {2.5, L"30", 0, nullptr, nullptr},
        {2.5, L"30.5", 0, nullptr, kSideslipText},
        {2.5, L"-31", 1, L"0", kSideslipText},
        {2.5, L"0", 0, L"0", nullptr},
        {2.5, L"0", 1, L"0", kIterationText},
        {2.5, L"0", 1, L"", kIterationText},
        {2.5, L"0", 1, L"0.5", kIterationText},
        {2.5, L"0", 1, L"1", nullptr},
        {2.5, L"0", 1, L"100", nullptr},
        {2.5, L"0", 1, L"100.5", kIterationText},
        // A text without a number is no value, not 0.
        {2.5, L"-", 0, nullptr, kSideslipText},
        {2.5, L".", 0, nullptr, kSideslipText},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.alphaStar << " " << wxString(c.beta).utf8_string() << " " << c.wake);
        panel3d::Panel3dCurrentFlowState.alphaStar = c.alphaStar;
        SetText(f->sideslipField, c.beta);
        SelectRadio(f->wakeRadio, c.wake);
        if (c.iterations) SetText(f->iterationField, c.iterations);
        const std::shared_ptr<Panel3dModel> before = panel3d::Panel3dPanelModel;
        ShownBox seen;
        wxTEST_DIALOG(Click(f->startButton), ExpectBox(&seen));
        EXPECT_TRUE(seen.HasIcon(wxICON_ERROR));
        if (c.message) {
            EXPECT_EQ(seen.caption, wxS("Die Eingaben sind nicht korrekt!"));
            EXPECT_EQ(seen.message, wxString(c.message));
        } else {
            EXPECT_EQ(seen.caption, wxS("Fehler beim Einlesen der Datei"));
            EXPECT_EQ(seen.message, wxString(kFileErrorText));
        }
        EXPECT_EQ(panel3d::Panel3dPanelModel,
                  before);  // neither a refused nor a failed run changes it
        EXPECT_EQ(Status(f), wxS("Rechnung starten"));
        EXPECT_TRUE(panel3d::Panel3dGridInputOpen());
    }
}

TEST_F(Panel3dGridInputTest, AWrongHeaderShowsTheFileErrorAndKeepsTheWindowAndTheLastHeader) {
    Panel3dGridInputFrame* f = OpenWindow();
    // A sound header over a short body: the header is read, the run fails on the body.
    const std::string sound = GridText();
    WriteGrid(sound.substr(0, sound.size() - 40));
    ShownBox bodyBox;
    wxTEST_DIALOG(Click(f->startButton), ExpectBox(&bodyBox));
    EXPECT_EQ(bodyBox.message, wxString(kFileErrorText));
    EXPECT_EQ(f->headerError, 0);
    EXPECT_EQ(f->gridHeader.wakeRowCount, 12);
    EXPECT_EQ(f->gridHeader.chordPanelCount, 4);
    EXPECT_EQ(f->gridHeader.spanPanelCount, 2);

    const std::string broken[] = {GridText("#nv"), GridText("#nw", "0"), GridText("#nw", "9.0")};
    for (const std::string& text : broken) {
        WriteGrid(text);
        ShownBox seen;
        wxString statusWhileShown;
        wxTEST_DIALOG(Click(f->startButton), ExpectBoxNotingStatus(&seen, &statusWhileShown, f));
        EXPECT_EQ(seen.caption, wxS("Fehler beim Einlesen der Datei"));
        EXPECT_EQ(seen.message, wxString(kFileErrorText));
        EXPECT_EQ(statusWhileShown, wxS("Fehler!"));
        EXPECT_EQ(Status(f), wxS("Rechnung starten"));
        EXPECT_EQ(f->headerError, 1);
        EXPECT_EQ(f->gridHeader.wakeRowCount, 12);
        EXPECT_TRUE(panel3d::Panel3dGridInputOpen());
        EXPECT_FALSE(wxTheApp->IsScheduledForDestruction(f));
    }
    // A good file again clears the flag, and the run goes on to its end.
    WriteGrid(GridText("#nwake", "7"));
    Click(f->startButton);
    EXPECT_EQ(f->headerError, 0);
    EXPECT_EQ(f->gridHeader.wakeRowCount, 7);
    EXPECT_FALSE(panel3d::Panel3dGridInputOpen());
}

TEST_F(Panel3dGridInputTest, ButtonMenuAndTitleBarCloseItAndClearItsFlag) {
    const std::function<void(Panel3dGridInputFrame*)> closers[] = {
        [](Panel3dGridInputFrame* f) { Click(f->cancelButton); },
        [](Panel3dGridInputFrame* f) { SendMenu(f, luvo::kIdMenuClose); },
        [](Panel3dGridInputFrame* f) { f->Close(); },
    };
    for (const auto& close : closers) {
        Panel3dGridInputFrame* f = OpenWindow();
        wxWeakRef<wxFrame> ref(f);
        close(f);
        EXPECT_FALSE(panel3d::Panel3dGridInputOpen());
        wxTheApp->ProcessIdle();
        EXPECT_FALSE(ref);
    }
}

}  // namespace
