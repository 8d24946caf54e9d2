#pragma once
// What the fuzz targets share: stopping on a broken invariant, and a scratch file for readers
// that take a file name.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

// A broken invariant: said on standard error, then the run stops as a finding.
inline void Require(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "broken invariant: %s\n", what);
  std::abort();
}

// A folder of this run's own, with a trailing "/".
inline const std::string& ScratchFolder() {
  static const std::string folder = [] {
    char pattern[] = "/tmp/fuzz-XXXXXX";
    const char* made = mkdtemp(pattern);
    Require(made != nullptr, "a scratch folder");
    return std::string(made) + "/";
  }();
  return folder;
}

// Writes the bytes plainly: the readers' input need not survive a crash, and a synced write would
// cost more than the read.
inline std::string WriteScratch(const std::string& name, const std::string& bytes) {
  std::string file = ScratchFolder() + name;
  std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
  return file;
}
