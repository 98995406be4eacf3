#pragma once
// The texts of a design window's result labels after a computation, and of the fields that show
// computed values (alpha* in coefficient mode, else the six coefficients).

#include <array>
#include <string>

#include "supersonic/core/SupersonicProfile.h"

// The four shock-expansion texts; the files' headers repeat them.
struct SupersonicShockTexts {
    std::string waveDrag;
    std::string lift;
    std::string moment;
    std::string pressurePoint;
};

struct SupersonicResultTexts {
    std::string camber;     // f/t [%]
    std::string thickness;  // d/t [%]
    bool subsonic = false;  // show "Achtung - Unterschallgebiet!"
    SupersonicShockTexts shock;
    std::string waveDragLinear;
    std::string waveDragAntimetric;
    std::string waveDragSymmetric;
    std::string liftLinear;
    std::string momentLinear;
    std::string pressurePointLinear;
    std::string alpha;  // alpha* derived from the coefficients
    std::array<std::string, SupersonicProfile::kSupportSlots> coefficients;  // A0..A5
};

inline const char* const kSupersonicSubsonicWarning = "Achtung - Unterschallgebiet!";

SupersonicResultTexts SupersonicFormatResults(const SupersonicProfile& profile);
