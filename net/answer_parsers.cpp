// The choice of the parser by operation kind and command index.
#include "net/answer_parsers.h"

#include "net/op_kinds.h"

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

namespace {

AnswerReport ParseCgiCommandAnswer(int cmdIndex, std::string_view answer, const AnswerTargets& to) {
  switch (cmdIndex) {
    case 1: return ParseStatusAnswer(answer, to.codePage, to.newPassword, to.credentials);
    case 2: return ParseWizardAnswer(answer, to.codePage, to.wizardInfo);
    case 6:
      return ParseLanAnswer(answer, to.codePage, to.wizardInfo.lan, to.devices, to.deviceMac,
                            to.requestedAddress);
    case 8: return ParseShareAnswer(answer, kOpCgiCommand, to.shares);
    case 9: return ParseDiskAnswer(answer, to.codePage, cmdIndex);
    default: return {};  // 3, 4, 5 and 7 send settings; their answers are not read
  }
}

AnswerReport ParseDiskStepAnswer(int cmdIndex, std::string_view answer, const AnswerTargets& to) {
  switch (cmdIndex) {
    case 10: return ParseStopAnswer(answer, to.codePage, cmdIndex);
    case 11: return ParseCreateAnswer(answer, to.codePage, cmdIndex);
    case 12: return ParseFormatStateAnswer(answer, to.codePage);
    case 13:
    case 14:
    case 15: return ParseRemountAnswer(answer, to.codePage, cmdIndex);
    default: return {};
  }
}

}  // namespace

AnswerReport ParseAnswer(int opKind, int cmdIndex, std::string_view answer,
                         const AnswerTargets& targets) {
  switch (opKind) {
    case kOpCgiCommand: return ParseCgiCommandAnswer(cmdIndex, answer, targets);
    case kOpDiskStep: return ParseDiskStepAnswer(cmdIndex, answer, targets);
    case kOpVolumeStatus:
      if (cmdIndex != 16 || !targets.volumes) return {};
      return ParseVolumeAnswer(answer, targets.codePage, *targets.volumes);
    case kOpUserAccess:
      if (cmdIndex != 18) return {};
      return ParseAccessAnswer(answer, targets.codePage, targets.accessText);
    case kOpShareList: return ParseShareAnswer(answer, kOpShareList, targets.shares);
    default: return {};
  }
}
