// IpcLink against the stand-in IPC module: opening and its identity check, queueing within the
// buffer, and sending batches.
#include "ipc_link.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "ipc_module_stand_in.h"

namespace {

class IpcLinkTest : public testing::Test {
  protected:
    void open_link(std::uint32_t size = sizeof buffer) {
        ASSERT_TRUE(link->open(0, result, buffer, size));
        ASSERT_EQ(result, IpcResult::ok);
    }

    StandInIpcModule module;
    std::unique_ptr<IpcLink> link = std::make_unique<IpcLink>();
    IpcResult result = IpcResult::ok;
    std::uint8_t buffer[252] = {};
};

TEST(IpcLinkWithoutModule, OpenFindsNoWindowAndLeavesTheLinkClosed) {
    auto link = std::make_unique<IpcLink>();
    std::uint8_t buffer[252];
    IpcResult result = IpcResult::ok;
    EXPECT_FALSE(link->open(0, result, buffer, sizeof buffer));
    EXPECT_EQ(result, IpcResult::no_window);
    std::uint32_t value = 0;
    EXPECT_FALSE(link->read(0x3364, 1, &value, result));
    EXPECT_EQ(result, IpcResult::not_open);
    EXPECT_FALSE(link->process(result));
    EXPECT_EQ(result, IpcResult::not_open);
}

#if defined(_WIN32)
// Windows' FindWindowExA does not find message-only windows (wine's does), so the module's window
// must be a hidden top-level window for the link to find it in the simulator.
TEST_F(IpcLinkTest, TheModulesWindowIsAHiddenTopLevelWindow) {
    open_link();
    EXPECT_EQ(GetAncestor(link->window, GA_PARENT), GetDesktopWindow());
    EXPECT_FALSE(IsWindowVisible(link->window));
}
#endif

TEST_F(IpcLinkTest, OpenChecksTheBuffer) {
    EXPECT_FALSE(link->open(0, result, buffer, 31));
    EXPECT_EQ(result, IpcResult::bad_buffer);
    EXPECT_FALSE(link->open(0, result, nullptr, 252));
    EXPECT_EQ(result, IpcResult::bad_buffer);
    EXPECT_EQ(module.messages_answered(), 0);
    // 32 bytes pass the check but cannot hold the identity exchange of open (66 bytes).
    EXPECT_FALSE(link->open(0, result, buffer, 32));
    EXPECT_EQ(result, IpcResult::no_room);
    open_link(66);
}

TEST_F(IpcLinkTest, CapacityIsAtMost32512) {
    static std::uint8_t large[40000];
    ASSERT_TRUE(link->open(0, result, large, sizeof large));
    EXPECT_EQ(link->capacity, 32512u);
}

TEST_F(IpcLinkTest, OpenReadsTheIdentityAndAnnouncesTheClient) {
    open_link();
    EXPECT_EQ(link->version, StandInIpcModule::kDefaultVersion);
    EXPECT_EQ(link->simulator, 9u);
    EXPECT_EQ(module.u16(0x330A), 1200);
    EXPECT_EQ(module.messages_answered(), 1);
    EXPECT_FALSE(link->open(0, result, buffer, sizeof buffer));
    EXPECT_EQ(result, IpcResult::already_open);
}

struct IdentityCase {
    const char* what;
    std::uint32_t version;
    std::uint32_t simulator;
    std::uint32_t requested;
    IpcResult result;
};

const IdentityCase kIdentityCases[] = {
    {"lowest version accepted", 0x19980005, 0xFADE0009, 0, IpcResult::ok},
    {"older version", 0x19980004, 0xFADE0009, 0, IpcResult::identity_failed},
    {"simulator word without the mark", 0x19980005, 0xFADF0009, 0, IpcResult::identity_failed},
    {"other simulator than requested", 0x20000000, 0xFADE0007, 9, IpcResult::wrong_simulator},
    {"requested simulator", 0x20000000, 0xFADE0007, 7, IpcResult::ok},
};

TEST_F(IpcLinkTest, IdentityCheck) {
    for (const IdentityCase& c : kIdentityCases) {
        SCOPED_TRACE(c.what);
        module.set_identity(c.version, c.simulator);
        const bool opened = link->open(c.requested, result, buffer, sizeof buffer);
        EXPECT_EQ(opened, c.result == IpcResult::ok);
        EXPECT_EQ(result, c.result);
        if (opened) {
            EXPECT_EQ(link->simulator, c.simulator & 0xFFFF);
        } else {
            std::uint32_t value;
            EXPECT_FALSE(link->read(0, 4, &value, result));
            EXPECT_EQ(result, IpcResult::not_open) << "a failed open leaves the link closed";
        }
        link->close();
        link->close();
    }
}

TEST_F(IpcLinkTest, ProcessWithNothingQueued) {
    open_link();
    EXPECT_FALSE(link->process(result));
    EXPECT_EQ(result, IpcResult::nothing_queued);
    std::uint32_t value = 0;
    ASSERT_TRUE(link->read(0x0B74, 4, &value, result));
    ASSERT_TRUE(link->process(result));
    EXPECT_FALSE(link->process(result));
    EXPECT_EQ(result, IpcResult::nothing_queued);
    EXPECT_EQ(module.messages_answered(), 2);
}

TEST_F(IpcLinkTest, TwelveReadsFitIn252BytesAndTheThirteenthIsRefused) {
    open_link();
    std::uint32_t levels[13] = {};
    for (std::uint32_t i = 0; i < 13; ++i) {
        module.set_u32(0x0B74 + 4 * i, 1000 + i);
    }
    for (std::uint32_t i = 0; i < 12; ++i) {
        ASSERT_TRUE(link->read(0x0B74 + 4 * i, 4, &levels[i], result)) << i;
    }
    EXPECT_FALSE(link->read(0x0B74 + 48, 4, &levels[12], result));
    EXPECT_EQ(result, IpcResult::no_room);
    ASSERT_TRUE(link->process(result));
    for (std::uint32_t i = 0; i < 12; ++i) {
        EXPECT_EQ(levels[i], 1000 + i);
    }
    EXPECT_EQ(levels[12], 0u);
}

TEST_F(IpcLinkTest, WritesStoreTheirBytesAndARefusedWriteKeepsEarlierRecords) {
    open_link();
    const std::uint32_t level = 4194304;
    ASSERT_TRUE(link->write(0x0B7C, 4, &level, result));
    std::uint8_t too_big[252] = {};
    EXPECT_FALSE(link->write(0x0B94, 252 - 16 - 20 + 1, too_big, result));
    EXPECT_EQ(result, IpcResult::no_room);
    ASSERT_TRUE(link->process(result));
    EXPECT_EQ(module.u32(0x0B7C), level);
}

TEST_F(IpcLinkTest, HugeSizesAreRefusedWithoutWrapping) {
    open_link();
    std::uint32_t value = 0;
    EXPECT_FALSE(link->read(0x0B74, 0xFFFFFFF0u, &value, result));
    EXPECT_EQ(result, IpcResult::no_room);
    EXPECT_FALSE(link->write(0x0B74, 0xFFFFFFF0u, &value, result));
    EXPECT_EQ(result, IpcResult::no_room);
}

TEST_F(IpcLinkTest, ZeroAnswerLeavesDestinationsUntouchedAndEmptiesTheQueue) {
    open_link();
    module.set_u32(0x0B74, 77);
    module.answer_with(0);
    std::uint32_t value = 5;
    ASSERT_TRUE(link->read(0x0B74, 4, &value, result));
    EXPECT_FALSE(link->process(result));
    EXPECT_EQ(result, IpcResult::no_answer);
    EXPECT_EQ(value, 5u);
    EXPECT_FALSE(link->process(result));
    EXPECT_EQ(result, IpcResult::nothing_queued);
}

TEST_F(IpcLinkTest, ZeroAnswerAtOpenFailsTheOpen) {
    module.answer_with(0);
    EXPECT_FALSE(link->open(0, result, buffer, sizeof buffer));
    EXPECT_EQ(result, IpcResult::no_answer);
}

TEST_F(IpcLinkTest, NullDestinationIsSkipped) {
    open_link();
    module.set_u8(0x3364, 1);
    module.set_u16(0x0C18, 2);
    std::uint16_t units = 0;
    ASSERT_TRUE(link->read(0x3364, 1, nullptr, result));
    ASSERT_TRUE(link->read(0x0C18, 2, &units, result));
    ASSERT_TRUE(link->process(result));
    EXPECT_EQ(units, 2);
}

}  // namespace
