#include "platform/audio/PulseCapture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace vekora {
namespace {

class CountingSink : public PacketSink {
public:
    void OnPacket(const float*, std::size_t, std::size_t, int) override { ++packets; }
    int packets = 0;
};

// Points libpulse at a socket that does not exist, so no sound server can answer.
class NoSoundServer : public ::testing::Test {
protected:
    void SetUp() override {
        const char* old = std::getenv("PULSE_SERVER");
        if (old != nullptr)
            saved_ = old;
        hadOld_ = old != nullptr;
        setenv("PULSE_SERVER", "unix:/nonexistent/vekora-test/pulse-native", 1);
    }
    void TearDown() override {
        if (hadOld_)
            setenv("PULSE_SERVER", saved_.c_str(), 1);
        else
            unsetenv("PULSE_SERVER");
    }

private:
    std::string saved_;
    bool hadOld_ = false;
};

TEST_F(NoSoundServer, GivesAnEmptyListNoSamplesAndOneDiagnosticLine) {
    std::vector<std::string> lines;
    PulseCapture capture([&](const std::string& line) { lines.push_back(line); });
    capture.Open();
    EXPECT_TRUE(capture.DeviceNames().empty());
    EXPECT_FALSE(capture.Restart(0));
    CountingSink sink;
    for (int i = 0; i < 50; ++i)
        capture.Drain(sink);
    capture.Open();  // a retry does not repeat the message
    EXPECT_FALSE(capture.Restart(2));
    EXPECT_EQ(sink.packets, 0);
    EXPECT_EQ(capture.CaptureStarts(), 0);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find("no sound server"), std::string::npos) << lines[0];
}

TEST(PulseCapture, UnopenedCaptureIsQuiet) {
    std::vector<std::string> lines;
    PulseCapture capture([&](const std::string& line) { lines.push_back(line); });
    CountingSink sink;
    capture.Drain(sink);
    EXPECT_TRUE(capture.DeviceNames().empty());
    EXPECT_FALSE(capture.Restart(0));
    EXPECT_TRUE(lines.empty());
}

}  // namespace
}  // namespace vekora
