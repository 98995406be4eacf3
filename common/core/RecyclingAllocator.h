#pragma once
// An allocator for the large fixed-size arrays of solver records that are replaced on every
// recomputation: a freed block is kept for the next request of the same size in the same thread
// instead of going back to the system, whose fresh pages would cost more than the solve itself.

#include <cstddef>

namespace luvo {

namespace detail {
void* TakeRecycledBlock(std::size_t bytes);
void GiveRecycledBlock(void* block, std::size_t bytes);
}  // namespace detail

template <class T>
struct RecyclingAllocator {
    using value_type = T;

    RecyclingAllocator() = default;
    template <class U>
    RecyclingAllocator(const RecyclingAllocator<U>&) {}

    T* allocate(std::size_t n) { return static_cast<T*>(detail::TakeRecycledBlock(n * sizeof(T))); }
    void deallocate(T* p, std::size_t n) { detail::GiveRecycledBlock(p, n * sizeof(T)); }

    template <class U>
    bool operator==(const RecyclingAllocator<U>&) const {
        return true;
    }
    template <class U>
    bool operator!=(const RecyclingAllocator<U>&) const {
        return false;
    }
};

}  // namespace luvo
