#pragma once
// JavaScanner: the declarations of one Java source (classes and interfaces with their parent,
// implemented interfaces, fields and methods with their modifiers), written as the report the
// class viewer reads. Bodies are skipped; comments and literals never count as declarations.
#include <string>

namespace tovik {

// The report text of a Java source text.
std::string ScanReport(const std::string& source);

}  // namespace tovik
