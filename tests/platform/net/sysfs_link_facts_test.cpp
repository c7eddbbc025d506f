#include "platform/net/netlink/sysfs_link_facts.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/net/netlink/link_facts_cache.h"

namespace win::netlink {
namespace {

namespace fs = std::filesystem;

class FakeSysfs : public ::testing::Test {
protected:
    void SetUp() override {
        base_ = fs::temp_directory_path() /
                ("quellan_sysfs_" + std::to_string(::getpid()) + "_" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(base_);
        fs::create_directories(Root());
    }
    void TearDown() override { fs::remove_all(base_); }

    fs::path Root() const { return base_ / "class" / "net"; }

    void Write(const fs::path& path, const std::string& text) {
        fs::create_directories(path.parent_path());
        std::ofstream(path) << text;
    }

    fs::path base_;
};

TEST_F(FakeSysfs, ReadsSpeedWirelessAndDriver) {
    Write(Root() / "wlan0" / "speed", "866\n");
    fs::create_directories(Root() / "wlan0" / "wireless");
    fs::create_directories(base_ / "drivers" / "wlan_drv");
    fs::create_directories(Root() / "wlan0" / "device");
    fs::create_symlink(base_ / "drivers" / "wlan_drv", Root() / "wlan0" / "device" / "driver");

    const LinkFacts facts = SysfsLinkFacts(Root()).Read("wlan0");
    EXPECT_EQ(facts.speedMegabits, 866u);
    EXPECT_TRUE(facts.wireless);
    EXPECT_EQ(facts.driver, "wlan_drv");
}

TEST_F(FakeSysfs, MissingOrUnknownFactsReadAsNothing) {
    Write(Root() / "lo" / "speed", "-1\n");
    Write(Root() / "ifb0" / "speed", "fast");
    const SysfsLinkFacts sysfs(Root());
    EXPECT_EQ(sysfs.Read("lo").speedMegabits, 0u);
    EXPECT_EQ(sysfs.Read("ifb0").speedMegabits, 0u);
    const LinkFacts absent = sysfs.Read("eth7");
    EXPECT_EQ(absent.speedMegabits, 0u);
    EXPECT_FALSE(absent.wireless);
    EXPECT_TRUE(absent.driver.empty());
}

TEST_F(FakeSysfs, NamesThatLeaveTheRootReadNothing) {
    Write(Root() / ".." / "speed", "1000");
    Write(base_ / "class" / "outside" / "speed", "1000");
    const SysfsLinkFacts sysfs(Root());
    EXPECT_EQ(sysfs.Read("..").speedMegabits, 0u);
    EXPECT_EQ(sysfs.Read("../outside").speedMegabits, 0u);
    EXPECT_EQ(sysfs.Read("").speedMegabits, 0u);
    EXPECT_FALSE(IsPlainInterfaceName(std::string("a\0b", 3)));
    EXPECT_FALSE(IsPlainInterfaceName("sixteen_letters_"));
    EXPECT_TRUE(IsPlainInterfaceName("enp0s31f6"));
}

TEST(SpeedText, ParsesMegabitsAndRejectsNonsense) {
    EXPECT_EQ(ParseSpeedMegabits("1000\n"), 1000u);
    EXPECT_EQ(ParseSpeedMegabits("0"), 0u);
    EXPECT_EQ(ParseSpeedMegabits("-1"), 0u);
    EXPECT_EQ(ParseSpeedMegabits(""), 0u);
    EXPECT_EQ(ParseSpeedMegabits("99999999999999999999999"), 0u);
}

TEST(LinkFactsCache, ReadsSysfsOnlyForNewOrChangedLinks) {
    int reads = 0;
    LinkFactsCache cache([&](std::string_view name) {
        ++reads;
        LinkFacts facts;
        facts.driver = std::string(name) + "_driver";
        return facts;
    });
    LinkMessage eth;
    eth.index = 2;
    eth.name = "eth0";
    eth.operState = 6;

    cache.BeginSnapshot();
    EXPECT_EQ(cache.Lookup(eth).driver, "eth0_driver");
    cache.Prune();
    cache.BeginSnapshot();
    cache.Lookup(eth);
    cache.Prune();
    EXPECT_EQ(reads, 1);

    eth.operState = 2;  // carrier lost: the speed may have changed
    cache.BeginSnapshot();
    cache.Lookup(eth);
    EXPECT_EQ(reads, 2);

    eth.name = "uplink";
    EXPECT_EQ(cache.Lookup(eth).driver, "uplink_driver");
    EXPECT_EQ(reads, 3);
    cache.Prune();

    // A link missing from one snapshot is forgotten, and read again when it returns.
    cache.BeginSnapshot();
    cache.Prune();
    cache.BeginSnapshot();
    cache.Lookup(eth);
    EXPECT_EQ(reads, 4);
}

}  // namespace
}  // namespace win::netlink
