// The search for CR or LF: each way of searching finds the first line-end byte from every start,
// among the bytes that trip up a search a word at a time (control bytes just below and above CR
// and LF, the zero byte, bytes with the high bit set that equal CR or LF in their low bits).
#include "line_end_search.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace vantrel {
namespace {

using Search = const char* (*)(const char*, const char*);

void ExpectSameAsBytewise(Search search, const char* name) {
    const char alphabet[] = {'\r', '\n', 'A',    '|',    '\t',   '\f',   0x0e,
                             0x0b, 0,    '\x8d', '\x8a', '\xff', '\x80', '\x7f'};
    std::mt19937 random(424);
    for (int round = 0; round < 2000; ++round) {
        std::string text(random() % 70, 'x');
        // Sparse line ends as in real lines, and dense ones.
        const unsigned spread = round % 2 ? 3 : 40;
        for (char& c : text) {
            c = random() % spread == 0 ? alphabet[random() % std::size(alphabet)] : 'x';
        }
        const char* end = text.data() + text.size();
        for (std::size_t from = 0; from <= text.size(); ++from) {
            const char* start = text.data() + from;
            ASSERT_EQ(search(start, end), line_end_detail::FindCrOrLfBytewise(start, end))
                << name << " from " << from << " in a text of " << text.size() << " bytes";
        }
    }
}

TEST(LineEndSearch, FindsTheFirstCrOrLfFromEveryStart) {
    ExpectSameAsBytewise(line_end_detail::FindCrOrLfInWords, "words");
#if defined(__SSE2__)
    ExpectSameAsBytewise(line_end_detail::FindCrOrLfSse2, "SSE2");
#endif
    ExpectSameAsBytewise(FindCrOrLf, "FindCrOrLf");
}

TEST(LineEndSearch, BytewiseSearchIsTheReference) {
    const std::string text = "AB\x8d\x8a\x0e|\nC\r";
    EXPECT_EQ(line_end_detail::FindCrOrLfBytewise(text.data(), text.data() + text.size()),
              text.data() + 6);
    EXPECT_EQ(line_end_detail::FindCrOrLfBytewise(text.data(), text.data() + 6), text.data() + 6);
}

}  // namespace
}  // namespace vantrel
