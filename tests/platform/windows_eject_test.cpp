// The order of a safe removal and what each refusal tells, with the system's calls stood in for.
#include "core/platform/volumes/windows/windows_eject.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace marlix {
namespace {

class ScriptedEject final : public EjectSystem {
public:
    Status OpenVolume(const std::wstring& volume) override {
        calls.push_back("open " + std::string(volume.begin(), volume.end()));
        return Status::success();
    }
    Status LockVolume() override {
        calls.push_back("lock");
        return busyLocks-- > 0 ? Status::failure("Access is denied", ErrorCode::Busy)
                               : Status::success();
    }
    Status DismountVolume() override {
        calls.push_back("dismount");
        return Status::success();
    }
    Status AllowRemoval() override {
        calls.push_back("allow");
        return Status::failure("not supported");  // a reader that never prevented removal
    }
    Result<unsigned long> DiskNumber() override {
        calls.push_back("number");
        return 3ul;
    }
    void CloseVolume() override { calls.push_back("close"); }
    Status RequestEject(unsigned long disk) override {
        calls.push_back("eject " + std::to_string(disk));
        return veto.empty() ? Status::success() : Status::failure(veto, ErrorCode::Busy);
    }
    void Pause() override { calls.push_back("pause"); }

    std::vector<std::string> calls;
    int busyLocks = 0;
    std::string veto;
};

TEST(WindowsEject, LocksDismountsClosesThenAsksTheSystem) {
    ScriptedEject system;
    system.busyLocks = 1;  // a program closing its file a moment later
    ASSERT_TRUE(EjectVolume("E:\\", system).ok());
    EXPECT_EQ(system.calls,
              (std::vector<std::string>{"open \\\\.\\E:", "lock", "pause", "lock", "dismount",
                                        "allow", "number", "close", "eject 3"}));
}

TEST(WindowsEject, ACardInUseOrAVetoIsReportedAndNothingIsRemoved) {
    ScriptedEject busy;
    busy.busyLocks = 100;
    const Status inUse = EjectVolume("E:\\", busy);
    EXPECT_EQ(inUse.code(), ErrorCode::Busy);
    EXPECT_NE(inUse.message().find("in use"), std::string::npos) << inUse.message();
    EXPECT_EQ(std::count(busy.calls.begin(), busy.calls.end(), "lock"), 5);
    EXPECT_EQ(busy.calls.back(), "close");

    ScriptedEject vetoed;
    vetoed.veto = "a program has a file open on it (explorer.exe)";
    const Status refused = EjectVolume("F:\\", vetoed);
    EXPECT_EQ(refused.message(), vetoed.veto);

    ScriptedEject none;
    EXPECT_EQ(EjectVolume("/media/x/", none).code(), ErrorCode::NotFound);
    EXPECT_TRUE(none.calls.empty());
}

}  // namespace
}  // namespace marlix
