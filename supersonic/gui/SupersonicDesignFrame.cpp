#include "supersonic/gui/SupersonicDesignFrame.h"

#include <wx/filedlg.h>
#include <wx/statbox.h>

#include <algorithm>

#include "common/core/TextScanner.h"
#include "common/gui/WxFileName.h"
#include "common/gui/WxNumber.h"
#include "supersonic/core/SupersonicResultTexts.h"
#include "supersonic/core/SupersonicSolver.h"
#include "supersonic/gui/SupersonicCanvases.h"
#include "supersonic/gui/SupersonicControls.h"
#include "supersonic/gui/SupersonicModule.h"

SupersonicDesignFrame* DesignFrameOf(wxWindow* control) {
    auto* window = dynamic_cast<SupersonicDesignFrame*>(wxGetTopLevelParent(control));
    return window != nullptr && window->IsLive() ? window : nullptr;
}

// ---- design window ----

SupersonicDesignFrame::SupersonicDesignFrame(const wxString& title, const wxPoint& pos,
                                             const wxSize& size, long style,
                                             SupersonicWindow window)
    : luvo::LuvoFrame(title, pos, size, luvo::FileMenu::Close, 1, style), window_(window) {
    panel = GetPanel();
}

bool SupersonicDesignFrame::IsLive() const {
    return built_ && !detached_ && profile_ != nullptr && IsCurrent();
}

SupersonicDesignFrame::~SupersonicDesignFrame() {
    // Also when the window goes without its close handler: the module names no freed profile.
    Detach();
}

void SupersonicDesignFrame::Detach() {
    detached_ = true;
    if (supersonic::g_profile == profile_.get()) supersonic::g_profile = nullptr;
    profile_.reset();
}

void SupersonicDesignFrame::CloseWindow() {
    Detach();
    Destroy();
}

SupersonicSettings SupersonicDesignFrame::StartSettings(const wxString& fileName) {
    SupersonicSettings settings = SupersonicDefaultSettings(window_);
    if (fileName.empty()) return settings;
    // A file refused anywhere leaves the defaults whole.
    if (!ReadSupersonicConfigFile(luvo::FileSystemName(fileName), window_, settings)) {
        fileUnreadable_ = true;
    }
    return settings;
}

void SupersonicDesignFrame::ReportFileProblems() {
    if (fileUnreadable_) {
        luvo::ShowErrorBox(this, wxS("Die Datei konnte nicht gelesen werden!\n\n"),
                           wxS("Datei-Fehler"));
    }
    fileUnreadable_ = false;
}

void SupersonicDesignFrame::ReportRefusedText(const std::string& key) {
    if (key == "mach") {
        machField->ReportInvalid();
    } else if (key == "alpha*") {
        alphaField->ReportInvalid();
    } else if (key == "kappa") {
        kappaField->ReportInvalid();
    } else if (luvo::NumericField* field = FieldForKey(key)) {
        if (auto* count = dynamic_cast<SupersonicCountField*>(field)) {
            count->ReportInvalid();
        } else {
            ReportNoNumber(field);
        }
    } else {
        // No field holds it (the drags keep every support point readable): still never silent.
        luvo::ShowErrorBox(this, wxS("Die Datei konnte nicht geschrieben werden!\n\n"),
                           wxS("Datei-Fehler"));
    }
}

SupersonicPressureOptions SupersonicDesignFrame::PressureOptions() const {
    SupersonicPressureOptions options;
    const SupersonicOptionCheckBox* boxes[6] = {showLinearUpperCheckBox, showLinearLowerCheckBox,
                                                showLinearDeltaCheckBox, showShockUpperCheckBox,
                                                showShockLowerCheckBox,  showShockDeltaCheckBox};
    for (int i = 0; i < 6; ++i) options.show[i] = boxes[i] != nullptr && boxes[i]->GetValue();
    return options;
}

SupersonicModePair* SupersonicDesignFrame::PairOf(const wxWindow* radio) {
    for (SupersonicModePair& pair : pairs_) {
        if (pair.linear == radio || pair.spline == radio) return &pair;
    }
    return nullptr;
}

void SupersonicDesignFrame::SwitchMode(const wxWindow* radio, bool selectedByToolkit) {
    SupersonicModePair* pair = PairOf(radio);
    if (pair == nullptr) return;
    if (selectedByToolkit) {
        const bool linearWas = radio != pair->linear;
        pair->linear->SetValue(linearWas);
        pair->spline->SetValue(!linearWas);
    }
    const bool toSpline = pair->linear->GetValue();
    pair->spline->SetValue(toSpline);
    pair->linear->SetValue(!toSpline);
    pair->start->Enable(toSpline);
    pair->end->Enable(toSpline);
    Recalculate(SupersonicRedraw::Thickness);
    SetStatus(toSpline ? wxS("Gewählt: Spline Methode") : wxS("Gewählt: Lineare Methode"));
}

double SupersonicDesignFrame::ArrowAlpha() const {
    return alphaField != nullptr ? alphaField->Number() : 0.0;
}

void SupersonicDesignFrame::ShowResults() {
    if (!IsLive()) return;
    ShowComputedInputs();
    const SupersonicResultTexts t = SupersonicFormatResults(*profile_);
    auto set = [](wxStaticText* label, const std::string& text) {
        label->SetLabel(wxString::FromUTF8(text));
    };
    set(camberText, t.camber);
    set(thicknessText, t.thickness);
    subsonicWarningText->Show(t.subsonic);
    set(waveDragShockText, t.shock.waveDrag);
    set(liftShockText, t.shock.lift);
    set(momentShockText, t.shock.moment);
    set(pressurePointShockText, t.shock.pressurePoint);
    set(waveDragLinearText, t.waveDragLinear);
    set(waveDragAntimetricText, t.waveDragAntimetric);
    set(waveDragSymmetricText, t.waveDragSymmetric);
    set(liftLinearText, t.liftLinear);
    set(momentLinearText, t.momentLinear);
    set(pressurePointLinearText, t.pressurePointLinear);
    LayoutResultColumns();
}

void SupersonicDesignFrame::RedrawCanvas(SupersonicPlotCanvas* canvas) {
    if (canvas != nullptr) canvas->Redraw();
}

// ---- layout ----

namespace {

wxStaticText* Label(wxWindow* panel, const wxString& text, int x, int y) {
    return new wxStaticText(panel, wxID_ANY, text, wxPoint(x, y));
}

}  // namespace

void SupersonicDesignFrame::CreateFlowFields(int boxX, int boxY, int labelX, int fieldX, int unitX,
                                             int firstY, const SupersonicSettings& s) {
    new wxStaticBox(panel, wxID_ANY, wxS("Strömungsrandbedingungen"), wxPoint(boxX, boxY),
                    wxSize(300, 90));
    const wxSize size(30, -1);
    Label(panel, wxS("Machzahl Ma: (1<Ma<=5)"), labelX, firstY);
    machField = new SupersonicRangeField(panel, wxString::FromUTF8(s.machText),
                                         wxPoint(fieldX, firstY - 3), size, 1, 5, false, true,
                                         wxS("Machzahl"), wxS("Ma"), SupersonicFlowValue::Mach);
    Label(panel, wxS("[ - ]"), unitX, firstY);
    Label(panel, wxS("Anstellwinkel alpha*:"), labelX, firstY + 22);
    alphaField = new SupersonicRangeField(
        panel, wxString::FromUTF8(s.alphaText), wxPoint(fieldX, firstY + 19), size, -15, 15, true,
        true, wxS("Anstellwinkel"), wxS("alpha"), SupersonicFlowValue::Alpha);
    Label(panel, wxS("[ ° ]"), unitX, firstY + 22);
    Label(panel, wxS("Adiabatenkoeffizient: "), labelX, firstY + 44);
    kappaField = new SupersonicRangeField(panel, wxString::FromUTF8(s.kappaText),
                                          wxPoint(fieldX, firstY + 41), size, 1, 2, false, true,
                                          wxS("kappa"), wxS("kappa"), SupersonicFlowValue::Kappa);
    Label(panel, wxS("[ - ]"), unitX, firstY + 44);
}

void SupersonicDesignFrame::CreateResultRows(int boxX, int boxY, int boxHeight, int linX,
                                             int shockX, int unitX, bool neutralBothColumns) {
    new wxStaticBox(panel, wxID_ANY, wxS("Ausgabe"), wxPoint(boxX, boxY), wxSize(300, boxHeight));
    const int labelX = boxX + 15;
    const int shapeUnitX = linX + 35;
    ResultColumns& c = resultColumns_;
    c = ResultColumns{};
    c.boxRight = boxX + 300;
    c.linX = linX;
    c.shapeUnitX = shapeUnitX;
    c.shockX = shockX;
    c.unitX = unitX;
    auto rowLabel = [&](const wxString& text, int x, int y) {
        c.rowLabels.push_back(Label(panel, text, x, y));
    };
    int y = boxY + 20;
    rowLabel(wxS("Wölbung f/t:"), labelX, y);
    camberText = Label(panel, wxS("0"), linX, y);
    c.shapeValues.push_back(camberText);
    c.shapeUnits.push_back(Label(panel, wxS("[ % ]"), shapeUnitX, y));
    y += 20;
    rowLabel(wxS("Dicke d/t:"), labelX, y);
    thicknessText = Label(panel, wxS("0"), linX, y);
    c.shapeValues.push_back(thicknessText);
    c.shapeUnits.push_back(Label(panel, wxS("[ % ]"), shapeUnitX, y));
    y += 20;
    c.linHead = Label(panel, wxS("lin. Theorie"), linX - 15, y);
    c.shockHead = Label(panel, wxS("Stoss/Exp."), shockX, y);
    struct Row {
        const wxChar* name;
        int indent;
        wxStaticText** lin;
        wxStaticText** shock;  // null: the fixed text " - "
    };
    const Row rows[] = {
        {wxS("Beiwert des Wellenw. cwW:"), 0, &waveDragLinearText, &waveDragShockText},
        {wxS("- antimetrischer Anteil:"), 15, &waveDragAntimetricText, nullptr},
        {wxS("-  symmetrischer Anteil:"), 15, &waveDragSymmetricText, nullptr},
        {wxS("Auftriebsbeiwert ca:"), 0, &liftLinearText, &liftShockText},
        {wxS("Momentenbeiwert cm:"), 0, &momentLinearText, &momentShockText},
        {wxS("Druckpunkt xa/t:"), 0, &pressurePointLinearText, &pressurePointShockText},
    };
    for (const Row& row : rows) {
        y += 20;
        rowLabel(row.name, labelX + row.indent, y);
        *row.lin = Label(panel, wxS("0"), linX, y);
        c.linValues.push_back(*row.lin);
        if (row.shock != nullptr) {
            *row.shock = Label(panel, wxS("0"), shockX, y);
            c.shockColumn.push_back(*row.shock);
        } else {
            c.shockColumn.push_back(Label(panel, wxS(" - "), shockX, y));
        }
        c.units.push_back(Label(panel, wxS("[ - ]"), unitX, y));
    }
    y += 20;
    rowLabel(wxS("Neutralpunkt xn/t:"), labelX, y);
    wxStaticText* neutral = Label(panel, wxS("0.5"), linX, y);
    if (neutralBothColumns) {
        c.linValues.push_back(neutral);
        c.shockColumn.push_back(Label(panel, wxS("0.5"), shockX, y));
        c.units.push_back(Label(panel, wxS("[ - ]"), unitX, y));
    } else {
        c.shapeValues.push_back(neutral);
        c.shapeUnits.push_back(Label(panel, wxS("[ - ]"), shapeUnitX, y));
    }
}

void SupersonicDesignFrame::LayoutResultColumns() {
    const ResultColumns& c = resultColumns_;
    if (c.linHead == nullptr) return;
    constexpr int kGap = 4;  // between the widest text of a column and the next column
    auto widest = [](const std::vector<wxStaticText*>& texts) {
        int w = 0;
        for (const wxStaticText* t : texts) w = std::max(w, t->GetSize().x);
        return w;
    };
    int labelsRight = 0;
    for (const wxStaticText* t : c.rowLabels)
        labelsRight = std::max(labelsRight, t->GetRect().GetRight() + 1);

    struct Places {
        int lin, shapeUnit, shock, unit, right;
    };
    // The columns with every place moved `left` pixels to the left.
    auto placesFor = [&](int left) {
        Places p{};
        p.lin = c.linX - left;
        p.shapeUnit = std::max(c.shapeUnitX - left, p.lin + widest(c.shapeValues) + kGap);
        p.shock = std::max({c.shockX - left, p.lin + widest(c.linValues) + kGap,
                            p.lin - 15 + c.linHead->GetSize().x + kGap});
        p.unit = std::max(c.unitX - left, p.shock + widest(c.shockColumn) + kGap);
        p.right = std::max({p.shapeUnit + widest(c.shapeUnits), p.unit + widest(c.units),
                            p.shock + c.shockHead->GetSize().x});
        return p;
    };
    Places p = placesFor(0);
    const int room = c.boxRight - kGap;
    if (p.right > room) {
        p = placesFor(std::min(p.right - room, c.linX - (labelsRight + kGap)));
    }
    auto moveTo = [](const std::vector<wxStaticText*>& texts, int x) {
        for (wxStaticText* t : texts) {
            if (t->GetPosition().x != x) t->Move(x, t->GetPosition().y);
        }
    };
    moveTo(c.shapeValues, p.lin);
    moveTo(c.linValues, p.lin);
    moveTo({c.linHead}, p.lin - 15);
    moveTo(c.shapeUnits, p.shapeUnit);
    moveTo(c.shockColumn, p.shock);
    moveTo({c.shockHead}, p.shock);
    moveTo(c.units, p.unit);
}

void SupersonicDesignFrame::CreateOptions(int boxY, int boxHeight, int linLabelY, int linY,
                                          int shockLabelY, int shockY) {
    new wxStaticBox(panel, wxID_ANY, wxS("Anzeigeoptionen"), wxPoint(10, boxY),
                    wxSize(480, boxHeight));
    Label(panel, wxS("linearisierte Theorie:"), 20, linLabelY);
    showLinearUpperCheckBox =
        new SupersonicOptionCheckBox(panel, 20, wxS("cp_OS"), wxPoint(160, linY));
    showLinearLowerCheckBox =
        new SupersonicOptionCheckBox(panel, 30, wxS("cp_US"), wxPoint(260, linY));
    showLinearDeltaCheckBox =
        new SupersonicOptionCheckBox(panel, 30, wxS("delta cp"), wxPoint(360, linY));
    Label(panel, wxS("Stoß/Expansionstheorie:"), 20, shockLabelY);
    showShockUpperCheckBox =
        new SupersonicOptionCheckBox(panel, 40, wxS("cp_OS"), wxPoint(160, shockY));
    showShockLowerCheckBox =
        new SupersonicOptionCheckBox(panel, 50, wxS("cp_US"), wxPoint(260, shockY));
    showShockDeltaCheckBox =
        new SupersonicOptionCheckBox(panel, 50, wxS("delta cp"), wxPoint(360, shockY));
    showLinearUpperCheckBox->SetValue(true);
    showLinearLowerCheckBox->SetValue(true);
}

void SupersonicDesignFrame::CreateWarning(const wxPoint& pos) {
    subsonicWarningText = new wxStaticText(panel, wxID_ANY, wxS("Achtung - Unterschallgebiet!"),
                                           pos, wxSize(250, 20));
    subsonicWarningText->SetForegroundColour(wxColour(255, 0, 0));
    subsonicWarningText->SetFont(wxFont(wxFontInfo(10)
                                            .Family(wxFONTFAMILY_SWISS)
                                            .Style(wxFONTSTYLE_NORMAL)
                                            .Bold()
                                            .FaceName(wxS("Verdana"))
                                            .Underlined(false)));
    subsonicWarningText->Hide();
}

// ---- files ----

SupersonicSettings SupersonicDesignFrame::FlowSettings() const {
    SupersonicSettings s;
    s.machText = luvo::PointText(machField->GetValue());
    s.alphaText = luvo::PointText(alphaField->GetValue());
    s.kappaText = luvo::PointText(kappaField->GetValue());
    s.mach = profile_->mach;
    s.alpha = profile_->alpha;
    s.kappa = profile_->kappa;
    return s;
}

int SupersonicDesignFrame::SupportCount(const luvo::NumericField* field) {
    const double v = field->Number();
    if (v > 4) return 4;
    return v >= 0 ? static_cast<int>(v) : 0;
}

void SupersonicDesignFrame::FillSide(SupersonicSide& side, const SupersonicCurve& curve,
                                     const wxTextCtrl* count, const SupersonicModePair* pair) {
    side.countText = luvo::PointText(count->GetValue());
    side.count = curve.supportCount;
    for (int i = 0; i < curve.capacity && i < SupersonicProfile::kSupportSlots; ++i) {
        side.supportPoints[i] = curve.supportPoints[i];
    }
    if (pair != nullptr) {
        side.spline = pair->spline->GetValue();
        side.curvatureStartText = luvo::PointText(pair->start->GetValue());
        side.curvatureEndText = luvo::PointText(pair->end->GetValue());
    }
}

SupersonicShockTexts SupersonicDesignFrame::ShockTexts() const {
    auto text = [](const wxStaticText* label) { return label->GetLabel().ToStdString(wxConvUTF8); };
    return {text(waveDragShockText), text(liftShockText), text(momentShockText),
            text(pressurePointShockText)};
}

void SupersonicDesignFrame::Save(const wxString& wildcard) {
    wxFileDialog dialog(this, wxS("Dateiname wählen"), wxEmptyString, wxS("*.cfg"), wildcard,
                        wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    if (dialog.ShowModal() != wxID_OK) return;
    const wxString path = dialog.GetPath();
    if (!IsLive()) return;
    const std::string name = luvo::FileSystemName(path);
    bool written = false;
    switch (SupersonicSaveFileType(std::string(path.utf8_str()))) {
        case SupersonicFileType::Config: {
            // A text the reader would refuse gets its field's box, and no file is written.
            std::string refused;
            written =
                WriteSupersonicConfig(name, window_, CurrentSettings(), ShockTexts(), &refused);
            if (!refused.empty()) {
                ReportRefusedText(refused);
                return;
            }
            break;
        }
        case SupersonicFileType::Result:
            written = WriteSupersonicResultFile(name, *profile_, ShockTexts());
            break;
        case SupersonicFileType::Coordinates:
            written = WriteSupersonicCoordinateFile(name, *profile_);
            break;
        case SupersonicFileType::None:
            luvo::ShowErrorBox(
                this, wxS("Die Datei konnte nicht geschrieben werden, ungültiger Typ!\n\n"),
                wxS("Datei-Fehler"));
            return;
    }
    if (!written) {
        luvo::ShowErrorBox(this, wxS("Die Datei konnte nicht geschrieben werden!\n\n"),
                           wxS("Datei-Fehler"));
    }
}
