// The source pre-check that blanks comments and literals, the applet and application tests, and
// the pre-check's messages when Run meets a malformed source.
#include "WorkbenchFixture.h"
#include "designer/Lib.h"
#include "designer/RunRoutines.h"

using namespace designer;

namespace {

struct Checked {
  bool clean;
  std::string text;
  TPrecheckError error;
};

Checked Check(const std::string& source) {
  Checked result{false, source, {}};
  result.clean = BlankCommentsAndLiterals(result.text, result.error);
  return result;
}

}  // namespace

TEST(SourcePrecheck, BlanksCommentsAndLiteralsAndKeepsLineBreaks) {
  Checked c = Check("a = \"x // y\"; // note\r\nb = 'q'; /* two\r\nlines */ c = '\\n';");
  ASSERT_TRUE(c.clean);
  EXPECT_EQ(c.text, "a =         ;        \r\nb =    ;       \r\n         c =     ;");
  // A backslash escapes whatever follows it, so "C:\\" ends at its own quote.
  c = Check("s = \"C:\\\\\"; t = \"a\\\"b\";");
  ASSERT_TRUE(c.clean);
  EXPECT_EQ(c.text, "s =       ; t =       ;");
  // An open block comment runs to the end without error; a lone "*/" passes.
  EXPECT_TRUE(Check("x /* never closed").clean);
  EXPECT_TRUE(Check("x = a */ b;").clean);
  EXPECT_TRUE(Check("c = '\\400'; u = '\\u0041'; e = \"\";").clean);
}

TEST(SourcePrecheck, ReportsMalformedLiteralsAndStrayCommentEndsWithTheirLine) {
  struct Case {
    const char* source;
    int code;
    int line;
  };
  const Case cases[] = {
      {"int a;\r\nchar c = '\\x';", 45, 2},
      {"char c = 'ab';", 45, 1},
      {"char c = '\\1234';", 45, 1},
      {"\n\nString s = \"open", 41, 3},
      {"s = \"\"\";", 41, 1},
      {"a */ b; // c", 44, 1},
      {"x;\ry;\r\nz */ /* w */", 44, 3},
  };
  for (const Case& c : cases) {
    Checked checked = Check(c.source);
    EXPECT_FALSE(checked.clean) << c.source;
    EXPECT_EQ(checked.error.code, c.code) << c.source;
    EXPECT_EQ(LineOfPosition(checked.text, checked.error.position), c.line) << c.source;
  }
}

TEST(SourcePrecheck, NeverReadsPastTheEndOfTheText) {
  for (const char* source : {"'", "'\\", "'a", "\"", "\"abc\\", "'\\u00", "'\\12", "/*", "//", "/", "*"}) {
    Checked checked = Check(source);
    std::string kept = checked.text;
    EXPECT_EQ(kept.size(), std::string(source).size()) << source;
  }
  EXPECT_FALSE(Check("'\\u00").clean);
  EXPECT_FALSE(Check("\"abc\\").clean);
  EXPECT_EQ(Check("\"abc\\").error.code, 41);
}

TEST(SourcePrecheck, FindsAppletsAndApplicationsByTheirWords) {
  EXPECT_TRUE(HasAppletClass("import x;\r\npublic class A extends java.applet.Applet {"));
  EXPECT_TRUE(HasAppletClass("public final x; public class B extends Applet{"));
  // The class name must be followed by a blank.
  EXPECT_FALSE(HasAppletClass("public class A\r\nextends Applet {"));
  EXPECT_FALSE(HasAppletClass("public class A extends Frame {"));
  EXPECT_TRUE(HasApplicationMain("public static void main (String[] a)"));
  EXPECT_TRUE(HasApplicationMain("static int x; static public void main(String[] a)"));
  EXPECT_FALSE(HasApplicationMain("public static int main(String[] a)"));
  EXPECT_FALSE(HasApplicationMain("public void main(String[] a)"));
}

TEST(RunRoutines, FilterEntriesNamesAndPositions) {
  const std::string filter = "Java files (*.java)|*.java|HTML files (*.html)|*.html";
  EXPECT_EQ(GetFilterDescription(filter, 1), "Java files (*.java)");
  EXPECT_EQ(GetFilterDescription(filter, 2), "HTML files (*.html)");
  EXPECT_EQ(GetFilterDescription(filter, 0), "");
  EXPECT_EQ(RemoveFileExt("Applet1.java"), "Applet1");
  EXPECT_EQ(RemoveFileExt("Makefile"), "Makefile");
  EXPECT_EQ(MinPositive(std::string::npos, 7), 7u);
  EXPECT_EQ(MinPositive(3, 7), 3u);
  EXPECT_EQ(MinPositive(std::string::npos, std::string::npos), std::string::npos);
}

TEST_F(WorkbenchTest, RunShowsThePrecheckErrorsWithTheirExactMessages) {
  testsupport::WriteFile(temp_.File("Bad.java"), "class Bad {\n  char c = '\\x';\n}\n");
  OpenThroughDialog(temp_.File("Bad.java"));
  Modal().Queue(platform::mrOk);
  Main().Run2Click();
  EXPECT_EQ(LastMessage(), "Prepocessor[Line 2] : " + GetErrorMessage(45));
  EXPECT_TRUE(Main().Run2->Enabled());

  testsupport::WriteFile(temp_.File("Stray.java"), "class Stray {} */\n// fine\n");
  OpenThroughDialog(temp_.File("Stray.java"));
  Modal().Queue(platform::mrOk);
  Main().Run2Click();
  EXPECT_EQ(LastMessage(), "Prepocessor[Line 1] : Syntax error in using Comment.  \"*/\" without \"/*\" found !");

  testsupport::WriteFile(temp_.File("Plain.java"), "class Plain { void f() {} }\n");
  OpenThroughDialog(temp_.File("Plain.java"));
  Modal().Queue(platform::mrOk);
  Main().Run2Click();
  EXPECT_EQ(LastMessage(), "Preprocessor : " + GetErrorMessage(42));
  EXPECT_EQ(testsupport::ReadFile(temp_.File("Plain.java")), "class Plain { void f() {} }\n");
}
