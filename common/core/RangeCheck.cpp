#include "common/core/RangeCheck.h"

#include <cmath>

namespace luvo {

const char* const kInvalidInputCaption = "Die Eingaben sind nicht korrekt!";

bool InRange(const RangeCheck& check) {
    return std::isfinite(check.value) && check.value >= check.lower && check.value <= check.upper;
}

RangeCheck IterationCountCheck(double count) {
    return {count, 1, 100,
            "Die Anzahl der Iterationen liegt in einem unzulässigen Bereich:\n\n"
            "1 <= Anzahl der Iterationen <= 100\n"};
}

std::vector<RangeCheck> FlowAngleChecks(double alpha, double beta) {
    return {
        {alpha, -10, 10,
         "Der Wert des Anströmwinkels liegt in einem unzulässigen Bereich:\n\n"
         "-10 <= Anströmwinkel <= 10\n"},
        {beta, -30, 30,
         "Der Wert des Schiebewinkels liegt in einem unzulässigen Bereich:\n\n"
         "-30 <= Schiebewinkel <= 30\n"},
    };
}

RangeCheck BirnbaumCountCheck(double count) {
    return {count, 1, 21,
            "Die Anzahl der Birnbaumkoeffizienten liegt in einem unzulässigen Bereich:\n\n"
            "1 <= Anzahl Birnbaumkoeffizienten <= 21\n"};
}

const char* FirstRangeFailure(const std::vector<RangeCheck>& checks) {
    for (const RangeCheck& check : checks) {
        if (!InRange(check)) return check.message;
    }
    return nullptr;
}

}  // namespace luvo
