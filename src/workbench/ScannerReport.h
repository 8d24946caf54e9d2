#pragma once
// ScannerReport: reading the scanner's report "Tovik.out" (classes and interfaces of one Java
// source, each with its parent, implemented interfaces and members with their modifier flags).
#include <array>
#include <string>
#include <vector>

namespace workbench {

// The ten modifier flags in the order of their positions in a member line.
enum TScopeFlag { sfStatic, sfFinal, sfPrivate, sfProtected, sfPublic, sfField, sfMethod, sfAbstract,
                  sfSynchronized, sfPackage, sfFlagCount };

// One member row of a class.
struct TScopeTable {
  bool Visible = true;
  bool IsStatic = false;
  bool IsFinal = false;
  bool IsPackage = false;
  bool IsPrivate = false;
  bool IsProtected = false;
  bool IsPublic = false;
  bool IsAbstract = false;
  bool IsField = false;
  bool IsMethod = false;
  bool IsSynchronized = false;
  std::string Text;  // from the package flag on; displayed without its first character

  bool Has(TScopeFlag flag) const;
  std::string DisplayText() const { return Text.empty() ? Text : Text.substr(1); }
};

// Which flags the filter buttons let through (true = button down).
using TScopeFilter = std::array<bool, sfFlagCount>;

// A class or interface header of the report with its parent's simple name.
struct TReportClass {
  std::string Name;
  std::string Parent;
  bool IsInterface = false;
};

// What the report says about one class: its interfaces and its listed members.
struct TClassTable {
  std::vector<std::string> Interfaces;
  std::vector<TScopeTable> Members;
};

bool IsHeaderLine(const std::string& line);
bool IsMemberLine(const std::string& line);
TScopeTable ParseMemberLine(const std::string& line);
// A row is listed when every flag it has is let through by the filter.
bool IsListed(const TScopeTable& row, const TScopeFilter& filter);

// The report's headers in order, each with its parent ("Object" when it names none).
std::vector<TReportClass> ReadReportClasses(const std::vector<std::string>& lines);
// The table of the header line Key ("Class = " or "Interface = " + name), filtered; empty when the
// report holds no such line before its last line.
TClassTable ReadClassTable(const std::vector<std::string>& lines, const std::string& key,
                           const TScopeFilter& filter);

}  // namespace workbench
