// Letter case of ASCII text. Airport codes, file names and identifiers fold only A-Z and a-z,
// whatever the user's locale.
#pragma once

#include <string>

namespace vantrel {

inline char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

inline std::string LowerAscii(std::string text) {
    for (char& c : text) {
        c = LowerAscii(c);
    }
    return text;
}

inline std::string UpperAscii(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return text;
}

}  // namespace vantrel
