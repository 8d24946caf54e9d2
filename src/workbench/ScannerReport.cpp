#include "workbench/ScannerReport.h"

namespace workbench {

namespace {

const std::string kClassHeader = "Class = ";
const std::string kInterfaceHeader = "Interface = ";
const std::string kParent = "parent = ";
const std::string kInterface = "interface = ";
const std::string kFlagLetters = "sfvtulmayp";

bool Contains(const std::string& line, const std::string& part) { return line.find(part) != std::string::npos; }

bool StartsWith(const std::string& line, const std::string& prefix) { return line.rfind(prefix, 0) == 0; }

std::string Trimmed(const std::string& text) {
  const char* blanks = " \t\r\n";
  size_t first = text.find_first_not_of(blanks);
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

bool IsInterfaceLine(const std::string& line) { return Contains(line, kInterface); }

std::string AfterInterfaceText(const std::string& line) {
  return line.substr(line.find(kInterface) + kInterface.size());
}

}  // namespace

bool TScopeTable::Has(TScopeFlag flag) const {
  switch (flag) {
    case sfStatic: return IsStatic;
    case sfFinal: return IsFinal;
    case sfPrivate: return IsPrivate;
    case sfProtected: return IsProtected;
    case sfPublic: return IsPublic;
    case sfField: return IsField;
    case sfMethod: return IsMethod;
    case sfAbstract: return IsAbstract;
    case sfSynchronized: return IsSynchronized;
    case sfPackage: return IsPackage;
    case sfFlagCount: break;
  }
  return false;
}

bool IsHeaderLine(const std::string& line) {
  return Contains(line, kClassHeader) || Contains(line, kInterfaceHeader);
}

bool IsMemberLine(const std::string& line) { return Contains(line, "\t"); }

TScopeTable ParseMemberLine(const std::string& line) {
  std::string rest = Trimmed(line.substr(line.find('\t')));
  auto flagAt = [&](int position) {
    return static_cast<int>(rest.size()) > position && rest[position] == kFlagLetters[position];
  };
  TScopeTable row;
  row.IsStatic = flagAt(sfStatic);
  row.IsFinal = flagAt(sfFinal);
  row.IsPrivate = flagAt(sfPrivate);
  row.IsProtected = flagAt(sfProtected);
  row.IsPublic = flagAt(sfPublic);
  row.IsField = flagAt(sfField);
  row.IsMethod = flagAt(sfMethod);
  row.IsAbstract = flagAt(sfAbstract);
  row.IsSynchronized = flagAt(sfSynchronized);
  row.IsPackage = flagAt(sfPackage);
  // A short line keeps no text rather than reading past its end.
  row.Text = rest.size() > sfPackage ? Trimmed(rest.substr(sfPackage)) : std::string();
  return row;
}

bool IsListed(const TScopeTable& row, const TScopeFilter& filter) {
  for (int flag = 0; flag < sfFlagCount; ++flag)
    if (row.Has(static_cast<TScopeFlag>(flag)) && !filter[flag]) return false;
  return true;
}

std::vector<TReportClass> ReadReportClasses(const std::vector<std::string>& lines) {
  std::vector<TReportClass> classes;
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    if (!IsHeaderLine(line)) continue;
    TReportClass found;
    found.IsInterface = StartsWith(line, kInterfaceHeader);
    found.Name = line.substr(std::min(line.size(), (found.IsInterface ? kInterfaceHeader : kClassHeader).size()));
    found.Parent = "Object";
    if (i + 1 < lines.size() && StartsWith(lines[i + 1], kParent)) {
      std::string dotted = lines[++i].substr(kParent.size());
      found.Parent = dotted.substr(dotted.rfind('.') + 1);
    }
    classes.push_back(found);
  }
  return classes;
}

TClassTable ReadClassTable(const std::vector<std::string>& lines, const std::string& key,
                           const TScopeFilter& filter) {
  TClassTable table;
  size_t i = 0;
  while (i + 1 < lines.size() && lines[i] != key) ++i;
  if (i + 1 >= lines.size()) return table;
  for (++i; i < lines.size() && !IsMemberLine(lines[i]) && !IsHeaderLine(lines[i]); ++i)
    if (IsInterfaceLine(lines[i])) table.Interfaces.push_back(AfterInterfaceText(lines[i]));
  for (; i < lines.size() && IsMemberLine(lines[i]); ++i) {
    TScopeTable row = ParseMemberLine(lines[i]);
    if (IsListed(row, filter)) table.Members.push_back(row);
  }
  return table;
}

}  // namespace workbench
