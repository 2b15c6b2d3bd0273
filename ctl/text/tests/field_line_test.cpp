#include "ctl/text/field_line.h"

#include <gtest/gtest.h>

#include <algorithm>

TEST(FieldLines, EmptyFieldsKeepTheirPlaces) {
  // A device without a name: still seven fields, the first empty.
  const std::string line = JoinFields({"", "192.0.2.21", "255.255.255.0", "", "0", "aa", "x"});
  EXPECT_EQ(line, "\t192.0.2.21\t255.255.255.0\t\t0\taa\tx");
  EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 6);
  EXPECT_EQ(JoinFields({"", ""}), "\t");
  EXPECT_EQ(JoinFields({"only"}), "only");
  EXPECT_EQ(JoinFields({}), "");
}
