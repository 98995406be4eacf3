#include "common/core/FileName.h"

#include <gtest/gtest.h>

namespace {

TEST(CreatedFileName, DropsTrailingBlanksAndDotsOfTheLastComponentOnce) {
    const struct {
        const char* name;
        const char* created;
    } cases[] = {
        {" GammaUndCa.dat ", " GammaUndCa.dat"},  // the leading blank stays
        {" tiefe.dat ", " tiefe.dat"},
        {"alfaGeom.dat", "alfaGeom.dat"},
        {"zirkulation.dat. . ", "zirkulation.dat"},
        {"/tmp/run 1/tiefe.dat  ", "/tmp/run 1/tiefe.dat"},  // blanks inside stay
        {"/tmp/run./x.dat", "/tmp/run./x.dat"},              // only the last component
        {"name...", "name"},
        // Nothing but blanks and dots names no file either way: left alone, never emptied.
        {"..", ".."},
        {" ", " "},
        {"/tmp/. .", "/tmp/. ."},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(luvo::CreatedFileName(c.name), c.created) << '"' << c.name << '"';
    }
}

}  // namespace
