// tovik FILE: scans the Java source FILE and writes "Tovik.out" beside it. Exit codes: 0 done,
// 1 no file name given, -1 the source cannot be read, -2 the report cannot be written.
#include <fstream>
#include <sstream>
#include <string>

#include "JavaScanner.h"

int main(int argc, char** argv) {
  if (argc < 2) return 1;
  const std::string source = argv[1];
  std::ifstream in(source, std::ios::binary);
  if (!in) return -1;
  std::stringstream text;
  text << in.rdbuf();
  const size_t slash = source.find_last_of('/');
  const std::string folder = slash == std::string::npos ? std::string() : source.substr(0, slash + 1);
  std::ofstream out(folder + "Tovik.out", std::ios::binary | std::ios::trunc);
  if (!out) return -2;
  out << tovik::ScanReport(text.str());
  out.close();
  return out ? 0 : -2;
}
