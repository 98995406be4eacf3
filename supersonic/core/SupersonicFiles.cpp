#include "supersonic/core/SupersonicFiles.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "common/core/NumberText.h"
#include "common/core/ResultFile.h"
#include "common/core/TextScanner.h"
#include "supersonic/core/SupersonicSolver.h"

namespace {

// ---- reading ----

bool IsWhite(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::string_view TrimLeft(std::string_view s) {
    size_t i = 0;
    while (i < s.size() && IsWhite(s[i])) ++i;
    return s.substr(i);
}

// The lines of a text, of any length, each without its LF and one CR before it; no line after a
// final LF.
class LineReader {
  public:
    // A UTF-8 byte order mark, as some editors write one, is no part of the first line.
    explicit LineReader(std::string_view text)
        : text_(luvo::StartsWith(text, kByteOrderMark) ? text.substr(kByteOrderMark.size())
                                                       : text) {}

    bool Next(std::string_view& line) {
        if (pos_ >= text_.size()) return false;
        const size_t end = text_.find('\n', pos_);
        line =
            text_.substr(pos_, end == std::string_view::npos ? std::string_view::npos : end - pos_);
        pos_ = end == std::string_view::npos ? text_.size() : end + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        return true;
    }

  private:
    static constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    std::string_view text_;
    size_t pos_ = 0;
};

// Key and value of a configuration line; false for a line that begins with a blank or "#".
bool ConfigEntry(std::string_view line, std::string_view& key, std::string_view& value) {
    if (!line.empty() && (line[0] == ' ' || line[0] == '#')) return false;
    const size_t colon = line.find(':');
    key = TrimLeft(line.substr(0, colon));
    value = colon == std::string_view::npos ? std::string_view() : TrimLeft(line.substr(colon + 1));
    return true;
}

// A value that is one number and nothing else (blanks after it aside): "2.5 # Kommentar", "zz",
// "2,5" or an empty value is none.
bool WholeNumber(std::string_view text, double& value) {
    luvo::TextScanner in(text);
    std::string_view rest;
    return in.Number(value) && !in.Word(rest);
}

// The index of a key that is the prefix and one digit; -1 for any other key with the prefix
// (such a line addresses no slot).
int IndexAfter(std::string_view key, std::string_view prefix) {
    if (key.size() != prefix.size() + 1) return -1;
    const char c = key[prefix.size()];
    return c >= '0' && c <= '9' ? c - '0' : -1;
}

// A point value "x | z": a number on either side of the one "|". A value without one is a line
// cut short, not a point on the chord.
bool PointValue(std::string_view value, SupersonicPoint& point) {
    const size_t bar = value.find('|');
    if (bar == std::string_view::npos) return false;
    return WholeNumber(value.substr(0, bar), point.x) &&
           WholeNumber(value.substr(bar + 1), point.z);
}

enum class KeyKind { Mach, Alpha, Kappa, Count, Point, Flag, Value, Coefficient };

struct KeySpec {
    const char* name;
    KeyKind kind;
    bool prefix;  // the key carries an index after the name
    SupersonicSide* side = nullptr;
    bool* flag = nullptr;
    std::string* text = nullptr;
    double* value = nullptr;
    double zLow = -kSupersonicSupportZLimit;  // lowest height of a support point
};

std::vector<KeySpec> KeyTable(SupersonicWindow window, SupersonicSettings& s) {
    std::vector<KeySpec> keys = {{"mach", KeyKind::Mach, false},
                                 {"alpha*", KeyKind::Alpha, false},
                                 {"kappa", KeyKind::Kappa, false}};
    auto side = [&keys](const char* count, const char* point, SupersonicSide& part, double zLow) {
        keys.push_back({count, KeyKind::Count, false, &part});
        keys.push_back({point, KeyKind::Point, true, &part, nullptr, nullptr, nullptr, zLow});
    };
    auto value = [&keys](const char* name, std::string& text, double& number) {
        keys.push_back({name, KeyKind::Value, false, nullptr, nullptr, &text, &number});
    };
    auto flag = [&keys](const char* name, bool& on) {
        keys.push_back({name, KeyKind::Flag, false, nullptr, &on});
    };
    const double below = -kSupersonicSupportZLimit;
    if (window == SupersonicWindow::Parts) {
        side("anzahl_asym", "asym_", s.part1, below);
        flag("bbk_aktiv", s.coefficientMode);
        keys.push_back({"bbk_A", KeyKind::Coefficient, true});
        // The thickness part's drag keeps its points on or above the chord.
        side("anzahl_sym", "sym_", s.part2, 0.0);
        flag("spline", s.part2.spline);
        value("k_x0", s.part2.curvatureStartText, s.part2.curvatureStart);
        value("k_x1", s.part2.curvatureEndText, s.part2.curvatureEnd);
    } else {
        side("anzahl_os", "os_", s.part1, below);
        side("anzahl_us", "us_", s.part2, below);
        flag("spline_os", s.part1.spline);
        flag("spline_us", s.part2.spline);
        value("k_x0_o", s.part1.curvatureStartText, s.part1.curvatureStart);
        value("k_x1_o", s.part1.curvatureEndText, s.part1.curvatureEnd);
        value("k_x0_u", s.part2.curvatureStartText, s.part2.curvatureStart);
        value("k_x1_u", s.part2.curvatureEndText, s.part2.curvatureEnd);
    }
    return keys;
}

// Applies one entry; false when its value is not one the window's field or drag could give.
bool ApplyEntry(const KeySpec& k, std::string_view key, std::string_view value,
                SupersonicSettings& s) {
    double v = 0.0;
    if (k.kind != KeyKind::Point && !WholeNumber(value, v)) return false;
    auto flow = [&](std::string& text, double& number, bool inRange) {
        if (!inRange) return false;
        text = std::string(value);
        number = v;
        return true;
    };
    switch (k.kind) {
        case KeyKind::Mach:
            return flow(s.machText, s.mach, v > 1.0 && v <= 5.0);
        case KeyKind::Alpha:
            return flow(s.alphaText, s.alpha, v >= -15.0 && v <= 15.0);
        case KeyKind::Kappa:
            return flow(s.kappaText, s.kappa, v > 1.0 && v <= 2.0);
        case KeyKind::Count:
            // The count field takes a fractional count and truncates it.
            if (!(v >= 0.0 && v <= 4.0)) return false;
            k.side->countText = std::string(value);
            k.side->count = static_cast<int>(v);
            return true;
        case KeyKind::Point: {
            const int slot = IndexAfter(key, k.name);
            SupersonicPoint p;
            if (slot < 1 || slot > SupersonicProfile::kSupportSlots || !PointValue(value, p) ||
                !(p.x >= 0.0 && p.x <= 1.0) ||
                !(p.z >= k.zLow && p.z <= kSupersonicSupportZLimit)) {
                return false;
            }
            k.side->supportPoints[slot - 1] = p;
            return true;
        }
        case KeyKind::Flag:
            if (v != 0.0 && v != 1.0) return false;
            *k.flag = v == 1.0;
            return true;
        case KeyKind::Value:
            *k.text = std::string(value);
            *k.value = v;
            return true;
        case KeyKind::Coefficient: {
            const int index = IndexAfter(key, k.name);
            if (index < 0 || index >= SupersonicProfile::kSupportSlots) return false;
            s.coefficientTexts[index] = std::string(value);
            s.coefficients[index] = v;
            return true;
        }
    }
    return false;
}

// ---- writing ----

// A configuration's text, built whole before it is checked and written.
struct ConfigText {
    std::string text;
    void Text(std::string_view utf8) { text += utf8; }
};

std::string Fixed8(double v) { return luvo::FormatNumber("%.8f", v); }

std::string PointText(const SupersonicPoint& p) { return Fixed8(p.x) + " | " + Fixed8(p.z); }

// Lines 2 to 7 of every file: the shock-expansion results as the window shows them.
template <class Out>
void ResultHeader(Out& f, const SupersonicShockTexts& shock) {
    f.Text("# \n");
    f.Text("# cWw:   " + shock.waveDrag + " \n");
    f.Text("# cA:    " + shock.lift + " \n");
    f.Text("# cM:    " + shock.moment + " \n");
    f.Text("# xA/t:  " + shock.pressurePoint + " \n");
    f.Text("\n");
}

template <class Out>
void FlowLines(Out& f, const SupersonicSettings& s) {
    f.Text("\n");
    f.Text("mach: " + s.machText + "\n");
    f.Text("alpha*: " + s.alphaText + "\n");
    f.Text("kappa: " + s.kappaText + "\n");
    f.Text("\n");
}

// The count line and always the first four support slots.
template <class Out>
void SideLines(Out& f, const char* countKey, const char* pointKey, const SupersonicSide& side) {
    f.Text(std::string(countKey) + ": " + side.countText + "\n");
    for (int k = 1; k <= 4; ++k) {
        f.Text(pointKey + std::to_string(k) + ": " + PointText(side.supportPoints[k - 1]) + "\n");
    }
}

template <class Out>
void SplineLines(Out& f, const char* splineKey, const char* startKey, const char* endKey,
                 const SupersonicSide& side) {
    f.Text(std::string(splineKey) + ": " + (side.spline ? "1" : "0") + "\n");
    f.Text(std::string(startKey) + ": " + side.curvatureStartText + "\n");
    f.Text(std::string(endKey) + ": " + side.curvatureEndText + "\n");
}

void Block(luvo::ResultFile& f, int first, int last, const std::function<double(int)>& item) {
    std::string line;
    for (int i = first; i <= last; ++i) line += "\t" + Fixed8(item(i));
    f.Text(line);
}

bool Contains(std::string_view path, std::string_view ending) {
    const size_t at = path.find(ending);
    return at != std::string_view::npos && at > 0;
}

}  // namespace

SupersonicFileType SupersonicSaveFileType(std::string_view path) {
    SupersonicFileType type = SupersonicFileType::None;
    if (Contains(path, ".cfg")) type = SupersonicFileType::Config;
    if (Contains(path, ".dat")) type = SupersonicFileType::Result;
    if (Contains(path, ".pol")) type = SupersonicFileType::Coordinates;
    return type;
}

SupersonicFileType SupersonicOpenFileType(std::string_view path) {
    SupersonicFileType type = SupersonicFileType::None;
    if (Contains(path, ".cfg")) type = SupersonicFileType::Config;
    if (Contains(path, ".pol")) type = SupersonicFileType::Coordinates;
    return type;
}

SupersonicWindow SupersonicProbeConfigText(std::string_view text) {
    LineReader lines(text);
    std::string_view line, key, value;
    while (lines.Next(line)) {
        if (ConfigEntry(line, key, value) && key == "mode") {
            return value == "asym_sym" ? SupersonicWindow::Parts : SupersonicWindow::Contour;
        }
    }
    return SupersonicWindow::Contour;
}

SupersonicWindow SupersonicProbeConfigFile(const std::string& path) {
    std::string text;
    if (!luvo::ReadTextFile(path, text)) return SupersonicWindow::Contour;
    return SupersonicProbeConfigText(text);
}

bool ReadSupersonicConfigText(std::string_view text, SupersonicWindow window,
                              SupersonicSettings& settings, std::string* refusedKey) {
    // Read into a copy: a file refused anywhere changes nothing.
    SupersonicSettings read = settings;
    const std::vector<KeySpec> keys = KeyTable(window, read);
    LineReader lines(text);
    std::string_view line, key, value;
    while (lines.Next(line)) {
        if (!ConfigEntry(line, key, value)) continue;
        for (const KeySpec& k : keys) {
            const bool match = k.prefix ? luvo::StartsWith(key, k.name) : key == k.name;
            if (!match) continue;
            if (!ApplyEntry(k, key, value, read)) {
                if (refusedKey != nullptr) *refusedKey = std::string(key);
                return false;
            }
            break;
        }
    }
    settings = std::move(read);
    return true;
}

bool ReadSupersonicConfigFile(const std::string& path, SupersonicWindow window,
                              SupersonicSettings& settings) {
    std::string text;
    return luvo::ReadTextFile(path, text) && ReadSupersonicConfigText(text, window, settings);
}

bool WriteSupersonicConfig(const std::string& path, SupersonicWindow window,
                           const SupersonicSettings& s, const SupersonicShockTexts& shock,
                           std::string* refusedKey) {
    ConfigText f;
    if (window == SupersonicWindow::Parts) {
        f.Text("# Luvo - Überschallberechnung - ANTIM/SYM\n");
        ResultHeader(f, shock);
        f.Text("mode: asym_sym\n");
        FlowLines(f, s);
        f.Text("# antimetrisch\n");
        SideLines(f, "anzahl_asym", "asym_", s.part1);
        f.Text("\n");
        f.Text("# birnbaum_koeff\n");
        f.Text(std::string("bbk_aktiv: ") + (s.coefficientMode ? "1" : "0") + "\n");
        for (int k = 0; k < 6; ++k) {
            f.Text("bbk_A" + std::to_string(k) + ": " + s.coefficientTexts[k] + "\n");
        }
        f.Text("\n");
        f.Text("# symmetrisch\n");
        SideLines(f, "anzahl_sym", "sym_", s.part2);
        SplineLines(f, "spline", "k_x0", "k_x1", s.part2);
    } else {
        f.Text("# Luvo - Überschallberechnung - direkt\n");
        ResultHeader(f, shock);
        f.Text("mode: profile\n");
        FlowLines(f, s);
        f.Text("# Stützpunkte Oberseite\n");
        SideLines(f, "anzahl_os", "os_", s.part1);
        SplineLines(f, "spline_os", "k_x0_o", "k_x1_o", s.part1);
        f.Text("\n");
        f.Text("# Stützpunkte Unterseite\n");
        SideLines(f, "anzahl_us", "us_", s.part2);
        SplineLines(f, "spline_us", "k_x0_u", "k_x1_u", s.part2);
    }
    // Only a configuration that reads back is written: a file the reader refuses is no file.
    SupersonicSettings back = s;
    std::string key;
    if (!ReadSupersonicConfigText(f.text, window, back, &key)) {
        if (refusedKey != nullptr) *refusedKey = key;
        return false;
    }
    luvo::ResultFile file(path);
    if (!file.IsOpen()) return false;
    file.Text(f.text);
    return file.Finish();
}

bool WriteSupersonicResultFile(const std::string& path, const SupersonicProfile& p,
                               const SupersonicShockTexts& shock) {
    luvo::ResultFile f(path);
    if (!f.IsOpen()) return false;
    const int n = p.pointCount;
    const auto& rows = p.rows;
    f.Text("# Luvo - Überschallberechnung\n");
    ResultHeader(f, shock);
    f.Text("TITLE = \"LUVO-Überschallberechnung\" \n");
    if (p.partsMode) {
        f.Text(
            "VARIABLES = \"x\", \"z_o\" , \"z_u\", \"z_asym\", \"z_sym\",\"c_poL\", \"c_puL\", "
            "\"deltac_pL\", \"c_poE\", \"c_puE\", \"deltac_pE\" \n");
    } else {
        f.Text(
            "VARIABLES = \"x\", \"z_o\" , \"z_u\",\"c_poL\", \"c_puL\", \"deltac_pL\", \"c_poE\", "
            "\"c_puE\", \"deltac_pE\" \n");
    }
    f.Text("ZONE T=\"Daten\" \n");
    f.Text("I=" + std::to_string(n) + ", J=1, K=1, DATAPACKING=BLOCK, VARLOCATION=(" +
           (p.partsMode ? "[6,11]" : "[4,9]") + "=CELLCENTERED)  \n");

    std::vector<std::function<double(int)>> nodes = {[&](int i) { return p.upper[i].x; },
                                                     [&](int i) { return p.upper[i].z; },
                                                     [&](int i) { return p.lower[i].z; }};
    if (p.partsMode) {
        nodes.push_back([&](int i) { return p.camberLine[i].z; });
        nodes.push_back([&](int i) { return p.thickness[i].z; });
    }
    const std::vector<std::function<double(int)>> cells = {
        [&](int r) { return rows[r].cpUpperLinear; },
        [&](int r) { return rows[r].cpLowerLinear; },
        [&](int r) { return rows[r].cpUpperLinear - rows[r].cpLowerLinear; },
        [&](int r) { return rows[r].cpUpperShockExpansion; },
        [&](int r) { return rows[r].cpLowerShockExpansion; },
        [&](int r) { return rows[r].cpUpperShockExpansion - rows[r].cpLowerShockExpansion; }};
    for (const auto& item : nodes) {
        Block(f, 0, n - 1, item);
        f.Text("\n");
    }
    for (size_t b = 0; b < cells.size(); ++b) {
        Block(f, 1, n - 1, cells[b]);
        // The last block's line end is the first of the two blank-holding lines after it.
        f.Text(b + 1 < cells.size() ? "\n" : "\n \n \n");
    }

    f.Text("# TITLE = \"LUVO-Überschallberechnung\" \n");
    f.Text(
        "# VARIABLES = \"x\", \"c_poL\", \"c_puL\", \"deltac_pL\", \"c_poE\", \"c_puE\", "
        "\"deltac_pE\" \n");
    f.Text("# ZONE T=\"Ergebnisse\" \n");
    f.Text("# I=" + std::to_string(n + 1) + ", J=1, K=1, F=POINT  \n");
    for (int r = 0; r <= n; ++r) {
        const SupersonicResultRow& row = rows[r];
        std::string line = "# " + Fixed8(row.xLinear);
        for (double v :
             {row.cpUpperLinear, row.cpLowerLinear, row.cpUpperLinear - row.cpLowerLinear,
              row.cpUpperShockExpansion, row.cpLowerShockExpansion,
              row.cpUpperShockExpansion - row.cpLowerShockExpansion}) {
            line += "  " + Fixed8(v);
        }
        f.Text(line + "\n");
    }
    return f.Finish();
}

bool WriteSupersonicCoordinateFile(const std::string& path, const SupersonicProfile& p) {
    luvo::ResultFile f(path);
    if (!f.IsOpen()) return false;
    const int n = p.pointCount;
    std::string text;
    auto line = [&text](const SupersonicPoint& q) {
        text += Fixed8(q.x) + "\t" + Fixed8(q.z) + "\n";
    };
    for (int i = n - 1; i >= 0; --i) line(p.upper[i]);
    for (int i = 1; i < n; ++i) line(p.lower[i]);
    f.Text(text);
    return f.Finish();
}

bool ReadSupersonicContourText(std::string_view text, SupersonicContour& contour) {
    constexpr size_t kMaxSide = 100000;
    std::vector<SupersonicPoint> points;
    size_t leadingEdge = std::string_view::npos;  // index of the last line whose x is 0
    LineReader lines(text);
    std::string_view line;
    while (lines.Next(line)) {
        // Empty lines and comments hold no point; every other line is x and z and nothing else.
        const std::string_view content = TrimLeft(line);
        if (content.empty() || content.front() == '#') continue;
        luvo::TextScanner in(content);
        SupersonicPoint p;
        std::string_view rest;
        if (!in.Number(p.x) || !in.Number(p.z) || in.Word(rest)) return false;
        // Both sides lie on the chord from the leading edge (x 0) to the trailing edge (x 1).
        if (!(p.x >= 0.0 && p.x <= 1.0)) return false;
        if (p.x == 0.0) leadingEdge = points.size();
        points.push_back(p);
        // Both sides share the leading edge: more lines than this make one side too long.
        if (points.size() >= 2 * kMaxSide) return false;
    }
    if (leadingEdge == std::string_view::npos) return false;
    const size_t upperCount = leadingEdge + 1;
    const size_t lowerCount = points.size() - leadingEdge;
    if (upperCount < 2 || lowerCount < 2 || upperCount > kMaxSide || lowerCount > kMaxSide) {
        return false;
    }
    // A side that stops short of the trailing edge is a cut-off file, not a profile.
    auto reachesTrailingEdge = [](auto first, auto last) {
        return std::any_of(first, last, [](const SupersonicPoint& q) { return q.x == 1.0; });
    };
    if (!reachesTrailingEdge(points.begin(), points.begin() + upperCount) ||
        !reachesTrailingEdge(points.begin() + leadingEdge, points.end())) {
        return false;
    }
    contour.upper.assign(points.begin(), points.begin() + upperCount);
    contour.lower.assign(points.begin() + leadingEdge, points.end());
    SupersonicSolver::SortByX(static_cast<int>(upperCount), contour.upper);
    SupersonicSolver::SortByX(static_cast<int>(lowerCount), contour.lower);
    return true;
}

bool ReadSupersonicContourFile(const std::string& path, SupersonicContour& contour) {
    std::string text;
    return luvo::ReadTextFile(path, text) && ReadSupersonicContourText(text, contour);
}
