#include "common/core/ResultFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <charconv>
#include <cmath>
#include <locale>
#include <sstream>

namespace luvo {

std::string ToLatin1(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead < 0x80) {
            out += static_cast<char>(lead);
            ++i;
            continue;
        }
        // Sequence length from the lead byte; a stray continuation byte counts as one.
        size_t length = 1;
        if ((lead & 0xE0) == 0xC0) {
            length = 2;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4;
        }
        bool complete = length > 1 && i + length <= utf8.size();
        for (size_t k = 1; complete && k < length; ++k) {
            complete = (static_cast<unsigned char>(utf8[i + k]) & 0xC0) == 0x80;
        }
        if (complete && length == 2 && lead >= 0xC2 && lead <= 0xC3) {
            const unsigned code =
                ((lead & 0x1Fu) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3Fu);
            out += static_cast<char>(code);
        } else {
            out += '?';
        }
        i += complete ? length : 1;
    }
    return out;
}

namespace {

// `value` as the stream writes it in the general format with `precision` (the classic locale,
// printf's "%.*g"), followed by `after`, into `buffer`; the length written. Formatting a number
// through the stream costs far more than the number itself, and a result file holds hundreds of
// thousands of them.
size_t Format(char* buffer, size_t size, double value, int precision, std::string_view after) {
    // The stream takes a negative precision as the default, 6, and 0 as 1, as printf does.
    const int digits = precision < 0 ? 6 : precision;
    const std::to_chars_result r =
        std::to_chars(buffer, buffer + size, value, std::chars_format::general, digits);
    if (r.ec != std::errc() || static_cast<size_t>(buffer + size - r.ptr) < after.size()) {
        return 0;
    }
    after.copy(r.ptr, after.size());
    return static_cast<size_t>(r.ptr - buffer) + after.size();
}

}  // namespace

void ResultFile::Number(double value, int precision, std::string_view after) {
    char buffer[160];
    const size_t length = Format(buffer, sizeof buffer, value, precision, after);
    if (length > 0) {
        out_.write(buffer, static_cast<std::streamsize>(length));
        return;
    }
    // More digits than any number needs, or a long text after it: the stream itself.
    std::ostringstream text;
    text.imbue(std::locale::classic());
    text.precision(precision);
    text << value << after;
    out_ << text.str();
}

namespace {

// A file of an earlier run is replaced, not emptied: emptying a file whose contents the file
// system is still writing out waits for that write (tens of milliseconds on a busy disk, at every
// run that rewrites its files), while a removed file's pages are simply dropped. Only a plain
// file of one name that this user owns and may write is replaced, and the new one gets its
// permissions; a link, a file of several names, another user's file or a write-protected one is
// opened as it is: writing goes through the link, and a protected file is refused. Returns the
// permissions of the file removed, -1 when none was.
int RemoveReplaceableFile(const std::string& fileName) {
    struct stat status {};
    if (lstat(fileName.c_str(), &status) == 0 && S_ISREG(status.st_mode) && status.st_nlink == 1 &&
        status.st_uid == geteuid() && access(fileName.c_str(), W_OK) == 0 &&
        unlink(fileName.c_str()) == 0) {
        return static_cast<int>(status.st_mode & 07777);
    }
    return -1;
}

}  // namespace

ResultFile::ResultFile(const std::string& fileName) {
    const int permissions = RemoveReplaceableFile(fileName);
    out_.open(fileName, std::ios::out | std::ios::trunc | std::ios::binary);
    if (permissions >= 0 && out_.is_open()) {
        chmod(fileName.c_str(), static_cast<mode_t>(permissions));
    }
    out_.imbue(std::locale::classic());
}

void ResultFile::Text(std::string_view utf8) { out_ << ToLatin1(utf8); }

void ResultFile::SummaryLine(std::string_view label, double value, int precision) {
    out_ << label;
    if (std::isfinite(value)) {
        Number(value, precision, "\n");
    } else {
        out_ << "nan\n";
    }
}

void ResultFile::RowValue(double value, int precision, std::string_view after) {
    Number(std::isfinite(value) ? value : 0.0, precision, after);
}

bool ResultFile::Finish() {
    out_.close();
    return !out_.fail();
}

}  // namespace luvo
