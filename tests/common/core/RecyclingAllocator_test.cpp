// The allocator of the solver records' matrices: a freed block serves the next request of its
// size, blocks of other sizes are not mixed up, and more blocks than it keeps go back safely.

#include "common/core/RecyclingAllocator.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace {

using Row = std::array<double, 102>;
using Matrix = std::vector<Row, luvo::RecyclingAllocator<Row>>;

TEST(RecyclingAllocator, FreedBlocksServeTheNextRequestOfTheirSize) {
    const Row* first = nullptr;
    {
        Matrix m(102, Row{});
        m[101][101] = 7.0;
        first = m.data();
    }
    Matrix again(102, Row{});
    EXPECT_EQ(again.data(), first);
    EXPECT_EQ(again[101][101], 0.0);  // a reused block is initialised like a new one

    Matrix smaller(50, Row{});
    EXPECT_NE(smaller.data(), again.data());
    smaller.assign(50, Row{});
}

TEST(RecyclingAllocator, ManyLiveAndFreedBlocksOfSeveralSizes) {
    for (int round = 0; round < 3; ++round) {
        std::vector<Matrix> live;
        for (int k = 0; k < 40; ++k) {
            live.emplace_back(1 + k % 5, Row{});
            live.back().back()[0] = k;
        }
        // Every live matrix has a block of its own.
        for (int k = 0; k < 40; ++k) {
            EXPECT_EQ(live[k].back()[0], k);
            EXPECT_EQ(live[k].size(), static_cast<size_t>(1 + k % 5));
        }
    }
}

}  // namespace
