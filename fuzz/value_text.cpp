// Fuzz target: the XML configuration gauge's value text and the reading of stored values. Input:
// the first eight bytes are a double's bits; the whole input is also read as a stored text. Every
// finite value's text is at most kValueTextMaxLength long and reads back as the same value.
#include <cmath>
#include <cstring>
#include <string>

#include "decimal_prefix.h"
#include "fuzz_support.h"
#include "value_text.h"

using namespace vantrel::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string stored(reinterpret_cast<const char*>(data), size);
    decimal_prefix(stored.c_str());

    double value = 0;
    std::memcpy(&value, data, size < sizeof value ? size : sizeof value);
    const std::string text = value_text(value);
    if (!std::isfinite(value)) {
        return 0;
    }
    Check(text.size() <= kValueTextMaxLength, "the text fits the stored length");
    Check(text.find('.') != std::string::npos, "the text keeps its decimal point");
    Check(decimal_prefix(text.c_str()) == value, "the text reads back as the same value");
    return 0;
}
