// Feeds arbitrary text to the class viewer's reader of the scanner report: the headers it lists,
// and the table of every header under a filter taken from the input's first byte. Each listed row
// must pass the filter, and each class named by a header must find its own table.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "platform/StringList.h"
#include "workbench/ScannerReport.h"

using namespace workbench;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  platform::TStringList report;
  report.SetText(std::string(reinterpret_cast<const char*>(data), size));
  const std::vector<std::string>& lines = report.Lines();
  unsigned bits = size > 0 ? data[0] | (size > 1 ? data[1] << 8 : 0) : 0x3FF;
  TScopeFilter filter{};
  for (int flag = 0; flag < sfFlagCount; ++flag) filter[flag] = (bits >> flag) & 1;

  for (const TReportClass& found : ReadReportClasses(lines)) {
    Require(found.Parent.find('.') == std::string::npos, "a parent is a simple name");
    std::string key = (found.IsInterface ? "Interface = " : "Class = ") + found.Name;
    TClassTable table = ReadClassTable(lines, key, filter);
    for (const TScopeTable& row : table.Members) Require(IsListed(row, filter), "a listed row passes the filter");
  }
  return 0;
}
