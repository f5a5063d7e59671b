// The test programs' own operator new and delete: every block is followed by
// guard bytes, checked when it is freed, and a changed guard fails the test
// that freed it. So a write past the end of any heap buffer the wizard owns
// fails the test whose wizard made it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <new>

// Only these two are replaced: the library's array, sized and nothrow forms
// all come here.
namespace {

constexpr std::size_t kGuardSize = 16;
constexpr unsigned char kGuard = 0xA5;

// Keeps the block behind it aligned as malloc's own blocks are.
struct alignas(std::max_align_t) Header { std::size_t size; };

}  // namespace

void* operator new(std::size_t size) {
    auto* header = static_cast<Header*>(std::malloc(sizeof(Header) + size + kGuardSize));
    if (header == nullptr) std::abort();
    header->size = size;
    std::memset(reinterpret_cast<unsigned char*>(header + 1) + size, kGuard, kGuardSize);
    return header + 1;
}

void operator delete(void* block) noexcept {
    if (block == nullptr) return;
    Header* header = static_cast<Header*>(block) - 1;
    const unsigned char* guard = static_cast<unsigned char*>(block) + header->size;
    if (std::count(guard, guard + kGuardSize, kGuard) != kGuardSize)
        ADD_FAILURE() << "a write past the end of a heap block of " << header->size << " bytes";
    std::free(header);
}
