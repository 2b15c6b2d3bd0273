#include "net/nas_device.h"

#include <gtest/gtest.h>

#include "net/chosen_device.h"

#include <cstdio>
#include <cstring>

namespace {

SearchReplyFields Reply(const char* mac, const char* address, const char* mask = "255.255.255.0") {
  SearchReplyFields r{};
  std::snprintf(r.macText, sizeof r.macText, "%s", mac);
  std::snprintf(r.address, sizeof r.address, "%s", address);
  std::snprintf(r.mask, sizeof r.mask, "%s", mask);
  std::snprintf(r.name, sizeof r.name, "dev-%s", address);
  return r;
}

class DeviceListTest : public ::testing::Test {
protected:
  NasDeviceList list;
  NasDeviceInfo At(int i) {
    NasDeviceInfo d{};
    EXPECT_TRUE(list.CopyAt(i, d));
    return d;
  }
};

}  // namespace

TEST_F(DeviceListTest, KeepsFirstAnswerOrderAndOneRecordPerMac) {
  list.Merge(Reply("00:00:00:00:00:02", "192.0.2.22"), 0, "192.0.2.10", "255.255.255.0");
  list.Merge(Reply("00:00:00:00:00:01", "192.0.2.21"), 0, "192.0.2.10", "255.255.255.0");
  list.Merge(Reply("00:00:00:00:00:02", "192.0.2.22"), 0, "192.0.2.10", "255.255.255.0");
  ASSERT_EQ(list.Count(), 2);
  EXPECT_STREQ(At(0).address, "192.0.2.22");
  EXPECT_STREQ(At(1).address, "192.0.2.21");
  NasDeviceInfo beyond;
  EXPECT_FALSE(list.CopyAt(2, beyond));
  EXPECT_FALSE(list.CopyAt(-1, beyond));
}

TEST_F(DeviceListTest, SecondAdapterTakesOverOnlyWhenItsSubnetHoldsTheDevice) {
  // Heard first through row 0 (another subnet), then through row 1 whose subnet contains it.
  list.Merge(Reply("aa:00:00:00:00:01", "198.51.100.23"), 0, "192.0.2.10", "255.255.255.0");
  EXPECT_EQ(At(0).adapterIndex, 0);
  list.Merge(Reply("aa:00:00:00:00:01", "198.51.100.23"), 1, "198.51.100.10", "255.255.255.0");
  EXPECT_EQ(At(0).adapterIndex, 1);
  // Heard again through row 0: not its subnet, so the record keeps row 1.
  list.Merge(Reply("aa:00:00:00:00:01", "198.51.100.23"), 0, "192.0.2.10", "255.255.255.0");
  EXPECT_EQ(At(0).adapterIndex, 1);

  // A device in no adapter's subnet keeps the row it first answered through.
  list.Merge(Reply("aa:00:00:00:00:02", "203.0.113.5"), 2, "192.0.2.10", "255.255.255.0");
  list.Merge(Reply("aa:00:00:00:00:02", "203.0.113.5"), 3, "198.51.100.10", "255.255.255.0");
  EXPECT_EQ(At(1).adapterIndex, 2);
}

TEST_F(DeviceListTest, LaterAnswersChangeNothingButTheAdapter) {
  list.Merge(Reply("aa:00:00:00:00:01", "192.0.2.21"), 0, "192.0.2.10", "255.255.255.0");
  SearchReplyFields renamed = Reply("aa:00:00:00:00:01", "192.0.2.99");
  std::snprintf(renamed.name, sizeof renamed.name, "renamed");
  list.Merge(renamed, 1, "192.0.2.11", "255.255.255.0");
  EXPECT_STREQ(At(0).address, "192.0.2.21");
  EXPECT_STREQ(At(0).name, "dev-192.0.2.21");
  EXPECT_EQ(At(0).adapterIndex, 1);
}

TEST_F(DeviceListTest, MacTextCompareIsExact) {
  list.Merge(Reply("aa:00:00:00:00:01", "192.0.2.21"), 0, "192.0.2.10", "255.255.255.0");
  list.Merge(Reply("AA:00:00:00:00:01", "192.0.2.21"), 0, "192.0.2.10", "255.255.255.0");
  EXPECT_EQ(list.Count(), 2);
}

TEST_F(DeviceListTest, ClearEmptiesAndTheListFillsAgain) {
  list.Merge(Reply("aa:00:00:00:00:01", "192.0.2.21"), 0, "192.0.2.10", "255.255.255.0");
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
  list.Merge(Reply("aa:00:00:00:00:02", "192.0.2.22"), 0, "192.0.2.10", "255.255.255.0");
  ASSERT_EQ(list.Count(), 1);
  EXPECT_STREQ(At(0).address, "192.0.2.22");
}

TEST(DottedAddress, ConvertsLikeTheSocketLibrary) {
  EXPECT_EQ(DottedToAddress("192.0.2.1"), 0x010200C0u);
  EXPECT_EQ(DottedToAddress("0.0.0.0"), 0u);
  for (const char* bad : {"", "192.0.2", "192.0.2.256", "1.2.3.4.5", "a.b.c.d", "1..2.3", "1.2.3.4 "})
    EXPECT_EQ(DottedToAddress(bad), 0xFFFFFFFFu) << bad;
  EXPECT_EQ(DottedToAddress(nullptr), 0xFFFFFFFFu);
}

TEST_F(DeviceListTest, HoldsAtMostTheCapAndKeepsTheDevicesThatAnsweredFirst) {
  char mac[22];
  const int offered = NasDeviceList::kMaxDevices + 50;
  int added = 0, full = 0;
  for (int i = 0; i < offered; ++i) {
    std::snprintf(mac, sizeof mac, "02:00:00:00:%02x:%02x", i >> 8, i & 0xFF);
    const auto result = list.Merge(Reply(mac, "192.0.2.21"), 0, "192.0.2.10", "255.255.255.0");
    added += result == NasDeviceList::MergeResult::kAdded;
    full += result == NasDeviceList::MergeResult::kListFull;
  }
  EXPECT_EQ(added, NasDeviceList::kMaxDevices);
  EXPECT_EQ(full, offered - NasDeviceList::kMaxDevices);
  EXPECT_EQ(list.Count(), NasDeviceList::kMaxDevices);
  EXPECT_STREQ(At(0).macText, "02:00:00:00:00:00");
  EXPECT_STREQ(At(NasDeviceList::kMaxDevices - 1).macText, "02:00:00:00:03:ff");

  // A listed device heard again through another adapter is still found while the list is full.
  EXPECT_EQ(list.Merge(Reply("02:00:00:00:00:07", "198.51.100.7"), 1, "198.51.100.10",
                       "255.255.255.0"),
            NasDeviceList::MergeResult::kKnown);
  EXPECT_EQ(At(7).adapterIndex, 1);

  list.Clear();
  EXPECT_EQ(list.Merge(Reply("02:00:00:00:00:07", "192.0.2.21"), 0, "192.0.2.10", "255.255.255.0"),
            NasDeviceList::MergeResult::kAdded);
}

TEST_F(DeviceListTest, AChosenDeviceOutlivesTheNextSearchAndMovesOnlyWhenTold) {
  SearchReplyFields reply = Reply("00:00:00:00:00:07", "192.0.2.27");
  const unsigned char id[kDeviceIdSize] = {0, 0, 0, 0, 0, 7, 192, 0, 2, 27};
  std::memcpy(reply.deviceId, id, sizeof id);
  list.Merge(reply, 1, "192.0.2.10", "255.255.255.0");
  const auto chosen = ChooseDeviceAt(list, 0);
  ASSERT_TRUE(chosen);
  EXPECT_FALSE(ChooseDeviceAt(list, 1));
  list.Clear();
  list.Merge(Reply("00:00:00:00:00:08", "192.0.2.28"), 0, "192.0.2.10", "255.255.255.0");
  EXPECT_EQ(chosen->macText, "00:00:00:00:00:07");
  EXPECT_EQ(chosen->address, "192.0.2.27");
  EXPECT_EQ(chosen->adapterIndex, 1);

  const ChosenDevice moved = MovedTo(*chosen, {"198.51.100.40", "255.255.255.0", "198.51.100.1"});
  EXPECT_EQ(moved.address, "198.51.100.40");
  EXPECT_EQ(moved.gateway, "198.51.100.1");
  const unsigned char movedId[kDeviceIdSize] = {0, 0, 0, 0, 0, 7, 198, 51, 100, 40};
  EXPECT_EQ(std::memcmp(moved.deviceId.data(), movedId, sizeof movedId), 0);
  // Text that is no address moves the texts but leaves the id as it was.
  const ChosenDevice garbled = MovedTo(*chosen, {"nowhere", "", ""});
  EXPECT_EQ(std::memcmp(garbled.deviceId.data(), id, sizeof id), 0);
}
