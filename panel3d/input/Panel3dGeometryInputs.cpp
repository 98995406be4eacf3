#include "panel3d/input/Panel3dGeometryInputs.h"

std::vector<luvo::RangeCheck> Panel3dGeometryChecks(const Panel3dGeometryInputs& in,
                                                    double alphaStar) {
    return {
        {in.span, 0.5, 100,
         "Der Wert der Spannweite liegt in einem unzulässigen Bereich:\n\n"
         "0.5 <= Spannweite <= 100\n"},
        {in.rootChord, 0.1, 50,
         "Der Wert der Flügelwurzeltiefe liegt in einem unzulässigen Bereich:\n\n"
         "0.1 <= Flügelwurzeltiefe <= 50\n"},
        {in.tipChord, 0.1, 30,
         "Der Wert der Randbogentiefe liegt in einem unzulässigen Bereich:\n\n"
         "0.1 <= Randbogentiefe <= 30\n"},
        {in.sweep, -60, 60,
         "Der Wert des Pfeilwinkels liegt in einem unzulässigen Bereich:\n\n"
         "-60° <= Pfeilwinkel <= 60°\n"},
        {in.rootIncidence, -5, 5,
         "Der Wert des Einstellwinkels der Flügelwurzel liegt in einem unzulässigen "
         "Bereich:\n\n-5 <= Einstellwinkel Flügelwurzel <= 5\n"},
        {in.tipIncidence, -5, 5,
         "Der Wert des Einstellwinkels am Randbogen liegt in einem unzulässigen Bereich:\n\n"
         "-5 <= Einstellwinkel Randbogen <= 5\n"},
        {in.rootThickness, 6, 20,
         "Der Wert der Profildicke der Flügelwurzel liegt in einem unzulässigen Bereich:\n\n"
         "6 <= Dicke Flügelwurzel <= 20\n"},
        {in.tipThickness, 6, 20,
         "Der Wert der Profildicke am Flügelrandbogen liegt in einem unzulässigen Bereich:\n\n"
         "6 <= Profildicke Flügelrandbogen <= 20\n"},
        {in.rootCamber, 0, 10,
         "Der Wert der Profilwölbung an der Flügelwurzel liegt in einem unzulässigen "
         "Bereich:\n\n0 <= Profilwölbung an der Flügelwurzel <= 10\n"},
        {in.tipCamber, 0, 10,
         "Der Wert der Profilwölbung am Flügelrandbogen liegt in einem unzulässigen "
         "Bereich:\n\n0 <= Profilwölbung am Flügelrandbogen <= 10\n"},
        {in.rootCamberPosition, 5, 80,
         "Der Wert der Wölbungsrücklage an der Flügelwurzel liegt in einem unzulässigen "
         "Bereich:\n\n5 <= Wölbungsrücklage an der Flügelwurzel <= 80\n"},
        {in.tipCamberPosition, 5, 80,
         "Der Wert der Wölbungsrücklage am Flügelrandbogen liegt in einem unzulässigen "
         "Bereich:\n\n5 <= Wölbungsrücklage am Flügelrandbogen <= 80\n"},
        {in.dihedral, -10, 30,
         "Der Wert der V-Form liegt in einem unzulässigen Bereich:\n\n-10 <= V-Form <= 30\n"},
        {alphaStar, -10, 10,
         "Der Wert des Anströmwinkels liegt in einem unzulässigen Bereich:\n\n"
         "-10 <= Anströmwinkel <= 10\n"},
        {in.beta, -30, 30,
         "Der Wert des Schiebewinkels liegt in einem unzulässigen Bereich:\n\n"
         "-30 <= Schiebewinkel <= 30\n"},
    };
}

WingPreviewInputs Panel3dPreviewInputs(const Panel3dGeometryInputs& in, double alphaStar) {
    WingPreviewInputs out;
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
