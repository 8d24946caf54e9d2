// String lists, settings files and atomic writes against real files.
#include <sys/stat.h>

#include "TestSupport.h"
#include "platform/IniFile.h"
#include "platform/StringList.h"
#include "platform/SysUtils.h"

using namespace platform;
using testsupport::ReadFile;
using testsupport::WriteFile;

class PlatformFiles : public testsupport::ScriptedTest {};

TEST_F(PlatformFiles, StringListReadsAnyLineEndAndWritesCrLf) {
  WriteFile(temp_.File("a.txt"), "one\r\ntwo\nthree\rfour");
  TStringList list;
  list.LoadFromFile(temp_.File("a.txt"));
  ASSERT_EQ(list.Count(), 4);
  EXPECT_EQ(list[3], "four");
  list.SaveToFile(temp_.File("b.txt"));
  EXPECT_EQ(ReadFile(temp_.File("b.txt")), "one\r\ntwo\r\nthree\r\nfour\r\n");
  EXPECT_EQ(list.IndexOf("TWO"), 1);
  EXPECT_EQ(list.Get(99), "");
}

TEST_F(PlatformFiles, FailedAtomicWriteKeepsOldFile) {
  std::string folder = temp_.File("ro");
  mkdir(folder.c_str(), 0755);
  WriteFile(folder + "/keep.txt", "old");
  ASSERT_TRUE(testsupport::MakeFolderReadOnly(folder));
  EXPECT_THROW(WriteFileAtomic(folder + "/keep.txt", "new"), EFCreateError);
  testsupport::MakeFolderWritable(folder);
  EXPECT_EQ(ReadFile(folder + "/keep.txt"), "old");
}

// Reading stops at the largest size asked for, whatever the file claims: a device without an end
// is refused as soon as it has given more, and so is every reader's file past the common bound.
TEST_F(PlatformFiles, ReadingStopsAtTheLargestSize) {
  constexpr size_t kLargest = size_t{1} << 20;
  const std::string exact = temp_.File("exact.bin");
  const std::string over = temp_.File("over.bin");
  WriteFile(exact, std::string(kLargest, 'a'));
  WriteFile(over, std::string(kLargest + 1, 'a'));
  EXPECT_EQ(ReadFileBytes(exact, kLargest).size(), kLargest);
  for (const std::string& name : {over, std::string("/dev/zero")}) {
    try {
      ReadFileBytes(name, kLargest);
      ADD_FAILURE() << name << " was read";
    } catch (const EFOpenError& refused) {
      EXPECT_EQ(refused.Message(), "Cannot open file " + name + ". It is larger than 1 MB.");
    }
  }
  TStringList lines;
  EXPECT_THROW(lines.LoadFromFile("/dev/zero"), EFOpenError);
}

TEST_F(PlatformFiles, IniFileKeepsOrderRawValuesAndUnknownKeys) {
  WriteFile(temp_.File("s.ini"), "[Desk Top]\r\nLeft=12\r\nOdd=\"a;b\" 'c'\r\n[Other]\r\nKeep=me\r\n");
  TIniFile ini(temp_.File("s.ini"));
  EXPECT_TRUE(ini.Loaded());
  EXPECT_EQ(ini.ReadInteger("desk top", "LEFT", 0), 12);
  EXPECT_EQ(ini.ReadString("Desk Top", "Odd", ""), "\"a;b\" 'c'");
  EXPECT_EQ(ini.ReadInteger("Desk Top", "Odd", 7), 7);
  // Lines are counted at every line end, blank and comment lines too, for messages naming a value.
  ini.SetText("; note\r[A]\n\nx=1\r\ny = 2\n[B]\rz=3");
  const std::pair<const char*, int> lines[] = {{"x", 4}, {"Y", 5}, {"z", 0}, {"none", 0}};
  for (const auto& [key, line] : lines) EXPECT_EQ(ini.LineOf("a", key), line) << key;
  EXPECT_EQ(ini.LineOf("B", "z"), 7);
  ini.WriteInteger("A", "x", 9);
  EXPECT_EQ(ini.LineOf("A", "x"), 0) << "a value written is no longer the file's";
  ini.SetText(ReadFile(temp_.File("s.ini")));
  ini.WriteBool("Desk Top", "Flag", true);
  ini.UpdateFile();
  EXPECT_EQ(ReadFile(temp_.File("s.ini")),
            "[Desk Top]\nLeft=12\nOdd=\"a;b\" 'c'\nFlag=1\n\n[Other]\nKeep=me\n");
  TIniFile missing(temp_.File("none.ini"));
  EXPECT_FALSE(missing.Loaded());
  EXPECT_EQ(missing.ReadString("A", "B", "dflt"), "dflt");
}

TEST_F(PlatformFiles, IntegerTextAndFileNames) {
  EXPECT_EQ(StrToInt("-42"), -42);
  EXPECT_EQ(StrToInt("$1F"), 31);
  EXPECT_THROW(StrToInt("12a"), EConvertError);
  EXPECT_THROW(StrToInt("99999999999"), EConvertError);
  EXPECT_EQ(ExtractFilePath("/a/b/c.java"), "/a/b/");
  EXPECT_EQ(ExtractFileName("C:\\x\\Y.java"), "Y.java");
  EXPECT_EQ(ExtractFileExt("/a.b/c"), "");
  EXPECT_EQ(ChangeFileExt("/a/b.java", ".jfm"), "/a/b.jfm");
}
