#pragma once
// String, number and file-name helpers of the platform layer. Free of Qt: the logic units of both
// programs (file formats, code writers, decoders) build on these alone.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace platform {

// Base of every exception the programs raise; the message loop shows Message() in a message box.
class Exception : public std::runtime_error {
 public:
  explicit Exception(const std::string& message) : std::runtime_error(message) {}
  std::string Message() const { return what(); }
};

class EConvertError : public Exception { using Exception::Exception; };
class EFOpenError : public Exception { using Exception::Exception; };
class EFCreateError : public Exception { using Exception::Exception; };

// Integer text: optional sign, decimal digits, or hexadecimal after "$" or "0x". Blanks around it are
// not allowed, as in the framework. StrToInt raises EConvertError with the framework's text.
bool TryStrToInt(const std::string& text, int& value);
int StrToInt(const std::string& text);
int StrToIntDef(const std::string& text, int fallback);
std::string IntToStr(long long value);

std::string UpperCase(const std::string& text);  // ASCII letters only, as the ANSI routines here
std::string LowerCase(const std::string& text);
bool SameText(const std::string& a, const std::string& b);
bool ContainsText(const std::string& text, const std::string& part);  // ignoring letter case
std::string Trim(const std::string& text);

// File names: both "/" and "\" separate folders, since stored names may come from old files.
std::string ExtractFilePath(const std::string& fileName);  // folder with its trailing separator
std::string ExtractFileDir(const std::string& fileName);   // folder without the trailing separator
std::string ExtractFileName(const std::string& fileName);
std::string ExtractFileExt(const std::string& fileName);   // with the dot, "" when none
std::string ChangeFileExt(const std::string& fileName, const std::string& ext);
std::string IncludeTrailingPathDelimiter(const std::string& folder);

bool FileExists(const std::string& fileName);
bool DirectoryExists(const std::string& folder);
bool DeleteFile(const std::string& fileName);

// Whole-file byte I/O. WriteFileAtomic writes a temporary file in the same folder and renames it
// over the target, so a failed write leaves the old file whole; it raises EFCreateError.
// ReadFileBytes refuses a file longer than the largest size given, with EFOpenError: a device
// such as /dev/zero never ends, and a file far larger than any the programs write would take
// more memory than the machine has.
constexpr size_t kLargestReadFile = size_t{256} << 20;
std::string ReadFileBytes(const std::string& fileName, size_t largest = kLargestReadFile);  // raises EFOpenError
void WriteFileAtomic(const std::string& fileName, const std::string& bytes);

struct TFileContent {
  std::string fileName, bytes;
};
// Files that belong together are replaced together: every temporary file is written before the
// first is renamed over its target, so a full disk or a refused write replaces none of them. The
// EFCreateError raised says which of the files were replaced (none, unless a rename failed).
void WriteFilesTogether(const std::vector<TFileContent>& files);

// Replaces every "%s" in order with the arguments (the message tables use only %s and %d).
std::string FormatText(const std::string& pattern, std::initializer_list<std::string> args);

}  // namespace platform
