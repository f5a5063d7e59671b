#pragma once

#include <memory>

// A heap copy of first immediately followed by second.
std::unique_ptr<char[]> joinText(const char* first, const char* second);
