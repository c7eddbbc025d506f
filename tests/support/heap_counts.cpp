#include "tests/support/heap_counts.h"

#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace quellan::testing_support {
namespace {

std::atomic<std::int64_t> liveBlocks{0};
std::atomic<std::int64_t> liveBytes{0};

void* Counted(void* block) {
    if (block != nullptr) {
        liveBlocks.fetch_add(1, std::memory_order_relaxed);
        liveBytes.fetch_add(static_cast<std::int64_t>(::malloc_usable_size(block)),
                            std::memory_order_relaxed);
    }
    return block;
}

void* Allocate(std::size_t size) {
    return Counted(std::malloc(size == 0 ? 1 : size));
}

void* AllocateAligned(std::size_t size, std::align_val_t alignment) {
    auto align = static_cast<std::size_t>(alignment);
    std::size_t rounded = (size + align - 1) / align * align;
    return Counted(std::aligned_alloc(align, rounded == 0 ? align : rounded));
}

void Release(void* block) {
    if (block == nullptr) {
        return;
    }
    liveBlocks.fetch_sub(1, std::memory_order_relaxed);
    liveBytes.fetch_sub(static_cast<std::int64_t>(::malloc_usable_size(block)),
                        std::memory_order_relaxed);
    std::free(block);
}

void* AllocateOrThrow(std::size_t size) {
    if (void* block = Allocate(size)) {
        return block;
    }
    throw std::bad_alloc();
}

void* AllocateAlignedOrThrow(std::size_t size, std::align_val_t alignment) {
    if (void* block = AllocateAligned(size, alignment)) {
        return block;
    }
    throw std::bad_alloc();
}

}  // namespace

HeapCounts LiveHeap() {
    return {liveBlocks.load(), liveBytes.load()};
}

}  // namespace quellan::testing_support

using quellan::testing_support::AllocateAlignedOrThrow;
using quellan::testing_support::AllocateOrThrow;
using quellan::testing_support::Release;

void* operator new(std::size_t size) {
    return AllocateOrThrow(size);
}
void* operator new[](std::size_t size) {
    return AllocateOrThrow(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return quellan::testing_support::Allocate(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return quellan::testing_support::Allocate(size);
}
void* operator new(std::size_t size, std::align_val_t align) {
    return AllocateAlignedOrThrow(size, align);
}
void* operator new[](std::size_t size, std::align_val_t align) {
    return AllocateAlignedOrThrow(size, align);
}
void operator delete(void* block) noexcept {
    Release(block);
}
void operator delete[](void* block) noexcept {
    Release(block);
}
void operator delete(void* block, std::size_t) noexcept {
    Release(block);
}
void operator delete[](void* block, std::size_t) noexcept {
    Release(block);
}
void operator delete(void* block, std::align_val_t) noexcept {
    Release(block);
}
void operator delete[](void* block, std::align_val_t) noexcept {
    Release(block);
}
void operator delete(void* block, std::size_t, std::align_val_t) noexcept {
    Release(block);
}
void operator delete[](void* block, std::size_t, std::align_val_t) noexcept {
    Release(block);
}
void operator delete(void* block, const std::nothrow_t&) noexcept {
    Release(block);
}
void operator delete[](void* block, const std::nothrow_t&) noexcept {
    Release(block);
}
