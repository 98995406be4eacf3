// The result files of single vortex-lattice runs against files kept from a reference version of
// the solver: the default wing with the flat and the relaxed wake (half system), and a swept,
// tapered wing in sideslip (full system), with one and with several threads. Speed work on the
// solver must not change them beyond rounding.
//
// The files in tests/reference were written by this test itself, from a commit whose results had
// been checked, with the environment variable LUVO_WRITE_REFERENCES set:
//     LUVO_WRITE_REFERENCES=1 build/tests/core_tests --gtest_filter='VlmReferenceResults*'
// Remake them that way only after a change of the results meant on purpose, and only when the
// check of each case's cA against the lifting-line estimate still passes.

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "tests/support/ReferenceFiles.h"
#include "tests/support/TempDir.h"
#include "tests/support/WingLiftEstimate.h"
#include "tests/vlm/core/VlmTestWings.h"

namespace {

VlmInteractiveInputs Relaxed(VlmInteractiveInputs in) {
    in.wakeModel = 1;
    in.iterationCount = 8;
    return in;
}

VlmInteractiveInputs InSideslip() {
    VlmInteractiveInputs in = vlm_test::DefaultInputs();
    in.alpha = 4.0;
    in.beta = 5.0;
    in.chordwiseCount = 8;
    in.spanwiseCountPerHalf = 6;
    return in;
}

TEST(VlmReferenceResults, EveryNumberOfTheResultFilesMatchesTheReferenceWithAnyThreadCount) {
    const std::map<std::string, VlmInteractiveInputs> cases = {
        {"vlm-default-flat", vlm_test::DefaultInputs()},
        {"vlm-default-relaxed", Relaxed(vlm_test::DefaultInputs())},
        {"vlm-sideslip-flat", InSideslip()},
        {"vlm-sideslip-relaxed", Relaxed(InSideslip())}};
    luvo::test::ScopedWorkDir work;
    std::vector<std::string> names;
    for (const auto& c : cases) names.push_back(c.first);
    // The run of the discretisation window's start, its files written again with more digits.
    luvo::test::CheckResultFiles(names, [&](const std::string& name, const std::string& prefix) {
        VlmInteractiveInputs in = cases.at(name);
        in.result3dFileName = prefix + "3D.dat";
        in.resultCpFileName = prefix + "cp-x.dat";
        in.resultCaFileName = prefix + "ca-y.dat";
        const VlmRunValues v = VlmInteractiveRunValues(in);
        ASSERT_EQ(VlmCheckRunValues(v), VlmRunError::kNone);
        auto s = vlm_test::BuildInteractive(v);
        ASSERT_EQ(s->Solve(), VlmRunError::kNone);
        // Independent of the files: the thin wing's cA within 5 % of the lifting line's.
        const double estimate = luvo::test::DefaultPlanformLiftEstimate(in.alpha, in.beta, 1);
        EXPECT_NEAR(s->results.ca / estimate, 1.0, 0.05) << name << ": " << s->results.ca;
        EXPECT_TRUE(s->WriteResultFiles(luvo::test::kReferenceDigits).empty());
    });
}

}  // namespace
