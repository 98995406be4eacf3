#include <gtest/gtest.h>

#include "common/core/WingPreview.h"

namespace {

// A method's own section rows stand between the incidences and the cambers: a failing tip
// incidence is reported before them, a failing section row before a failing root camber.
TEST(WingGeometryChecks, SectionRowsFollowTheIncidences) {
    const char* const kSection = "Abschnitt";
    luvo::WingPreviewInputs in;  // the preview's defaults pass every row
    const std::vector<luvo::RangeCheck> section = {{0, 1, 2, kSection}};
    EXPECT_EQ(luvo::FirstRangeFailure(luvo::WingGeometryChecks(in)), nullptr);

    in.rootCamber = 11;
    EXPECT_STREQ(luvo::FirstRangeFailure(luvo::WingGeometryChecks(in, section)), kSection);
    in.tipIncidence = 6;
    EXPECT_STREQ(luvo::FirstRangeFailure(luvo::WingGeometryChecks(in, section)),
                 "Der Wert des Einstellwinkels am Randbogen liegt in einem unzulässigen Bereich:"
                 "\n\n-5 <= Einstellwinkel Randbogen <= 5\n");
    in.tipIncidence = 0;
    EXPECT_STREQ(luvo::FirstRangeFailure(luvo::WingGeometryChecks(in)),
                 "Der Wert der Profilwölbung an der Flügelwurzel liegt in einem unzulässigen "
                 "Bereich:\n\n0 <= Profilwölbung an der Flügelwurzel <= 10\n");
}

}  // namespace
