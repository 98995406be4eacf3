#include "llt/core/LltDesignTasks.h"

#include <algorithm>
#include <cmath>

#include "common/core/NumberText.h"

namespace {

bool A1Given(double circulationMode) { return circulationMode == 1.0; }

// The circulation handles take the pointer within the plot's height above the axis.
constexpr LltHandleRows kCirculationRows{-110, 0};

// The fit as the circulation drags run it: the held handle takes -y A / 60 (the plot shows
// gamma / A at 60 pixels per unit upwards) while the pointer is within the plot's height above
// the axis, the others keep the series' values.
void FitThroughHandles(LltSolver& s, double first, double mode, LltCirculationHandle held, int y) {
    double g51 = s.seriesGamma[51];
    double g41 = s.seriesGamma[41];
    double g30 = s.seriesGamma[30];
    const double moved = static_cast<double>(y) * first * -0.016666666666666666;
    if (!kCirculationRows.Contain(y)) held = LltCirculationHandle::None;
    switch (held) {
        case LltCirculationHandle::Root:
            g51 = moved;
            break;
        case LltCirculationHandle::Station41:
            g41 = moved;
            break;
        case LltCirculationHandle::Station30:
            g30 = moved;
            break;
        case LltCirculationHandle::None:
            break;
    }
    s.FitFourierCoefficients(g51, g41, g30, mode);
}

LltWrite Write(LltInput input, const char* format, double value) {
    return {input, luvo::FormatShown(format, value)};
}

// The first coefficient of the inputs' series: a1 (a1 mode) or the one of the lift coefficient
// and the record's aspect ratio.
template <class Inputs>
double FirstCoefficientOf(const LltSolver& s, const Inputs& in) {
    return A1Given(in.circulationMode) ? in.a1 : 2.0 * in.liftCoefficient / (LltPi * s.aspectRatio);
}

// One circulation drag step on the working record of either design window: the series of the
// inputs refitted through the handles after the step. Returns the texts of the fit, in this
// order: the lift coefficient (when `withLift`), a1, a3, a5.
template <class Inputs>
std::vector<LltWrite> RefitSeries(LltSolver& s, const Inputs& in, LltCirculationHandle held, int y,
                                  bool withLift) {
    const double first = FirstCoefficientOf(s, in);
    if (A1Given(in.circulationMode)) {
        s.a1 = in.a1;
    } else {
        s.cl = in.liftCoefficient;
        s.a1FromCl = first;
    }
    s.a3 = in.a3;
    s.a5 = in.a5;
    s.SetSeriesCirculation(first, in.a3, in.a5);
    FitThroughHandles(s, first, in.circulationMode, held, y);
    std::vector<LltWrite> writes;
    if (withLift) writes.push_back(Write(LltInput::TotalLift, "%2.2f", s.cl));
    writes.push_back(Write(LltInput::A1, "%2.2f", s.fitCoefficients[1]));
    writes.push_back(Write(LltInput::A3, "%2.2f", s.a3));
    writes.push_back(Write(LltInput::A5, "%2.2f", s.a5));
    return writes;
}

}  // namespace

const char* const kLltAreaMissedStatus =
    "Mit dieser Schränkung ist die Bezugsflügelfläche nicht erreichbar!";

std::shared_ptr<LltSolver> LltRunTwistDesign(const LltTwistDesignInputs& in) {
    auto s = std::make_shared<LltSolver>();
    const double b = in.span;
    s->SetStations(b);
    if (A1Given(in.circulationMode)) {
        s->a1 = in.a1;
        s->a3 = in.a3;
        s->a5 = in.a5;
        s->SetSeriesCirculation(in.a1, in.a3, in.a5);
        s->SetTrapezoidChord(b, in.s1, in.s2, in.s3, in.chordA, in.chordB, in.chordC, in.chordD);
        s->ComputeArea();
        s->cl = in.a1 * s->aspectRatio * LltPi * 0.5;
        s->TwistFromFourier(b, in.a1, in.a3, in.a5, in.liftSlope);
        s->ComputeSeriesCoefficients(in.a1);
    } else {
        s->SetTrapezoidChord(b, in.s1, in.s2, in.s3, in.chordA, in.chordB, in.chordC, in.chordD);
        s->ComputeArea();
        s->cl = in.liftCoefficient;
        s->a1FromCl = 2.0 * in.liftCoefficient / (LltPi * s->aspectRatio);
        s->a3 = in.a3;
        s->a5 = in.a5;
        s->SetSeriesCirculation(s->a1FromCl, in.a3, in.a5);
        s->TwistFromFourierCl(b, in.a3, in.a5, in.liftSlope);
        s->ComputeSeriesCoefficients(s->a1FromCl);
    }
    s->ComputeMeanChord();
    return s;
}

LltTwistDesignTexts LltTwistDesignResultTexts(const LltSolver& s) {
    using luvo::FormatResult;
    return {FormatResult("%.2f", s.area),        FormatResult("%.2f", s.meanChord),
            FormatResult("%.2f", s.aspectRatio), FormatResult("%.2f", s.cl),
            FormatResult("%.3f", s.cdiSeries),   FormatResult("%.3f", s.kFactor)};
}

LltChordDesignResult LltRunChordDesign(const LltChordDesignInputs& in) {
    using luvo::FormatResult;
    LltChordDesignResult r;
    r.record = std::make_shared<LltSolver>();
    LltSolver& s = *r.record;
    const double b = in.span;
    s.SetStations(b);
    r.liftMode = !A1Given(in.circulationMode);
    if (!r.liftMode) {
        s.a1 = in.a1;
        s.a3 = in.a3;
        s.a5 = in.a5;
        s.SetSeriesCirculation(in.a1, in.a3, in.a5);
        s.SetTrapezoidTwist(b, in.rootAngle, in.angleB, in.angleC, in.angleD, in.s1, in.s2, in.s3);
        s.ChordFromFourier(b, in.a1, in.a3, in.a5, in.liftSlope);
        s.ComputeArea();
        s.cl = in.a1 * s.aspectRatio * LltPi * 0.5;
        s.ComputeSeriesCoefficients(in.a1);
        s.ComputeMeanChord();
        r.rootAngle = in.rootAngle;
        r.lift = FormatResult("%.3f", s.cl);
        r.area = FormatResult("%.3f", s.area);
        r.meanChord = FormatResult("%.3f", s.meanChord);
        r.aspectRatio = FormatResult("%.3f", s.aspectRatio);
    } else {
        // The prescribed aspect ratio stays in the record: the series coefficients use it.
        s.cl = in.liftCoefficient;
        s.aspectRatio = in.aspectRatio;
        s.a1FromCl = 2.0 * in.liftCoefficient / (LltPi * in.aspectRatio);
        s.a3 = in.a3;
        s.a5 = in.a5;
        s.SetSeriesCirculation(s.a1FromCl, in.a3, in.a5);
        // Leaves the twist and the chord of the angle found in the record.
        r.search = s.SearchRootAngle(b, in.angleB, in.angleC, in.angleD, in.s1, in.s2, in.s3, in.a3,
                                     in.a5, in.liftSlope);
        r.rootAngle = r.search.rootAngle;
        s.area = r.search.area;
        s.ComputeMeanChord();
        s.ComputeSeriesCoefficients(s.a1FromCl);
        r.lift = FormatResult("%.3f", s.cl);
        // The label shows the target area the wing meets, or the wing's own area when it misses
        // it; the file's summary holds the computed one.
        r.area = FormatResult("%.3f",
                              r.search.reached ? std::pow(b, 2) / in.aspectRatio : r.search.area);
        r.meanChord = FormatResult("%.3f", s.meanChord);
        r.aspectRatio = FormatResult("%.3f", in.aspectRatio);
        r.rootAngleText = FormatResult("%.2f", r.rootAngle);
    }
    r.inducedDrag = FormatResult("%.3f", s.cdiSeries);
    r.kFactor = FormatResult("%.3f", s.kFactor);
    return r;
}

LltCirculationHandle LltPickCirculationHandle(int x, int y) {
    if (!kCirculationRows.Contain(y)) return LltCirculationHandle::None;
    if (x >= -10 && x <= 10) return LltCirculationHandle::Root;
    if (x >= 50 && x <= 70) return LltCirculationHandle::Station41;
    if (x >= 110 && x <= 130) return LltCirculationHandle::Station30;
    return LltCirculationHandle::None;
}

namespace {

// The working record of a twist design drag knows the wing, so the lift coefficient of the fit
// uses its aspect ratio in both modes.
void SetUpDragRecord(LltSolver& s, const LltTwistDesignInputs& in) {
    s.SetStations(in.span);
    s.SetTrapezoidChord(in.span, in.s1, in.s2, in.s3, in.chordA, in.chordB, in.chordC, in.chordD);
    s.ComputeArea();
}

// The working record of a chord design drag knows no wing: the lift mode gives it the prescribed
// aspect ratio.
void SetUpDragRecord(LltSolver& s, const LltChordDesignInputs& in) {
    s.SetStations(in.span);
    if (!A1Given(in.circulationMode)) s.aspectRatio = in.aspectRatio;
}

}  // namespace

std::vector<LltWrite> LltTwistDesignCirculationDrag(const LltTwistDesignInputs& in,
                                                    LltCirculationHandle held, int y) {
    LltSolver s;
    SetUpDragRecord(s, in);
    return RefitSeries(s, in, held, y, true);
}

std::vector<LltWrite> LltChordDesignCirculationDrag(const LltChordDesignInputs& in,
                                                    LltCirculationHandle held, int y) {
    LltSolver s;
    SetUpDragRecord(s, in);
    return RefitSeries(s, in, held, y, !A1Given(in.circulationMode));
}

double LltTwistDesignCirculationScale(const LltTwistDesignInputs& in) {
    LltSolver s;
    SetUpDragRecord(s, in);
    return FirstCoefficientOf(s, in);
}

double LltChordDesignCirculationScale(const LltChordDesignInputs& in) {
    LltSolver s;
    SetUpDragRecord(s, in);
    return FirstCoefficientOf(s, in);
}

std::array<double, 3> LltSectionColumns(double s1, double s2, double s3) {
    const double p1 = s1 * 0.01;
    const double p2 = p1 + s2 * 0.01;
    const double p3 = p2 + s3 * 0.01;
    return {200.0 * p1, 200.0 * p2, 200.0 * p3};
}

luvo::DragHandles LltPickSectionHandles(double s1, double s2, double s3, LltHandleRows rows, int x,
                                        int y) {
    if (!rows.Contain(y)) return 0;
    const std::array<double, 3> columns = LltSectionColumns(s1, s2, s3);
    luvo::DragHandles picked = 0;
    for (int k = 0; k < 3; ++k) {
        if (columns[k] - 2.0 <= x && x <= columns[k] + 2.0) picked |= luvo::DragHandle(k);
    }
    return picked;
}

namespace {

// How far from a handle's mark centre a press still picks it: the mark's half size and two pixels.
constexpr double kMarkPickReach = 4.0;

double WithinRows(double row, LltHandleRows rows) {
    if (std::isnan(row)) return row;
    return std::min(std::max(row, static_cast<double>(rows.top)), static_cast<double>(rows.bottom));
}

}  // namespace

double LltChordMarkRow(double span, double chord) {
    return WithinRows(150.0 * chord / (span / 2.0), kLltChordRows);
}

double LltTwistMarkRow(double relativeAngle) {
    return WithinRows(-20.0 * relativeAngle, kLltTwistRows);
}

luvo::DragHandles LltPickSectionHandles(double s1, double s2, double s3, LltHandleRows rows, int x,
                                        int y, const std::array<double, 3>& markRows) {
    luvo::DragHandles picked = LltPickSectionHandles(s1, s2, s3, rows, x, y);
    const std::array<double, 3> columns = LltSectionColumns(s1, s2, s3);
    for (int k = 0; k < 3; ++k) {
        if (columns[k] - 2.0 <= x && x <= columns[k] + 2.0 &&
            std::fabs(y - markRows[k]) <= kMarkPickReach) {
            picked |= luvo::DragHandle(k);
        }
    }
    return picked;
}

std::vector<LltHandleMove> LltTwistDesignChordDrag(double span, double s1, double s2, double s3,
                                                   luvo::DragHandles held, int y) {
    const std::array<double, 3> columns = LltSectionColumns(s1, s2, s3);
    const LltInput inputs[] = {LltInput::ChordB, LltInput::ChordC, LltInput::ChordD};
    std::vector<LltHandleMove> moves;
    if (!kLltChordRows.Contain(y)) return moves;
    for (int k = 0; k < 3; ++k) {
        if ((held & luvo::DragHandle(k)) == 0) continue;
        const double chord = span * 0.5 * y * 0.006666666666666667;
        moves.push_back({Write(inputs[k], "%2.2f", chord), static_cast<int>(columns[k] - 2.0),
                         static_cast<int>(static_cast<double>(y) - 2.0)});
    }
    return moves;
}

std::vector<LltHandleMove> LltChordDesignTwistDrag(double s1, double s2, double s3,
                                                   luvo::DragHandles held, int y) {
    const std::array<double, 3> columns = LltSectionColumns(s1, s2, s3);
    const LltInput inputs[] = {LltInput::AngleB, LltInput::AngleC, LltInput::AngleD};
    std::vector<LltHandleMove> moves;
    if (!kLltTwistRows.Contain(y)) return moves;
    for (int k = 0; k < 3; ++k) {
        if ((held & luvo::DragHandle(k)) == 0) continue;
        // The handle of D always stands at the tip, whatever the lengths add up to.
        const int markX = k == 2 ? 198 : static_cast<int>(columns[k] - 2.0);
        // 20 pixels per degree, upwards; the axis itself (y = 0) writes "0.00".
        const double angle = static_cast<double>(y) * -0.05;
        moves.push_back({Write(inputs[k], "%2.2f", angle), markX, y - 2});
    }
    return moves;
}
