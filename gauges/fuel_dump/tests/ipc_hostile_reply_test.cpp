// Replies that do not match what was queued: the client copies nothing past a destination's size
// and stops walking at the first record it cannot trust.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "ipc_link.h"
#include "ipc_module_stand_in.h"

namespace {

void put_u32(std::uint8_t* at, std::uint32_t value) {
    std::memcpy(at, &value, 4);
}

// Two guarded 4-byte destinations: bytes past each value must stay as they were.
struct Guarded {
    std::uint32_t value = 0;
    std::uint32_t guard = 0xA5A5A5A5;
};

class HostileReply : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(link->open(0, result, buffer, sizeof buffer));
        module.set_u32(0x0B74, 111);
        module.set_u32(0x0B7C, 222);
        ASSERT_TRUE(link->read(0x0B74, 4, &first.value, result));
        ASSERT_TRUE(link->read(0x0B7C, 4, &second.value, result));
    }
    void expect_guards_intact() {
        EXPECT_EQ(first.guard, 0xA5A5A5A5u);
        EXPECT_EQ(second.guard, 0xA5A5A5A5u);
    }

    StandInIpcModule module;
    std::unique_ptr<IpcLink> link = std::make_unique<IpcLink>();
    IpcResult result = IpcResult::ok;
    std::uint8_t buffer[252] = {};
    Guarded first;
    Guarded second;
};

// Records in the buffer: the first read at byte 4, the second at byte 24.
struct HostileCase {
    const char* what;
    std::size_t at;
    std::uint32_t value;
    std::uint32_t first_expected;
    std::uint32_t second_expected;
};

const HostileCase kCases[] = {
    {"unknown type ends the walk", 4, 7, 0, 0},
    {"size grown past the queued records", 4 + 8, 4000, 0, 0},
    {"size grown into the next record", 24 + 8, 8, 111, 0},
    {"size shrunk", 4 + 8, 2, 0, 0},
    {"read turned into a write", 24, 2, 111, 0},
    {"destination field pointed elsewhere", 4 + 12, 0x1000, 111, 222},
    {"terminator of the first record moved up", 24, 0, 111, 0},
};

TEST_F(HostileReply, CopiesOnlyWhatWasQueued) {
    // Each case runs on a fresh pair of queued reads, one change made to the answered buffer.
    for (const HostileCase& c : kCases) {
        SCOPED_TRACE(c.what);
        first.value = 0;
        second.value = 0;
        module.tamper_with(
            [&c](std::uint8_t* answered, std::size_t) { put_u32(answered + c.at, c.value); });
        ASSERT_TRUE(link->process(result));
        EXPECT_EQ(first.value, c.first_expected);
        EXPECT_EQ(second.value, c.second_expected);
        expect_guards_intact();
        ASSERT_TRUE(link->read(0x0B74, 4, &first.value, result));
        ASSERT_TRUE(link->read(0x0B7C, 4, &second.value, result));
    }
}

TEST_F(HostileReply, UnknownTypeIsClearedInTheBuffer) {
    module.tamper_with([](std::uint8_t* answered, std::size_t) { put_u32(answered + 24, 9); });
    ASSERT_TRUE(link->process(result));
    EXPECT_EQ(first.value, 111u);
    EXPECT_EQ(second.value, 0u);
    std::uint32_t type;
    std::memcpy(&type, buffer + 24, 4);
    EXPECT_EQ(type, 0u);
}

TEST_F(HostileReply, WriteRecordWithHugeSizeEndsTheWalk) {
    const std::uint32_t level = 5;
    ASSERT_TRUE(link->write(0x0B84, 4, &level, result));
    Guarded third;
    ASSERT_TRUE(link->read(0x0B74, 4, &third.value, result));
    // The write record sits after the two reads, at byte 44.
    module.tamper_with(
        [](std::uint8_t* answered, std::size_t) { put_u32(answered + 44 + 8, 0xFFFFFFF0u); });
    ASSERT_TRUE(link->process(result));
    EXPECT_EQ(first.value, 111u);
    EXPECT_EQ(second.value, 222u);
    EXPECT_EQ(third.value, 0u);
    EXPECT_EQ(third.guard, 0xA5A5A5A5u);
    expect_guards_intact();
}

}  // namespace
