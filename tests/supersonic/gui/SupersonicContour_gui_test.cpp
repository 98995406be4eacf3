#include "supersonic/core/SupersonicFiles.h"
#include "tests/supersonic/gui/SupersonicGuiFixture.h"

namespace {

using namespace luvo::test;
using namespace supersonic_test;

class SupersonicContourTest : public SupersonicGuiTest {
  protected:
    SupersonicContourFrame* Open(const wxString& file = wxEmptyString) {
        return OpenSupersonicContourFrame(file);
    }
    // The pixel of a point on the contour canvas: 380 pixels per chord, 1000 per unit of z.
    static wxPoint Pixel(double x, double z) {
        return wxPoint(static_cast<int>(50 + 380 * x + 0.5),
                       static_cast<int>(100 - 1000 * z + 0.5));
    }
};

TEST_F(SupersonicContourTest, OpensWithItsDefaultsAndFilledLabels) {
    SupersonicContourFrame* f = Open();
    EXPECT_EQ(Status(f), wxS(""));
    EXPECT_EQ(f->machField->GetValue(), wxS("3"));
    EXPECT_EQ(f->alphaField->GetValue(), wxS("4"));
    EXPECT_EQ(f->kappaField->GetValue(), wxS("1.4"));
    EXPECT_EQ(f->upperCountField->GetValue(), wxS("3"));
    EXPECT_EQ(f->lowerCountField->GetValue(), wxS("2"));
    EXPECT_TRUE(f->upperSplineRadio->GetValue());
    EXPECT_TRUE(f->lowerSplineRadio->GetValue());
    const wxChar* ends[] = {wxS("-2"), wxS("0"), wxS("1"), wxS("0")};
    SupersonicValueField* fields[] = {f->upperCurvatureStartField, f->upperCurvatureEndField,
                                      f->lowerCurvatureStartField, f->lowerCurvatureEndField};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(fields[i]->GetValue(), ends[i]);
        EXPECT_TRUE(fields[i]->IsEnabled());
    }
    for (wxStaticText* t : {f->camberText, f->thicknessText, f->waveDragLinearText,
                            f->liftLinearText, f->liftShockText}) {
        EXPECT_NE(t->GetLabel(), wxS("0"));
    }
    EXPECT_FALSE(f->HasFileContour());
    EXPECT_EQ(f->Profile().part1.supportCount, 3);
    // A click on the lower "Linear" switches the lower side only.
    SendMouse(f->lowerLinearRadio, wxEVT_LEFT_DOWN, wxPoint(3, 3), true);
    EXPECT_TRUE(f->lowerLinearRadio->GetValue());
    EXPECT_FALSE(f->lowerCurvatureStartField->IsEnabled());
    EXPECT_TRUE(f->upperCurvatureStartField->IsEnabled());
    EXPECT_FALSE(f->Profile().part2.curved);
    EXPECT_TRUE(f->Profile().part1.curved);
}

TEST_F(SupersonicContourTest, ConfigurationGivesPointsCountsAndSplineStates) {
    const std::string path = Write("kontur.cfg",
                                   "mode: profile\nanzahl_os: 4\nos_4: 0.8 | 0.01\nspline_us: 0\n"
                                   " mach: 2\n#mach: 2\nkappa:   1.3\n");
    SupersonicContourFrame* f = Open(wxString::FromUTF8(path));
    EXPECT_EQ(f->Profile().part1.supportCount, 4);
    EXPECT_EQ(f->Profile().part1.supportPoints[3], (SupersonicPoint{0.8, 0.01}));
    EXPECT_TRUE(f->lowerLinearRadio->GetValue());
    EXPECT_FALSE(f->lowerCurvatureEndField->IsEnabled());
    EXPECT_EQ(f->machField->GetValue(), wxS("3"));
    EXPECT_EQ(f->kappaField->GetValue(), wxS("1.3"));
    EXPECT_DOUBLE_EQ(f->Profile().kappa, 1.3);
}

TEST_F(SupersonicContourTest, CoordinateFileFixesTheSidesAndPicksNothing) {
    const std::string path = Write("profil.pol",
                                   "1 0\n0.75 0.02\n0.5 0.04\n0.25 0.03\n0 0\n"
                                   "0.25 -0.01\n0.5 -0.02\n0.75 -0.01\n1 0\n");
    SupersonicContourFrame* f = Open(wxString::FromUTF8(path));
    ASSERT_TRUE(f->HasFileContour());
    EXPECT_EQ(f->Profile().part1.pointCount, 5);
    EXPECT_EQ(f->Profile().part2.pointCount, 5);
    EXPECT_EQ(f->Profile().part1.points.front().x, 0.0);
    for (wxWindow* w : std::initializer_list<wxWindow*>{
             f->upperCountField, f->lowerCountField, f->upperLinearRadio, f->upperSplineRadio,
             f->lowerLinearRadio, f->lowerSplineRadio, f->upperCurvatureStartField,
             f->upperCurvatureEndField, f->lowerCurvatureStartField, f->lowerCurvatureEndField}) {
        EXPECT_FALSE(w->IsEnabled());
    }
    EXPECT_TRUE(f->machField->IsEnabled());
    Drag(f->contourCanvas, Pixel(0.5, 0.04), Pixel(0.5, 0.05));
    EXPECT_EQ(Status(f), wxS("Position: 0.500000, 0.050000"));
    SendMouse(f->contourCanvas, wxEVT_LEFT_DOWN, Pixel(0.5, 0.04), true);
    SendMouse(f->contourCanvas, wxEVT_MOTION, Pixel(0.5, 0.05), true);
    EXPECT_EQ(Status(f), wxS("No point found to drag!"));
    // Flow values still recompute the fixed contour.
    const wxString lift = f->liftLinearText->GetLabel();
    SetText(f->alphaField, wxS("2"));
    EXPECT_NE(f->liftLinearText->GetLabel(), lift);
}

TEST_F(SupersonicContourTest, DragsPickUpperFirstAndClampTheChord) {
    SupersonicContourFrame* f = Open();
    SupersonicProfile& p = f->Profile();
    // Upper slot 2 (0.055, 0.023) and lower slot 1 (0.058, -0.013) are far apart in z; move the
    // lower one next to the upper one so that one press reaches both.
    p.part2.supportPoints[0] = {0.055, 0.02};
    Drag(f->contourCanvas, Pixel(0.055, 0.022), Pixel(0.3, 0.06));
    EXPECT_NEAR(p.part1.supportPoints[1].x, (Pixel(0.3, 0.06).x - 50) / 380.0, 1e-12);
    EXPECT_NEAR(p.part1.supportPoints[1].z, 0.06, 1e-12);
    EXPECT_EQ(p.part2.supportPoints[0], (SupersonicPoint{0.055, 0.02}));
    // Past the trailing edge: x stays 1 while the status shows the unlimited position.
    SendMouse(f->contourCanvas, wxEVT_LEFT_DOWN, Pixel(0.637, 0.026), true);
    SendMouse(f->contourCanvas, wxEVT_MOTION, wxPoint(470, 90), true);
    EXPECT_EQ(Status(f), wxS("Drag-Position: 1.105263, 0.010000"));
    EXPECT_DOUBLE_EQ(p.part1.supportPoints[2].x, 1.0);
    EXPECT_NEAR(p.part1.supportPoints[2].z, 0.01, 1e-12);
    SendMouse(f->contourCanvas, wxEVT_LEFT_UP, wxPoint(470, 90), false);
    // A press left of the nose picks nothing.
    SendMouse(f->contourCanvas, wxEVT_LEFT_DOWN, wxPoint(45, 100), true);
    SendMouse(f->contourCanvas, wxEVT_MOTION, wxPoint(60, 100), true);
    EXPECT_EQ(Status(f), wxS("No point found to drag!"));
    SendMouse(f->contourCanvas, wxEVT_LEFT_UP, wxPoint(60, 100), false);
    // Far above or below the plot a point stops one chord from the chord line, so a saved
    // configuration holds it and reads back.
    Drag(f->contourCanvas, Pixel(0.333, 0.052), Pixel(0.333, 1.3));
    EXPECT_EQ(p.part1.supportPoints[0].z, 1.0);
    Drag(f->contourCanvas, Pixel(0.25, -0.02), Pixel(0.25, -1.5));
    EXPECT_EQ(p.part2.supportPoints[1].z, -1.0);
    const std::string cfg = dir().file("hoch.cfg");
    wxTEST_DIALOG(Click(FindButton(f, wxS("S&peichern"))), ExpectFile(wxString::FromUTF8(cfg)));
    SupersonicSettings back = SupersonicDefaultSettings(SupersonicWindow::Contour);
    ASSERT_TRUE(ReadSupersonicConfigFile(cfg, SupersonicWindow::Contour, back));
    EXPECT_EQ(back.part1.supportPoints[0].z, 1.0);
    EXPECT_EQ(back.part2.supportPoints[1].z, -1.0);
}

TEST_F(SupersonicContourTest, SaveWritesTheContourConfigurationAndCoordinates) {
    SupersonicContourFrame* f = Open();
    SetText(f->upperCountField, wxS("2"));
    const std::string cfg = dir().file("kontur.cfg");
    wxTEST_DIALOG(Click(FindButton(f, wxS("S&peichern"))), ExpectFile(wxString::FromUTF8(cfg)));
    const std::string text = ReadAll(cfg);
    EXPECT_EQ(text.rfind("# Luvo - \xDC"
                         "berschallberechnung - direkt\n",
                         0),
              0u);
    EXPECT_NE(text.find("mode: profile\n"), std::string::npos);
    EXPECT_NE(text.find("anzahl_os: 2\n"), std::string::npos);
    EXPECT_NE(text.find("os_4: "), std::string::npos);
    const std::string pol = dir().file("k.cfg.pol");
    wxTEST_DIALOG(Click(FindButton(f, wxS("S&peichern"))), ExpectFile(wxString::FromUTF8(pol)));
    SupersonicContour contour;
    ASSERT_TRUE(ReadSupersonicContourFile(pol, contour));
    // The saved configuration reopens the same window.
    const wxString lift = f->liftShockText->GetLabel();
    SupersonicContourFrame* again = Open(wxString::FromUTF8(cfg));
    EXPECT_EQ(again->upperCountField->GetValue(), wxS("2"));
    EXPECT_EQ(again->liftShockText->GetLabel(), lift);
}

}  // namespace
