#include "registry/JoinedText.h"

#include <cstring>

std::unique_ptr<char[]> joinText(const char* first, const char* second) {
    const size_t firstLength = std::strlen(first);
    const size_t secondLength = std::strlen(second);
    std::unique_ptr<char[]> text(new char[firstLength + secondLength + 1]);
    std::memcpy(text.get(), first, firstLength);
    std::memcpy(text.get() + firstLength, second, secondLength + 1);
    return text;
}
