#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "restart_request.h"

namespace {

struct FakeShutdown : ShutdownApi {
    bool tokenOpens = true;
    CallOutcome lookup{true, 0};
    CallOutcome enable{true, 0};
    bool exitAccepted = true;
    std::vector<std::string> calls;

    bool openProcessToken() override { return calls.push_back("open"), tokenOpens; }
    CallOutcome lookupShutdownPrivilege() override { return calls.push_back("lookup"), lookup; }
    CallOutcome enableShutdownPrivilege() override { return calls.push_back("enable"), enable; }
    bool exitWindows() override { return calls.push_back("exit"), exitAccepted; }
    void closeProcessToken() override { calls.push_back("close"); }
};

using Calls = std::vector<std::string>;

}  // namespace

TEST(RestartRequest, AcceptedEvenWithTheStaleErrorASuccessfulLookupLeaves) {
    FakeShutdown api;
    api.lookup = {true, 14007};
    RestartResult result = RequestRestart(api);
    EXPECT_TRUE(result.accepted);
    EXPECT_EQ(result.failure, "");
    EXPECT_EQ(api.calls, (Calls{"open", "lookup", "enable", "exit", "close"}));
}

TEST(RestartRequest, EachRefusedStepIsNamedAndNothingFollowsIt) {
    FakeShutdown noToken;
    noToken.tokenOpens = false;
    EXPECT_EQ(RequestRestart(noToken).failure, "Fail to restart system! (OpenProcessToken=0)");
    EXPECT_EQ(noToken.calls, (Calls{"open"})) << "no token to close";

    FakeShutdown noLookup;
    noLookup.lookup = {false, 1313};
    EXPECT_EQ(RequestRestart(noLookup).failure,
              "Fail to restart system! (LookupPrivilegeValue = 1313)");
    EXPECT_EQ(noLookup.calls, (Calls{"open", "lookup", "close"}));

    FakeShutdown refused;
    refused.exitAccepted = false;
    RestartResult result = RequestRestart(refused);
    EXPECT_FALSE(result.accepted);
    EXPECT_EQ(result.failure, "Fail to restart system! (ExitWindowsEx=0)");
    EXPECT_EQ(refused.calls.back(), "close");
}

TEST(RestartRequest, APrivilegeNotHeldFailsThoughTheAdjustmentSucceeded) {
    FakeShutdown notHeld;
    notHeld.enable = {true, kErrorNotAllAssigned};
    RestartResult result = RequestRestart(notHeld);
    EXPECT_FALSE(result.accepted);
    EXPECT_EQ(result.failure, "Fail to restart system! (AdjustTokenPrivileges = 1300)");
    EXPECT_EQ(notHeld.calls, (Calls{"open", "lookup", "enable", "close"})) << "no restart asked";

    FakeShutdown failed;
    failed.enable = {false, 6};
    EXPECT_EQ(RequestRestart(failed).failure,
              "Fail to restart system! (AdjustTokenPrivileges = 6)");
}
