#include "Panel3dXfoil.h"

#include <unistd.h>

#include <algorithm>
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

std::string XfoilBatchLine(const Panel3dXfoilNames& names) {
    return ShellWord(names.program) + " /< " + ShellWord(luvo::CreatedFileName(names.commandFile)) +
           "\n";
}

std::vector<std::string> WriteXfoilFiles(const Panel3dXfoilNames& names,
                                         const Panel3dEvaluationRecord& run) {
    std::vector<std::string> unwritten;
    std::string commands;
    for (int p = 0; p < XfoilPointCount(run); ++p) {
        for (int s = 0; s < run.StripCount(); ++s) {
            const Panel3dXfoilFileNames built = MakeXfoilFileNames(names, p, s);
            const std::string profile = luvo::CreatedFileName(built.profile);
            const std::string result = luvo::CreatedFileName(built.result);
            if (p == 0) {
                std::string contour;
                for (int k = 0; k < run.ContourPointCount(); ++k) {
                    contour += General(run.GetSectionX(s, k)) + " " +
                               General(run.GetSectionZ(s, k)) + "\n";
                }
                if (!WriteText(profile, contour)) unwritten.push_back(profile);
            }
            const std::string reynolds = General(run.GetSectionReynolds(p + 1, s));
            const std::string lift = General(run.GetPointStripLift(p + 1, s));
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
            const double dy = run.GetSectionLeadingEdgeY(k) - run.GetSectionLeadingEdgeY(k - 1);
            const double c0 = run.GetSectionLengthX(k - 1);
            const double c1 = run.GetSectionLengthX(k);
            area += dy * (c0 + c1) / 2;
            total += dy * (c0 * cd[k - 1] + c1 * cd[k]) / 2;
            friction += dy * (c0 * cdf[k - 1] + c1 * cdf[k]) / 2;
            pressure += dy * (c0 * cdp[k - 1] + c1 * cdp[k]) / 2;
        }
        // A wing without extent has no mean. The stations run toward -y, so the area is
        // negative: adding 0 keeps a zero drag from showing as "-0.000".
        const bool spread = area != 0.0;
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
            // Without lift the wing falls straight down.
            const double gamma = ca == 0.0 ? -kPi / 2 : std::atan(-cw / ca);
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
        text += "CWr_xf  : " + luvo::FormatNumber("%7.5f", run.GetXfoilTotalCoefficient(1)) + "\n";
        text += "\nLokale Beiwerte:\n----------------\n\n";
        text += "eta      cwi      cf_ep    cf_int   cw_xf_r\n";
        for (int s = 0; s < run.StripCount(); ++s) {
            text += Row("%7.5f",
                        {run.GetSectionEta(s), run.GetSectionCwi(s), run.GetSectionCfEp(s),
                         run.GetSectionCfInt(s), run.GetSectionCwrXfoil(s)},
                        "  ");
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
                "%7.5f",
                {run.GetPointCa(i), run.GetPointCwi(i), run.GetPointCfEp(i), run.GetPointCfInt(i),
                 run.GetXfoilTotalCoefficient(3 * i + 1), run.GetPointAlpha(i), run.GetPointLdp(i)},
                "  ");
        }
    } else {
        using Get = double (Panel3dEvaluationRecord::*)(int) const;
        struct Table {
            const char* title;
            Get speed, sink, power, thrust;
        };
        using R = Panel3dEvaluationRecord;
        const Table tables[] = {
            {"Induzierter Widerstand:", &R::GetVhInduced, &R::GetVvInduced, &R::GetPowerInduced,
             &R::GetThrustInduced},
            {"Induzierter Widerstand + Reibungswiderstand nach Methode der ebenen Platte:",
             &R::GetVhEp, &R::GetVvEp, &R::GetPowerEp, &R::GetThrustEp},
            {"Induzierter Widerstand + Reibungswiderstand nach Integralverfahren:", &R::GetVhInt,
             &R::GetVvInt, &R::GetPowerInt, &R::GetThrustInt},
            {"Induzierter Widerstand + Reibungswiderstand nach XFOIL - Berechnung:", &R::GetVhXfoil,
             &R::GetVvXfoil, &R::GetPowerXfoil, &R::GetThrustXfoil},
        };
        bool first = true;
        for (const Table& t : tables) {
            if (!first) text += "\n\n";
            first = false;
            const std::string title(t.title);
            text += title + "\n" + std::string(title.size(), '-') + "\n\n";
            text += "alpha    vh [m/s] vv [m/s] P [W]    F [N]\n";
            for (int i = 0; i < points; ++i) {
                text += luvo::FormatNumber("%7.3f", run.GetPointAlpha(i)) + "  " +
                        luvo::FormatNumber("%7.3f", (run.*t.speed)(i)) + "  " +
                        luvo::FormatNumber("%7.3f", (run.*t.sink)(i)) + "  " +
                        luvo::FormatNumber("%7.1f", (run.*t.power)(i)) + "  " +
                        luvo::FormatNumber("%7.1f", (run.*t.thrust)(i)) + "\n";
            }
        }
    }
    return WriteText(luvo::CreatedFileName(fileName), text);
}
