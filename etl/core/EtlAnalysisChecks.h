#pragma once
// The input checks of the extended lifting-line analysis window on the common check engine
// (common/core/InputChecks.h): the rules of its 17 inputs, the order in which the window tests 16
// of them (the lift-slope factor is never checked), and the rule that makes the three trapezoid
// lengths add up to 100 per cent. The first four checks go on after a violation.

#include <string>

#include "common/core/InputChecks.h"

enum class EtlInput {
    Span,
    Sideslip,
    LiftSlope,
    SweepAB,
    SweepBC,
    SweepCD,
    LengthAB,
    LengthBC,
    LengthCD,
    ChordA,
    ChordB,
    ChordC,
    ChordD,
    AngleA,
    AngleB,  // relative to A
    AngleC,
    AngleD,
};
constexpr int kEtlInputCount = 17;

inline constexpr int EtlIndex(EtlInput input) { return static_cast<int>(input); }

extern const char* const kEtlLengthSumCaption;
extern const char* const kEtlLengthSumMessage;

// The sum is compared with 100 within this tolerance, so that lengths like 33.3, 33.3 and 33.4,
// whose sum in double precision misses 100 in the last digits, pass.
constexpr double kEtlLengthSumTolerance = 1e-9;

const luvo::InputRule& EtlRuleFor(EtlInput input);

// The analysis window's checks.
const luvo::CheckTable& EtlAnalysisCheckTable();

// What the sum rule decides for the values read at the start of a pass (indexed by EtlInput).
luvo::SumDecision EtlDecideLengths(const luvo::CheckValues& values);
