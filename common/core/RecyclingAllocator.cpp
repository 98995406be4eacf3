#include "common/core/RecyclingAllocator.h"

#include <new>

namespace luvo::detail {

namespace {

// A few records' worth of blocks; more are handed back to the system.
constexpr int kKeptBlocks = 16;

struct KeptBlocks {
    void* block[kKeptBlocks] = {};
    std::size_t bytes[kKeptBlocks] = {};
    int count = 0;

    ~KeptBlocks() {
        for (int i = 0; i < count; ++i) {
            ::operator delete(block[i]);
        }
    }
};

KeptBlocks& Kept() {
    thread_local KeptBlocks kept;
    return kept;
}

}  // namespace

void* TakeRecycledBlock(std::size_t bytes) {
    KeptBlocks& kept = Kept();
    for (int i = kept.count - 1; i >= 0; --i) {
        if (kept.bytes[i] == bytes) {
            void* block = kept.block[i];
            --kept.count;
            kept.block[i] = kept.block[kept.count];
            kept.bytes[i] = kept.bytes[kept.count];
            return block;
        }
    }
    return ::operator new(bytes);
}

void GiveRecycledBlock(void* block, std::size_t bytes) {
    KeptBlocks& kept = Kept();
    if (kept.count == kKeptBlocks) {
        ::operator delete(block);
        return;
    }
    kept.block[kept.count] = block;
    kept.bytes[kept.count] = bytes;
    ++kept.count;
}

}  // namespace luvo::detail
