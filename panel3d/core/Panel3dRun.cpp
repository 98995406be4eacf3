#include "panel3d/core/Panel3dRun.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <optional>

#include "common/core/NumberText.h"
#include "common/core/TextScanner.h"
#include "panel3d/core/Panel3dGridHeader.h"
#include "panel3d/core/Panel3dModule.h"
#include "panel3d/core/Panel3dPolarEvaluator.h"

namespace {

// Highest relaxation step count the windows accept.
constexpr double kMaxIterations = 100;
// Corrections of a speed-polar point's angle towards its demanded lift, and the largest angle
// [deg] it may take.
constexpr int kMaxLiftSteps = 5;
constexpr double kMaxSpeedPolarAngle = 90;

const char* const kRunning = "Rechnung läuft";
const char* const kWriting = "Ergebnisse werden in Datei geschrieben...";

// One run from the first point to the last; both paths differ only in how the model is made
// and in what each further point rebuilds.
class Run {
  public:
    Run(const Panel3dRunSettings& settings, Panel3dPolarEvaluator* evaluator,
        luvo::RunReporter* reporter)
        : settings_(settings), evaluator_(evaluator), progress_(reporter), reporter_(reporter) {}

    Panel3dRunOutcome Fail(Panel3dRunError error) {
        Panel3dRunOutcome outcome;
        outcome.error = error;
        return outcome;
    }

    void Status(int field, const std::string& text) { progress_.SetStatus(field, text); }

    bool IterationsAllowed() const {
        const double count = settings_.iterationCount;
        return settings_.wakeMode != 1 || (count >= 1 && count <= kMaxIterations);
    }

    // The model for these sizes with its linear system, at the first angle of the settings.
    Panel3dRunError CreateModel(const Panel3dModelSizes& sizes) {
        model_ = Panel3dModel::Create(sizes);
        if (!model_) {
            return Panel3dModel::SizesAllowed(sizes) ? Panel3dRunError::kOutOfMemory
                                                     : Panel3dRunError::kInvalidInput;
        }
        if (!model_->AllocateSolverArrays()) {
            return Panel3dRunError::kOutOfMemory;
        }
        model_->reporter = reporter_;
        Panel3dOperatingPoint& point = model_->operatingPoint;
        point.alpha = settings_.flow.alphaStar;
        point.sideslip = -settings_.sideslip;
        point.iterationCount = static_cast<int>(std::trunc(settings_.iterationCount));
        return Panel3dRunError::kNone;
    }

    Panel3dModel& model() { return *model_; }

    // Steps 14 to 16: assembly, the flat solve or the relaxation steps, velocities and
    // coefficients.
    bool SolvePoint() {
        Panel3dModel& m = *model_;
        const bool half = m.Symmetric() == 1;
        Status(1, "Eigeninduktion Flügel berechnen...");
        half ? m.AssembleSymmetricSystem() : m.AssembleSystem();
        if (settings_.wakeMode != 1) {
            if (!(half ? m.SolveSymmetricSystem() : m.SolveSystem())) return false;
        } else {
            // Counted as a double, so that 2.5 runs a third step.
            int& step = m.operatingPoint.iteration;
            step = 0;
            do {
                Status(1, "Iterationsschritt Nummer " + std::to_string(step + 1));
                if (!(half ? m.ResolveSymmetricInIteration() : m.ResolveInIteration())) {
                    return false;
                }
                half ? m.RelaxSymmetricWake() : m.RelaxWake();
                for (Panel3dPanel& p : m.freeWake) p.UpdateGeometry();
                ++step;
            } while (step < settings_.iterationCount);
        }
        Status(1, "Postprocessing...");
        m.ComputeSurfaceVelocity();
        m.ComputeCoefficients();
        return std::isfinite(m.totalLift);
    }

    // Evaluation and files of a solved point; `point` counts from 1.
    void StorePoint(int point, bool evaluate) {
        Status(0, kWriting);
        if (evaluator_ != nullptr) {
            evaluator_->SetOperatingPoint(model_->operatingPoint.alpha, point);
            if (evaluate) evaluator_->EvaluateProfileDrag(*model_);
        }
        if (!evaluate) return;
        for (const std::string& name : model_->WriteResultFiles(files_)) {
            if (std::find(unwritten_.begin(), unwritten_.end(), name) == unwritten_.end()) {
                unwritten_.push_back(name);
            }
        }
    }

    // Points after the first: the angle set, sigma anew, the wake rebuilt by `rebuild`, solved
    // and stored. False when a point cannot be solved.
    template <typename Rebuild>
    bool FurtherPoints(Rebuild rebuild) {
        const Panel3dFlowState& flow = settings_.flow;
        const bool evaluate = flow.taskMode < 2;
        if (flow.taskMode > 0 && flow.angleCount > 1) {
            for (int k = 2; k <= flow.angleCount; ++k) {
                model_->operatingPoint.alpha += flow.alphaStep;
                if (!SolveAt(k, rebuild, evaluate)) return false;
                lastLift_ = model_->totalLift;
            }
        }
        if (flow.taskMode != 2) return true;
        const double slope = (lastLift_ - firstLift_) * 0.05;
        const double lift0 = firstLift_ + (lastLift_ - firstLift_) * 0.5;
        // One speed has no step to divide by.
        const double step =
            flow.speedCount > 1 ? (flow.speedMax - flow.speedMin) / (flow.speedCount - 1) : 0.0;
        for (int i = 0; i < flow.speedCount; ++i) {
            const double v = flow.speedMin + i * step;
            // The wing loading is already per area.
            const double liftRequired = Panel3dEvaluationRecord::RequiredLift(v, flow.wingLoading);
            const double alpha = (liftRequired - lift0) / slope;
            if (!std::isfinite(alpha)) return false;
            if (!FlyAtLift(liftRequired, alpha, slope, rebuild)) return false;
            // The angle and the lift the point is flown with.
            if (evaluator_ != nullptr) {
                evaluator_->SetSpeedPoint(i, v, model_->totalLift, model_->operatingPoint.alpha);
            }
            StorePoint(i + 1, true);
        }
        return true;
    }

    // Solves the point at the angle whose lift is `required`: first at the straight-line
    // estimate, then with secant steps on the computed lift (the first with the line's slope),
    // at most kMaxLiftSteps, until the lift meets the demand. The lift curve bends, so the line
    // alone misses it. The angles stay within +-90 deg, where the flow still comes from ahead; a
    // demand beyond the wing's reach is flown at the angle that came closest. The wing and its
    // trailing-edge row stay, so each step reuses the factored matrix (only the sources and the
    // free wake are new).
    template <typename Rebuild>
    bool FlyAtLift(double required, double alpha, double slope, Rebuild rebuild) {
        auto solve = [&](double angle) {
            model_->operatingPoint.alpha = angle;
            model_->SetSourceStrengths();
            return rebuild() && SolvePoint();
        };
        alpha = std::clamp(alpha, -kMaxSpeedPolarAngle, kMaxSpeedPolarAngle);
        if (!solve(alpha)) return false;
        double lift = model_->totalLift;
        double bestAlpha = alpha;
        double bestMiss = std::fabs(lift - required);
        double previousAlpha = alpha;
        double previousLift = lift;
        for (int step = 0; step < kMaxLiftSteps; ++step) {
            if (Panel3dEvaluationRecord::LiftMeetsDemand(lift, required)) return true;
            const double secant =
                step == 0 ? slope : (lift - previousLift) / (alpha - previousAlpha);
            const double next = std::clamp(alpha + (required - lift) / secant, -kMaxSpeedPolarAngle,
                                           kMaxSpeedPolarAngle);
            // No slope to follow, or no new angle within reach.
            if (!std::isfinite(next) || next == alpha) break;
            previousAlpha = alpha;
            previousLift = lift;
            alpha = next;
            if (!solve(alpha)) return false;
            lift = model_->totalLift;
            if (std::fabs(lift - required) < bestMiss) {
                bestMiss = std::fabs(lift - required);
                bestAlpha = alpha;
            }
        }
        if (Panel3dEvaluationRecord::LiftMeetsDemand(lift, required) || alpha == bestAlpha) {
            return true;
        }
        return solve(bestAlpha);
    }

    template <typename Rebuild>
    bool SolveAt(int point, Rebuild rebuild, bool evaluate) {
        model_->SetSourceStrengths();
        if (!rebuild() || !SolvePoint()) return false;
        StorePoint(point, evaluate);
        return true;
    }

    // The lift of the polar's first angle, one end of the line a speed polar starts from.
    void KeepFirstLift() { firstLift_ = model_->totalLift; }

    // The solved model becomes the module's, with its counts and wake values.
    Panel3dRunOutcome Finish() {
        Status(0, "Rechnung beendet!");
        model_->ReleaseSolverArrays();
        const Panel3dModel& m = *model_;
        panel3d::Panel3dChordPanelCount = m.ChordPanels();
        panel3d::Panel3dSpanPanelCount = m.SpanPanels();
        panel3d::Panel3dChordPointCount = 2 * m.ChordPanels() + 1;
        panel3d::Panel3dSpanPointCount = 2 * m.SpanPanels() + 1;
        panel3d::Panel3dWakeRowCount = m.WakeRows();
        panel3d::Panel3dTrailingEdgeWakeFactor = m.TrailingEdgeWakeFactor();
        panel3d::Panel3dWakeLengthFactor = m.WakeLengthFactor();
        panel3d::Panel3dSymmetryFlag = m.Symmetric();
        panel3d::Panel3dPanelModel = model_;
        Panel3dRunOutcome outcome;
        outcome.model = model_;
        outcome.unwrittenFiles = unwritten_;
        if (evaluator_ != nullptr) outcome.evaluation = evaluator_->Record();
        return outcome;
    }

    const Panel3dRunSettings& settings() const { return settings_; }

  private:
    const Panel3dRunSettings& settings_;
    const Panel3dResultFileNames files_{settings_.result3dFileName, settings_.resultCpFileName,
                                        settings_.resultCaFileName};
    Panel3dPolarEvaluator* evaluator_;
    luvo::RunProgress progress_;
    luvo::RunReporter* reporter_;
    std::shared_ptr<Panel3dModel> model_;
    std::vector<std::string> unwritten_;
    double firstLift_ = 0;
    double lastLift_ = 0;
};

// The first point of both paths (steps 14 to 17) and the polar loops; `rebuild` is what each
// further point builds again before it is solved.
template <typename Rebuild>
Panel3dRunOutcome SolveAllPoints(Run& run, Rebuild rebuild, bool interactive) {
    if (!run.SolvePoint()) return run.Fail(Panel3dRunError::kUnsolvable);
    run.StorePoint(1, run.settings().flow.taskMode < 2);
    // The interactive window's phase field is emptied once, after the first point.
    if (interactive) run.Status(1, "");
    run.KeepFirstLift();
    if (!run.FurtherPoints(rebuild)) return run.Fail(Panel3dRunError::kUnsolvable);
    return run.Finish();
}

}  // namespace

void Panel3dSetWingInputs(Panel3dModel& m, const Panel3dGeometryInputs& wing, int clustering) {
    m.halfSpan = wing.span * 0.5;
    m.rootChord = wing.rootChord;
    m.tipChord = wing.tipChord;
    m.leadingEdgeSweep = wing.sweep;
    m.quarterChordSweep = std::atan2(std::tan(panel3d::Panel3dPi * wing.sweep / 180.0) +
                                         (m.tipChord - m.rootChord) * 0.25 / m.halfSpan,
                                     1.0) *
                          180.0 / panel3d::Panel3dPi;
    m.rootIncidence = wing.rootIncidence;
    m.tipIncidence = wing.tipIncidence;
    m.rootThickness = wing.rootThickness;
    m.tipThickness = wing.tipThickness;
    m.rootCamber = wing.rootCamber;
    m.tipCamber = wing.tipCamber;
    m.rootCamberPosition = wing.rootCamberPosition;
    m.tipCamberPosition = wing.tipCamberPosition;
    m.dihedral = wing.dihedral;
    m.chordwiseGrading = clustering * 0.005 + 0.5;
    m.spanwiseGrading = 1.0 - std::min(std::fabs(wing.sweep), 18.0) * 0.4 / 15.0;
    m.flapInnerEnd = wing.flapInner * 0.01;
    m.flapOuterEnd = wing.flapOuter * 0.01;
    m.hingePosition = wing.hingePosition * 0.01;
    m.hingeHeight = wing.hingeHeight * 0.01;
    m.leftFlapDeflection = -wing.leftDeflection;
    m.rightFlapDeflection = -wing.rightDeflection;
    m.interactiveGrid = true;
}

int Panel3dInteractiveSymmetry(const Panel3dGeometryInputs& wing) {
    return wing.beta == 0 && wing.leftDeflection == wing.rightDeflection ? 1 : 0;
}

Panel3dRunOutcome RunPanel3dGridFile(const Panel3dGridRunSettings& settings,
                                     Panel3dPolarEvaluator* evaluator,
                                     luvo::RunReporter* reporter) {
    Run run(settings, evaluator, reporter);
    run.Status(0, kRunning);
    if (!run.IterationsAllowed()) return run.Fail(Panel3dRunError::kInvalidInput);

    // Header and body come from one reading of the file and are taken together.
    std::string text;
    if (!luvo::ReadTextFile(settings.gridFileName, text)) {
        return run.Fail(Panel3dRunError::kGridFile);
    }
    const std::optional<Panel3dGridHeader> header = ParsePanel3dGridHeader(text);
    if (!header) return run.Fail(Panel3dRunError::kGridFile);
    Panel3dModelSizes sizes;
    sizes.chordPanels = header->chordPanelCount;
    sizes.spanPanels = header->spanPanelCount;
    sizes.wakeRows = header->wakeRowCount;
    sizes.symmetric = settings.sideslip == 0 && header->symmetryFlag == 1 ? 1 : 0;
    sizes.trailingEdgeWakeFactor = header->trailingEdgeWakeFactor;
    sizes.wakeLengthFactor = header->wakeLengthFactor;

    if (const Panel3dRunError error = run.CreateModel(sizes); error != Panel3dRunError::kNone) {
        return run.Fail(error);
    }
    Panel3dModel& m = run.model();
    m.interactiveGrid = false;
    // A wing whose panels or wake cannot be built is the file's fault too.
    if (!m.ReadGridPointsText(text) || !m.PrepareWing(settings.dampingFactor)) {
        return run.Fail(Panel3dRunError::kGridFile);
    }

    // Wing and trailing-edge row stay; each further angle turns the free wake.
    return SolveAllPoints(
        run, [&m] { return m.BuildFreeWake(); }, false);
}

Panel3dRunOutcome RunPanel3dInteractive(const Panel3dInteractiveRunSettings& settings,
                                        Panel3dPolarEvaluator* evaluator,
                                        luvo::RunReporter* reporter) {
    Run run(settings, evaluator, reporter);
    run.Status(0, kRunning);
    const double n = settings.chordPanels;
    const double mCount = settings.spanPanels;
    // As the windows check: counts from 2 and at most the panels a grid file may hold.
    const bool counts =
        n >= 2 && mCount >= 2 && std::trunc(n) * std::trunc(mCount) * 4 <= kPanel3dMaxWingPanels;
    if (!counts || !run.IterationsAllowed()) return run.Fail(Panel3dRunError::kInvalidInput);
    Panel3dModelSizes sizes;
    sizes.chordPanels = static_cast<int>(n);
    sizes.spanPanels = static_cast<int>(mCount);
    sizes.wakeRows = settings.wakeRows;
    sizes.symmetric = Panel3dInteractiveSymmetry(settings.wing);
    sizes.trailingEdgeWakeFactor = settings.trailingEdgeWakeFactor;
    sizes.wakeLengthFactor = settings.wakeLengthFactor;

    if (const Panel3dRunError error = run.CreateModel(sizes); error != Panel3dRunError::kNone) {
        return run.Fail(error);
    }
    Panel3dModel& m = run.model();
    // The wing's own sideslip, whatever the settings' angle.
    m.operatingPoint.sideslip = -settings.wing.beta;
    Panel3dSetWingInputs(m, settings.wing, settings.clustering);
    if (!m.GenerateWingGrid()) return run.Fail(Panel3dRunError::kInvalidInput);
    if (!m.PrepareWing(1.0)) return run.Fail(Panel3dRunError::kUnsolvable);

    // Both wake rows and the core radius are built again for every further angle.
    return SolveAllPoints(
        run,
        [&m] {
            const bool built = m.BuildTrailingEdgeWake() && m.BuildFreeWake();
            m.SetCoreRadius(1.0);
            return built;
        },
        true);
}
