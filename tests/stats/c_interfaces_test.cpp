#include "stats/c_interfaces.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace quellan {
namespace {

std::shared_ptr<CInterface> Named(const std::string& name) {
    auto record = std::make_shared<CInterface>();
    record->InterfaceName(name);
    return record;
}

TEST(CInterfaces, AddEmptiesTheCallersReferenceAndKeepsTheRecord) {
    CInterfaces collection;
    auto record = Named("eth0");
    const CInterface* const original = record.get();

    const auto stored = collection.Add(record);

    EXPECT_EQ(record, nullptr);
    EXPECT_EQ(stored.get(), original);
    EXPECT_EQ(collection.Item(collection.Count()).get(), original);
}

TEST(CInterfaces, PositionsAreOneBasedInAddOrder) {
    CInterfaces collection;
    EXPECT_EQ(collection.Count(), 0);
    for (const char* name : {"a", "b", "c"}) {
        auto record = Named(name);
        collection.Add(record);
    }
    EXPECT_EQ(collection.Item(1)->InterfaceName(), "a");
    EXPECT_EQ(collection.Item(3)->InterfaceName(), "c");
    EXPECT_THROW(collection.Item(0), std::out_of_range);
    EXPECT_THROW(collection.Item(4), std::out_of_range);
    EXPECT_THROW(collection.Item(-1), std::out_of_range);

    std::string order;
    for (const auto& record : collection.NewEnum()) {
        order += record->InterfaceName();
    }
    EXPECT_EQ(order, "abc");
}

TEST(CInterfaces, RemoveMovesLaterRecordsUp) {
    CInterfaces collection;
    for (const char* name : {"a", "b", "c"}) {
        auto record = Named(name);
        collection.Add(record);
    }
    collection.Remove(2);
    EXPECT_EQ(collection.Count(), 2);
    EXPECT_EQ(collection.Item(2)->InterfaceName(), "c");
    EXPECT_THROW(collection.Remove(3), std::out_of_range);
    EXPECT_EQ(collection.Count(), 2);
}

TEST(CInterfaces, AddRefusesAnEmptyReference) {
    CInterfaces collection;
    std::shared_ptr<CInterface> nothing;
    EXPECT_THROW(collection.Add(nothing), std::invalid_argument);
    EXPECT_EQ(collection.Count(), 0);
}

TEST(CInterface, TextsReadBackAsIndependentCopies) {
    CInterface record;
    std::string address = "00-1A-2B";
    record.AdapterAddress(address);
    address = "changed";
    std::string readBack = record.AdapterAddress();
    EXPECT_EQ(readBack, "00-1A-2B");
    readBack += "-FF";
    EXPECT_EQ(record.AdapterAddress(), "00-1A-2B");
}

TEST(CInterface, StartsEmptyAndZero) {
    const CInterface record;
    EXPECT_EQ(record.InterfaceDescription(), "");
    EXPECT_EQ(record.OctetsReceived(), 0u);
    EXPECT_EQ(record.InterfaceIndex(), 0);
    EXPECT_EQ(record.LastChange(), DateSerial());
}

}  // namespace
}  // namespace quellan
