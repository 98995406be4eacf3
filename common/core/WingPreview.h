#pragma once
// The preview of an interactive trapezoid wing: top view, front view and the root and tip
// sections, as drawing steps, and the rules by which mouse drags on the two views change the
// inputs. The vortex-lattice and the panel method's geometry windows both draw it.
//
// The half span is always drawn 120 pixels long, so every length of the top view scales with
// the span. Coordinates are computed in floating point and truncated toward zero; a primitive
// with a coordinate that is not finite or beyond the range of a pixel is left out, so a span of
// 0 or a camber position of 0 or 100 per cent, which the fields accept while the student types,
// draws what it can and never fails.

#include <string>
#include <vector>

#include "common/core/DragSteps.h"
#include "common/core/PlotPainter.h"
#include "common/core/RangeCheck.h"

namespace luvo {

// The inputs as read from a geometry window's fields (metres, degrees, per cent).
struct WingPreviewInputs {
    double span = 6;
    double rootChord = 1.0;
    double tipChord = 0.5;
    double sweep = 32;
    double rootIncidence = 2.5;
    double tipIncidence = -2.5;
    double rootCamber = 4;
    double tipCamber = 4;
    double rootCamberPosition = 40;
    double tipCamberPosition = 40;
    double dihedral = 5;
    double alpha = 0;
    double beta = 0;
    // Sections without thickness are drawn as their camber line.
    double rootThickness = 0;
    double tipThickness = 0;
    // The flap outline of the top view: spanwise ends [% of the half span] and hinge [% chord].
    bool flapShown = false;
    double flapInner = 0;
    double flapOuter = 0;
    double hingePosition = 0;
};

// Each view draws its title at the canvas's own pixels, then moves the origin.
void PaintPlanformView(PlotPainter& p, const WingPreviewInputs& in);
// `dragSquare`: the drag of the dihedral handle is in progress with the mouse at logical y
// `dragMouseY`; a further square marks it.
void PaintFrontView(PlotPainter& p, const WingPreviewInputs& in, bool dragSquare, int dragMouseY);
// Thickness d, camber f and its position [%], incidence and angle of attack [deg].
void PaintProfileView(PlotPainter& p, const std::string& title, double thickness, double camber,
                      double position, double incidence, double alpha);

// The top view's pixels: root trailing edge at the origin, the root leading edge at yR, the tip
// leading and trailing edges at yL and yT.
struct WingPlanformPixels {
    double scale;  // pixels per metre
    double yR, yL, yT;
};
WingPlanformPixels PlanformPixels(const WingPreviewInputs& in);

enum class WingDragField { RootChord, TipChord, Sweep, Dihedral };

struct WingDragWrite {
    WingDragField field;
    std::string text;  // "%2.2f"
};

// The handles of the top view: the root leading edge (root chord), the tip leading edge (sweep)
// and the tip trailing edge (tip chord).
enum WingPlanformHandle { kWingRootHandle, kWingSweepHandle, kWingTipHandle };

// The handle that a press at logical (x, y) of the top view picks, none when the press is not
// near one.
DragHandles PickPlanformHandle(const WingPreviewInputs& in, int x, int y);
// What a motion with a button held at logical (x, y) of the top view writes, in this order, with
// the `held` handle following the pointer; all values come from the inputs as they were before
// the first write. The rules that let a chord grow by 0.01 act at every motion by the pointer's
// position, whatever is held.
std::vector<WingDragWrite> PlanformDragWrites(const WingPreviewInputs& in, DragHandles held, int x,
                                              int y);
// True when a press at logical (x, y) of the front view picks the dihedral handle.
bool PickDihedralHandle(double dihedral, int x, int y);
// The dihedral ("%2.2f", degrees) of the handle dragged to logical height y.
std::string DihedralDragText(int y);

// A mouse event of a view at its logical pixel (x, y): a press of any button, a motion with a
// button held, or the release of the left button.
struct WingPointerEvent {
    bool pressed;
    bool dragging;
    bool released;
    int x;
    int y;
};

// The drags of the top view: the handle picked at the press follows the pointer until the
// release.
class WingPlanformDrag {
  public:
    // The writes of the event, none when it is no drag step; `in` as the fields stand now.
    std::vector<WingDragWrite> Handle(const WingPreviewInputs& in, const WingPointerEvent& e);

  private:
    DragSteps steps_;
};

// The drag of the front view's dihedral handle, from the press near it until the release.
class WingDihedralDrag {
  public:
    // The dihedral text that the event writes, empty when it writes none.
    std::string Handle(double dihedral, const WingPointerEvent& e);
    // True while a motion with a button held moves the handle: the view then marks the pointer.
    bool Dragging() const { return dragging_; }

  private:
    DragSteps steps_;
    bool dragging_ = false;
};

// The range checks of a geometry window's "&Weiter" in their order: span, chords, sweep,
// incidences, then `sectionRows` (a method's own section values), cambers, camber positions,
// dihedral, angle of attack, sideslip.
std::vector<RangeCheck> WingGeometryChecks(const WingPreviewInputs& in,
                                           const std::vector<RangeCheck>& sectionRows = {});

}  // namespace luvo
