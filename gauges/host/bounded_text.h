// Copying outside text (parameter texts, profile values) into fixed buffers without overrunning.
#pragma once

#include <cstddef>

// Copies `source` into `destination` of `size` bytes, cut to size - 1 characters and always
// terminated. A null source gives an empty text. Returns the number of characters copied.
std::size_t copy_cut(char* destination, std::size_t size, const char* source);

template <std::size_t Size>
std::size_t copy_cut(char (&destination)[Size], const char* source) {
    return copy_cut(destination, Size, source);
}
