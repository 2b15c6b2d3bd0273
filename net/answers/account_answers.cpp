// The answers about the logged-in user: the shares offered and the access rights.
#include "i18n/current_language.h"
#include "net/answer_parsers.h"
#include "net/answers/answer_reading.h"
#include "net/op_kinds.h"

AnswerReport ParseShareAnswer(std::string_view answer, int opKind, ShareListRecord& shares) {
  XmlNavigator reader;
  if (!reader.SetDocument(DecodeShareText(answer))) return {};
  while (const auto name = NextChildText(reader, u"item"))
    shares.push_back({*name, Translate(u"select")});
  return opKind == kOpShareList ? AnswerReport::ThroughMailbox() : AnswerReport{};
}

AnswerReport ParseAccessAnswer(std::string_view answer, const AnsiCodePage& codePage,
                               std::u16string& accessText) {
  accessText.clear();
  XmlNavigator reader;
  if (!LoadAnswer(reader, answer, codePage)) return {};
  accessText = NextChildText(reader, u"authority").value_or(u"");
  return AnswerReport::ThroughMailbox();
}
