#include "SupersonicGuiFixture.h"

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

}  // namespace
