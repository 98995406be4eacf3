#include <wx/clipbrd.h>
#include <wx/uiaction.h>

#include <functional>

#include "tests/supersonic/gui/SupersonicGuiFixture.h"

namespace {

using namespace luvo::test;
using namespace supersonic_test;

class ScreenSupersonicTour : public SupersonicGuiTest {};

TEST_F(ScreenSupersonicTour, MethodPartsAndContourWindows) {
    SupersonicMethodFrame* m = OpenMethod();
    EXPECT_TRUE(CaptureFrame(m).IsOk());
    SaveTourShot(m, "supersonic_method");
    m->Hide();

    SupersonicPartsFrame* parts = OpenSupersonicPartsFrame(wxEmptyString);
    EXPECT_TRUE(CaptureFrame(parts).IsOk());
    SaveTourShot(parts, "supersonic_parts");
    // Every option on, and a state behind a shock that is subsonic.
    for (SupersonicOptionCheckBox* box :
         {parts->showLinearDeltaCheckBox, parts->showShockUpperCheckBox,
          parts->showShockLowerCheckBox, parts->showShockDeltaCheckBox}) {
        box->Action();
    }
    SetText(parts->alphaField, wxS("15"));
    SetText(parts->machField, wxS("1.2"));
    ASSERT_TRUE(parts->subsonicWarningText->IsShown());
    EXPECT_TRUE(CaptureFrame(parts).IsOk());
    SaveTourShot(parts, "supersonic_parts_subsonic");
    // A flat plate at Mach 1.61: the cp curves reach far beyond the plotted range.
    SetText(parts->antimetricCountField, wxS("0"));
    SetText(parts->symmetricCountField, wxS("0"));
    SetText(parts->machField, wxS("1.61"));
    SaveTourShot(parts, "supersonic_parts_flat_plate");
    // Coefficients of the camber part typed large: results of up to 13 characters.
    SetText(parts->machField, wxS("3"));
    SetText(parts->alphaField, wxS("3"));
    parts->coefficientCheckBox->Action();
    SetText(parts->coefficientFields[0], wxS("3000"));
    SetText(parts->coefficientFields[1], wxS("1000"));
    SaveTourShot(parts, "supersonic_parts_large_values");

    SupersonicContourFrame* contour = OpenSupersonicContourFrame(wxEmptyString);
    EXPECT_TRUE(CaptureFrame(contour).IsOk());
    SaveTourShot(contour, "supersonic_contour");
    const std::string pol = Write("profil.pol",
                                  "1 0\n0.75 0.02\n0.5 0.04\n0.25 0.03\n0 0\n"
                                  "0.25 -0.01\n0.5 -0.02\n0.75 -0.01\n1 0\n");
    contour = OpenSupersonicContourFrame(wxString::FromUTF8(pol));
    EXPECT_TRUE(CaptureFrame(contour).IsOk());
    SaveTourShot(contour, "supersonic_contour_file");
}

class ScreenSupersonicInput : public SupersonicGuiTest {
  protected:
    template <class Frame>
    Frame* Shown(Frame* f) {
        EXPECT_TRUE(CaptureFrame(f).IsOk());
        return f;
    }
};

// Real clicks and keys: each toggles exactly once, through the control's own action.
TEST_F(ScreenSupersonicInput, RealClicksAndKeysToggleExactlyOnce) {
    SupersonicPartsFrame* f = Shown(OpenSupersonicPartsFrame(wxEmptyString));
    RealClick(f->showShockUpperCheckBox, wxPoint(6, 6));
    ASSERT_TRUE(WaitFor([&] { return f->showShockUpperCheckBox->GetValue(); }, 2000));
    Pump(100);
    EXPECT_TRUE(f->showShockUpperCheckBox->GetValue());
    RealClick(f->linearRadio, wxPoint(6, 6));
    ASSERT_TRUE(WaitFor([&] { return f->splineRadio->GetValue(); }, 2000));
    Pump(100);
    EXPECT_TRUE(f->splineRadio->GetValue());
    EXPECT_FALSE(f->linearRadio->GetValue());
    EXPECT_TRUE(f->curvatureStartField->IsEnabled());
    EXPECT_EQ(Status(f), wxS("Gewählt: Spline Methode"));

    struct Key {
        int code;
        const char* name;
    };
    for (const Key& k : {Key{WXK_SPACE, "space"}, Key{'x', "x"}, Key{WXK_RETURN, "return"}}) {
        SCOPED_TRACE(k.name);
        const bool before = f->showShockLowerCheckBox->GetValue();
        f->showShockLowerCheckBox->SetFocus();
        Pump(50);
        RealKey(k.code);
        ASSERT_TRUE(WaitFor([&] { return f->showShockLowerCheckBox->GetValue() != before; }, 2000));
        Pump(100);
        EXPECT_NE(f->showShockLowerCheckBox->GetValue(), before);
    }
    // Arrow keys on the radio pair switch it once, never natively as well.
    f->splineRadio->SetFocus();
    Pump(50);
    RealKey(WXK_LEFT);
    ASSERT_TRUE(WaitFor([&] { return f->linearRadio->GetValue(); }, 2000));
    Pump(100);
    EXPECT_TRUE(f->linearRadio->GetValue());
    EXPECT_FALSE(f->splineRadio->GetValue());
    EXPECT_FALSE(f->curvatureEndField->IsEnabled());
}

// A click on a check box or radio button leaves the focus there, although their handlers
// consume the press: the next Space acts on the clicked control, not on the field typed into
// before.
TEST_F(ScreenSupersonicInput, ClickedBoxOrRadioTakesTheFocusAndTheNextSpace) {
    SupersonicPartsFrame* f = Shown(OpenSupersonicPartsFrame(wxEmptyString));
    const struct {
        const char* name;
        wxWindow* control;
        std::function<bool()> state;
    } cases[] = {
        {"option box", f->showShockUpperCheckBox,
         [f] { return f->showShockUpperCheckBox->GetValue(); }},
        {"coefficient box", f->coefficientCheckBox,
         [f] { return f->coefficientCheckBox->GetValue(); }},
        {"mode radio", f->linearRadio, [f] { return f->splineRadio->GetValue(); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RealClick(f->machField, wxPoint(5, 5));
        ASSERT_TRUE(WaitFor([&] { return wxWindow::FindFocus() == f->machField; }, 2000));
        const wxString mach = f->machField->GetValue();
        const bool before = c.state();
        RealClick(c.control, wxPoint(6, 6));
        ASSERT_TRUE(WaitFor([&] { return c.state() != before; }, 2000));
        EXPECT_EQ(wxWindow::FindFocus(), c.control);
        RealKey(WXK_SPACE);
        EXPECT_TRUE(WaitFor([&] { return c.state() == before; }, 2000));
        EXPECT_EQ(f->machField->GetValue(), mach);
    }
}

// Shift+Tab from the field "x/t=0" back into the "Spline" radio moves the focus and nothing
// else; a modifier key on its own does nothing on an option box either.
TEST_F(ScreenSupersonicInput, ModifierKeysAloneLeaveRadiosAndBoxesAsTheyAre) {
    SupersonicContourFrame* c = Shown(OpenSupersonicContourFrame(wxEmptyString));
    ASSERT_TRUE(c->upperSplineRadio->GetValue());
    const wxString status = Status(c);
    c->upperCurvatureStartField->SetFocus();
    ASSERT_TRUE(WaitFor([&] { return wxWindow::FindFocus() == c->upperCurvatureStartField; }));
    BoxRecorder boxes;
    RealKey(WXK_TAB, wxMOD_SHIFT);
    EXPECT_TRUE(WaitFor([&] { return wxWindow::FindFocus() == c->upperSplineRadio; }, 2000));
    Pump(100);
    EXPECT_TRUE(c->upperSplineRadio->GetValue());
    EXPECT_FALSE(c->upperLinearRadio->GetValue());
    EXPECT_TRUE(c->upperCurvatureStartField->IsEnabled());
    EXPECT_EQ(Status(c), status);

    SupersonicPartsFrame* f = Shown(OpenSupersonicPartsFrame(wxEmptyString));
    struct Key {
        int code;
        const char* name;
    };
    for (const Key& k : {Key{WXK_SHIFT, "Shift"}, Key{WXK_CONTROL, "Ctrl"}, Key{WXK_ALT, "Alt"}}) {
        SCOPED_TRACE(k.name);
        f->showShockLowerCheckBox->SetFocus();
        ASSERT_TRUE(WaitFor([&] { return wxWindow::FindFocus() == f->showShockLowerCheckBox; }));
        const bool before = f->showShockLowerCheckBox->GetValue();
        RealKey(k.code);
        Pump(100);
        EXPECT_EQ(f->showShockLowerCheckBox->GetValue(), before);
    }
    for (const ShownBox& b : boxes.boxes()) ADD_FAILURE() << b.message.utf8_str();
}

// A real drag of the camber point: it ends where the pointer ends, 2500 pixels per unit z above
// the chord at y = 140, and the labels show the recomputed profile.
TEST_F(ScreenSupersonicInput, RealDragMovesTheCamberPoint) {
    SupersonicPartsFrame* f = Shown(OpenSupersonicPartsFrame(wxEmptyString));
    const wxString lift = f->liftShockText->GetLabel();
    RealFastDrag(f->camberCanvas, wxPoint(240, 90), wxPoint(259, 80));
    const SupersonicPoint p = f->Profile().part1.supportPoints[0];
    EXPECT_NEAR(p.x, (259 - 50) / 380.0, 1e-12);
    EXPECT_NEAR(p.z, (140 - 80) / 2500.0, 1e-12);
    EXPECT_NE(f->liftShockText->GetLabel(), lift);

    SupersonicContourFrame* c = Shown(OpenSupersonicContourFrame(wxEmptyString));
    RealFastDrag(c->contourCanvas, wxPoint(50 + 127, 100 - 52), wxPoint(50 + 152, 100 - 40));
    const SupersonicPoint q = c->Profile().part1.supportPoints[0];
    EXPECT_NEAR(q.x, 152 / 380.0, 1e-12);
    EXPECT_NEAR(q.z, 0.04, 1e-12);
}

// Real keys into the range and count fields, as a student types them.
class ScreenSupersonicTyping : public SupersonicGuiTest {
  protected:
    SupersonicPartsFrame* Open() {
        SupersonicPartsFrame* f = OpenSupersonicPartsFrame(wxEmptyString);
        Present(f);
        return f;
    }
    static void Focus(wxTextCtrl* field) {
        field->SetFocus();
        WaitFor([&] { return wxWindow::FindFocus() == field; }, 1000);
    }
    // What a refused key or paste must leave as it was.
    struct Snapshot {
        wxString text;
        long from = 0, to = 0;
        double mach = 0, alpha = 0, kappa = 0;
        wxString lift, thickness;
        bool operator==(const Snapshot& o) const {
            return text == o.text && from == o.from && to == o.to && mach == o.mach &&
                   alpha == o.alpha && kappa == o.kappa && lift == o.lift &&
                   thickness == o.thickness;
        }
    };
    static Snapshot Take(SupersonicPartsFrame* f, wxTextCtrl* field) {
        Snapshot s;
        s.text = field->GetValue();
        field->GetSelection(&s.from, &s.to);
        s.mach = f->Profile().mach;
        s.alpha = f->Profile().alpha;
        s.kappa = f->Profile().kappa;
        s.lift = f->liftShockText->GetLabel();
        s.thickness = f->thicknessText->GetLabel();
        return s;
    }
};

TEST_F(ScreenSupersonicTyping, ARefusedKeyOnASelectionChangesNothing) {
    SupersonicPartsFrame* f = Open();
    struct Field {
        wxTextCtrl* field;
        const char* name;
    };
    struct Key {
        int code;
        const char* name;
    };
    for (const Field& c : {Field{f->alphaField, "alpha*"}, Field{f->kappaField, "kappa"},
                           Field{f->symmetricCountField, "symmetric count"}}) {
        for (const Key& k : {Key{'x', "x"}, Key{WXK_SPACE, "blank"}}) {
            SCOPED_TRACE(std::string(c.name) + ", key " + k.name);
            Focus(c.field);
            c.field->SelectAll();
            const Snapshot before = Take(f, c.field);
            ASSERT_GT(before.to, before.from);
            BoxRecorder boxes;
            RealKey(k.code);
            Pump(100);
            EXPECT_TRUE(Take(f, c.field) == before) << "text now \"" << c.field->GetValue()
                                                    << "\", lift " << f->liftShockText->GetLabel();
            for (const ShownBox& b : boxes.boxes()) ADD_FAILURE() << b.message.utf8_str();
        }
    }
}

// A configuration file may have put a character there that no key could: deleting it is no
// refused change.
TEST_F(ScreenSupersonicTyping, ARefusedCharacterFromAFileCanBeDeleted) {
    SupersonicPartsFrame* f = Open();
    f->alphaField->SetQuietly(wxS("7ab"));
    Focus(f->alphaField);
    f->alphaField->SetInsertionPointEnd();
    RealKey(WXK_BACK);
    EXPECT_EQ(f->alphaField->GetValue(), wxS("7a"));
    RealKey(WXK_BACK);
    EXPECT_EQ(f->alphaField->GetValue(), wxS("7"));
    EXPECT_DOUBLE_EQ(f->Profile().alpha, 7.0);
}

TEST_F(ScreenSupersonicTyping, APasteWithRefusedCharactersIsRefusedWhole) {
    SupersonicPartsFrame* f = Open();
    // Selects the alpha* field's text and pastes `clip` over it; returns the state before.
    auto pasteOver = [&](const char* clip) {
        if (wxTheClipboard->Open()) {
            wxTheClipboard->SetData(new wxTextDataObject(wxString::FromUTF8(clip)));
            wxTheClipboard->Close();
        }
        Focus(f->alphaField);
        f->alphaField->SelectAll();
        const Snapshot before = Take(f, f->alphaField);
        RealKey('v', wxMOD_CONTROL);
        Pump(100);
        return before;
    };
    BoxRecorder boxes;
    for (const char* clip : {"2x5", "2 5", "-"}) {
        SCOPED_TRACE(clip);
        const Snapshot before = pasteOver(clip);
        if (std::string(clip) == "-") {
            // Only characters the field takes: pasted, and pending like a typed "-".
            EXPECT_EQ(f->alphaField->GetValue(), wxS("-"));
            EXPECT_DOUBLE_EQ(f->Profile().alpha, before.alpha);
        } else {
            EXPECT_TRUE(Take(f, f->alphaField) == before) << f->alphaField->GetValue();
        }
    }
    // A paste of what the field accepts goes in, with its decimal comma read as a point, and
    // without the blanks, tabs and line ends around it.
    struct Pasted {
        const char* clip;
        const char* text;
        double alpha;
    };
    for (const Pasted& p : {Pasted{"3 ", "3", 3.0}, Pasted{" 2.5\n", "2.5", 2.5},
                            Pasted{"\t-1.5\r\n", "-1.5", -1.5}, Pasted{"2,5", "2,5", 2.5}}) {
        SCOPED_TRACE(p.clip);
        pasteOver(p.clip);
        EXPECT_EQ(f->alphaField->GetValue(), wxString(p.text));
        EXPECT_DOUBLE_EQ(f->Profile().alpha, p.alpha);
    }

    // The middle button pastes the primary selection without a paste event: refused whole too.
    wxTheClipboard->UsePrimarySelection(true);
    if (wxTheClipboard->Open()) {
        wxTheClipboard->SetData(new wxTextDataObject(wxS("4x")));
        wxTheClipboard->Close();
    }
    wxTheClipboard->UsePrimarySelection(false);
    f->alphaField->SetInsertionPointEnd();
    const Snapshot before = Take(f, f->alphaField);
    wxUIActionSimulator sim;
    sim.MouseMove(f->alphaField->ClientToScreen(wxPoint(4, 4)));
    Pump(30);
    sim.MouseClick(wxMOUSE_BTN_MIDDLE);
    Pump(200);
    EXPECT_EQ(f->alphaField->GetValue(), before.text);
    EXPECT_DOUBLE_EQ(f->Profile().alpha, 2.5);
    for (const ShownBox& b : boxes.boxes()) ADD_FAILURE() << b.message.utf8_str();
}

// Every Mach number below 2 begins with "1", which is out of range: it is pending, not refused.
TEST_F(ScreenSupersonicTyping, AMachNumberTypedKeyByKeyRaisesNoBox) {
    SupersonicPartsFrame* f = Open();
    Focus(f->machField);
    f->machField->SelectAll();
    const wxString lift = f->liftShockText->GetLabel();
    BoxRecorder boxes;
    wxUIActionSimulator().Text("1.64");
    WaitFor([&] { return f->machField->GetValue() == wxS("1.64"); }, 2000);
    Pump(100);
    for (const ShownBox& b : boxes.boxes()) ADD_FAILURE() << b.message.utf8_str();
    EXPECT_EQ(f->machField->GetValue(), wxS("1.64"));
    EXPECT_DOUBLE_EQ(f->Profile().mach, 1.64);
    EXPECT_NE(f->liftShockText->GetLabel(), lift);
    EXPECT_EQ(Status(f), wxEmptyString);
}

// A text that no typing can make valid is reported at once; a pending one when the field is
// left, once, and it stays in the field while the profile keeps the last Mach number taken.
TEST_F(ScreenSupersonicTyping, UnfinishedAndImpossibleMachNumbers) {
    SupersonicPartsFrame* f = Open();
    auto typeOver = [&](const char* text) {
        Focus(f->machField);
        f->machField->SelectAll();
        wxUIActionSimulator().Text(text);
        WaitFor([&] { return f->machField->GetValue() == wxString(text); }, 2000);
        Pump(100);
    };
    {
        BoxRecorder boxes;
        typeOver("6");
        ASSERT_EQ(boxes.boxes().size(), 1u);
        EXPECT_EQ(boxes.boxes()[0].message,
                  wxS("Ungültige Eingabe!\n\nBereich für Machzahl : 1 < Ma <= 5 \n\n"));
    }
    typeOver("2");
    EXPECT_DOUBLE_EQ(f->Profile().mach, 2.0);
    BoxRecorder boxes;
    typeOver("1");
    EXPECT_TRUE(boxes.boxes().empty());
    EXPECT_DOUBLE_EQ(f->Profile().mach, 2.0);
    RealKey(WXK_TAB);
    WaitFor([&] { return !boxes.boxes().empty(); }, 2000);
    Pump(100);
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].message,
              wxS("Ungültige Eingabe!\n\nBereich für Machzahl : 1 < Ma <= 5 \n\n"));
    EXPECT_EQ(f->machField->GetValue(), wxS("1"));
    EXPECT_DOUBLE_EQ(f->Profile().mach, 2.0);
    EXPECT_EQ(Status(f), wxS(" Ungültige Eingabe für Machzahl (Bereich: 1 < Ma <= 5 )"));
}

}  // namespace
