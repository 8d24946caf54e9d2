// Feeds arbitrary text to the scanner as a Java source. Its report must read back in the class
// viewer as it was written: every header line is a header and nothing else is, every class finds
// its own parent, interfaces and members.
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

#include "FuzzSupport.h"
#include "platform/StringList.h"
#include "tovik/JavaScanner.h"
#include "workbench/ScannerReport.h"

using namespace workbench;

namespace {

struct TWritten {
  std::string key;
  size_t interfaces = 0;
  size_t members = 0;
};

bool StartsWith(const std::string& line, const std::string& prefix) { return line.rfind(prefix, 0) == 0; }

// The classes as the scanner wrote them, read by the layout alone.
std::vector<TWritten> WrittenClasses(const std::vector<std::string>& lines) {
  std::vector<TWritten> written;
  for (const std::string& line : lines) {
    if (StartsWith(line, "Class = ") || StartsWith(line, "Interface = ")) written.push_back({line});
    else if (StartsWith(line, "interface = ")) ++written.back().interfaces;
    else if (StartsWith(line, "\t")) ++written.back().members;
    else Require(StartsWith(line, "parent = "), "a report line of a known kind");
  }
  return written;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string report = tovik::ScanReport(std::string(reinterpret_cast<const char*>(data), size));
  platform::TStringList lines;
  lines.SetText(report);
  std::vector<TWritten> written = WrittenClasses(lines.Lines());
  std::vector<TReportClass> read = ReadReportClasses(lines.Lines());
  Require(read.size() == written.size(), "the viewer finds every class the scanner wrote, and no other");

  std::map<std::string, int> uses;
  for (const TWritten& type : written) ++uses[type.key];
  TScopeFilter everything;
  everything.fill(true);
  for (const TWritten& type : written) {
    // The viewer looks a class up by its header, so only a class named once can be checked, and
    // never the report's last line.
    if (uses[type.key] > 1 || type.key == lines.Lines().back()) continue;
    TClassTable table = ReadClassTable(lines.Lines(), type.key, everything);
    Require(table.Interfaces.size() == type.interfaces, "a class keeps its interfaces");
    Require(table.Members.size() == type.members, "a class keeps its members");
  }
  return 0;
}
