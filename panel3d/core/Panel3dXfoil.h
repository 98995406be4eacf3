#pragma once
// Profile drag from XFOIL: the program never starts XFOIL itself. It writes one profile file per
// spanwise section, a command file that runs every section at every operating point and a batch
// file that starts XFOIL with it; after the user ran the batch file it reads XFOIL's polar files
// back, logs what it found, averages the section drag over the span and writes the coefficient
// table. Nothing here needs the window library.

#include <limits>
#include <string>
#include <vector>

#include "panel3d/core/Panel3dEvaluationRecord.h"

// The seven names of the XFOIL file window, in its order.
struct Panel3dXfoilNames {
    std::string profileBase = "profil.pol";
    std::string resultBase = "xfoil_results.dat";
    std::string program = "xfoilP4.exe";
    std::string commandFile = "command.cmd";
    std::string coefficientFile = "beiwerte.dat";
    std::string logFile = "XFOIL_abnormalties.txt";
    std::string batchFile = "batch.bat";
};

// What a reading found besides the values it put into the record.
struct Panel3dXfoilResults {
    // Code of every result file, index p * sectionCount + s.
    std::vector<int> codes;
    // Some result file was missing, empty or held a single line.
    bool failed = false;
    // Result files that XFOIL computed for another run (they count as missing). When there is
    // one, the reading is no reading of this run: the error log is not written.
    int otherRunFiles = 0;
    // The error log could be written.
    bool logWritten = false;
};

// Outcome of one result file.
enum Panel3dXfoilCode {
    kXfoilOk = 0,            // two converged lines
    kXfoilMissing = 1,       // no file, or none that can be read
    kXfoilEmpty = 2,         // no line of results
    kXfoilNotConverged = 3,  // a single line of results
};

struct Panel3dXfoilFileResult {
    int code = kXfoilMissing;
    double cd = 0.0;
    double cdp = 0.0;
    // What XFOIL says it solved for, and one unit of the last digit it printed of each: the
    // Reynolds number of the header and the CL of the first line of results. NaN where the file
    // does not say.
    double reynolds = std::numeric_limits<double>::quiet_NaN();
    double reynoldsDigit = std::numeric_limits<double>::quiet_NaN();
    double lift = std::numeric_limits<double>::quiet_NaN();
    double liftDigit = std::numeric_limits<double>::quiet_NaN();
    // The profile name of the header ("Calculated polar for: ..."), without the blanks around
    // it; `named` is false when the header has no such line.
    std::string profileName;
    bool named = false;
};

struct Panel3dXfoilFileNames {
    std::string profile;
    std::string result;
};

// The longest name XFOIL loads or saves whole.
constexpr std::size_t kXfoilNameLimit = 64;

// The profile file of `section` and the result file of `section` at `point`: the base name's
// stem (all but its last four characters) with "_sss" or "_sss_pp_00", then its last four
// characters. A base name under four characters is all stem.
Panel3dXfoilFileNames MakeXfoilFileNames(const Panel3dXfoilNames& names, int point, int section);

// The names with the profile and result base names that lie in the working folder (or below
// it) made relative to it: XFOIL, which the batch file runs there, takes names of at most 64
// characters, and a file dialog gives the full path. Other names stay as they are.
Panel3dXfoilNames XfoilNamesInWorkingFolder(const Panel3dXfoilNames& names);

// Why the files cannot be written for this run, as the German text of the refusal box; empty
// when everything can go to XFOIL.
std::string CheckXfoilInput(const Panel3dXfoilNames& names, const Panel3dEvaluationRecord& run);

// The profile name of every command block of the run: "Luvo-Profil" and a mark of what the run
// hands XFOIL (section contours, Reynolds numbers and lifts as written). XFOIL writes it into
// the header of each result file, so that a run's files are told apart from those of another
// run in the same folder even when Reynolds numbers and lifts agree.
std::string XfoilProfileName(const Panel3dEvaluationRecord& run);

// The line of the batch file, its end included.
std::string XfoilBatchLine(const Panel3dXfoilNames& names);

// Writes the profile files, the command file and the batch file and removes every result file
// it names, so that XFOIL never meets an old one. Returns the names of the files that could not
// be written or removed.
std::vector<std::string> WriteXfoilFiles(const Panel3dXfoilNames& names,
                                         const Panel3dEvaluationRecord& run);

// One result file's text as XFOIL leaves it.
Panel3dXfoilFileResult ParseXfoilResult(const std::string& text);
// The same for the file of that name; a file that cannot be read is missing.
Panel3dXfoilFileResult ReadXfoilResultFile(const std::string& fileName);
// Whether the file holds results without a header that says what they were solved for: no
// profile name and no Reynolds number. The reader counts such a file as unreadable.
bool XfoilResultWithoutHeader(const Panel3dXfoilFileResult& file);
// Whether the file was computed for a section of the run of this profile name, Reynolds number
// and lift coefficient: the name exactly, the Reynolds number to half a unit of its last
// printed digit, the lift (XFOIL converges on it only to a few 1e-6) to one unit. A file that
// holds results but lacks the name or the Reynolds number belongs to none; one without
// anything belongs to any.
bool XfoilResultBelongsTo(const Panel3dXfoilFileResult& file, const std::string& profileName,
                          double reynolds, double lift);

// The operating points that XFOIL computes for the run: its count truncated, 0 for none.
int XfoilPointCount(const Panel3dEvaluationRecord& run);

// Reads every result file of the run into its XFOIL slots (span means per point, the sections
// of the last point, in a speed polar its speeds, power and thrust) and writes the error log,
// unless it found files of another run. A section whose file is missing or unreadable (results
// without a header among them) has no drag: its section values and every XFOIL value of its
// point are NaN.
Panel3dXfoilResults ReadXfoilResults(const Panel3dXfoilNames& names, Panel3dEvaluationRecord& run);

// The coefficient table of the run's mode; false when the file could not be written. Other
// modes write nothing and return true. An XFOIL value that is not finite reads "---".
bool WriteCoefficientFile(const std::string& fileName, const Panel3dEvaluationRecord& run);
