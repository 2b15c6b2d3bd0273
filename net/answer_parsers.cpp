#include "net/answer_parsers.h"

AnswerReport AnswerReport::Posting(unsigned message, std::intptr_t wParam, std::intptr_t lParam) {
  AnswerReport report;
  report.delivery = Delivery::kPost;
  report.message = message;
  report.wParam = static_cast<std::uintptr_t>(wParam);
  report.lParam = lParam;
  return report;
}

AnswerReport AnswerReport::ThroughMailbox() {
  AnswerReport report;
  report.delivery = Delivery::kMailbox;
  return report;
}
