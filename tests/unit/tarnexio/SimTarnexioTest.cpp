#include "SimTarnexio.h"

#include <gtest/gtest.h>

#include <vector>

namespace vekora::sim {
namespace {

using namespace tarnexio::wire;

class SimTarnexioTest : public ::testing::Test {
protected:
    // One exchange: the request, then the answer.
    std::optional<ParsedFrame> Ask(Command c, std::uint8_t arg1 = 0, std::uint8_t arg2 = 0,
                                   std::vector<std::uint8_t> payload = {}) {
        const Frame request = BuildRequest({c, ++seq_, arg1, arg2}, payload);
        EXPECT_TRUE(sim_.Receive(request));
        last_ = sim_.TakeAnswer();
        auto p = ParseFrame(last_);
        EXPECT_TRUE(p);
        if (p) {
            EXPECT_EQ(p->header.sequence, seq_);
            EXPECT_EQ(p->header.command, c);
        }
        return p;
    }

    SimTarnexio sim_{10};
    Frame last_{};
    std::uint8_t seq_ = 0;
};

TEST_F(SimTarnexioTest, HelloNamesTheBoard) {
    const auto a = Ask(Command::Hello);
    ASSERT_EQ(a->payload.size(), 8u);
    EXPECT_EQ(a->payload[0], 98);
    EXPECT_EQ(a->payload[3], 5);
    EXPECT_EQ(a->payload[4], 4);
}

TEST_F(SimTarnexioTest, KeyMapsOfFourProfilesAreKeptAndReadBack) {
    std::vector<std::uint8_t> map(504);
    for (std::size_t i = 0; i < map.size(); ++i) {
        map[i] = static_cast<std::uint8_t>(i * 7);
    }
    EXPECT_EQ(Ask(Command::WriteKeyMap, 3, 0, map)->status, Status::Done);
    const auto read = Ask(Command::ReadKeyMap, 3);
    EXPECT_EQ(std::vector<std::uint8_t>(read->payload.begin(), read->payload.end()), map);
    EXPECT_TRUE(sim_.State().keyMaps[3]);
    EXPECT_FALSE(sim_.State().keyMaps[0]);
    // There is no fifth key-map profile on board.
    EXPECT_EQ(Ask(Command::WriteKeyMap, 4, 0, map)->status, Status::BadArgument);
    EXPECT_EQ(Ask(Command::WriteKeyMap, 0, 0, std::vector<std::uint8_t>(503))->status,
              Status::BadArgument);
}

TEST_F(SimTarnexioTest, TableAndKeyboardSideProfileChange) {
    std::vector<std::uint8_t> table(128, 0);
    table[30] = 4;
    table[15] = 1;
    EXPECT_EQ(Ask(Command::WriteTable, 0, 0, table)->status, Status::Done);
    EXPECT_EQ(Ask(Command::ReadTable)->payload[30], 4);
    EXPECT_TRUE(sim_.ChangeProfileOnKeyboard(2));
    EXPECT_EQ(Ask(Command::ReadTable)->payload[30], 1);
    EXPECT_FALSE(sim_.ChangeProfileOnKeyboard(6));
    EXPECT_NE(sim_.StateJson().find("\"profile\": 2, \"game_mode\": {\"win\": 1"),
              std::string::npos);
}

TEST_F(SimTarnexioTest, LightSettingsAreSignedIntegers) {
    std::vector<std::uint8_t> bytes(40, 0);
    bytes[0] = 10;
    bytes[4] = 0xFF;  // -1
    bytes[5] = 0xFF;
    bytes[6] = 0xFF;
    bytes[7] = 0xFF;
    EXPECT_EQ(Ask(Command::WriteLight, 0, 0, bytes)->status, Status::Done);
    ASSERT_TRUE(sim_.State().light);
    EXPECT_EQ((*sim_.State().light)[0], 10);
    EXPECT_EQ((*sim_.State().light)[1], -1);
    const auto read = Ask(Command::ReadLight);
    EXPECT_EQ(std::vector<std::uint8_t>(read->payload.begin(), read->payload.end()), bytes);
}

TEST_F(SimTarnexioTest, MacroListArrivesInChunksAndReplacesTheOldOne) {
    std::vector<std::vector<std::uint8_t>> records;
    for (int m = 0; m < 10; ++m) {
        std::vector<std::uint8_t> r;
        for (int s = 0; s < 20; ++s) {
            const auto b = EncodeStep({StepKind::KeyPress, 4, 10 * m + s, 0});
            r.insert(r.end(), b.begin(), b.end());
        }
        records.push_back(r);
    }
    const auto chunks = SplitIntoChunks(*BuildMacroArea(records));
    ASSERT_EQ(chunks.size(), 3u);
    for (std::size_t i = 0; i < chunks.size(); ++i) {
        EXPECT_EQ(Ask(Command::WriteMacroChunk, static_cast<std::uint8_t>(i), 3, chunks[i])->status,
                  Status::Done);
    }
    EXPECT_EQ(sim_.State().macros, records);
    // A chunk out of order drops the transfer; the list stays.
    EXPECT_EQ(Ask(Command::WriteMacroChunk, 1, 3, chunks[1])->status, Status::OutOfOrder);
    EXPECT_EQ(sim_.State().macros, records);
    // A bad area is refused; the list stays.
    std::vector<std::uint8_t> bad(16, 0);
    bad[0] = 1;
    bad[1] = 6;
    bad.resize(22, 0xEE);
    EXPECT_EQ(Ask(Command::WriteMacroChunk, 0, 1, bad)->status, Status::BadMacroArea);
    EXPECT_EQ(sim_.State().macros, records);
}

TEST_F(SimTarnexioTest, RefusedRequestsChangeNothing) {
    sim_.RefuseRequests(1);
    EXPECT_EQ(Ask(Command::WriteKeyMap, 0, 0, std::vector<std::uint8_t>(504, 1))->status,
              Status::Refused);
    EXPECT_FALSE(sim_.State().keyMaps[0]);
    EXPECT_EQ(Ask(Command::WriteKeyMap, 0, 0, std::vector<std::uint8_t>(504, 1))->status,
              Status::Done);
}

TEST_F(SimTarnexioTest, BadFramesAndMissingRequests) {
    Frame f = BuildRequest({Command::Hello, 1, 0, 0});
    f[516] ^= 0xFF;
    EXPECT_TRUE(sim_.Receive(f));
    EXPECT_EQ(ParseFrame(sim_.TakeAnswer())->status, Status::BadFrame);
    EXPECT_EQ(ParseFrame(sim_.TakeAnswer())->status, Status::NoRequest);
    std::vector<std::uint8_t> longFamily(520, 0);
    longFamily[0] = 6;
    longFamily[1] = 0x84;
    EXPECT_FALSE(sim_.Receive(longFamily));
}

TEST_F(SimTarnexioTest, MusicFramesAreCounted) {
    std::vector<std::uint8_t> frame(378, 0);
    frame[27] = 0xFF;
    Ask(Command::MusicFrame, 0, 0, frame);
    Ask(Command::MusicFrame, 0, 0, frame);
    EXPECT_EQ(sim_.State().musicFrames, 2);
    EXPECT_EQ((*sim_.State().lastMusicFrame)[27], 0xFF);
}

}  // namespace
}  // namespace vekora::sim
