#include "sim/answer_document.h"

namespace {

void AppendEscaped(const std::string& text, std::string& out) {
  for (const char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      default: out += c; break;
    }
  }
}

void AppendElement(const AnswerElement& element, int depth, bool closed, std::string& out) {
  out.append(static_cast<std::size_t>(depth), '\t');
  out += '<' + element.name + '>';
  if (element.children.empty()) {
    AppendEscaped(element.text, out);
  } else {
    out += '\n';
    for (const AnswerElement& child : element.children) AppendElement(child, depth + 1, true, out);
    out.append(static_cast<std::size_t>(depth), '\t');
  }
  if (closed) out += "</" + element.name + '>';
  out += '\n';
}

}  // namespace

AnswerElement& AnswerElement::Add(std::string childName, std::string childText) {
  children.push_back(AnswerElement{std::move(childName), std::move(childText), {}});
  return children.back();
}

AnswerElement& AnswerElement::Add(std::string childName, int number) {
  return Add(std::move(childName), std::to_string(number));
}

AnswerElement ResultAnswer(int value) {
  AnswerElement root{"config", {}, {}};
  root.Add("res", value);
  return root;
}

std::string RenderAnswer(const AnswerElement& root, bool unfinished) {
  std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  AppendElement(root, 0, !unfinished, out);
  return out;
}
