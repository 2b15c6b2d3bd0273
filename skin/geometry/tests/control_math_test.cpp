// The arithmetic of the skinned controls: bar and gauge fills and their pieces, slider positions,
// usage percentages, folder cells and names, octet fields, address checks and cell looks.
#include <gtest/gtest.h>

#include <limits>

#include "skin/geometry/address_rules.h"
#include "skin/geometry/cell_formats.h"
#include "skin/geometry/folder_layout.h"
#include "skin/geometry/gauge_math.h"

namespace {
std::vector<PieceSpan> Tiles(int from, int count) {
  std::vector<PieceSpan> tiles;
  for (int i = 0; i < count; ++i) tiles.push_back({BarPiece::kMiddle, from + 10 * i, 10});
  return tiles;
}

std::vector<PieceSpan> Join(std::vector<PieceSpan> first, const std::vector<PieceSpan>& more) {
  first.insert(first.end(), more.begin(), more.end());
  return first;
}
}  // namespace

TEST(FillLength, RoundsHalvesUpAndStaysOnTheBar) {
  EXPECT_EQ(FillLength(50, 0, 100, 200), 100);
  EXPECT_EQ(FillLength(1, 0, 3, 200), 67);    // 66.67
  EXPECT_EQ(FillLength(1, 0, 8, 4), 1);       // 0.5 goes up
  EXPECT_EQ(FillLength(3, 0, 8, 4), 2);       // 1.5 goes up
  EXPECT_EQ(FillLength(60, 10, 110, 200), 100);  // from the range's low end
  EXPECT_EQ(FillLength(-5, 0, 100, 200), 0);
  EXPECT_EQ(FillLength(500, 0, 100, 200), 200);
  EXPECT_EQ(FillLength(7, 7, 7, 200), 200);  // an empty range: all of it
  EXPECT_EQ(FillLength(std::numeric_limits<int>::max(), std::numeric_limits<int>::min(),
                       std::numeric_limits<int>::max(), 200), 200);
  EXPECT_EQ(FillLength(5, 0, 10, 0), 0);
}

TEST(FillPieces, ProgressBarPiecesOverTheWholeWidth) {
  EXPECT_TRUE(FillPieces(0, kProgressEndCapAt).empty());
  EXPECT_EQ(FillPieces(9, kProgressEndCapAt), (std::vector<PieceSpan>{{BarPiece::kStart, 0, 9}}));
  EXPECT_EQ(FillPieces(10, kProgressEndCapAt), (std::vector<PieceSpan>{{BarPiece::kStart, 0, 10}}));
  // A 200-pixel bar at 50%: the start cap and nine tiles from x 10 to 99, nothing cut.
  EXPECT_EQ(FillPieces(100, kProgressEndCapAt), Join({{BarPiece::kStart, 0, 10}}, Tiles(10, 9)));
  EXPECT_EQ(FillPieces(104, kProgressEndCapAt),
            Join(Join({{BarPiece::kStart, 0, 10}}, Tiles(10, 9)), {{BarPiece::kMiddle, 100, 4}}));
  EXPECT_EQ(FillPieces(346, kProgressEndCapAt),
            Join(Join({{BarPiece::kStart, 0, 10}}, Tiles(10, 33)), {{BarPiece::kMiddle, 340, 6}}));
  // Past 346: 33 tiles, a 7-pixel tile at 340, and the end cap from 347.
  EXPECT_EQ(FillPieces(357, kProgressEndCapAt),
            Join(Join({{BarPiece::kStart, 0, 10}}, Tiles(10, 33)),
                 {{BarPiece::kMiddle, 340, 7}, {BarPiece::kEnd, 347, 10}}));
}

TEST(FillPieces, GaugePiecesDownTheWholeHeight) {
  EXPECT_EQ(FillPieces(5, kGaugeEndCapAt), (std::vector<PieceSpan>{{BarPiece::kStart, 0, 5}}));
  EXPECT_EQ(FillPieces(189, kGaugeEndCapAt),
            Join(Join({{BarPiece::kStart, 0, 10}}, Tiles(10, 17)), {{BarPiece::kMiddle, 180, 9}}));
  EXPECT_EQ(FillPieces(190, kGaugeEndCapAt), Join({{BarPiece::kStart, 0, 10}}, Tiles(10, 18)));
  EXPECT_EQ(FillPieces(200, kGaugeEndCapAt),
            Join(Join({{BarPiece::kStart, 0, 10}}, Tiles(10, 18)), {{BarPiece::kEnd, 190, 10}}));
}

TEST(SliderPositionAt, RoundsAlongTheChannelAndStaysInTheRange) {
  EXPECT_EQ(SliderPositionAt(10, 10, 110, 0, 120), 0);
  EXPECT_EQ(SliderPositionAt(110, 10, 110, 0, 120), 120);
  EXPECT_EQ(SliderPositionAt(60, 10, 110, 0, 120), 60);
  EXPECT_EQ(SliderPositionAt(35, 10, 110, 0, 120), 30);   // 0.25 * 120 + 0.5
  EXPECT_EQ(SliderPositionAt(0, 10, 110, 0, 120), 0);     // above the channel
  EXPECT_EQ(SliderPositionAt(400, 10, 110, 0, 120), 120); // below it
  EXPECT_EQ(SliderPositionAt(50, 10, 110, 5, 5), 5);
  EXPECT_EQ(SliderPositionAt(50, 30, 30, 3, 9), 3);        // a channel of no length
}

TEST(UsagePercent, RoundsAndNeverFails) {
  EXPECT_EQ(UsagePercent(30, 100), 30);
  EXPECT_EQ(UsagePercent(1, 3), 33);
  EXPECT_EQ(UsagePercent(2, 3), 67);
  EXPECT_EQ(UsagePercent(0, 0), 0);  // a volume below 1 GB
  EXPECT_EQ(UsagePercent(5, 0), 0);
  EXPECT_EQ(UsagePercent(150, 100), 100);
  EXPECT_EQ(UsagePercent(2048, 4096), 50);  // a 4 TiB volume
  EXPECT_EQ(UsagePercent(std::int64_t{1} << 42, std::int64_t{1} << 43), 50);
  EXPECT_EQ(UsagePercent(-3, 100), 0);
  EXPECT_EQ(UsagePercent(std::numeric_limits<int>::max(), std::numeric_limits<int>::max()), 100);
}

TEST(FolderLayout, CellsRowsAndTheScrollRange) {
  EXPECT_EQ(FolderCell(0), (CellRect{0, 37, 116, 153}));
  EXPECT_EQ(FolderCell(3), (CellRect{390, 37, 506, 153}));
  EXPECT_EQ(FolderCell(4), (CellRect{0, 167, 116, 283}));
  EXPECT_EQ(FolderCell(25), (CellRect{130, 817, 246, 933}));
  EXPECT_TRUE(FolderCell(0).Contains(0, 37));
  EXPECT_FALSE(FolderCell(0).Contains(116, 37));
  EXPECT_FALSE(FolderCell(0).Contains(5, 153));
  EXPECT_EQ(FolderScrollMax(5), 130 + 37 + 116 - 163);
  EXPECT_EQ(FolderScrollMax(26), 933 - 163);
  EXPECT_EQ(FolderScrollMax(0), 0);
}

TEST(FolderLayout, KeysStepFoldersAndRowsWithinTheListAndScrollTheChoiceIntoView) {
  EXPECT_EQ(FolderAfterKey(-1, 0, FolderKey::kRight), -1);
  EXPECT_EQ(FolderAfterKey(-1, 6, FolderKey::kDown), 0);  // the first key chooses the first folder
  EXPECT_EQ(FolderAfterKey(0, 6, FolderKey::kLeft), 0);
  EXPECT_EQ(FolderAfterKey(3, 6, FolderKey::kRight), 4);  // on to the next row
  EXPECT_EQ(FolderAfterKey(5, 6, FolderKey::kRight), 5);
  EXPECT_EQ(FolderAfterKey(1, 6, FolderKey::kDown), 5);
  EXPECT_EQ(FolderAfterKey(3, 6, FolderKey::kDown), 5);  // a short last row: its last folder
  EXPECT_EQ(FolderAfterKey(5, 6, FolderKey::kDown), 5);
  EXPECT_EQ(FolderAfterKey(5, 6, FolderKey::kUp), 1);
  EXPECT_EQ(FolderAfterKey(2, 6, FolderKey::kUp), 2);
  EXPECT_EQ(FolderAfterKey(2, 6, FolderKey::kEnd), 5);
  EXPECT_EQ(FolderAfterKey(9, 6, FolderKey::kHome), 0);  // a stale choice starts afresh

  EXPECT_EQ(FolderScrollToShow(0, 12, 120), 0);
  EXPECT_EQ(FolderScrollToShow(4, 12, 0), 83);   // the second row's bottom at the panel's bottom
  EXPECT_EQ(FolderScrollToShow(4, 12, 200), 130);
  EXPECT_EQ(FolderScrollToShow(11, 12, 0), 213);  // the last row whole, short of the scroll range's end
  EXPECT_EQ(FolderScrollToShow(1, 2, 0), 0);
}

TEST(FolderLayout, LongNamesAreShortened) {
  EXPECT_EQ(FolderDisplayText(u"ThirteenChars"), u"ThirteenChars");
  EXPECT_EQ(FolderDisplayText(u"FourteenChars!"), u"FourteenC....");
  EXPECT_EQ(FolderDisplayText(u""), u"");
  EXPECT_EQ(FolderDisplayText(u"\u516C\u5171\u6587\u4EF6"), u"\u516C\u5171\u6587\u4EF6");
}

TEST(OctetField, EmptyValuesAndValuesAboveAnOctet) {
  EXPECT_EQ(ReadOctetField(u"").state, FieldState::kEmpty);
  EXPECT_EQ(ReadOctetField(u"0").value, 0u);
  FieldReading top = ReadOctetField(u"255");
  EXPECT_EQ(top.state, FieldState::kValue);
  EXPECT_EQ(top.value, 255u);
  FieldReading pasted = ReadOctetField(u"300");
  EXPECT_EQ(pasted.state, FieldState::kOutOfRange);
  EXPECT_EQ(pasted.value, 300u);
  EXPECT_EQ(ReadOctetField(u"99999999999999999999").state, FieldState::kOutOfRange);
  FieldReading letters = ReadOctetField(u"1x");
  EXPECT_EQ(letters.state, FieldState::kValue);
  EXPECT_EQ(letters.value, 1u);
}

TEST(AddressChecks, HostAddressesGatewaysAndDnsServers) {
  for (AddressKind kind : {AddressKind::kIp, AddressKind::kGateway, AddressKind::kDns}) {
    EXPECT_EQ(CheckAddress({192, 168, 1, 10}, kind), AddressVerdict::kValid);
    EXPECT_EQ(CheckAddress({1, 0, 0, 1}, kind), AddressVerdict::kValid);
    EXPECT_EQ(CheckAddress({223, 255, 255, 254}, kind), AddressVerdict::kValid);
    EXPECT_EQ(CheckAddress({0, 1, 2, 3}, kind), AddressVerdict::kBadFirstOctet);
    EXPECT_EQ(CheckAddress({224, 0, 0, 1}, kind), AddressVerdict::kBadFirstOctet);
    EXPECT_EQ(CheckAddress({255, 1, 1, 1}, kind), AddressVerdict::kBadFirstOctet);
    EXPECT_EQ(CheckAddress({10, 0, 0, 0}, kind), AddressVerdict::kBadLastOctet);
    EXPECT_EQ(CheckAddress({10, 0, 0, 255}, kind), AddressVerdict::kBadLastOctet);
    EXPECT_EQ(CheckAddress({0, 0, 0, 0}, kind), AddressVerdict::kBadFirstOctet);  // first one first
  }
  EXPECT_EQ(CheckAddress({0, 0, 0, 0}, AddressKind::kAny), AddressVerdict::kValid);
  EXPECT_EQ(CheckAddress({255, 255, 255, 255}, AddressKind::kAny), AddressVerdict::kValid);
}

TEST(AddressChecks, SubnetMasksAreOneRunOfBitsFromTheTop) {
  for (Octets mask : {Octets{255, 255, 255, 0}, Octets{255, 255, 254, 0}, Octets{0, 0, 0, 0},
                      Octets{255, 255, 255, 255}, Octets{128, 0, 0, 0}, Octets{255, 255, 255, 252}}) {
    EXPECT_EQ(CheckAddress(mask, AddressKind::kSubnetMask), AddressVerdict::kValid);
  }
  for (Octets mask : {Octets{255, 0, 255, 0}, Octets{0, 255, 255, 255}, Octets{255, 255, 255, 1},
                      Octets{254, 255, 255, 0}, Octets{0, 0, 0, 1}}) {
    EXPECT_EQ(CheckAddress(mask, AddressKind::kSubnetMask), AddressVerdict::kBadMask);
  }
  EXPECT_EQ(PackAddress({192, 168, 1, 2}), 0xC0A80102u);
}

TEST(CellFormats, ALaterFormatOfAColumnReplacesTheEarlierOne) {
  CellFormatTable table;
  EXPECT_EQ(table.LookOf(0), kDefaultCellLook);
  table.SetColumn(1, {14, 0xAAAAAA});
  table.SetColumn(0, {18, 0xFFFFFF});
  EXPECT_EQ(table.LookOf(1), (CellLook{14, 0xAAAAAA}));
  table.SetColumn(1, {20, 0x123456});
  EXPECT_EQ(table.LookOf(1), (CellLook{20, 0x123456}));
  EXPECT_EQ(table.LookOf(0), (CellLook{18, 0xFFFFFF}));
  EXPECT_EQ(table.LookOf(2), kDefaultCellLook);
}
