// The Qt-free pieces of the console runs: typed lines split into words as a shell would, and the
// terminal found in the order a Linux desktop expects.
#include <sys/stat.h>

#include <filesystem>

#include "TestSupport.h"
#include "platform/ConsoleTerminal.h"
#include "platform/ShellWords.h"

using Words = std::vector<std::string>;

TEST(ShellWords, QuotesGroupAndABackslashEscapes) {
  const std::pair<std::string, Words> cases[] = {
      {"  -g\t-nowarn  x ", {"-g", "-nowarn", "x"}},
      {"one \"two three\" 'it''s'", {"one", "two three", "its"}},
      {"\"say \\\"hi\\\" \\n\" 'a\\b' c\\ d\\'", {"say \"hi\" \\n", "a\\b", "c d'"}},
      {"'' x\"\"y $HOME;rm", {"", "xy", "$HOME;rm"}},
  };
  for (const auto& [line, expected] : cases) {
    Words words;
    EXPECT_TRUE(platform::SplitShellWords(line, words)) << line;
    EXPECT_EQ(words, expected) << line;
  }
  Words words;
  EXPECT_FALSE(platform::SplitShellWords("a \"open", words));
  EXPECT_FALSE(platform::SplitShellWords("'open", words));
  // A quoted word reads back as it was.
  for (const std::string word : {"plain.java", "two words", "it's", "", "$x`y`"}) {
    EXPECT_TRUE(platform::SplitShellWords(platform::ShellQuote(word), words)) << word;
    EXPECT_EQ(words, Words{word}) << word;
  }
  EXPECT_EQ(platform::ShellQuote("/a/b.java"), "/a/b.java");
}

TEST(ConsoleTerminal, TerminalVariableThenTheDebianNameThenTheCommonOnes) {
  testsupport::TempDir temp;
  std::string first = temp.File("first"), second = temp.File("second");
  std::filesystem::create_directories(first);
  std::filesystem::create_directories(second);
  auto program = [](const std::string& file) {
    testsupport::WriteFile(file, "#!/bin/sh\n");
    chmod(file.c_str(), 0755);
  };
  std::string path = first + ":" + second;
  EXPECT_FALSE(platform::FindTerminal("", path).has_value());
  program(second + "/xterm");
  program(first + "/konsole");
  EXPECT_EQ(platform::FindTerminal("", path)->Program, first + "/konsole");
  program(second + "/x-terminal-emulator");
  EXPECT_EQ(platform::FindTerminal("", path)->Program, second + "/x-terminal-emulator");
  // TERMINAL first, by name or path; a known name takes its command its own way, another "-e".
  EXPECT_EQ(platform::FindTerminal("xterm", path)->Program, second + "/xterm");
  EXPECT_EQ(platform::FindTerminal("konsole", path)->Arguments({"sh"}), (Words{"--nofork", "-e", "sh"}));
  program(first + "/myterm");
  EXPECT_EQ(platform::FindTerminal(first + "/myterm", "")->Arguments({"sh"}), (Words{"-e", "sh"}));
  // A TERMINAL that names nothing found leaves the search to the others.
  EXPECT_EQ(platform::FindTerminal("nosuch", path)->Program, second + "/x-terminal-emulator");
  testsupport::WriteFile(first + "/kitty", "not executable");
  EXPECT_EQ(platform::FindTerminal("kitty", first)->Program, first + "/konsole");
}
