#include "common/core/RunReporter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Recorder : luvo::RunReporter {
    std::vector<int> widths;
    std::vector<std::string> texts;
    void SetProgress(int pixels) override { widths.push_back(pixels); }
    void SetStatus(int field, const std::string& text) override {
        texts.push_back(std::to_string(field) + ":" + text);
    }
};

TEST(RunProgress, ReportsEachWidthOnceAndTruncatesPercentages) {
    Recorder r;
    luvo::RunProgress progress(&r);
    progress.SetProgress(9);
    progress.SetProgress(9);
    for (double p = 60.0; p < 61.0; p += 0.1) progress.SetPercent(p);  // 108, 109
    progress.SetPercent(58.0);                                         // 104.4 -> 104
    progress.SetProgress(104);
    progress.SetStatus(1, "Iterationsschritt Nummer 1");
    progress.SetStatus(1, "Iterationsschritt Nummer 1");
    EXPECT_EQ(r.widths, (std::vector<int>{9, 108, 109, 104}));
    EXPECT_EQ(r.texts.size(), 2u);

    luvo::RunProgress silent(nullptr);  // a headless run
    silent.SetProgress(5);
    silent.SetStatus(0, "x");
}

}  // namespace
