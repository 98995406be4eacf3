#pragma once
// Files of the supersonic method: configuration files "*.cfg" (read, written and probed for their
// window), profile-coordinate files "*.pol" (read and written) and Tecplot-style result files
// "*.dat" (written). Writers take the texts the windows show; they write Latin-1 with LF line
// ends and return false when the file cannot be written.

#include <string>
#include <string_view>
#include <vector>

#include "supersonic/core/SupersonicProfile.h"
#include "supersonic/core/SupersonicResultTexts.h"
#include "supersonic/core/SupersonicSettings.h"

enum class SupersonicFileType { None, Config, Result, Coordinates };

// Type of a path when saving: ".cfg", then ".dat", then ".pol" anywhere after the first
// character, case-sensitive; the last one found wins.
SupersonicFileType SupersonicSaveFileType(std::string_view path);
// Type of a path when opening: only ".cfg" and ".pol" count, ".pol" winning.
SupersonicFileType SupersonicOpenFileType(std::string_view path);

// The window a configuration asks for: its first "mode" line with the value "asym_sym" means the
// parts window; anything else (another value, no mode line, an unreadable file) the contour window.
SupersonicWindow SupersonicProbeConfigText(std::string_view text);
SupersonicWindow SupersonicProbeConfigFile(const std::string& path);

// Reads the keys of the window's table; each key found replaces the text and the value it names.
// Every line of a key in the table must hold one value the window's field or drag could give:
// a number and nothing else, flow values and counts within their fields' ranges, flags 0 or 1, a
// slot or coefficient index that addresses one, support points "x | z" with x within [0, 1] and
// z within the height limits. Otherwise the whole text is refused: false, the settings unchanged,
// and `refusedKey` (when given) the key of the first line refused. Comment lines, empty lines and
// other keys are ignored; a UTF-8 byte order mark at the start is skipped.
bool ReadSupersonicConfigText(std::string_view text, SupersonicWindow window,
                              SupersonicSettings& settings, std::string* refusedKey = nullptr);
// Also false, with the settings unchanged, when the file cannot be read.
bool ReadSupersonicConfigFile(const std::string& path, SupersonicWindow window,
                              SupersonicSettings& settings);

// The window's configuration: flow texts, counts, four support slots per part whatever the
// counts, the spline choices and end values, in the parts window the coefficient mode and texts.
// Nothing is written, and false returned, when the file cannot be written or when the reader
// would refuse the configuration; then `refusedKey` (when given) names the key it refuses.
bool WriteSupersonicConfig(const std::string& path, SupersonicWindow window,
                           const SupersonicSettings& settings, const SupersonicShockTexts& shock,
                           std::string* refusedKey = nullptr);

// Contour, camber and thickness, and the pressure distributions of both theories, in blocks and
// as a commented table of points; the parts window's layout when the profile is in parts mode.
bool WriteSupersonicResultFile(const std::string& path, const SupersonicProfile& profile,
                               const SupersonicShockTexts& shock);

// Upper contour from the trailing edge to the leading edge, then the lower contour back to the
// trailing edge, without repeating the leading edge.
bool WriteSupersonicCoordinateFile(const std::string& path, const SupersonicProfile& profile);

// Splits a coordinate file at its last line whose x is exactly 0 (the leading edge, the last upper
// and first lower point) and sorts both sides by x. Empty lines and lines that begin with "#" are
// skipped, as is a UTF-8 byte order mark at the start; every other line must hold two numbers, x
// within [0, 1], and nothing else. False, with the contour unchanged, when a line does not, when
// either side has fewer than two points or more than 100000, or when either side does not reach the
// trailing edge (x 1).
bool ReadSupersonicContourText(std::string_view text, SupersonicContour& contour);
bool ReadSupersonicContourFile(const std::string& path, SupersonicContour& contour);
