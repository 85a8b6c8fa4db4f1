#include "allocation_counter.h"

#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

// What is measured runs on one thread. A relaxed load and store, unlike fetch_add, needs no
// locked instruction, so counting adds little to the times measured beside it; a race with
// another thread could only lose a count, never corrupt memory.
std::atomic<std::uint64_t> allocations{0};
std::atomic<std::int64_t> liveBlocks{0};
std::atomic<std::int64_t> liveBytes{0};

template <typename Int>
void add(std::atomic<Int>& counter, Int amount) {
    counter.store(counter.load(std::memory_order_relaxed) + amount, std::memory_order_relaxed);
}

// The usable size rather than the requested one: it is what free() gets back, and it needs no
// size from the (possibly unsized) delete.
void* counted(void* block) {
    if (block != nullptr) {
        add<std::uint64_t>(allocations, 1);
        add<std::int64_t>(liveBlocks, 1);
        add(liveBytes, static_cast<std::int64_t>(malloc_usable_size(block)));
    }
    return block;
}

void release(void* block) noexcept {
    if (block == nullptr) {
        return;
    }
    add<std::int64_t>(liveBlocks, -1);
    add(liveBytes, -static_cast<std::int64_t>(malloc_usable_size(block)));
    std::free(block);
}

void* allocate(std::size_t size) noexcept { return counted(std::malloc(size == 0 ? 1 : size)); }

void* allocateAligned(std::size_t size, std::align_val_t alignment) noexcept {
    const auto align = static_cast<std::size_t>(alignment);
    // aligned_alloc wants a multiple of the alignment.
    const std::size_t rounded = (size + align - 1) / align * align;
    return counted(std::aligned_alloc(align, rounded == 0 ? align : rounded));
}

void* orThrow(void* block) {
    if (block == nullptr) {
        throw std::bad_alloc();
    }
    return block;
}

}  // namespace

namespace bench {

AllocationCounts allocationCounts() {
    return {allocations.load(std::memory_order_relaxed), liveBlocks.load(std::memory_order_relaxed),
            liveBytes.load(std::memory_order_relaxed)};
}

}  // namespace bench

void* operator new(std::size_t size) { return orThrow(allocate(size)); }
void* operator new[](std::size_t size) { return orThrow(allocate(size)); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return allocate(size); }
void* operator new(std::size_t size, std::align_val_t alignment) {
    return orThrow(allocateAligned(size, alignment));
}
void* operator new[](std::size_t size, std::align_val_t alignment) {
    return orThrow(allocateAligned(size, alignment));
}
void* operator new(std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept {
    return allocateAligned(size, alignment);
}
void* operator new[](std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept {
    return allocateAligned(size, alignment);
}

void operator delete(void* block) noexcept { release(block); }
void operator delete[](void* block) noexcept { release(block); }
void operator delete(void* block, std::size_t) noexcept { release(block); }
void operator delete[](void* block, std::size_t) noexcept { release(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { release(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { release(block); }
void operator delete(void* block, std::align_val_t) noexcept { release(block); }
void operator delete[](void* block, std::align_val_t) noexcept { release(block); }
void operator delete(void* block, std::size_t, std::align_val_t) noexcept { release(block); }
void operator delete[](void* block, std::size_t, std::align_val_t) noexcept { release(block); }
void operator delete(void* block, std::align_val_t, const std::nothrow_t&) noexcept {
    release(block);
}
void operator delete[](void* block, std::align_val_t, const std::nothrow_t&) noexcept {
    release(block);
}
