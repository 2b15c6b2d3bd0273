// The XML documents the device answers with: elements holding a text or children, rendered with
// a declaration and one element a line, indented by tabs, as the device's CGI programs write them.
#pragma once
#include <string>
#include <vector>

struct AnswerElement {
  std::string name;
  std::string text;  // UTF-8 as the device keeps it; escaped when rendered
  std::vector<AnswerElement> children;

  // Appends a child and returns it. The reference is good until the next child is added here.
  AnswerElement& Add(std::string childName, std::string childText = {});
  AnswerElement& Add(std::string childName, int number);
};

// The answer of the commands that only report how they went: <config><res>value</res></config>.
AnswerElement ResultAnswer(int value);

// The whole document. `unfinished` leaves off the root's end tag, as an answer cut short.
std::string RenderAnswer(const AnswerElement& root, bool unfinished = false);
