// Cut-to-buffer text copy.
#include "bounded_text.h"

std::size_t copy_cut(char* destination, std::size_t size, const char* source) {
    if (size == 0) {
        return 0;
    }
    std::size_t length = 0;
    if (source != nullptr) {
        while (length + 1 < size && source[length] != '\0') {
            destination[length] = source[length];
            ++length;
        }
    }
    destination[length] = '\0';
    return length;
}
