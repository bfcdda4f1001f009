// Outside text copied into fixed buffers is cut to the buffer and always terminated.
#include "bounded_text.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(CopyCut, CutsLongTextAndLeavesBytesPastTheBufferAlone) {
    char buffer[8];
    std::memset(buffer, 'x', sizeof buffer);
    char guard = 'g';
    EXPECT_EQ(copy_cut(buffer, 5, "abcdefgh"), 4u);
    EXPECT_STREQ(buffer, "abcd");
    EXPECT_EQ(buffer[5], 'x');
    EXPECT_EQ(guard, 'g');
}

TEST(CopyCut, ShortEmptyAndNullSources) {
    char buffer[6] = "?????";
    EXPECT_EQ(copy_cut(buffer, "ab"), 2u);
    EXPECT_STREQ(buffer, "ab");
    EXPECT_EQ(copy_cut(buffer, ""), 0u);
    EXPECT_STREQ(buffer, "");
    std::strcpy(buffer, "old");
    EXPECT_EQ(copy_cut(buffer, nullptr), 0u);
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(copy_cut(buffer, "12345"), 5u);
    EXPECT_STREQ(buffer, "12345");
}

TEST(CopyCut, ZeroSizeWritesNothing) {
    char buffer[2] = {'a', 'b'};
    EXPECT_EQ(copy_cut(buffer, 0, "text"), 0u);
    EXPECT_EQ(buffer[0], 'a');
}
