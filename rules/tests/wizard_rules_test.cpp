// The wizard's navigation and page checks, on the host.
#include <gtest/gtest.h>

#include "rules/page_checks.h"
#include "rules/time_zones.h"
#include "rules/wizard_rules.h"

namespace {
const std::vector<int> kSixPages = {133, 134, 135, 136, 137, 138};

TEST(PageTargets, NeighboursTemplateIdsAndTheEnds) {
  EXPECT_EQ(ResolveTarget(0, 2, +1, kSixPages).index, 3);
  EXPECT_EQ(ResolveTarget(0, 2, -1, kSixPages).index, 1);
  EXPECT_EQ(ResolveTarget(-1, 2, +1, kSixPages).kind, PageTarget::kStay);
  EXPECT_EQ(ResolveTarget(0, 5, +1, kSixPages).kind, PageTarget::kPastEnd);
  EXPECT_EQ(ResolveTarget(0, 0, -1, kSixPages).kind, PageTarget::kStay);
  const PageTarget byTemplate = ResolveTarget(137, 1, -1, kSixPages);
  EXPECT_EQ(byTemplate.kind, PageTarget::kPage);
  EXPECT_EQ(byTemplate.index, 4);
  EXPECT_EQ(ResolveTarget(999, 1, +1, kSixPages).kind, PageTarget::kStay);
  EXPECT_EQ(ResolveTarget(0, 0, +1, {}).kind, PageTarget::kPastEnd);
}

void ExpectButtons(const NavigationButtons& got, std::optional<bool> next, std::optional<bool> finish,
                   std::optional<bool> previous, std::optional<bool> skip) {
  EXPECT_EQ(got.next, next);
  EXPECT_EQ(got.finish, finish);
  EXPECT_EQ(got.previous, previous);
  EXPECT_EQ(got.skip, skip);
}

TEST(NavigationButtons, EachMoveByPosition) {
  const std::nullopt_t keep = std::nullopt;
  ExpectButtons(ButtonsAfter(NavigationMove::kOpened, 0, 6), true, false, false, keep);
  ExpectButtons(ButtonsAfter(NavigationMove::kOpened, 0, 1), false, true, false, keep);
  ExpectButtons(ButtonsAfter(NavigationMove::kAdvanced, 3, 6), true, false, true, true);
  ExpectButtons(ButtonsAfter(NavigationMove::kAdvanced, 5, 6), false, true, true, keep);
  ExpectButtons(ButtonsAfter(NavigationMove::kWentBack, 0, 6), true, false, false, keep);
  ExpectButtons(ButtonsAfter(NavigationMove::kWentBack, 2, 6), true, false, keep, keep);
  ExpectButtons(ButtonsAfter(NavigationMove::kJumped, 0, 6), true, false, false, keep);
  ExpectButtons(ButtonsAfter(NavigationMove::kJumped, 5, 6), false, true, true, keep);
  ExpectButtons(ButtonsAfter(NavigationMove::kJumped, 3, 6), true, false, true, keep);
  // A failed command offers the page again; Skip stays as the sending left it (hidden).
  ExpectButtons(ButtonsAfter(NavigationMove::kCommandFailed, 0, 2), true, false, false, keep);
  ExpectButtons(ButtonsAfter(NavigationMove::kCommandFailed, 1, 2), false, true, true, keep);
  ExpectButtons(ButtonsAfter(NavigationMove::kCommandFailed, 2, 6), true, true, true, keep);
  ExpectButtons(ButtonsAfter(NavigationMove::kCommandSent, 2, 6), false, keep, false, false);
}

TEST(StepMarkers, CurrentDoneAndToCome) {
  using S = StepState;
  EXPECT_EQ(StepStates(0), (std::array<S, 6>{S::kCurrent, S::kToCome, S::kToCome, S::kToCome, S::kToCome, S::kToCome}));
  EXPECT_EQ(StepStates(5), (std::array<S, 6>{S::kDone, S::kDone, S::kDone, S::kDone, S::kDone, S::kCurrent}));
  EXPECT_EQ(StepStates(2), (std::array<S, 6>{S::kDone, S::kDone, S::kCurrent, S::kToCome, S::kToCome, S::kToCome}));
  EXPECT_EQ(StepStates(-1), (std::array<S, 6>{S::kDone, S::kDone, S::kDone, S::kDone, S::kDone, S::kDone}));
}

TEST(AddressPolls, EightPollsThenGiveUp) {
  EXPECT_FALSE(AddressPollsExhausted(0));
  EXPECT_FALSE(AddressPollsExhausted(7));
  EXPECT_TRUE(AddressPollsExhausted(8));
}

TEST(ForbiddenCharacters, TheListOrderDecidesNotTheFieldOrder) {
  // '.' is last in the list, '*' first: the workgroup's '*' is found before the name's '.'.
  EXPECT_EQ(FieldWithForbiddenCharacter(kNameForbidden, {u"my.nas", u"work*group"}), 1);
  EXPECT_EQ(FieldWithForbiddenCharacter(kNameForbidden, {u"my*nas", u"work*group"}), 0);
  EXPECT_EQ(FieldWithForbiddenCharacter(kNameForbidden, {u"", u""}), -1);
  EXPECT_EQ(FieldWithForbiddenCharacter(kNameForbidden, {u"nas-1_b", u"WORKGROUP"}), -1);
  EXPECT_EQ(FieldWithForbiddenCharacter(kPasswordForbidden, {u"a%b"}), 0);
  EXPECT_EQ(FieldWithForbiddenCharacter(kPasswordForbidden, {u"a.b&c"}), -1);
  EXPECT_EQ(kPasswordForbidden.size(), 9u);
  EXPECT_EQ(kNameForbidden.size(), 29u);
}

TEST(DeviceFields, ByteLimitsAndTheGatewayQuestion) {
  EXPECT_TRUE(FitsBytes(std::string(15, 'a'), kNameBytes));
  EXPECT_FALSE(FitsBytes(std::string(16, 'a'), kNameBytes));
  EXPECT_TRUE(FitsBytes(std::string(30, 'a'), kDescriptionBytes));
  EXPECT_FALSE(FitsBytes(std::string(31, 'a'), kDescriptionBytes));
  // 192.168.1.10/24 with gateway 192.168.2.1 is outside; 192.168.1.1 inside.
  EXPECT_FALSE(GatewayInSubnet(0xC0A8010A, 0xFFFFFF00, 0xC0A80201));
  EXPECT_TRUE(GatewayInSubnet(0xC0A8010A, 0xFFFFFF00, 0xC0A80101));
}

TEST(TimeZones, TheTableAndTheDevicesNumber) {
  EXPECT_EQ(kTimeZones[73].offset, u"GMT+08:00");
  EXPECT_EQ(kTimeZones[73].location, u"Beijing, Chongqing, Hong Kong, Urumqi");
  EXPECT_EQ(kTimeZones[0].location, u"International Data Line West");
  EXPECT_EQ(kTimeZones[6].location, u"Pacific Time (US &amp; Canada)");
  EXPECT_EQ(kTimeZones[95].offset, u"GMT+13:00");
  EXPECT_EQ(TimeZoneRowOf(74), 73);
  EXPECT_EQ(TimeZoneRowOf(1), 0);
  EXPECT_EQ(TimeZoneRowOf(96), 95);
  EXPECT_EQ(TimeZoneRowOf(0), -1);
  EXPECT_EQ(TimeZoneRowOf(97), -1);
  EXPECT_EQ(TimeZoneRowOf(-5), -1);
}

TEST(TimeZones, ArrowsHideAtTheEnds) {
  EXPECT_FALSE(ArrowsFor(0, 96, 8).up);
  EXPECT_TRUE(ArrowsFor(0, 96, 8).down);
  EXPECT_TRUE(ArrowsFor(40, 96, 8).up && ArrowsFor(40, 96, 8).down);
  EXPECT_TRUE(ArrowsFor(88, 96, 8).up);
  EXPECT_FALSE(ArrowsFor(88, 96, 8).down);
  EXPECT_FALSE(ArrowsFor(0, 5, 8).up || ArrowsFor(0, 5, 8).down);
}
}  // namespace
