#include "platform/SysUtils.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <limits>

namespace platform {

namespace {
char LowerLetter(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

size_t LastSeparator(const std::string& name) {
  size_t pos = name.find_last_of("/\\");
  return pos;
}
}  // namespace

bool TryStrToInt(const std::string& text, int& value) {
  size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
    negative = text[i] == '-';
    ++i;
  }
  int base = 10;
  if (i < text.size() && text[i] == '$') {
    base = 16;
    ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i >= text.size()) return false;
  long long result = 0;
  for (; i < text.size(); ++i) {
    char c = text[i];
    int digit;
    if (c >= '0' && c <= '9') digit = c - '0';
    else if (base == 16 && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    else if (base == 16 && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    else return false;
    result = result * base + digit;
    if (result > static_cast<long long>(std::numeric_limits<int>::max()) + 1) return false;
  }
  if (negative) result = -result;
  if (result > std::numeric_limits<int>::max() || result < std::numeric_limits<int>::min()) return false;
  value = static_cast<int>(result);
  return true;
}

int StrToInt(const std::string& text) {
  int value = 0;
  if (!TryStrToInt(text, value)) throw EConvertError("'" + text + "' is not a valid integer value");
  return value;
}

int StrToIntDef(const std::string& text, int fallback) {
  int value = 0;
  return TryStrToInt(text, value) ? value : fallback;
}

std::string IntToStr(long long value) { return std::to_string(value); }

std::string UpperCase(const std::string& text) {
  std::string result = text;
  for (char& c : result)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return result;
}

std::string LowerCase(const std::string& text) {
  std::string result = text;
  for (char& c : result) c = LowerLetter(c);
  return result;
}

// Compared letter by letter: settings and key-map look-ups call this for every line they pass, and
// two lowered copies per call cost more than the comparison.
bool SameText(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (LowerLetter(a[i]) != LowerLetter(b[i])) return false;
  return true;
}

bool ContainsText(const std::string& text, const std::string& part) {
  auto sameLetter = [](char a, char b) { return LowerLetter(a) == LowerLetter(b); };
  return std::search(text.begin(), text.end(), part.begin(), part.end(), sameLetter) != text.end();
}

std::string Trim(const std::string& text) {
  size_t first = 0;
  while (first < text.size() && static_cast<unsigned char>(text[first]) <= ' ') ++first;
  size_t last = text.size();
  while (last > first && static_cast<unsigned char>(text[last - 1]) <= ' ') --last;
  return text.substr(first, last - first);
}

std::string ExtractFilePath(const std::string& fileName) {
  size_t pos = LastSeparator(fileName);
  return pos == std::string::npos ? std::string() : fileName.substr(0, pos + 1);
}

std::string ExtractFileDir(const std::string& fileName) {
  std::string path = ExtractFilePath(fileName);
  if (path.size() > 1 && IsSeparator(path.back())) path.pop_back();
  return path;
}

std::string ExtractFileName(const std::string& fileName) {
  size_t pos = LastSeparator(fileName);
  return pos == std::string::npos ? fileName : fileName.substr(pos + 1);
}

std::string ExtractFileExt(const std::string& fileName) {
  std::string name = ExtractFileName(fileName);
  size_t dot = name.rfind('.');
  return dot == std::string::npos ? std::string() : name.substr(dot);
}

std::string ChangeFileExt(const std::string& fileName, const std::string& ext) {
  std::string ownExt = ExtractFileExt(fileName);
  return fileName.substr(0, fileName.size() - ownExt.size()) + ext;
}

std::string IncludeTrailingPathDelimiter(const std::string& folder) {
  if (!folder.empty() && IsSeparator(folder.back())) return folder;
  return folder + "/";
}

bool FileExists(const std::string& fileName) {
  struct stat info {};
  return !fileName.empty() && stat(fileName.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool DirectoryExists(const std::string& folder) {
  struct stat info {};
  return !folder.empty() && stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool DeleteFile(const std::string& fileName) { return std::remove(fileName.c_str()) == 0; }

// The bytes go straight into a string sized for the file: read through a stream, a large file
// was copied twice, into memory grown step by step. A file that grows while it is read is read to
// its end all the same, up to the largest size.
std::string ReadFileBytes(const std::string& fileName, size_t largest) {
  int fd = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) throw EFOpenError("Cannot open file " + fileName + ". " + std::strerror(errno));
  auto fail = [&](int error) {
    ::close(fd);
    throw EFOpenError("Cannot read file " + fileName + ". " + std::strerror(error));
  };
  struct stat status {};
  if (::fstat(fd, &status) != 0) fail(errno);
  auto tooLarge = [&] {
    ::close(fd);
    const std::string megabytes = IntToStr(static_cast<long long>(largest >> 20));
    throw EFOpenError("Cannot open file " + fileName + ". It is larger than " + megabytes + " MB.");
  };
  const size_t size = static_cast<size_t>(std::max<off_t>(status.st_size, 0));
  if (size > largest) tooLarge();
  constexpr size_t kMinimumRoom = 4096;
  std::string bytes;
  bytes.resize(std::min(std::max(size + 1, kMinimumRoom), largest + 1));
  size_t filled = 0;
  for (;;) {
    if (filled > largest) tooLarge();
    if (filled == bytes.size()) bytes.resize(std::min(bytes.size() * 2, largest + 1));
    ssize_t n = ::read(fd, bytes.data() + filled, bytes.size() - filled);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) fail(errno);
    if (n == 0) break;
    filled += static_cast<size_t>(n);
  }
  ::close(fd);
  bytes.resize(filled);
  return bytes;
}

namespace {

// Writes the bytes into a new temporary file beside the target, with the target's permissions;
// returns its name. Nothing is left behind when that fails.
std::string WriteTemporaryFile(const std::string& fileName, const std::string& bytes) {
  std::string folder = ExtractFilePath(fileName);
  std::string tempName = (folder.empty() ? std::string("./") : folder) + "." + ExtractFileName(fileName) + ".XXXXXX";
  int fd = mkstemp(tempName.data());
  if (fd < 0) throw EFCreateError("Cannot create file " + fileName + ". " + std::strerror(errno));
  auto fail = [&](int error) {
    ::close(fd);
    std::remove(tempName.c_str());
    throw EFCreateError("Cannot write file " + fileName + ". " + std::strerror(error));
  };
  size_t written = 0;
  while (written < bytes.size()) {
    ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) fail(errno);
    written += static_cast<size_t>(n);
  }
  // Keep the permissions of the file being replaced; a new file gets the usual ones.
  struct stat info {};
  mode_t mode = 0666;
  if (stat(fileName.c_str(), &info) == 0) mode = info.st_mode & 07777;
  else {
    mode_t mask = umask(0);
    umask(mask);
    mode &= ~mask;
  }
  fchmod(fd, mode);
  if (::fsync(fd) != 0) fail(errno);
  if (::close(fd) != 0) {
    int error = errno;
    std::remove(tempName.c_str());
    throw EFCreateError("Cannot write file " + fileName + ". " + std::strerror(error));
  }
  return tempName;
}

}  // namespace

void WriteFileAtomic(const std::string& fileName, const std::string& bytes) { WriteFilesTogether({{fileName, bytes}}); }

void WriteFilesTogether(const std::vector<TFileContent>& files) {
  std::vector<std::string> temporaries;
  try {
    for (const TFileContent& file : files) temporaries.push_back(WriteTemporaryFile(file.fileName, file.bytes));
  } catch (const EFCreateError& failure) {
    for (const std::string& temporary : temporaries) std::remove(temporary.c_str());
    if (files.size() == 1) throw;
    std::string names;
    for (const TFileContent& file : files) names += (names.empty() ? "" : ", ") + file.fileName;
    throw EFCreateError(failure.Message() + "\rThese files were left as they were: " + names + ".");
  }
  for (size_t i = 0; i < files.size(); ++i) {
    if (std::rename(temporaries[i].c_str(), files[i].fileName.c_str()) == 0) continue;
    int error = errno;
    for (size_t j = i; j < files.size(); ++j) std::remove(temporaries[j].c_str());
    std::string message = "Cannot write file " + files[i].fileName + ". " + std::strerror(error);
    for (size_t j = 0; j < i; ++j) message += "\r" + files[j].fileName + " was written.";
    throw EFCreateError(message);
  }
}

std::string FormatText(const std::string& pattern, std::initializer_list<std::string> args) {
  std::string result;
  auto arg = args.begin();
  for (size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '%' && i + 1 < pattern.size() && (pattern[i + 1] == 's' || pattern[i + 1] == 'd') &&
        arg != args.end()) {
      result += *arg++;
      ++i;
    } else {
      result += pattern[i];
    }
  }
  return result;
}

}  // namespace platform
