// The simulator's command line, which other tools and scripts depend on.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "SimEnvironment.h"
#include "SimProcess.h"

namespace vekora {
namespace {

using testing::SimProcess;

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new testing::SimEnvironment);

struct Outcome {
    int status = -1;
    std::string output;
};

Outcome Sim(const std::string& args) {
    const std::string command = std::string(VEKORA_SIM_PROGRAM) + " " + args + " 2>&1";
    Outcome run;
    FILE* pipe = popen(command.c_str(), "r");
    char buffer[512];
    while (pipe && std::fgets(buffer, sizeof buffer, pipe)) {
        run.output += buffer;
    }
    const int status = pipe ? pclose(pipe) : -1;
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

TEST(SimCommandLine, CtlSendsOneCommandAndPrintsTheAnswer) {
    SimProcess sim({9, 1});
    const std::string socket = SimProcess::SocketPath().string();
    const Outcome list = Sim("--socket " + socket + " --ctl list");
    EXPECT_EQ(list.status, 0);
    EXPECT_EQ(list.output, "ok 2\n0 9 258a 010c VEKORA K87-1980\n1 1 0c45 8075 VEKORA K61\n");

    const Outcome plug =
        Sim("--socket " + socket + " --ctl plug-product 10 258A 010C 'VEKORA  K98-1980'");
    EXPECT_EQ(plug.status, 0);
    EXPECT_EQ(plug.output, "ok 2\n");
    EXPECT_NE(
        Sim("--socket " + socket + " --ctl list").output.find("2 10 258a 010c VEKORA  K98-1980"),
        std::string::npos);

    // A second simulator never takes the socket of a running one.
    const Outcome second = Sim("--socket " + socket + " --model 9");
    EXPECT_EQ(second.status, 1);
    EXPECT_NE(second.output.find("already serves"), std::string::npos);
    EXPECT_EQ(Sim("--socket " + socket + " --ctl list").status, 0);

    const Outcome bad = Sim("--socket " + socket + " --ctl fault 7 ff-once");
    EXPECT_NE(bad.status, 0);
    EXPECT_EQ(bad.output.rfind("err ", 0), 0u);
}

struct UsageCase {
    const char* name;
    const char* args;
    int status;
};

class SimUsage : public ::testing::TestWithParam<UsageCase> {};

TEST_P(SimUsage, RefusesBadCommandLines) {
    EXPECT_EQ(Sim(GetParam().args).status, GetParam().status);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, SimUsage,
    ::testing::Values(UsageCase{"Help", "--help", 0}, UsageCase{"NoSocket", "--model 9", 2},
                      UsageCase{"UnknownArgument", "--socket /tmp/x --frobnicate", 2},
                      UsageCase{"ModelWithoutKeyboard", "--socket /tmp/x --model 3", 2},
                      UsageCase{"MalformedModel", "--socket /tmp/x --model nine", 2},
                      UsageCase{"CtlWithoutCommand", "--socket /tmp/x --ctl", 2},
                      UsageCase{"CtlWithoutSimulator", "--socket /nonexistent/sock --ctl list", 1}),
    [](const ::testing::TestParamInfo<UsageCase>& info) { return info.param.name; });

}  // namespace
}  // namespace vekora
