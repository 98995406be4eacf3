#include "panel3d/core/Panel3dGeometryInputs.h"

std::vector<luvo::RangeCheck> Panel3dGeometryChecks(const Panel3dGeometryInputs& in,
                                                    double alphaStar) {
    // The sections' thickness, which the vortex lattice does not have, follows the incidences.
    return luvo::WingGeometryChecks(
        Panel3dPreviewInputs(in, alphaStar),
        {
            {in.rootThickness, 6, 20,
             "Der Wert der Profildicke der Flügelwurzel liegt in einem unzulässigen Bereich:\n\n"
             "6 <= Dicke Flügelwurzel <= 20\n"},
            {in.tipThickness, 6, 20,
             "Der Wert der Profildicke am Flügelrandbogen liegt in einem unzulässigen Bereich:\n\n"
             "6 <= Profildicke Flügelrandbogen <= 20\n"},
        });
}

luvo::WingPreviewInputs Panel3dPreviewInputs(const Panel3dGeometryInputs& in, double alphaStar) {
    luvo::WingPreviewInputs out;
    out.span = in.span;
    out.rootChord = in.rootChord;
    out.tipChord = in.tipChord;
    out.sweep = in.sweep;
    out.rootIncidence = in.rootIncidence;
    out.tipIncidence = in.tipIncidence;
    out.rootCamber = in.rootCamber;
    out.tipCamber = in.tipCamber;
    out.rootCamberPosition = in.rootCamberPosition;
    out.tipCamberPosition = in.tipCamberPosition;
    out.dihedral = in.dihedral;
    out.alpha = alphaStar;
    out.beta = in.beta;
    out.rootThickness = in.rootThickness;
    out.tipThickness = in.tipThickness;
    out.flapShown = in.flapActive;
    out.flapInner = in.flapInner;
    out.flapOuter = in.flapOuter;
    out.hingePosition = in.hingePosition;
    return out;
}
