#include "panel3d/core/Panel3dXfoil.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <limits>
#include <locale>
#include <sstream>

#include "common/core/FileName.h"
#include "common/core/NumberText.h"
#include "common/core/TextScanner.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kPi = 3.14159265358979323846;
// Section and point numbers have three and two digits in the names.
constexpr int kMaxSections = 1000;
constexpr int kMaxPoints = 100;

void Set(std::vector<double>& v, int i, double value) {
    if (i >= 0 && static_cast<size_t>(i) < v.size()) v[static_cast<size_t>(i)] = value;
}

std::string Digits(int value, int width, int modulo) {
    int v = value % modulo;
    if (v < 0) v += modulo;
    std::string s = std::to_string(v);
    return std::string(static_cast<size_t>(width) - s.size(), '0') + s;
}

// The stream's default notation for doubles (six significant digits, %g), always with a point.
std::string General(double value) {
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out << value;
    return out.str();
}

bool Plain(const std::string& word) {
    if (word.empty()) return false;
    for (char c : word) {
        const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                        (c >= '0' && c <= '9') || c == '.' || c == '_' || c == '/' || c == '+' ||
                        c == '-';
        if (!ok) return false;
    }
    return true;
}

// sh takes the word as it stands, whatever blanks or quotes it holds.
std::string ShellWord(const std::string& word) {
    if (Plain(word)) return word;
    std::string quoted = "'";
    for (char c : word) {
        if (c == '\'') {
            quoted += "'\\''";
        } else {
            quoted += c;
        }
    }
    return quoted + "'";
}

// A whole word as a finite number.
bool NumberWord(std::string_view word, double& value) {
    if (!word.empty() && word.front() == '+') word.remove_prefix(1);
    if (word.empty()) return false;
    const char first = word.front();
    if (!(first == '-' || first == '.' || (first >= '0' && first <= '9'))) return false;
    const auto r = std::from_chars(word.data(), word.data() + word.size(), value);
    return r.ec == std::errc() && r.ptr == word.data() + word.size() && std::isfinite(value);
}

// A whole word as a number that a float holds finitely, as XFOIL's columns are read.
bool FloatWord(std::string_view word, double& value) {
    double v = 0.0;
    if (!NumberWord(word, v) || std::fabs(v) > std::numeric_limits<float>::max()) return false;
    value = static_cast<double>(static_cast<float>(v));
    return true;
}

// One unit of the last digit of a number word as printed ("0.3124" -> 1e-4, "2" -> 1,
// "1.5e-3" -> 1e-4).
double LastDigit(std::string_view word) {
    const size_t e = word.find_first_of("eE");
    int exponent = 0;
    if (e != std::string_view::npos) {
        const std::string_view tail = word.substr(e + 1);
        const char* first = tail.data() + (!tail.empty() && tail.front() == '+' ? 1 : 0);
        std::from_chars(first, tail.data() + tail.size(), exponent);
        word = word.substr(0, e);
    }
    const size_t point = word.find('.');
    const int decimals =
        point == std::string_view::npos ? 0 : static_cast<int>(word.size() - point - 1);
    return std::pow(10.0, exponent - decimals);
}

// The first seven words of the line, when all are numbers; the second, CL, also as printed.
bool DataLine(std::string_view line, double (&values)[7], std::string_view& liftWord) {
    luvo::TextScanner scanner(line);
    std::string_view word;
    for (int i = 0; i < 7; ++i) {
        if (!scanner.Word(word) || !FloatWord(word, values[i])) return false;
        if (i == 1) liftWord = word;
    }
    return true;
}

// The Reynolds number of a header line such as " Mach =   0.000     Re =     1.875 e 6 ...",
// with one unit of its last printed digit.
bool ReynoldsLine(std::string_view line, double& reynolds, double& digit) {
    luvo::TextScanner scanner(line);
    std::string_view word, previous;
    while (scanner.Word(word)) {
        if (previous == "Re" && word == "=") break;
        previous = word;
    }
    if (previous != "Re" || word != "=") return false;
    std::string_view mantissa;
    double value = 0;
    if (!scanner.Word(mantissa) || !NumberWord(mantissa, value)) return false;
    int exponent = 0;
    std::string_view e, power;
    if (scanner.Word(e) && e == "e" && scanner.Word(power)) {
        const auto r = std::from_chars(power.data(), power.data() + power.size(), exponent);
        if (r.ec != std::errc() || r.ptr != power.data() + power.size() || exponent < -30 ||
            exponent > 30) {
            return false;
        }
    }
    reynolds = value * std::pow(10.0, exponent);
    digit = LastDigit(mantissa) * std::pow(10.0, exponent);
    return std::isfinite(reynolds);
}

// The profile name of a header line such as " Calculated polar for: Luvo-Profil 0123   ".
bool ProfileNameLine(std::string_view line, std::string& name) {
    static constexpr std::string_view kTag = "Calculated polar for:";
    const size_t at = line.find(kTag);
    if (at == std::string_view::npos) return false;
    std::string_view rest = line.substr(at + kTag.size());
    const char* blanks = " \t\r";
    const size_t first = rest.find_first_not_of(blanks);
    rest = first == std::string_view::npos ? std::string_view() : rest.substr(first);
    rest = rest.substr(0, rest.find_last_not_of(blanks) + 1);
    name = std::string(rest);
    return true;
}

// The lines of section s's profile file.
std::string ContourText(const Panel3dEvaluationRecord& run, int s) {
    std::string contour;
    for (int k = 0; k < run.ContourPointCount(); ++k) {
        contour += General(run.GetSectionX(s, k)) + " " + General(run.GetSectionZ(s, k)) + "\n";
    }
    return contour;
}

// 64-bit FNV-1a: the same text gives the same mark on every machine.
std::uint64_t Fnv1a(std::string_view text, std::uint64_t hash) {
    for (unsigned char c : text) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    return hash;
}

// |a - b| within `tolerance`, widened by a millionth of the values for what XFOIL's single
// precision and our six written digits may add.
bool Near(double a, double b, double tolerance) {
    return std::fabs(a - b) <= tolerance + 1e-6 * std::max(std::fabs(a), std::fabs(b));
}

bool HasLineBreak(const std::string& name) {
    return name.find('\n') != std::string::npos || name.find('\r') != std::string::npos;
}

bool WriteText(const std::string& fileName, const std::string& text) {
    std::ofstream out(fileName, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out << text;
    out.close();
    return !out.fail();
}

// Removes an old result file; true when none is left.
// unlink, not remove: a folder of that name must stay.
bool RemoveResult(const std::string& fileName) {
    return ::unlink(fileName.c_str()) == 0 || errno == ENOENT;
}

// An XFOIL value of the coefficient table: "---" in the column's width where XFOIL gave none.
std::string XfoilCell(const char* fmt, double value) {
    if (std::isfinite(value)) return luvo::FormatNumber(fmt, value);
    const std::string none = "---";
    const size_t width = luvo::FormatNumber(fmt, 0.0).size();
    return std::string(width > none.size() ? width - none.size() : 0, ' ') + none;
}

// A table row of "%7.5f" columns; column `xfoilColumn` (from 0) holds an XFOIL value.
std::string Row(std::initializer_list<double> values, int xfoilColumn) {
    std::string row;
    int column = 0;
    for (double v : values) {
        if (column > 0) row += "  ";
        row += column == xfoilColumn ? XfoilCell("%7.5f", v) : luvo::FormatNumber("%7.5f", v);
        ++column;
    }
    return row + "\n";
}

// The name relative to the working folder when it names a file in it or below it; otherwise,
// and for a relative name, unchanged.
std::string InWorkingFolder(const std::string& name) {
    namespace fs = std::filesystem;
    const fs::path path(name);
    if (!path.is_absolute() || !path.has_filename() || path.filename() == "." ||
        path.filename() == "..") {
        return name;
    }
    std::error_code error;
    // The folders as the system resolves them (links, ".."), as the working folder is given;
    // the last part stays as written: a base name is no file.
    const fs::path folder = fs::weakly_canonical(path.parent_path(), error);
    if (error) return name;
    const fs::path current = fs::current_path(error);
    if (error) return name;
    const fs::path work = fs::weakly_canonical(current, error);
    if (error) return name;
    const fs::path relative = folder.lexically_relative(work);
    if (relative.empty() || *relative.begin() == "..") return name;
    return (relative == "." ? path.filename() : relative / path.filename()).string();
}

}  // namespace

Panel3dXfoilNames XfoilNamesInWorkingFolder(const Panel3dXfoilNames& names) {
    Panel3dXfoilNames inWork = names;
    inWork.profileBase = InWorkingFolder(names.profileBase);
    inWork.resultBase = InWorkingFolder(names.resultBase);
    return inWork;
}

Panel3dXfoilFileNames MakeXfoilFileNames(const Panel3dXfoilNames& names, int point, int section) {
    auto split = [](const std::string& base, std::string& stem, std::string& extension) {
        if (base.size() < 4) {
            stem = base;
            extension.clear();
        } else {
            stem = base.substr(0, base.size() - 4);
            extension = base.substr(base.size() - 4);
        }
    };
    std::string stem, extension;
    Panel3dXfoilFileNames built;
    split(names.profileBase, stem, extension);
    built.profile = stem + "_" + Digits(section, 3, 1000) + extension;
    split(names.resultBase, stem, extension);
    built.result =
        stem + "_" + Digits(section, 3, 1000) + "_" + Digits(point, 2, 100) + "_00" + extension;
    return built;
}

std::string CheckXfoilInput(const Panel3dXfoilNames& names, const Panel3dEvaluationRecord& run) {
    for (const std::string* name :
         {&names.profileBase, &names.resultBase, &names.program, &names.commandFile,
          &names.coefficientFile, &names.logFile, &names.batchFile}) {
        if (HasLineBreak(*name)) return "Ein Dateiname enthält einen Zeilenumbruch.";
    }
    const Panel3dXfoilFileNames built = MakeXfoilFileNames(names, 0, 0);
    if (built.profile.size() > kXfoilNameLimit || built.result.size() > kXfoilNameLimit) {
        return "Die Namen der Profildateien und der XFOIL Resultate (mit Laufnummer) dürfen "
               "höchstens 64 Zeichen lang sein.";
    }
    if (run.StripCount() > kMaxSections || XfoilPointCount(run) > kMaxPoints) {
        return "XFOIL kann für höchstens 1000 Profilschnitte und 100 Betriebspunkte "
               "gerechnet werden,\nsonst wiederholen sich die Dateinamen.";
    }
    for (int p = 1; p <= XfoilPointCount(run); ++p) {
        for (int s = 0; s < run.StripCount(); ++s) {
            if (!std::isfinite(run.GetPointStripLift(p, s)) ||
                !std::isfinite(run.GetSectionReynolds(p, s))) {
                return "Auftriebsbeiwert oder Reynoldszahl eines Profilschnitts ist keine "
                       "endliche Zahl.";
            }
        }
    }
    return std::string();
}

std::string XfoilProfileName(const Panel3dEvaluationRecord& run) {
    // What XFOIL computes from: equal marks mean equal results.
    std::uint64_t hash = 14695981039346656037ull;
    for (int s = 0; s < run.StripCount(); ++s) hash = Fnv1a(ContourText(run, s) + "\n", hash);
    for (int p = 0; p < XfoilPointCount(run); ++p) {
        for (int s = 0; s < run.StripCount(); ++s) {
            hash = Fnv1a(General(run.GetSectionReynolds(p + 1, s)) + " " +
                             General(run.GetPointStripLift(p + 1, s)) + "\n",
                         hash);
        }
    }
    char mark[17];
    std::snprintf(mark, sizeof mark, "%016llx", static_cast<unsigned long long>(hash));
    return std::string("Luvo-Profil ") + mark;
}

std::string XfoilBatchLine(const Panel3dXfoilNames& names) {
    return ShellWord(names.program) + " < " + ShellWord(luvo::CreatedFileName(names.commandFile)) +
           "\n";
}

std::vector<std::string> WriteXfoilFiles(const Panel3dXfoilNames& names,
                                         const Panel3dEvaluationRecord& run) {
    std::vector<std::string> unwritten;
    const std::string profileName = XfoilProfileName(run);
    std::string commands;
    for (int p = 0; p < XfoilPointCount(run); ++p) {
        for (int s = 0; s < run.StripCount(); ++s) {
            const Panel3dXfoilFileNames built = MakeXfoilFileNames(names, p, s);
            const std::string profile = luvo::CreatedFileName(built.profile);
            const std::string result = luvo::CreatedFileName(built.result);
            if (p == 0 && !WriteText(profile, ContourText(run, s))) unwritten.push_back(profile);
            const std::string reynolds = General(run.GetSectionReynolds(p + 1, s));
            const std::string lift = General(run.GetPointStripLift(p + 1, s));
            commands += "LOAD " + profile + "\n" + profileName + "\nPANE\nOPER\n";
            commands += (p == 0 && s == 0 ? "VISC " : "RE ") + reynolds + "\n";
            commands += "VPAR\nXTR\n0.05\n0.05\n\nPACC\n" + result + "\n\nITER\n100\n";
            commands += "cl " + lift + "\ncl " + lift + "\nPACC\nPDEL\n0\n\n";
            // XFOIL takes an existing polar file for an old one and stops reading commands.
            if (!RemoveResult(result)) unwritten.push_back(result);
        }
    }
    commands += "\nQUIT\n";
    const std::string commandFile = luvo::CreatedFileName(names.commandFile);
    if (!WriteText(commandFile, commands)) unwritten.push_back(commandFile);
    const std::string batchFile = luvo::CreatedFileName(names.batchFile);
    if (!WriteText(batchFile, XfoilBatchLine(names))) unwritten.push_back(batchFile);
    return unwritten;
}

Panel3dXfoilFileResult ParseXfoilResult(const std::string& text) {
    Panel3dXfoilFileResult result;
    result.code = kXfoilEmpty;
    if (text.empty()) return result;
    // The first character belongs to no line of numbers.
    std::string_view rest(text);
    rest.remove_prefix(1);
    int dataLines = 0;
    while (!rest.empty() && dataLines < 2) {
        const size_t end = rest.find('\n');
        const std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        double values[7];
        std::string_view liftWord;
        if (!DataLine(line, values, liftWord)) {
            double reynolds = 0, digit = 0;
            if (dataLines == 0 && ReynoldsLine(line, reynolds, digit)) {
                result.reynolds = reynolds;
                result.reynoldsDigit = digit;
            } else if (dataLines == 0 && ProfileNameLine(line, result.profileName)) {
                result.named = true;
            }
            continue;
        }
        if (dataLines == 0) {
            result.cd = values[2];
            result.cdp = values[3];
            result.lift = values[1];
            result.liftDigit = LastDigit(liftWord);
        }
        ++dataLines;
    }
    result.code = dataLines == 0 ? kXfoilEmpty : dataLines == 1 ? kXfoilNotConverged : kXfoilOk;
    return result;
}

Panel3dXfoilFileResult ReadXfoilResultFile(const std::string& fileName) {
    std::string text;
    if (!luvo::ReadTextFile(luvo::CreatedFileName(fileName), text)) return {};
    return ParseXfoilResult(text);
}

bool XfoilResultWithoutHeader(const Panel3dXfoilFileResult& file) {
    const bool results = file.code == kXfoilOk || file.code == kXfoilNotConverged;
    return results && !file.named && std::isnan(file.reynolds);
}

bool XfoilResultBelongsTo(const Panel3dXfoilFileResult& file, const std::string& profileName,
                          double reynolds, double lift) {
    const bool results = file.code == kXfoilOk || file.code == kXfoilNotConverged;
    if (!results && !file.named && std::isnan(file.reynolds)) return true;
    if (!file.named || file.profileName != profileName || std::isnan(file.reynolds)) return false;
    if (!Near(file.reynolds, reynolds, 0.5 * file.reynoldsDigit)) return false;
    return !results || Near(file.lift, lift, file.liftDigit);
}

int XfoilPointCount(const Panel3dEvaluationRecord& run) {
    const double count = run.GetPointCount();
    return count >= 1.0 ? std::min(static_cast<int>(std::min(count, 1e9)), run.Points()) : 0;
}

Panel3dXfoilResults ReadXfoilResults(const Panel3dXfoilNames& names, Panel3dEvaluationRecord& run) {
    const int points = XfoilPointCount(run);
    const int sections = run.StripCount();
    Panel3dXfoilResults out;
    run.xfoilTotals.assign(static_cast<size_t>(3 * run.Points()), 0.0);
    for (std::vector<double>* v :
         {&run.sectionCdXfoil, &run.sectionCdfXfoil, &run.sectionCdpXfoil}) {
        v->assign(static_cast<size_t>(run.StationCount()), 0.0);
    }

    std::string log =
        "X-Foil Abnormalties (Error log)\n"
        "====================================================================\n"
        "\n"
        "Error codes:\n"
        "\n"
        "0   Alles OK (Profil wurde normal berechnet)\n"
        "1   Profilfile war nicht vorhanden\n"
        "2   Profilfile enthielt keine Informationen (Nur Header vorhanden)\n"
        "3   X-Foil hat nicht konvergiert (nur ein Resultat vorhanden)\n"
        "\n"
        "Bei Error code 1 und 2 werden die jeweiligen X-Foil Werte 0 gesetzt. \n"
        "\n"
        "Nr.\tError code\n"
        "--------------------------------------------------------------------\n";

    const std::string profileName = XfoilProfileName(run);
    std::vector<double> cd(static_cast<size_t>(sections)), cdp(cd.size()), cdf(cd.size());
    for (int p = 0; p < points; ++p) {
        bool pointFailed = false;
        for (int s = 0; s < sections; ++s) {
            Panel3dXfoilFileResult file =
                ReadXfoilResultFile(MakeXfoilFileNames(names, p, s).result);
            if (XfoilResultWithoutHeader(file)) {
                // Numbers that do not say what they were solved for are no section's results.
                file = Panel3dXfoilFileResult();
            } else if (!XfoilResultBelongsTo(file, profileName, run.GetSectionReynolds(p + 1, s),
                                             run.GetPointStripLift(p + 1, s))) {
                // The names repeat from run to run: a later run's batch overwrites this run's
                // files.
                ++out.otherRunFiles;
                file = Panel3dXfoilFileResult();
            }
            // A section without a result has no drag, not a drag of zero.
            const bool read = file.code == kXfoilOk || file.code == kXfoilNotConverged;
            pointFailed = pointFailed || !read;
            cd[s] = read ? file.cd : kNaN;
            cdp[s] = read ? file.cdp : kNaN;
            cdf[s] = read ? file.cd - file.cdp : kNaN;
            out.codes.push_back(file.code);
            if (file.code != kXfoilOk) out.failed = true;
            log += std::to_string(s) + "\t" + std::to_string(file.code) + "\n";
        }

        // Span means weighted with the sections' extent in x.
        double area = 0.0, total = 0.0, friction = 0.0, pressure = 0.0;
        for (int k = 1; k < sections; ++k) {
            const double dy = run.GetSectionLeadingEdgeY(k) - run.GetSectionLeadingEdgeY(k - 1);
            const double c0 = run.GetSectionLengthX(k - 1);
            const double c1 = run.GetSectionLengthX(k);
            area += dy * (c0 + c1) / 2;
            total += dy * (c0 * cd[k - 1] + c1 * cd[k]) / 2;
            friction += dy * (c0 * cdf[k - 1] + c1 * cdf[k]) / 2;
            pressure += dy * (c0 * cdp[k - 1] + c1 * cdp[k]) / 2;
        }
        // A wing without extent has no mean, a point with a failed section none either. The
        // stations run toward -y, so the area is negative: adding 0 keeps a zero drag from
        // showing as "-0.000".
        const bool spread = area != 0.0 && !pointFailed;
        double* totals = &run.xfoilTotals[static_cast<size_t>(3 * p)];
        totals[0] = spread ? total / area + 0.0 : kNaN;
        totals[1] = spread ? friction / area + 0.0 : kNaN;
        totals[2] = spread ? pressure / area + 0.0 : kNaN;

        if (run.GetMode() == 2) {
            const double v = run.GetPointSpeed(p);
            // A single point keeps its lift and induced drag only in the totals.
            const double ca = points > 1 ? run.GetPointCa(p) : run.GetTotalCoefficient(3);
            const double cw =
                totals[0] + (points > 1 ? run.GetPointCwi(p) : run.GetTotalCoefficient(2));
            // Without lift the wing falls straight down; without a drag it flies nowhere.
            const double gamma = std::isnan(cw) ? kNaN : ca == 0.0 ? -kPi / 2 : std::atan(-cw / ca);
            const double area_ = run.referenceArea;
            const double efficiency = run.FlowState()[8];
            Set(run.sinkSpeedXfoil, p, v * std::sin(gamma));
            Set(run.flightSpeedXfoil, p, v * std::cos(gamma));
            Set(run.powerXfoil, p, v * v * v * cw * area_ * 1.225 / (2 * efficiency));
            Set(run.thrustXfoil, p, v * v * cw * area_ * 0.6125);
        }
        for (int s = 0; s < sections; ++s) {
            run.sectionCdXfoil[s] = cd[s];
            run.sectionCdfXfoil[s] = cdf[s];
            run.sectionCdpXfoil[s] = cdp[s];
        }
    }
    // A reading that found another run's files is none: the log stays as it was.
    if (out.otherRunFiles > 0) return out;
    out.logWritten = WriteText(luvo::CreatedFileName(names.logFile), log);
    return out;
}

bool WriteCoefficientFile(const std::string& fileName, const Panel3dEvaluationRecord& run) {
    const int mode = run.GetMode();
    if (mode < 0 || mode > 2) return true;
    const int points = XfoilPointCount(run);
    std::string text;
    if (mode == 0) {
        text += "Gesamtbeiwerte:\n---------------\n\n";
        text += "CWi     : " + luvo::FormatNumber("%7.5f", run.GetTotalCoefficient(2)) + "\n";
        text += "CWr_ep  : " + luvo::FormatNumber("%7.5f", run.GetTotalCoefficient(0)) + "\n";
        text += "CWr_int : " + luvo::FormatNumber("%7.5f", run.GetTotalCoefficient(1)) + "\n";
        text += "CWr_xf  : " + XfoilCell("%7.5f", run.GetXfoilTotalCoefficient(1)) + "\n";
        text += "\nLokale Beiwerte:\n----------------\n\n";
        text += "eta      cwi      cf_ep    cf_int   cw_xf_r\n";
        for (int s = 0; s < run.StripCount(); ++s) {
            text += Row({run.GetSectionEta(s), run.GetSectionCwi(s), run.GetSectionCfEp(s),
                         run.GetSectionCfInt(s), run.GetSectionCwrXfoil(s)},
                        4);
        }
    } else if (mode == 1) {
        const double neutral = run.NeutralPoint();
        text += "Gesamtbeiwerte:\n---------------\n\n";
        // Equal end lifts have no neutral point.
        text += "Neutralpunktlage [m]:  " +
                (std::isfinite(neutral) ? luvo::FormatNumber("%7.5f", neutral)
                                        : std::string("    nan")) +
                "\n\n";
        text += "ca       cwi      cf_ep    cf_int   cw_xf_r  alpha    ldp [m]\n";
        for (int i = 0; i < points; ++i) {
            text += Row(
                {run.GetPointCa(i), run.GetPointCwi(i), run.GetPointCfEp(i), run.GetPointCfInt(i),
                 run.GetXfoilTotalCoefficient(3 * i + 1), run.GetPointAlpha(i), run.GetPointLdp(i)},
                4);
        }
    } else {
        using Get = double (Panel3dEvaluationRecord::*)(int) const;
        struct Table {
            const char* title;
            Get speed, sink, power, thrust;
            bool xfoil;
        };
        using R = Panel3dEvaluationRecord;
        const Table tables[] = {
            {"Induzierter Widerstand:", &R::GetVhInduced, &R::GetVvInduced, &R::GetPowerInduced,
             &R::GetThrustInduced, false},
            {"Induzierter Widerstand + Reibungswiderstand nach Methode der ebenen Platte:",
             &R::GetVhEp, &R::GetVvEp, &R::GetPowerEp, &R::GetThrustEp, false},
            {"Induzierter Widerstand + Reibungswiderstand nach Integralverfahren:", &R::GetVhInt,
             &R::GetVvInt, &R::GetPowerInt, &R::GetThrustInt, false},
            {"Induzierter Widerstand + Reibungswiderstand nach XFOIL - Berechnung:", &R::GetVhXfoil,
             &R::GetVvXfoil, &R::GetPowerXfoil, &R::GetThrustXfoil, true},
        };
        bool first = true;
        for (const Table& t : tables) {
            if (!first) text += "\n\n";
            first = false;
            const std::string title(t.title);
            text += title + "\n" + std::string(title.size(), '-') + "\n\n";
            text += "alpha    vh [m/s] vv [m/s] P [W]    F [N]\n";
            auto cell = [&](const char* fmt, double v) {
                return t.xfoil ? XfoilCell(fmt, v) : luvo::FormatNumber(fmt, v);
            };
            for (int i = 0; i < points; ++i) {
                text += luvo::FormatNumber("%7.3f", run.GetPointAlpha(i)) + "  " +
                        cell("%7.3f", (run.*t.speed)(i)) + "  " + cell("%7.3f", (run.*t.sink)(i)) +
                        "  " + cell("%7.1f", (run.*t.power)(i)) + "  " +
                        cell("%7.1f", (run.*t.thrust)(i)) + "\n";
            }
        }
    }
    return WriteText(luvo::CreatedFileName(fileName), text);
}
