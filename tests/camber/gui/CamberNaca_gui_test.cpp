#include <wx/app.h>
#include <wx/menu.h>
#include <wx/tooltip.h>

#include "camber/core/CamberPlotGeometry.h"
#include "camber/gui/CamberButtons.h"
#include "camber/gui/CamberFields.h"
#include "camber/gui/CamberLineFrame.h"
#include "camber/gui/CamberMethodFrame.h"
#include "camber/gui/CamberNacaFrame.h"
#include "camber/gui/CamberPlot.h"
#include "camber/gui/CamberPressureFrame.h"
#include "camber/gui/CamberRadios.h"
#include "tests/camber/gui/CamberGuiHelpers.h"

namespace {

using namespace luvo::test;
using namespace camber_test;

class CamberNacaFrameTest : public GuiTest {
  protected:
    CamberNacaFrame* Open() { return dynamic_cast<CamberNacaFrame*>(OpenCamberTask(0)); }
};

TEST_F(CamberNacaFrameTest, NewWindowShowsNaca2400AndTheResultsOf2412AtFiveDegrees) {
    CamberNacaFrame* f = Open();
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->GetTitle(),
              wxS("Skelett-Theorie - Vorgabe der Skelettlinie eines NACA Four-digit Profils"));
    EXPECT_EQ(f->GetSize(), wxSize(640, 600));
    EXPECT_EQ(f->Designation(), wxS("NACA 2400"));
    EXPECT_EQ(Labels(f->ResultTexts()), NacaDefaultLabels());
    EXPECT_EQ(Status(f), wxS("Gewählt: Eingabe des Winkels"));
    // Inputs as created: angle mode, lift field disabled.
    EXPECT_TRUE(f->AngleRadio()->GetValue());
    EXPECT_FALSE(f->LiftRadio()->GetValue());
    EXPECT_TRUE(f->AngleField()->IsEnabled());
    EXPECT_FALSE(f->LiftField()->IsEnabled());
    struct Field {
        wxTextCtrl* field;
        const wchar_t* text;
        wxPoint pos;
        int width;
        const wchar_t* tip;
    };
    const Field fields[] = {
        {f->AngleField(), L"5.0", {566, 30}, 34, L"Winkel alpha* in Grad eingeben"},
        {f->LiftField(), L"0.500", {560, 55}, 40, L"Auftriebsbeiwert Ca eingeben"},
        {f->CamberDigitField(), L"2", {584, 95}, 16, L"Wölbung in % eingeben"},
        {f->PositionField(), L"4", {584, 120}, 16, L"Wölbungsrücklage in %:10 eingeben"},
    };
    for (const Field& c : fields) {
        EXPECT_EQ(c.field->GetValue(), wxString(c.text));
        EXPECT_EQ(c.field->GetPosition(), c.pos);
        EXPECT_EQ(c.field->GetSize().x, c.width);
        ASSERT_NE(c.field->GetToolTip(), nullptr);
        EXPECT_EQ(c.field->GetToolTip()->GetTip(), wxString(c.tip));
    }
    EXPECT_EQ(f->LineCanvas()->GetRect(), wxRect(10, 0, 330, 260));
    EXPECT_EQ(f->PressureCanvas()->GetRect(), wxRect(10, 270, 330, 260));
    EXPECT_EQ(f->CloseButton()->GetPosition(), wxPoint(450, 505));
    EXPECT_EQ(f->CloseButton()->GetId(), 5101);
    EXPECT_EQ(f->ResultTexts()[kResultA0]->GetPosition(), wxPoint(560, 220));
    EXPECT_EQ(f->ResultTexts()[kResultPressurePoint]->GetPosition(), wxPoint(560, 425));
    wxMenuItem* close = f->GetMenuBar()->FindItem(luvo::kIdMenuQuit);
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->GetItemLabel(), wxS("&Schließen...\tAlt-S"));
}

TEST_F(CamberNacaFrameTest, LiftModeComputesTheAngleForTheLiftCoefficient) {
    CamberNacaFrame* f = Open();
    LeftDown(f->LiftRadio());
    EXPECT_TRUE(f->LiftRadio()->GetValue());
    EXPECT_FALSE(f->AngleRadio()->GetValue());
    EXPECT_TRUE(f->LiftField()->IsEnabled());
    EXPECT_FALSE(f->AngleField()->IsEnabled());
    EXPECT_EQ(Status(f), wxS("Gewählt: Eingabe des Auftriebsbeiwertes"));
    // Switching alone recalculates with the lift field's 0.500.
    EXPECT_EQ(f->ResultTexts()[kResultAlpha]->GetLabel(), wxS("2.482"));
    SetText(f->LiftField(), wxS("0.5"));
    const std::vector<std::string> labels = Labels(f->ResultTexts());
    EXPECT_EQ(labels[kResultA0], "0.039");
    EXPECT_EQ(labels[kResultAlpha], "2.482");
    EXPECT_EQ(labels[kResultCa], "0.500");
    EXPECT_EQ(labels[kResultCm], "-0.178");
    EXPECT_EQ(labels[kResultCm025], "-0.053");
    EXPECT_EQ(labels[kResultZeroLift], "-2.077");
    EXPECT_EQ(labels[kResultPressurePoint], "0.356");
    EXPECT_EQ(f->AngleField()->GetValue(), wxS("5.0"));

    // Lift coefficient 0: no pressure point.
    SetText(f->LiftField(), wxS("0"));
    EXPECT_EQ(f->ResultTexts()[kResultCa]->GetLabel(), wxS("0.000"));
    EXPECT_EQ(f->ResultTexts()[kResultPressurePoint]->GetLabel(), wxS("---"));

    // A click on the lift radio in lift mode does nothing at all.
    f->SetStatusText(wxS("vorher"));
    f->ResultTexts()[kResultCa]->SetLabel(wxS("x"));
    LeftDown(f->LiftRadio());
    EXPECT_EQ(Status(f), wxS("vorher"));
    EXPECT_EQ(f->ResultTexts()[kResultCa]->GetLabel(), wxS("x"));

    // Back to angle mode; a further click there still recalculates and names the input.
    LeftDown(f->AngleRadio());
    EXPECT_TRUE(f->AngleRadio()->GetValue());
    EXPECT_TRUE(f->AngleField()->IsEnabled());
    EXPECT_FALSE(f->LiftField()->IsEnabled());
    EXPECT_EQ(Labels(f->ResultTexts()), NacaDefaultLabels());
    f->SetStatusText(wxS("vorher"));
    f->ResultTexts()[kResultCa]->SetLabel(wxS("x"));
    LeftDown(f->AngleRadio());
    EXPECT_EQ(Status(f), wxS("Gewählt: Eingabe des Winkels"));
    EXPECT_EQ(f->ResultTexts()[kResultCa]->GetLabel(), wxS("0.776"));
}

TEST_F(CamberNacaFrameTest, CamberDigitsAndTheFlatPlate) {
    struct Case {
        const char* what;
        const wchar_t* camber;
        const wchar_t* position;
        const wchar_t* angle;
        const wchar_t* designation;
        bool camberEnabled;
        bool positionEnabled;
        // A0, A1, A2, alpha_0, f/t, alpha_2, alpha*, Ca, Cm, Cm025, alpha0, xA/t; "": any.
        std::vector<std::string> labels;
    };
    const Case cases[] = {
        {"NACA 4412 at 0 degrees",
         L"4",
         L"4",
         L"0",
         L"NACA 4400",
         true,
         true,
         {"-0.009", "0.163", "-0.028", "", "", "", "0.000", "0.456", "-0.220", "-0.106", "-4.154",
          "0.483"}},
        {"position 0",
         L"2",
         L"0",
         L"5",
         L"NACA 0000",
         false,
         true,
         {"", "0.000", "0.000", "0.000", "0.000", "0.000", "5.000", "0.548", "-0.137", "0.000",
          "0.000", "0.250"}},
        {"camber 0",
         L"0",
         L"4",
         L"5",
         L"NACA 0000",
         true,
         false,
         {"", "0.000", "0.000", "0.000", "0.000", "0.000", "5.000", "0.548", "-0.137", "0.000",
          "0.000", "0.250"}},
        {"position 3 again", L"5", L"3", L"5", L"NACA 5300", true, true, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CamberNacaFrame* f = Open();
        SetText(f->AngleField(), c.angle);
        SetText(f->CamberDigitField(), c.camber);
        SetText(f->PositionField(), c.position);
        EXPECT_EQ(f->Designation(), wxString(c.designation));
        EXPECT_EQ(f->CamberDigitField()->IsEnabled(), c.camberEnabled);
        EXPECT_EQ(f->PositionField()->IsEnabled(), c.positionEnabled);
        const std::vector<std::string> labels = Labels(f->ResultTexts());
        for (size_t i = 0; i < c.labels.size(); ++i) {
            if (!c.labels[i].empty()) {
                EXPECT_EQ(labels[i], c.labels[i]) << "result " << i;
            }
        }
    }
    // A zero locks the other digit until it is replaced.
    CamberNacaFrame* f = Open();
    SetText(f->PositionField(), wxS("0"));
    EXPECT_FALSE(f->CamberDigitField()->IsEnabled());
    SetText(f->PositionField(), wxS("3"));
    EXPECT_TRUE(f->CamberDigitField()->IsEnabled());
    EXPECT_EQ(f->Designation(), wxS("NACA 2300"));
}

TEST_F(CamberNacaFrameTest, RejectedInputEmptiesTheFieldRecalculatesWithZeroThenExplains) {
    const wxString angleCaption = wxS("Eingabe des Winkels");
    const wxString angleLength = wxS(
        "Ungültige Eingabe!\n\nEs sind maximal 5 Stellen zulässig.\n\nBitte wiederholen Sie die "
        "Eingabe des Winkels.\n\n");
    const wxString angleRange = wxS(
        "Ungültige Eingabe!\n\nFür den Winkel alpha* gilt:\n-15.0° <= alpha* <= +15.0°\n\nBitte "
        "wiederholen Sie die Eingabe des Winkels.\n\n");
    const wxString liftCaption = wxS("Eingabe des Auftriebsbeiwertes");
    const wxString liftLength = wxS(
        "Ungültige Eingabe!\n\nEs sind maximal 6 Stellen zulässig.\n\nBitte wiederholen Sie die "
        "Eingabe des Auftriebsbeiwertes.\n\n");
    const wxString liftRange =
        wxS("Ungültige Eingabe!\n\nFür den Auftriebsbeiwert Ca gilt:\n-2.0 <= Ca <= +2.0\n\nBitte "
            "wiederholen Sie die Eingabe des Auftriebsbeiwertes.\n\n");
    const wxString camberCaption = wxS("Eingabe der Wölbung");
    const wxString camberDecimals =
        wxS("Ungültige Eingabe!\n\nDie Wölbung darf maximal 5 Prozent betragen,\nNachkommastellen "
            "sind nicht zulässig.\n\nBitte wiederholen Sie die Eingabe der Wölbung.\n\n");
    const wxString camberRange = wxS(
        "Ungültige Eingabe!\n\nDie Wölbung darf maximal 5 Prozent betragen.\n\nBitte wiederholen "
        "Sie die Eingabe der Wölbung.\n\n");
    const wxString positionCaption = wxS("Eingabe der Wölbungsrücklage");
    const wxString positionText =
        wxS("Ungültige Eingabe!\n\nDie Wölbungsrücklage darf maximal 90 Prozent betragen,\n"
            "Nachkommastellen sind nicht zulässig.\n\nBitte wiederholen Sie die Eingabe der "
            "Wölbungsrücklage.\n\n");

    enum Which { kAngle, kLift, kCamber, kPosition };
    struct Case {
        Which field;
        const wchar_t* text;
        const wxString* caption;
        const wxString* message;
        // The result that shows the recalculation with 0, and its text while the box is up.
        int result;
        const char* whileShown;
    };
    const Case cases[] = {
        {kAngle, L"-12.25", &angleCaption, &angleLength, kResultAlpha, "0.000"},
        {kAngle, L"15.1", &angleCaption, &angleRange, kResultAlpha, "0.000"},
        {kAngle, L"-16", &angleCaption, &angleRange, kResultAlpha, "0.000"},
        {kLift, L"-1.5000", &liftCaption, &liftLength, kResultCa, "0.000"},
        {kLift, L"2.5", &liftCaption, &liftRange, kResultCa, "0.000"},
        // A lone sign holds no number: out of every range, not 0.
        {kLift, L"-", &liftCaption, &liftRange, kResultCa, "0.000"},
        {kCamber, L"-", &camberCaption, &camberRange, kResultCa, "0.548"},
        {kCamber, L"7", &camberCaption, &camberRange, kResultCa, "0.548"},
        {kCamber, L"2.5", &camberCaption, &camberDecimals, kResultCa, "0.548"},
        {kCamber, L"10", &camberCaption, &camberDecimals, kResultCa, "0.548"},
        {kCamber, L"-1", &camberCaption, &camberDecimals, kResultCa, "0.548"},
        {kPosition, L"12", &positionCaption, &positionText, kResultCa, "0.548"},
        {kPosition, L".5", &positionCaption, &positionText, kResultCa, "0.548"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(wxString(c.text).utf8_string());
        CamberNacaFrame* f = Open();
        if (c.field == kLift) LeftDown(f->LiftRadio());
        wxTextCtrl* fields[] = {f->AngleField(), f->LiftField(), f->CamberDigitField(),
                                f->PositionField()};
        wxTextCtrl* field = fields[c.field];
        ShownBox box;
        wxString whileShown;
        wxString designationWhileShown;
        wxTEST_DIALOG(SetText(field, c.text), ExpectBox(&box, [&] {
                          whileShown = f->ResultTexts()[c.result]->GetLabel();
                          designationWhileShown = f->Designation();
                      }));
        EXPECT_EQ(box.caption, *c.caption);
        EXPECT_EQ(box.message, *c.message);
        EXPECT_TRUE(box.HasIcon(wxICON_ERROR));
        EXPECT_EQ(whileShown, wxString::FromUTF8(c.whileShown));
        EXPECT_TRUE(field->GetValue().empty());
        if (c.field == kCamber) {
            // The empty camber reads as 0: the flat plate, the position digit locked.
            EXPECT_EQ(designationWhileShown, wxS("NACA 0000"));
            EXPECT_FALSE(f->PositionField()->IsEnabled());
        } else if (c.field == kPosition) {
            EXPECT_EQ(designationWhileShown, wxS("NACA 0000"));
            EXPECT_FALSE(f->CamberDigitField()->IsEnabled());
        }
        f->Destroy();
    }

    // Accepted at the limits: five characters of angle, six of lift coefficient.
    CamberNacaFrame* f = Open();
    SetText(f->AngleField(), wxS("-15.0"));
    EXPECT_EQ(f->ResultTexts()[kResultAlpha]->GetLabel(), wxS("-15.000"));
    SetText(f->AngleField(), wxS("15"));
    EXPECT_EQ(f->ResultTexts()[kResultAlpha]->GetLabel(), wxS("15.000"));
    LeftDown(f->LiftRadio());
    SetText(f->LiftField(), wxS("-1.500"));
    EXPECT_EQ(f->ResultTexts()[kResultCa]->GetLabel(), wxS("-1.500"));
}

TEST_F(CamberNacaFrameTest, ClickAndTabSelectTheLeadingCharactersAndNameTheInput) {
    CamberNacaFrame* f = Open();
    f->Show();
    auto* line = dynamic_cast<CamberLineFrame*>(OpenCamberTask(1));
    auto* pressure = dynamic_cast<CamberPressureFrame*>(OpenCamberTask(2));
    struct Case {
        wxFrame* window;
        wxTextCtrl* field;
        const wchar_t* text;
        long selectedTo;
        const wchar_t* status;
    };
    const Case cases[] = {
        {f, f->AngleField(), L"-12.5", 4, L"Gewählt: Eingabe des Winkels"},
        {f, f->AngleField(), L"12.5", 4, L"Gewählt: Eingabe des Winkels"},
        {f, f->LiftField(), L"0.5000", 5, L"Gewählt: Eingabe des Auftriebsbeiwertes"},
        {f, f->CamberDigitField(), L"3", 1, L"Eingabe der Wölbung"},
        {f, f->PositionField(), L"6", 1, L"Eingabe der Wölbungsrücklage"},
        {line, line->AngleField(), L"-12.5", 4, L"Eingabe des Winkels"},
        {pressure, pressure->AngleField(), L"-12.5", 4, L"Eingabe des Winkels"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.status);
        c.field->ChangeValue(c.text);
        c.window->SetStatusText(wxString());
        LeftDown(c.field);
        long from = -1;
        long to = -1;
        c.field->GetSelection(&from, &to);
        EXPECT_EQ(from, 0);
        EXPECT_EQ(to, c.selectedTo);
        EXPECT_EQ(Status(c.window), wxString(c.status));
        c.window->SetStatusText(wxString());
        c.field->SetSelection(0, 0);
        KeyUp(c.field, WXK_TAB);
        c.field->GetSelection(&from, &to);
        EXPECT_EQ(to, c.selectedTo);
        EXPECT_EQ(Status(c.window), wxString(c.status));
    }
    // The TAB at the lift field has turned the radio values (below); back to angle mode.
    LeftDown(f->AngleRadio());
    // TAB arriving at the lift field in angle mode turns the radio values only.
    KeyUp(f->LiftField(), WXK_TAB);
    EXPECT_EQ(Status(f), wxS("Gewählt: Eingabe des Auftriebsbeiwertes"));
    EXPECT_TRUE(f->LiftRadio()->GetValue());
    EXPECT_FALSE(f->AngleRadio()->GetValue());
    EXPECT_TRUE(f->AngleField()->IsEnabled());
    EXPECT_FALSE(f->LiftField()->IsEnabled());
    KeyUp(f->AngleField(), WXK_TAB);
    EXPECT_TRUE(f->AngleRadio()->GetValue());
    // TAB at the lift radio switches to lift mode and recalculates.
    KeyUp(f->LiftRadio(), WXK_TAB);
    EXPECT_TRUE(f->LiftField()->IsEnabled());
    EXPECT_EQ(f->ResultTexts()[kResultCa]->GetLabel(), wxS("0.500"));
    // TAB at the close button names it; other keys are left to the toolkit.
    KeyUp(f->CloseButton(), WXK_TAB);
    EXPECT_EQ(Status(f), wxS("Fenster schließen"));
    KeyUp(f->CloseButton(), 'A');
    EXPECT_EQ(Status(f), wxS("Fenster schließen"));
}

// Arrow keys and Space change a radio natively: the toolkit sets both values and sends the
// radio event. That must end in the same mode as a click: enabled field, status and results.
TEST_F(CamberNacaFrameTest, NativeRadioChangeEndsInTheModeOfItsRadio) {
    CamberNacaFrame* f = Open();
    SetText(f->LiftField(), wxS("0.8"));  // a disabled field still takes a programmatic text
    f->LiftField()->Enable(false);
    struct Step {
        wxRadioButton* radio;
        bool angleMode;
        const wxStringCharType* status;
        const char* ca;
    };
    const Step steps[] = {
        {f->LiftRadio(), false, wxS("Gewählt: Eingabe des Auftriebsbeiwertes"), "0.800"},
        {f->AngleRadio(), true, wxS("Gewählt: Eingabe des Winkels"), "0.776"},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.status);
        f->SetStatusText(wxString());
        ClickRadio(step.radio);  // value set natively, then the toolkit's radio event
        EXPECT_EQ(f->AngleRadio()->GetValue(), step.angleMode);
        EXPECT_EQ(f->LiftRadio()->GetValue(), !step.angleMode);
        EXPECT_EQ(f->AngleField()->IsEnabled(), step.angleMode);
        EXPECT_EQ(f->LiftField()->IsEnabled(), !step.angleMode);
        EXPECT_EQ(Status(f), wxString(step.status));
        EXPECT_EQ(f->ResultTexts()[kResultCa]->GetLabel(), wxString(step.ca));
    }
}

TEST_F(CamberNacaFrameTest, InfoMenuAndCloseButtonAndCloseEntry) {
    CamberNacaFrame* f = Open();
    f->SetStatusText(wxS("unverändert"));
    ShownBox box;
    wxTEST_DIALOG(SendMenu(f, luvo::kIdMenuInfo), ExpectBox(&box));
    EXPECT_EQ(box.caption, wxS("Info Vorgabe der Skelettlinie eines NACA Four-digit Profils"));
    EXPECT_TRUE(box.message.StartsWith(
        wxS("Nachrechenaufgabe\n\nEs kann entweder der gewünschte Winkel alpha* oder der \n"
            "Auftriebsbeiwert Ca eingegeben werden.")));
    EXPECT_TRUE(box.HasIcon(wxICON_INFORMATION));
    EXPECT_EQ(Status(f), wxS("unverändert"));

    wxWeakRef<wxFrame> first(Open());
    wxWeakRef<wxFrame> second(Open());
    SendMenu(first.get(), luvo::kIdMenuQuit);
    Click(dynamic_cast<CamberNacaFrame*>(second.get())->CloseButton());
    wxTheApp->ProcessIdle();
    EXPECT_FALSE(first);
    EXPECT_FALSE(second);
    // The window opened first is untouched and still works.
    SetText(f->AngleField(), wxS("6"));
    EXPECT_EQ(f->ResultTexts()[kResultCa]->GetLabel(), wxS("0.886"));
}

TEST_F(CamberNacaFrameTest, PlotsDrawTheWindowsState) {
    CamberNacaFrame* f = Open();
    const CamberNacaFrame::Inputs in = f->ReadInputs();
    const CamberState& s = in.state;
    const SvgDrawing line = DrawToSvg([&](wxDC& dc) { f->PaintCamberPlot(dc); });
    // 21 lines of the frame, the bars of x and z; then the red approximation, the
    // grey NACA line and the blue arrow.
    const CamberSegments red = CamberBirnbaumShiftedSegments(s.A0, s.A1, s.A2, s.alpha);
    const CamberSegments grey = CamberNacaLineSegments(in.terms.m, in.terms.p);
    const size_t axes = 21 + 2;
    ASSERT_EQ(line.lines.size(), axes + red.size() + grey.size() + 4);
    EXPECT_EQ(red.size(), 199u);
    for (size_t i = 0; i < red.size(); ++i) {
        const SvgLine& l = line.lines[axes + i];
        EXPECT_EQ(l.stroke, "#FF0000");
        EXPECT_EQ(l.x0, red[i].from.x);
        EXPECT_EQ(l.y0, red[i].from.y);
        EXPECT_EQ(l.x1, red[i].to.x);
        EXPECT_EQ(l.y1, red[i].to.y);
    }
    const SvgLine& last = line.lines[axes + 198];
    EXPECT_EQ(last.x0, 258);  // x = 0.99
    EXPECT_EQ(last.x1, 259);  // x = 0.995
    EXPECT_EQ(line.lines[axes + red.size()].stroke, "#808080");
    EXPECT_EQ(line.arcs, 1);  // 5 degrees: the angle is marked
    std::vector<std::string> legend;
    for (const SvgText& t : line.texts) legend.push_back(t.text);
    EXPECT_NE(std::find(legend.begin(), legend.end(), "- Original grau"), legend.end());
    EXPECT_NE(std::find(legend.begin(), legend.end(), "Skelettlinie"), legend.end());

    const SvgDrawing pressure = DrawToSvg([&](wxDC& dc) { f->PaintPressurePlot(dc); });
    const CamberSegments approx = CamberApproxPressureSegments(s.A0, s.A1, s.A2);
    int upper = 0;
    for (const CamberSegment& seg : approx) upper += seg.side == 0;
    EXPECT_EQ(upper, 198);
    size_t redLines = 0;
    int firstRedX = 1000;
    for (const SvgLine& l : pressure.lines) {
        if (l.stroke == "#FF0000") {
            ++redLines;
            firstRedX = std::min(firstRedX, l.x0);
        }
    }
    EXPECT_EQ(redLines, approx.size());
    EXPECT_EQ(firstRedX, 61);  // no segment at x = 0
}

}  // namespace
