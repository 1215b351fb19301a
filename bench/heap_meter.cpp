// Global operator new and delete that keep a count of the bytes in use; the
// size comes from the allocator, so the sized and unsized forms agree.
#include "bench/heap_meter.h"

#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<std::size_t> g_InUse{0};
std::atomic<std::size_t> g_Peak{0};

void* Allocate(std::size_t size) {
    void* block = std::malloc(size ? size : 1);
    if (!block) {
        throw std::bad_alloc();
    }
    const std::size_t now = g_InUse += malloc_usable_size(block);
    std::size_t peak = g_Peak.load(std::memory_order_relaxed);
    while (now > peak && !g_Peak.compare_exchange_weak(peak, now)) {
    }
    return block;
}

void Release(void* block) noexcept {
    if (block) {
        g_InUse -= malloc_usable_size(block);
        std::free(block);
    }
}

}  // namespace

std::size_t HeapInUse() {
    return g_InUse.load();
}

std::size_t HeapPeak() {
    return g_Peak.load();
}

void ResetHeapPeak() {
    g_Peak = g_InUse.load();
}

void* operator new(std::size_t size) {
    return Allocate(size);
}

void* operator new[](std::size_t size) {
    return Allocate(size);
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
