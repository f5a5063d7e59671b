#pragma once

#include <new>

// Selects the allocation that answers null instead of ending the process.
// Naming the library's std::nothrow object would link the library's
// new-handler machinery with it; a tag of the same type of our own picks the
// same operator new without it.
inline constexpr std::nothrow_t kNoThrow{};
