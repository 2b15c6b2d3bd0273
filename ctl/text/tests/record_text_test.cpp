#include "ctl/text/record_text.h"

#include <gtest/gtest.h>

#include <algorithm>

TEST(PrintableText, ControlCharactersCannotForgeFieldsLinesOrTerminalCommands) {
  EXPECT_EQ(PrintableText(u"a\tb\r\nc\x1b[2Jd\\e\x7f"), "a\\tb\\r\\nc\\x1b[2Jd\\\\e\\x7f");
  EXPECT_EQ(PrintableText(u"\u009b31m"), "\\u009b31m");  // the one-character CSI
  // Everything else comes out as UTF-8, a lone surrogate as U+FFFD.
  EXPECT_EQ(PrintableText(u"R&D \u00e9\u4e2d\U0001F600"), "R&D \xc3\xa9\xe4\xb8\xad\xf0\x9f\x98\x80");
  EXPECT_EQ(PrintableText(std::u16string(1, char16_t{0xD800}) + u"x"), "\xef\xbf\xbdx");
}

TEST(RecordLine, OneRecordIsOneLineWithAFixedNumberOfFields) {
  const Record record{TextField("name", u"evil\tname\nFAKE\t1.2.3.4"), TextField("address", u""),
                      NumberField("total", 4096)};
  const std::string line = RecordLine(record);
  EXPECT_EQ(line, "evil\\tname\\nFAKE\\t1.2.3.4\t\t4096");
  EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 2);
  EXPECT_EQ(line.find('\n'), std::string::npos);
}

TEST(RecordJson, TheSameFieldsAsOneDocument) {
  const Record record{TextField("name", u"Tom \"&\" J\\erry\t\x1b"),
                      NumberField("total", 4294967296LL)};
  EXPECT_EQ(RecordJson(record),
            R"({"name":"Tom \"&\" J\\erry\t\u001b","total":4294967296})");
  EXPECT_EQ(RecordsJson({}), "[]");
  EXPECT_EQ(RecordsJson({{NumberField("volume", 1)}, {NumberField("volume", 2)}}),
            R"([{"volume":1},{"volume":2}])");
  EXPECT_EQ(JsonString(u"\u00e9\u0085"), "\"\xc3\xa9\\u0085\"");
}
