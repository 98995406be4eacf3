#include <wx/menu.h>

#include "tests/supersonic/gui/SupersonicGuiFixture.h"

namespace {

using namespace luvo::test;
using namespace supersonic_test;

class SupersonicMethodTest : public SupersonicGuiTest {};

TEST_F(SupersonicMethodTest, OpensWithItsChoicesTextsAndInfo) {
    SupersonicMethodFrame* m = OpenMethod();
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->GetTitle(), wxS(" Luvo - Überschallverfahren"));
    EXPECT_EQ(m->GetSize(), wxSize(420, 380));
    EXPECT_EQ(Status(m), wxS("Überschallberechnung"));
    EXPECT_EQ(m->choiceBox->GetLabel(), wxS("Möglichkeiten"));
    EXPECT_EQ(m->choiceBox->GetId(), 1);
    EXPECT_EQ(m->choiceBox->GetSelection(), 0);
    EXPECT_EQ(m->choiceBox->GetString(1), wxS("Erzeugung eines Profils durch antim./sym. Anteil"));
    EXPECT_EQ(m->okButton->GetId(), 5100);
    EXPECT_EQ(m->cancelButton->GetLabel(), wxS("&Abbrechen"));
    EXPECT_EQ(StaticTexts(m).front(), wxS("Es stehen folgende Möglichkeiten zur Berechnung\nvon "
                                          "Profilumströmungen im Überschall zur Verfügung.\n\n"));
    const wxChar* statuses[] = {
        wxS("Gewählt: Einlesen der Daten aus Datei"),
        wxS("Gewählt: Interaktive Erzeugung eines Profils mit Hilfe antim./sym. Anteile"),
        wxS("Gewählt: Interaktive Erzeugung durch direkte Modellierung der Profilkontur")};
    for (int i = 2; i >= 0; --i) {
        SelectRadio(m->choiceBox, i);
        EXPECT_EQ(Status(m), statuses[i]);
    }
    SelectRadio(m->choiceBox, 2);
    ShownBox seen;
    wxString whileShown;
    wxTEST_DIALOG(SendMenu(m, luvo::kIdMenuInfo), ExpectBoxNotingStatus(&seen, &whileShown, m));
    EXPECT_EQ(seen.caption, wxS("Info Überschallberechnung"));
    EXPECT_TRUE(seen.HasIcon(wxICON_INFORMATION));
    EXPECT_TRUE(seen.message.StartsWith(wxS("Es werden Widerstands- und Auftriebsbeiwerte")));
    EXPECT_EQ(whileShown, wxS("Gewählt: Info"));
    EXPECT_EQ(Status(m), statuses[2]);
}

TEST_F(SupersonicMethodTest, InteractiveChoicesOpenOneDesignWindowAndThenOnlyRaiseIt) {
    struct Row {
        int choice;
        wxSize size;
        bool parts;
    };
    for (const Row& row : {Row{1, wxSize(830, 810), true}, Row{2, wxSize(830, 670), false}}) {
        SCOPED_TRACE(row.choice);
        SupersonicMethodFrame* m = OpenMethod();
        SelectRadio(m->choiceBox, row.choice);
        Click(m->okButton);
        wxFrame* design = row.parts ? static_cast<wxFrame*>(supersonic::g_partsFrame.get())
                                    : static_cast<wxFrame*>(supersonic::g_contourFrame.get());
        ASSERT_TRUE(row.parts ? supersonic::g_partsFrameOpen() : supersonic::g_contourFrameOpen());
        EXPECT_FALSE(row.parts ? supersonic::g_contourFrameOpen() : supersonic::g_partsFrameOpen());
        EXPECT_EQ(design->GetTitle(), wxS("Interaktives Erstellen eines Profils"));
        EXPECT_EQ(design->GetSize(), row.size);
        EXPECT_TRUE(design->IsShown());
        auto* d = dynamic_cast<SupersonicDesignFrame*>(design);
        EXPECT_EQ(supersonic::g_profile, &d->Profile());
        // The opener fills the labels.
        EXPECT_NE(d->liftLinearText->GetLabel(), wxS("0"));
        const size_t frames = OpenFrames().size();
        for (int other : {1, 2}) {
            SelectRadio(m->choiceBox, other);
            Click(m->okButton);
        }
        EXPECT_EQ(OpenFrames().size(), frames);
        EXPECT_EQ(supersonic::CurrentDesignFrame(), d);
        Click(m->cancelButton);
        wxTheApp->ProcessIdle();
        EXPECT_FALSE(supersonic::g_partsFrameOpen() || supersonic::g_contourFrameOpen());
        EXPECT_EQ(supersonic::g_profile, nullptr);
    }
}

TEST_F(SupersonicMethodTest, CancelInOneMethodWindowLeavesTheOtherWorking) {
    SupersonicMethodFrame* first = OpenMethod();
    SupersonicMethodFrame* second = OpenMethod();
    SelectRadio(first->choiceBox, 1);
    Click(first->okButton);
    ASSERT_TRUE(supersonic::g_partsFrameOpen());
    Click(first->cancelButton);
    wxTheApp->ProcessIdle();
    EXPECT_FALSE(supersonic::g_partsFrameOpen());
    SelectRadio(second->choiceBox, 2);
    Click(second->okButton);
    ASSERT_TRUE(supersonic::g_contourFrameOpen());
    SetText(supersonic::g_contourFrame->machField, wxS("2"));
    EXPECT_DOUBLE_EQ(supersonic::g_contourFrame->Profile().mach, 2.0);
    EXPECT_NE(supersonic::g_contourFrame->waveDragLinearText->GetLabel(), wxS("0"));
}

// Once the design window is gone, by its close handler or by a way that skips it, it no longer
// counts as open: the method window's "&OK" builds a fresh, shown window, also before the old one
// is deleted at the next idle time, and nothing acts on the old one.
TEST_F(SupersonicMethodTest, OkBuildsAFreshDesignWindowOnceTheOldOneIsGone) {
    struct Row {
        const char* way;
        int choice;
        bool closeHandler;  // else destroyed without it, and deleted before "&OK"
    };
    const Row rows[] = {
        {"parts window destroyed without its close handler", 1, false},
        {"contour window destroyed without its close handler", 2, false},
        {"parts window closed, reopened before the next idle time", 1, true},
        {"contour window closed, reopened before the next idle time", 2, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.way);
        SupersonicMethodFrame* m = OpenMethod();
        SelectRadio(m->choiceBox, row.choice);
        Click(m->okButton);
        SupersonicDesignFrame* old = supersonic::CurrentDesignFrame();
        ASSERT_NE(old, nullptr);
        wxWeakRef<wxFrame> oldRef(old);
        const wxString oldLift = old->liftLinearText->GetLabel();
        if (row.closeHandler) {
            Click(FindButton(old, wxS("&Schließen")));
        } else {
            old->Destroy();
            wxTheApp->ProcessIdle();
            ASSERT_FALSE(oldRef);
            // The freed profile is not named any longer either.
            EXPECT_EQ(supersonic::g_profile, nullptr);
        }
        EXPECT_FALSE(supersonic::g_partsFrameOpen() || supersonic::g_contourFrameOpen());
        EXPECT_EQ(supersonic::CurrentDesignFrame(), nullptr);

        Click(m->okButton);
        SupersonicDesignFrame* fresh = supersonic::CurrentDesignFrame();
        ASSERT_NE(fresh, nullptr);
        EXPECT_NE(static_cast<wxFrame*>(fresh), oldRef.get());
        EXPECT_EQ(supersonic::g_partsFrameOpen(), row.choice == 1);
        EXPECT_EQ(supersonic::g_contourFrameOpen(), row.choice == 2);
        EXPECT_TRUE(fresh->IsShown());
        EXPECT_EQ(supersonic::g_profile, &fresh->Profile());
        EXPECT_NE(fresh->liftLinearText->GetLabel(), wxS("0"));
        SetText(fresh->alphaField, wxS("2"));
        EXPECT_DOUBLE_EQ(fresh->Profile().alpha, 2.0);
        if (row.closeHandler) {
            // The closed window waits for its deletion untouched.
            ASSERT_TRUE(oldRef);
            EXPECT_EQ(old->liftLinearText->GetLabel(), oldLift);
        }
        wxTheApp->ProcessIdle();
        EXPECT_FALSE(oldRef);
        EXPECT_EQ(supersonic::CurrentDesignFrame(), fresh);
        Click(m->cancelButton);
        wxTheApp->ProcessIdle();
    }
}

TEST_F(SupersonicMethodTest, TitleBarCloseLeavesTheDesignWindowUsable) {
    SupersonicMethodFrame* m = OpenMethod();
    SelectRadio(m->choiceBox, 1);
    Click(m->okButton);
    m->Close(true);
    wxTheApp->ProcessIdle();
    ASSERT_TRUE(supersonic::g_partsFrameOpen());
    const SupersonicPoint before = supersonic::g_partsFrame->Profile().part2.supportPoints[0];
    Drag(supersonic::g_partsFrame->thicknessCanvas, wxPoint(240, 60), wxPoint(240, 40));
    EXPECT_NE(supersonic::g_partsFrame->Profile().part2.supportPoints[0].z, before.z);
}

// The file way: the path decides the window; a configuration is probed for its mode line.
TEST_F(SupersonicMethodTest, FileWayOpensTheWindowTheFileAsksFor) {
    struct Row {
        const char* name;
        const char* text;
        int window;  // 1 parts, 2 contour, 0 the read box
    };
    const Row rows[] = {
        {"a.cfg", "mode: asym_sym\n", 1},
        {"b.cfg", "mode:asym_sym\n", 1},
        {"c.cfg", "mode:    asym_sym\n", 1},
        {"d.cfg", "mode: asym_sym \n", 2},
        {"e.cfg", "mode: ASYM_SYM\n", 2},
        {"f.cfg", "mode: profile\nmode: asym_sym\n", 2},
        {"g.cfg", " mode: asym_sym\n", 2},
        {"h.cfg", "\tmode: asym_sym\n", 1},
        {"i.cfg.pol", "1 0\n0.5 0.04\n0 0\n0.5 -0.04\n1 0\n", 2},
        {"bom.cfg", "\xEF\xBB\xBFmode: asym_sym\nmach: 2.5\n", 1},
        {"j.CFG", "mode: asym_sym\n", 0},
    };
    SupersonicMethodFrame* m = OpenMethod();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string path = Write(row.name, row.text);
        ShownBox seen;
        if (row.window == 0) {
            CloseSupersonicDesignFrame();
            wxTEST_DIALOG(Click(m->okButton), ExpectFile(wxString::FromUTF8(path)),
                          ExpectBox(&seen));
            EXPECT_EQ(seen.message, wxS("Die Datei konnte nicht gelesen werden!\n\n"));
            EXPECT_EQ(seen.caption, wxS("Datei-Fehler"));
            EXPECT_TRUE(seen.HasIcon(wxICON_ERROR));
            EXPECT_FALSE(supersonic::g_partsFrameOpen() || supersonic::g_contourFrameOpen());
            continue;
        }
        wxTEST_DIALOG(Click(m->okButton), ExpectFile(wxString::FromUTF8(path)));
        EXPECT_EQ(supersonic::g_partsFrameOpen(), row.window == 1);
        EXPECT_EQ(supersonic::g_contourFrameOpen(), row.window == 2);
        wxTheApp->ProcessIdle();
    }
    // Cancel changes nothing.
    wxFrame* open = supersonic::CurrentDesignFrame();
    wxTEST_DIALOG(Click(m->okButton), ExpectFile(wxS("x.cfg"), wxID_CANCEL));
    EXPECT_EQ(supersonic::CurrentDesignFrame(), open);
}

// A coordinate file that is not a whole contour, or a configuration its window's reader refuses,
// is refused: the box, and the open window stays with its profile.
TEST_F(SupersonicMethodTest, AFileTheReaderRefusesOpensNothing) {
    const std::vector<std::pair<const char*, const char*>> files = {
        {"abgeschnitten.pol", "1 0\n0.5 0.04\n0 0\n0.25 -0.02\n0.3"},
        {"text.pol", "hello world\nfoo bar\n1 2\n"},
        {"kurz.pol", "1 0\n0.5 0.04\n0 0\n0.25 -0.02\n0.31 -0.02\n"},
        {"woelbung.cfg", "mode: asym_sym\nbbk_aktiv: 1\nbbk_A1: abc\n"},
        {"abgeschnitten.cfg", "mode: profile\nanzahl_os: 3\nos_1: 0.3 | 0.05\nos_2: 0.0550"},
        {"hoch.cfg", "mode: profile\nos_1: 0.3 | 5.2\n"},
        {"mach.cfg", "mode: asym_sym\nmach: 7\n"},
    };
    SupersonicMethodFrame* m = OpenMethod();
    SelectRadio(m->choiceBox, 1);
    Click(m->okButton);
    ASSERT_TRUE(supersonic::g_partsFrameOpen());
    SupersonicPartsFrame* parts = supersonic::g_partsFrame.get();
    const SupersonicProfile* profile = supersonic::g_profile;
    const double drag = profile->seDrag;
    SelectRadio(m->choiceBox, 0);
    for (const auto& [name, text] : files) {
        SCOPED_TRACE(name);
        const std::string path = Write(name, text);
        ShownBox seen;
        wxTEST_DIALOG(Click(m->okButton), ExpectFile(wxString::FromUTF8(path)), ExpectBox(&seen));
        EXPECT_EQ(seen.message, wxS("Die Datei konnte nicht gelesen werden!\n\n"));
        EXPECT_EQ(seen.caption, wxS("Datei-Fehler"));
        EXPECT_TRUE(seen.HasIcon(wxICON_ERROR));
        wxTheApp->ProcessIdle();
        EXPECT_TRUE(supersonic::g_partsFrameOpen());
        EXPECT_FALSE(supersonic::g_contourFrameOpen());
        EXPECT_EQ(supersonic::g_partsFrame.get(), parts);
        EXPECT_EQ(supersonic::g_profile, profile);
        EXPECT_EQ(supersonic::g_profile->seDrag, drag);
    }
}

TEST_F(SupersonicMethodTest, AParametersFileReplacesAnOpenContourWindow) {
    SupersonicMethodFrame* m = OpenMethod();
    SelectRadio(m->choiceBox, 2);
    Click(m->okButton);
    ASSERT_TRUE(supersonic::g_contourFrameOpen());
    wxWeakRef<wxFrame> contour(supersonic::g_contourFrame.get());
    const std::string path = Write("teile.cfg", "mode: asym_sym\nmach: 2.5\n");
    SelectRadio(m->choiceBox, 0);
    wxTEST_DIALOG(Click(m->okButton), ExpectFile(wxString::FromUTF8(path)));
    wxTheApp->ProcessIdle();
    EXPECT_FALSE(contour);
    EXPECT_TRUE(supersonic::g_partsFrameOpen());
    EXPECT_FALSE(supersonic::g_contourFrameOpen());
    EXPECT_EQ(supersonic::g_partsFrame->machField->GetValue(), wxS("2.5"));
    EXPECT_DOUBLE_EQ(supersonic::g_profile->mach, 2.5);
}

}  // namespace
