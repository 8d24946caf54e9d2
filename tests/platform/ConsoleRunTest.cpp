// The Qt-free pieces of the console runs: typed lines split into words as a shell would, and the
// terminal found in the order a Linux desktop expects.
#include <sys/stat.h>
#include <unistd.h>

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
}

TEST(ConsoleTerminal, TheTerminalVariableFirstThenTheDebianNameThenTheCommonOnes) {
  testsupport::TempDir temp;
  auto program = [&](const std::string& name) {
    testsupport::WriteFile(temp.File(name), "#!/bin/sh\n");
    chmod(temp.File(name).c_str(), 0755);
  };
  EXPECT_FALSE(platform::FindTerminal("", temp.Path()).has_value());
  program("xterm");
  program("konsole");
  EXPECT_EQ(platform::FindTerminal("", temp.Path())->Arguments({"sh"}), (Words{"--nofork", "-e", "sh"}));
  // x-terminal-emulator linked to a distribution's wrapper runs the terminal behind it its own way.
  program("xfce4-terminal.wrapper");
  program("xfce4-terminal");
  symlink(temp.File("xfce4-terminal.wrapper").c_str(), temp.File("x-terminal-emulator").c_str());
  // A TERMINAL that names nothing found leaves the search to the others.
  EXPECT_EQ(platform::FindTerminal("nosuch", temp.Path())->Program, temp.File("xfce4-terminal"));
  EXPECT_EQ(platform::FindTerminal("", temp.Path())->Arguments({}), (Words{"--disable-server", "-x"}));
  EXPECT_EQ(platform::FindTerminal("xterm", temp.Path())->Program, temp.File("xterm"));
  program("myterm");  // unknown to us: handed its command after "-e"
  EXPECT_EQ(platform::FindTerminal(temp.File("myterm"), "")->Arguments({"sh"}), (Words{"-e", "sh"}));
}

TEST(ConsoleTerminal, AKeptOpenCommandRunsInItsFolderThenWaitsForEnter) {
  testsupport::TempDir temp;
  const std::string folder = temp.File("it's a folder");
  mkdir(folder.c_str(), 0755);
  std::string line;
  for (const std::string& word : platform::CommandKeptOpen(folder, {"sh", "-c", "pwd; echo \"$1\"", "sh", "a b"}))
    line += platform::ShellQuote(word) + " ";
  testsupport::RunShell(line + "</dev/null >" + platform::ShellQuote(temp.File("out")));
  EXPECT_EQ(testsupport::ReadFile(temp.File("out")), folder + "\na b\nPress Enter to continue . . .\n");
}
