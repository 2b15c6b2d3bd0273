// Load plus a full walk (every element found, every text read) by the navigator and by pugixml
// on the same content: a 4 KB device answer, a 1 MB answer of 10 000 items and a 10 MB
// document. The navigator reads UTF-16, pugixml its native UTF-8; both return each text as an
// owned string, as an answer parser keeps it. The ratios navigator / pugixml are printed at the
// end, and the navigator's index size per element is a counter.
#include <benchmark/benchmark.h>
#include <pugixml.hpp>

#include <cstdio>
#include <map>
#include <string>

#include "xml/testing/element_walk.h"
#include "xml/xml_navigator.h"

namespace {

std::string Number(long value) { return std::to_string(value); }

// One volume record; `newline` is the line break and indentation before each tag, or empty.
std::string VolumeItem(long n, const std::string& newline) {
  const std::string inner = newline.empty() ? newline : newline + "  ";
  return newline + "<item>" + inner + "<volume>" + Number(n % 4 + 1) + "</volume>" + inner +
         "<total_size>" + Number(1863 + n) + "</total_size>" + inner + "<use_size>" +
         Number(n * 7 % 1000) + "</use_size>" + inner + "<name>Volume_" + Number(n) +
         " &amp; backup</name>" + newline + "</item>";
}

// A volume status answer as the device sends it, about 4 KB.
std::string DeviceAnswer() {
  std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<config>";
  for (long n = 0; xml.size() < 4000; ++n) xml += VolumeItem(n, "\n  ");
  return xml + "\n</config>\n";
}

// A share or volume list of 10 000 items, about 1 MB.
std::string LongAnswer() {
  std::string xml = "<?xml version=\"1.0\"?><config>";
  for (long n = 0; n < 10000; ++n) xml += VolumeItem(n, "");
  return xml + "</config>";
}

// A larger and more varied document of about 10 MB: attributes, comments, CDATA, references.
std::string LargeDocument() {
  std::string xml = "<?xml version=\"1.0\"?>\n<library>\n";
  for (long s = 0; xml.size() < 10'000'000; ++s) {
    xml += "  <section id=\"" + Number(s) + "\" name='Section &quot;" + Number(s) + "&quot;'>\n";
    xml += "    <!-- section " + Number(s) + " -->\n";
    for (long b = 0; b < 40; ++b) {
      xml += "    <book isbn=\"978-" + Number(s * 40 + b) + "\" lang=\"en\"><title>Title " +
             Number(b) + " &amp; more &#x263A;</title><author>Author " + Number(s) +
             "</author><year>" + Number(1950 + b) + "</year><note><![CDATA[<b>raw</b> & " +
             Number(b) + "]]></note><empty/></book>\n";
    }
    xml += "  </section>\n";
  }
  return xml + "</library>\n";
}

std::u16string Widened(const std::string& ascii) {
  return std::u16string(ascii.begin(), ascii.end());
}

void NavigatorLoadAndWalk(benchmark::State& state, const std::string& xml) {
  const std::u16string text = Widened(xml);
  XmlNavigator nav;
  std::int64_t elements = 0;
  for (auto _ : state) {
    nav.SetDocument(text);
    elements = WalkEveryElement(nav, [](XmlNavigator& at) {
      std::u16string value = at.GetElementText();
      benchmark::DoNotOptimize(value);
    });
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * xml.size()));
  state.counters["elements"] = static_cast<double>(elements);
  state.counters["index_bytes_per_element"] =
      static_cast<double>(nav.Index().CapacityBytes()) / static_cast<double>(elements);
}

void PugixmlLoadAndWalk(benchmark::State& state, const std::string& xml) {
  std::int64_t elements = 0;
  for (auto _ : state) {
    pugi::xml_document doc;
    doc.load_buffer(xml.data(), xml.size(), pugi::parse_default, pugi::encoding_utf8);
    elements = 0;
    pugi::xml_node node = doc.first_child();
    while (node) {
      if (node.type() == pugi::node_element) {
        std::string value = node.child_value();
        benchmark::DoNotOptimize(value);
        ++elements;
      }
      if (node.first_child()) {
        node = node.first_child();
        continue;
      }
      while (node && !node.next_sibling()) node = node.parent();
      if (node) node = node.next_sibling();
    }
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * xml.size()));
  state.counters["elements"] = static_cast<double>(elements);
}

// Prints navigator time / pugixml time per document after the usual table, from the median
// when repetitions are asked for. CPU time: it is steadier than wall time on a shared machine.
class RatioReporter : public benchmark::ConsoleReporter {
public:
  RatioReporter() : ConsoleReporter(OO_Tabular) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
      if (median || run.run_type == Run::RT_Iteration) {
        times_[run.run_name.function_name] = run.GetAdjustedCPUTime();
      }
    }
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    for (const char* name : {"answer_4k", "answer_1m_10000_items", "document_10m"}) {
      const double navigator = times_["navigator/" + std::string(name)];
      const double pugixml = times_["pugixml/" + std::string(name)];
      if (navigator > 0 && pugixml > 0) {
        std::printf("ratio navigator/pugixml %-24s %.2f\n", name, navigator / pugixml);
      }
    }
  }

private:
  std::map<std::string, double> times_;  // the median comes after the repetitions
};

}  // namespace

int main(int argc, char** argv) {
  const std::pair<const char*, std::string> documents[] = {
      {"answer_4k", DeviceAnswer()},
      {"answer_1m_10000_items", LongAnswer()},
      {"document_10m", LargeDocument()},
  };
  for (const auto& [name, xml] : documents) {
    std::printf("%s: %zu characters\n", name, xml.size());
    const std::string suffix = name;
    benchmark::RegisterBenchmark(("navigator/" + suffix).c_str(), NavigatorLoadAndWalk, xml)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(("pugixml/" + suffix).c_str(), PugixmlLoadAndWalk, xml)
        ->Unit(benchmark::kMicrosecond);
  }
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
