// Airport codes for generated benchmark data: AAAA, AAAB, ... one for each index.
#pragma once

#include <string>

inline std::string GeneratedAirportCode(int index) {
    std::string code(4, 'A');
    for (int i = 3; i >= 0; --i) {
        code[i] = static_cast<char>('A' + index % 26);
        index /= 26;
    }
    return code;
}
