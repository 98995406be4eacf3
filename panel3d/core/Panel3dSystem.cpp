// The linear system of the doublet strengths: one equation per solved wing panel (the
// perturbation potential vanishes just inside the wing at its centroid), the sources on the
// right, the Kutta condition through the wake panels, which carry the lower minus the upper
// trailing-edge strength of their strip. The free wake enters only the two trailing-edge
// columns of each strip, so it is kept apart as a low-rank update of the assembled matrix:
// the relaxation then factors that matrix, in place, once per operating point.
//
// Rows, columns and wake columns are filled on the free cores; every entry is summed in one fixed
// order, so the results do not depend on the number of threads.

#include <cmath>
#include <new>
#include <string>

#include "common/core/FreeCores.h"
#include "panel3d/core/Panel3dModel.h"

namespace {

// The relaxation step count as the bar scale takes it: a flat run is one step.
double BarScale(const Panel3dOperatingPoint& point) { return 1.0 / (point.iterationCount + 1); }

const char* const kRhsText = "Rechte Seite des Gls bestimmen...";
const char* const kInfluenceText = "Einflusskoeffizienten bestimmen...";
const char* const kSolveText = "Gleichungssystem lösen...";

// Source influences kept between the angles of a polar, at most 128 MB.
constexpr size_t kMaxKeptSourceEntries = size_t{1} << 24;

// Bar and status of a model's run.
struct Progress {
    Panel3dModel& model;
    void Bar(double percent) {
        model.progressPercent = percent;
        luvo::RunProgress(model.reporter).ReportPercent(percent);
    }
    void Status(const char* text) { luvo::RunProgress(model.reporter).SetStatus(0, text); }
};

}  // namespace

void Panel3dModel::AssembleSystem() {
    if (Symmetric() == 0) {
        Assemble(false);
    }
}

void Panel3dModel::AssembleSymmetricSystem() {
    if (Symmetric() == 1) {
        Assemble(true);
    }
}

std::vector<double> Panel3dModel::MatrixKey() const {
    std::vector<double> key{static_cast<double>(SystemSize()), static_cast<double>(Symmetric())};
    key.reserve(key.size() + wingPanels.size() * 22 + trailingEdgeWake.size() * 12);
    auto add = [&key](const Panel3dPanel::Corners& c) {
        key.insert(key.end(), c.begin(), c.end());
    };
    for (const Panel3dPanel& p : wingPanels) {
        add(p.cornerX), add(p.cornerY), add(p.cornerZ);
        add(p.planarX), add(p.planarY);
        key.push_back(p.meanDiagonal);
        key.push_back(p.area);
    }
    for (const Panel3dPanel& p : trailingEdgeWake) {
        add(p.planarX), add(p.planarY), add(p.planarZ);
    }
    return key;
}

void Panel3dModel::ForgetAssembly() {
    assembled_ = false;
    if (resolverReady_) {
        // The block of the factors serves the next matrix.
        influenceMatrix = resolver_.Release();
    }
    resolverReady_ = false;
    std::vector<double>().swap(matrixKey_);
    std::vector<double>().swap(sourceInfluence_);
}

void Panel3dModel::Assemble(bool symmetric) {
    const int n = SystemSize();
    const size_t size = static_cast<size_t>(n);
    const size_t wing = static_cast<size_t>(WingPanelCount());
    std::vector<double> key = MatrixKey();
    // The matrix is kept as assembled until the first solve, as factors after it.
    const bool held = resolverReady_ || influenceMatrix.size() == size * size;
    const bool keep = assembled_ && key == matrixKey_ && held && rightHandSide.size() == size;
    Progress progress{*this};
    if (!keep) {
        ForgetAssembly();
        if (influenceMatrix.size() != size * size || rightHandSide.size() != size) {
            if (!AllocateSolverArrays()) {
                return;
            }
        }
    }

    progress.Bar(10 * BarScale(operatingPoint));
    stepCount = n;
    progress.Status(kRhsText);
    if (keep) {
        // The matrix and its factors stay: only the sources have new strengths. Their unit
        // potentials are kept from the second angle on (a single state never needs them), where
        // they fit beside the matrix.
        if (sourceInfluence_.size() != size * wing && size * wing <= kMaxKeptSourceEntries) {
            try {
                sourceInfluence_.resize(size * wing);
                FillSourceInfluence(sourceInfluence_.data());
            } catch (const std::bad_alloc&) {
                std::vector<double>().swap(sourceInfluence_);
            }
        }
        const bool kept = sourceInfluence_.size() == size * wing;
#pragma omp parallel for schedule(dynamic, 8) num_threads(luvo::LoopThreads())
        for (int i = 0; i < n; ++i) {
            const double* row = kept ? sourceInfluence_.data() + i * wing : nullptr;
            const Panel3dVector c = wingPanels[i].Centroid();
            double sum = 0;
            for (size_t j = 0; j < wing; ++j) {
                const Panel3dPanel& p = wingPanels[j];
                const double potential =
                    row != nullptr ? row[j] : p.SourcePotential(c, p.IsFarField(c));
                sum -= potential * p.sourceStrength;
            }
            rightHandSide[i] = sum;
        }
        progress.Bar(30 * BarScale(operatingPoint));
        progress.Status(kInfluenceText);
        progress.Bar(45 * BarScale(operatingPoint));
        if (symmetric) {
            progress.Status(kInfluenceText);
        }
        if (resolverReady_) {
            resolver_.SetRightHandSide(rightHandSide.data());
        }
        return;
    }
    // Right-hand side and matrix come from one pass over the panel pairs; the bar and the texts
    // still tell the phases in their order.
    FillSystem(symmetric, influenceMatrix.data(), rightHandSide.data());
    progress.Bar(30 * BarScale(operatingPoint));
    progress.Status(kInfluenceText);
    progress.Bar(45 * BarScale(operatingPoint));
    if (symmetric) {
        progress.Status(kInfluenceText);
    }
    assembled_ = true;
    matrixKey_ = std::move(key);
}

void Panel3dModel::FillSourceInfluence(double* kept) const {
    const int n = SystemSize();
    const size_t wing = static_cast<size_t>(WingPanelCount());
#pragma omp parallel for schedule(dynamic, 8) num_threads(luvo::LoopThreads())
    for (int i = 0; i < n; ++i) {
        const Panel3dVector c = wingPanels[i].Centroid();
        double* row = kept + i * wing;
        for (size_t j = 0; j < wing; ++j) {
            const Panel3dPanel& p = wingPanels[j];
            row[j] = p.SourcePotential(c, p.IsFarField(c));
        }
    }
}

void Panel3dModel::FillSystem(bool symmetric, double* matrix, double* rhs) const {
    const int n = SystemSize();
    const int wing = WingPanelCount();
    const int chord = 2 * ChordPanels();
    const int strips = StripCount();
    const int solvedStrips = symmetric ? SpanPanels() : strips;
    // Row by row: each row's right-hand side sums all sources of the wing (also those of the
    // mirror half) in panel order; an own panel j sets column j, and in the half model a panel
    // of the other half, the mirror of own panel 2N(2M-1-s) + k, is subtracted from that column
    // afterwards, as the own panels come first.
#pragma omp parallel for schedule(dynamic, 8) num_threads(luvo::LoopThreads())
    for (int i = 0; i < n; ++i) {
        const Panel3dVector c = wingPanels[i].Centroid();
        double sum = 0;
        for (int j = 0; j < wing; ++j) {
            const Panel3dPanel& p = wingPanels[j];
            const Panel3dPanel::Potentials u = p.UnitPotentials(c);
            sum -= u.source * p.sourceStrength;
            if (j < n) {
                matrix[luvo::ColumnMajor(i, j, n)] = -u.doublet;
            } else {
                const int column = chord * (strips - 1 - j / chord) + j % chord;
                matrix[luvo::ColumnMajor(i, column, n)] -= u.doublet;
            }
        }
        if (rhs != nullptr) rhs[i] = sum;
        // Kutta condition: the trailing-edge wake panel behind each solved strip, in the half
        // model also that behind its mirror strip, always with the closed form.
        for (int j = 0; j < solvedStrips; ++j) {
            double& upper = matrix[luvo::ColumnMajor(i, chord * j, n)];
            double& lower = matrix[luvo::ColumnMajor(i, chord * (j + 1) - 1, n)];
            const double w = trailingEdgeWake[j].DoubletPotential(c, false);
            upper -= w;
            lower += w;
            if (symmetric) {
                const double m = trailingEdgeWake[strips - 1 - j].DoubletPotential(c, false);
                upper -= m;
                lower += m;
            }
        }
    }
}

void Panel3dModel::ComputeWakeColumns(bool symmetric, double ownPercent, double mirrorPercent,
                                      bool relaxing) {
    const int n = SystemSize();
    const int strips = StripCount();
    const int rows = WakeRows();
    const int solvedStrips = symmetric ? SpanPanels() : strips;
    const size_t entries = static_cast<size_t>(n) * static_cast<size_t>(solvedStrips);
    wakeColumns.assign(entries, 0.0);
    Progress progress{*this};
    // One entry per control point and strip, summed over the wake rows from the wing down.
    auto add = [&](bool mirror) {
#pragma omp parallel for schedule(dynamic, 64) num_threads(luvo::LoopThreads())
        for (long e = 0; e < static_cast<long>(entries); ++e) {
            const int i = static_cast<int>(e % n);
            const int j = static_cast<int>(e / n);
            const int strip = mirror ? strips - 1 - j : j;
            const Panel3dVector c = wingPanels[i].Centroid();
            double sum = 0;
            for (int r = 0; r < rows; ++r) {
                const Panel3dPanel& w = freeWake[strip + strips * r];
                sum += relaxing ? w.PairedDoubletPotential(c) : w.DoubletPotential(c, false);
            }
            wakeColumns[e] += sum;
        }
    };
    // A relaxation step draws no bars here (negative percentages).
    add(false);
    if (ownPercent >= 0) {
        progress.Bar(ownPercent);
    }
    if (symmetric) {
        add(true);
        if (mirrorPercent >= 0) {
            progress.Bar(mirrorPercent);
        }
    }
}

bool Panel3dModel::SolveSystem() { return Symmetric() == 0 && Solve(false, false); }

bool Panel3dModel::SolveSymmetricSystem() { return Symmetric() == 1 && Solve(true, false); }

bool Panel3dModel::ResolveInIteration() { return Symmetric() == 0 && Solve(false, true); }

bool Panel3dModel::ResolveSymmetricInIteration() { return Symmetric() == 1 && Solve(true, true); }

bool Panel3dModel::Solve(bool symmetric, bool inIteration) {
    if (!assembled_) {
        return false;
    }
    const int n = SystemSize();
    const int chord = 2 * ChordPanels();
    const int strips = StripCount();
    const int solvedStrips = symmetric ? SpanPanels() : strips;
    const double scale = BarScale(operatingPoint);
    Progress progress{*this};

    if (inIteration) {
        // A count below 1 still runs one step: its share of the bar is then the whole.
        const int count = operatingPoint.iterationCount >= 1 ? operatingPoint.iterationCount : 1;
        progress.Bar(100 * scale + 100.0 / count * operatingPoint.iteration);
    } else {
        progress.Bar(65 * scale);
    }
    stepCount = n;
    progress.Status(kInfluenceText);
    if (inIteration) {
        ComputeWakeColumns(symmetric, -1, -1, true);
    } else if (symmetric) {
        ComputeWakeColumns(true, 75 * scale, 80 * scale, false);
    } else {
        ComputeWakeColumns(false, 75 * scale, -1, false);
    }
    progress.Status(kSolveText);

    if (!resolverReady_) {
        std::vector<luvo::LowRankResolver::Entry> kutta;
        kutta.reserve(2 * static_cast<size_t>(solvedStrips));
        for (int j = 0; j < solvedStrips; ++j) {
            kutta.push_back({chord * j, j, -1.0});
            kutta.push_back({chord * (j + 1) - 1, j, 1.0});
        }
        // Factored in place: the model then holds one n x n matrix. Only a re-solve that the
        // low-rank update cannot give to full accuracy needs the matrix again, from the wing.
        try {
            resolver_.Prepare(std::move(influenceMatrix), n, rightHandSide.data(), std::move(kutta),
                              solvedStrips,
                              [this, symmetric](double* a) { FillSystem(symmetric, a, nullptr); });
        } catch (const std::bad_alloc&) {
            std::vector<double>().swap(influenceMatrix);
            assembled_ = false;
            return false;
        }
        resolverReady_ = true;
    }
    if (!inIteration) {
        progress.Bar(85 * scale);
    }
    std::vector<double> x(static_cast<size_t>(n));
    if (!resolver_.Solve(wakeColumns.data(), x.data())) {
        return false;
    }
    if (!inIteration) {
        progress.Bar(95 * scale);
    }
    solutionVector = x;

    for (int i = 0; i < n; ++i) {
        wingPanels[i].doubletStrength = x[i];
    }
    if (symmetric) {
        for (int i = 0; i < n; ++i) {
            const int strip = i / chord;
            wingPanels[chord * (strips - 1 - strip) + i % chord].doubletStrength = x[i];
        }
    }
    for (int j = 0; j < strips; ++j) {
        const double mu =
            wingPanels[chord * (j + 1) - 1].doubletStrength - wingPanels[chord * j].doubletStrength;
        trailingEdgeWake[j].doubletStrength = mu;
        for (int r = 0; r < WakeRows(); ++r) {
            freeWake[j + strips * r].doubletStrength = mu;
        }
    }
    if (!inIteration) {
        progress.Bar(99 * scale);
    }
    return true;
}
