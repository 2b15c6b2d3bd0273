// drovikctl's command line: words made of the commands' and options' names and of raw text. A line
// that is accepted has every positional value and required option, only the command's own
// options, and reads back the same from the arguments it hands the command.
#include <cstdint>
#include <string>
#include <vector>

#include "ctl/text/command_line.h"
#include "fuzz/fuzz_input.h"

namespace {

std::vector<std::wstring> Vocabulary() {
  std::vector<std::wstring> words{L"--help", L"--json", L""};
  for (const CommandSpec& command : CommandSpecs()) {
    words.emplace_back(command.name);
    for (const OptionSpec& option : command.options) words.emplace_back(option.name);
  }
  return words;
}

// A piece's first byte picks a known word, or (past the vocabulary) takes the piece's bytes as
// characters, two bytes each.
std::wstring Word(std::string_view piece, const std::vector<std::wstring>& vocabulary) {
  if (piece.empty()) return {};
  const auto choice = static_cast<unsigned char>(piece[0]);
  if (choice < vocabulary.size()) return vocabulary[choice];
  std::wstring word;
  for (std::size_t at = 1; at + 1 < piece.size(); at += 2)
    word += static_cast<wchar_t>(static_cast<unsigned char>(piece[at]) |
                                 (static_cast<unsigned char>(piece[at + 1]) << 8));
  return word;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::vector<std::wstring> vocabulary = Vocabulary();
  FuzzInput input(data, size);
  std::vector<std::wstring> args;
  while (!input.Empty() && args.size() < 64) args.push_back(Word(input.Piece(), vocabulary));

  const CommandLine line = ParseCommandLine(args);
  if (line.help) {
    const std::wstring help = line.command ? CommandHelp(*line.command) : GeneralHelp();
    FuzzRequire(!help.empty(), "an empty help text");
    return 0;
  }
  if (!line.error.empty()) return 0;
  FuzzRequire(line.command != nullptr, "accepted without a command");
  FuzzRequire(line.positional.size() == line.command->positional.size(), "positional count");
  for (const OptionSpec& option : line.command->options)
    FuzzRequire(!option.required || line.Value(option.name), "a required option missing");

  std::vector<std::wstring> again{std::wstring(line.command->name)};
  const std::vector<std::wstring> handed = line.CommandArguments();
  again.insert(again.end(), handed.begin(), handed.end());
  if (line.json) again.emplace_back(L"--json");
  const CommandLine reread = ParseCommandLine(again);
  FuzzRequire(reread.error.empty() && reread.command == line.command &&
                  reread.positional == line.positional && reread.values == line.values &&
                  reread.flags == line.flags && reread.json == line.json,
              "the arguments handed on read differently");
  return 0;
}
