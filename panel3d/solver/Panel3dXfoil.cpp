#include "Panel3dXfoil.h"

#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <limits>
#include <locale>
#include <sstream>

#include "common/FileName.h"
#include "common/NumberText.h"
#include "common/TextScanner.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kPi = 3.14159265358979323846;
// Section and point numbers have three and two digits in the names.
constexpr int kMaxSections = 1000;
constexpr int kMaxPoints = 100;

double At(const std::vector<double>& v, long i) {
    return i >= 0 && static_cast<size_t>(i) < v.size() ? v[static_cast<size_t>(i)] : kNaN;
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

// A whole word as a number that a float holds finitely, as XFOIL's columns are read.
bool FloatWord(std::string_view word, double& value) {
    if (!word.empty() && word.front() == '+') word.remove_prefix(1);
    if (word.empty()) return false;
    const char first = word.front();
    if (!(first == '-' || first == '.' || (first >= '0' && first <= '9'))) return false;
    double v = 0.0;
    const auto r = std::from_chars(word.data(), word.data() + word.size(), v);
    if (r.ec != std::errc() || r.ptr != word.data() + word.size()) return false;
    if (!std::isfinite(v) || std::fabs(v) > std::numeric_limits<float>::max()) return false;
    value = static_cast<double>(static_cast<float>(v));
    return true;
}

// The first seven words of the line, when all are numbers.
bool DataLine(std::string_view line, double (&values)[7]) {
    luvo::TextScanner scanner(line);
    std::string_view word;
    for (double& value : values) {
        if (!scanner.Word(word) || !FloatWord(word, value)) return false;
    }
    return true;
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

std::string Row(const char* fmt, std::initializer_list<double> values, const char* gap) {
    std::string row;
    bool first = true;
    for (double v : values) {
        if (!first) row += gap;
        row += luvo::FormatNumber(fmt, v);
        first = false;
    }
    return row + "\n";
}

}  // namespace

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

std::string CheckXfoilInput(const Panel3dXfoilNames& names, const Panel3dXfoilRunData& run) {
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
    if (run.sectionCount > kMaxSections || run.pointCount > kMaxPoints) {
        return "XFOIL kann für höchstens 1000 Profilschnitte und 100 Betriebspunkte "
               "gerechnet werden,\nsonst wiederholen sich die Dateinamen.";
    }
    for (int p = 0; p < run.pointCount; ++p) {
        for (int s = 0; s < run.sectionCount; ++s) {
            const long i = static_cast<long>(p) * run.sectionCount + s;
            if (!std::isfinite(At(run.pointStripLift, i)) ||
                !std::isfinite(At(run.sectionReynolds, i))) {
                return "Auftriebsbeiwert oder Reynoldszahl eines Profilschnitts ist keine "
                       "endliche Zahl.";
            }
        }
    }
    return std::string();
}

std::string XfoilBatchLine(const Panel3dXfoilNames& names) {
    return ShellWord(names.program) + " /< " + ShellWord(luvo::CreatedFileName(names.commandFile)) +
           "\n";
}

std::vector<std::string> WriteXfoilFiles(const Panel3dXfoilNames& names,
                                         const Panel3dXfoilRunData& run) {
    std::vector<std::string> unwritten;
    std::string commands;
    for (int p = 0; p < run.pointCount; ++p) {
        for (int s = 0; s < run.sectionCount; ++s) {
            const Panel3dXfoilFileNames built = MakeXfoilFileNames(names, p, s);
            const std::string profile = luvo::CreatedFileName(built.profile);
            const std::string result = luvo::CreatedFileName(built.result);
            if (p == 0) {
                std::string contour;
                for (int i = 0; i < run.contourPoints; ++i) {
                    const long k = static_cast<long>(run.contourPoints) * s + i;
                    contour +=
                        General(At(run.sectionX, k)) + " " + General(At(run.sectionZ, k)) + "\n";
                }
                if (!WriteText(profile, contour)) unwritten.push_back(profile);
            }
            const long i = static_cast<long>(p) * run.sectionCount + s;
            const std::string reynolds = General(At(run.sectionReynolds, i));
            const std::string lift = General(At(run.pointStripLift, i));
            commands += "LOAD " + profile + "\nLuvo-Profil\nPANE\nOPER\n";
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
        if (!DataLine(line, values)) continue;
        if (dataLines == 0) {
            result.cd = values[2];
            result.cdp = values[3];
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

Panel3dXfoilResults ReadXfoilResults(const Panel3dXfoilNames& names,
                                     const Panel3dXfoilRunData& run) {
    const int points = run.pointCount > 0 ? run.pointCount : 0;
    const int sections = run.sectionCount > 0 ? run.sectionCount : 0;
    Panel3dXfoilResults out;
    out.xfoilTotals.assign(static_cast<size_t>(3 * points), 0.0);
    out.sectionCdXfoil.assign(static_cast<size_t>(sections) + 1, 0.0);
    out.sectionCdfXfoil = out.sectionCdXfoil;
    out.sectionCdpXfoil = out.sectionCdXfoil;
    if (run.mode == 2) {
        for (std::vector<double>* v :
             {&out.sinkSpeedXfoil, &out.flightSpeedXfoil, &out.powerXfoil, &out.thrustXfoil}) {
            v->assign(static_cast<size_t>(points), 0.0);
        }
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

    std::vector<double> cd(static_cast<size_t>(sections)), cdp(cd.size()), cdf(cd.size());
    for (int p = 0; p < points; ++p) {
        for (int s = 0; s < sections; ++s) {
            const Panel3dXfoilFileResult file =
                ReadXfoilResultFile(MakeXfoilFileNames(names, p, s).result);
            cd[s] = file.cd;
            cdp[s] = file.cdp;
            cdf[s] = file.cd - file.cdp;
            out.codes.push_back(file.code);
            if (file.code != kXfoilOk) out.failed = true;
            log += std::to_string(s) + "\t" + std::to_string(file.code) + "\n";
        }

        // Span means weighted with the sections' extent in x.
        double area = 0.0, total = 0.0, friction = 0.0, pressure = 0.0;
        for (int k = 1; k < sections; ++k) {
            const double dy = At(run.sectionLeadingEdgeY, k) - At(run.sectionLeadingEdgeY, k - 1);
            const double c0 = At(run.sectionLengthX, k - 1);
            const double c1 = At(run.sectionLengthX, k);
            area += dy * (c0 + c1) / 2;
            total += dy * (c0 * cd[k - 1] + c1 * cd[k]) / 2;
            friction += dy * (c0 * cdf[k - 1] + c1 * cdf[k]) / 2;
            pressure += dy * (c0 * cdp[k - 1] + c1 * cdp[k]) / 2;
        }
        // A wing without extent has no mean.
        const bool spread = area != 0.0;
        double* totals = &out.xfoilTotals[static_cast<size_t>(3 * p)];
        totals[0] = spread ? total / area : kNaN;
        totals[1] = spread ? friction / area : kNaN;
        totals[2] = spread ? pressure / area : kNaN;

        if (run.mode == 2) {
            const double v = At(run.pointSpeed, p);
            const double cw = totals[0] + At(run.pointCwi, p);
            const double ca = At(run.pointCa, p);
            // Without lift the wing falls straight down.
            const double gamma = ca == 0.0 ? -kPi / 2 : std::atan(-cw / ca);
            out.sinkSpeedXfoil[p] = v * std::sin(gamma);
            out.flightSpeedXfoil[p] = v * std::cos(gamma);
            out.powerXfoil[p] = v * v * v * cw * run.referenceArea * 1.225 / (2 * run.efficiency);
            out.thrustXfoil[p] = v * v * cw * run.referenceArea * 0.6125;
        }
        for (int s = 0; s < sections; ++s) {
            out.sectionCdXfoil[s] = cd[s];
            out.sectionCdfXfoil[s] = cdf[s];
            out.sectionCdpXfoil[s] = cdp[s];
        }
    }
    out.logWritten = WriteText(luvo::CreatedFileName(names.logFile), log);
    return out;
}

bool WriteCoefficientFile(const std::string& fileName, const Panel3dXfoilRunData& run,
                          const Panel3dXfoilResults& results) {
    if (run.mode < 0 || run.mode > 2) return true;
    const int points = run.pointCount > 0 ? run.pointCount : 0;
    std::string text;
    if (run.mode == 0) {
        text += "Gesamtbeiwerte:\n---------------\n\n";
        text += "CWi     : " + luvo::FormatNumber("%7.5f", At(run.totals, 2)) + "\n";
        text += "CWr_ep  : " + luvo::FormatNumber("%7.5f", At(run.totals, 0)) + "\n";
        text += "CWr_int : " + luvo::FormatNumber("%7.5f", At(run.totals, 1)) + "\n";
        text += "CWr_xf  : " + luvo::FormatNumber("%7.5f", At(results.xfoilTotals, 1)) + "\n";
        text += "\nLokale Beiwerte:\n----------------\n\n";
        text += "eta      cwi      cf_ep    cf_int   cw_xf_r\n";
        for (int s = 0; s < run.sectionCount; ++s) {
            text +=
                Row("%7.5f",
                    {At(run.sectionEta, s), At(run.sectionCwi, s), At(run.sectionCfFlatPlate, s),
                     At(run.sectionCfIntegral, s), At(results.sectionCdfXfoil, s)},
                    "  ");
        }
    } else if (run.mode == 1) {
        const int n = points - 1;
        const double neutral = (At(run.pointCmy, 0) - At(run.pointCmy, n)) * run.referenceChord /
                               (At(run.pointCa, n) - At(run.pointCa, 0));
        text += "Gesamtbeiwerte:\n---------------\n\n";
        // Equal end lifts have no neutral point.
        text += "Neutralpunktlage [m]:  " +
                (std::isfinite(neutral) ? luvo::FormatNumber("%7.5f", neutral)
                                        : std::string("    nan")) +
                "\n\n";
        text += "ca       cwi      cf_ep    cf_int   cw_xf_r  alpha    ldp [m]\n";
        for (int i = 0; i < points; ++i) {
            text += Row("%7.5f",
                        {At(run.pointCa, i), At(run.pointCwi, i), At(run.pointCfFlatPlate, i),
                         At(run.pointCfIntegral, i), At(results.xfoilTotals, 3L * i + 1),
                         At(run.pointAlpha, i), At(run.pointPressurePoint, i)},
                        "  ");
        }
    } else {
        struct Table {
            const char* title;
            const std::vector<double>* speed;
            const std::vector<double>* sink;
            const std::vector<double>* power;
            const std::vector<double>* thrust;
        };
        const Table tables[] = {
            {"Induzierter Widerstand:", &run.flightSpeedInduced, &run.sinkSpeedInduced,
             &run.powerInduced, &run.thrustInduced},
            {"Induzierter Widerstand + Reibungswiderstand nach Methode der ebenen Platte:",
             &run.flightSpeedFlatPlate, &run.sinkSpeedFlatPlate, &run.powerFlatPlate,
             &run.thrustFlatPlate},
            {"Induzierter Widerstand + Reibungswiderstand nach Integralverfahren:",
             &run.flightSpeedIntegral, &run.sinkSpeedIntegral, &run.powerIntegral,
             &run.thrustIntegral},
            {"Induzierter Widerstand + Reibungswiderstand nach XFOIL - Berechnung:",
             &results.flightSpeedXfoil, &results.sinkSpeedXfoil, &results.powerXfoil,
             &results.thrustXfoil},
        };
        bool first = true;
        for (const Table& t : tables) {
            if (!first) text += "\n\n";
            first = false;
            const std::string title(t.title);
            text += title + "\n" + std::string(title.size(), '-') + "\n\n";
            text += "alpha    vh [m/s] vv [m/s] P [W]    F [N]\n";
            for (int i = 0; i < points; ++i) {
                text += luvo::FormatNumber("%7.3f", At(run.pointAlpha, i)) + "  " +
                        luvo::FormatNumber("%7.3f", At(*t.speed, i)) + "  " +
                        luvo::FormatNumber("%7.3f", At(*t.sink, i)) + "  " +
                        luvo::FormatNumber("%7.1f", At(*t.power, i)) + "  " +
                        luvo::FormatNumber("%7.1f", At(*t.thrust, i)) + "\n";
            }
        }
    }
    return WriteText(luvo::CreatedFileName(fileName), text);
}
