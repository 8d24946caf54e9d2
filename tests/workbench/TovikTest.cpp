// The scanner tovik run as the workbench runs it, on real Java files: the report text exactly and
// its exit codes.
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>

#include "TestSupport.h"
#include "platform/SysUtils.h"

using testsupport::ReadFile;
using testsupport::WriteFile;

class TovikTest : public testsupport::ScriptedTest {
 protected:
  // The exit code as the scanner gave it (-1 and -2 arrive as 255 and 254).
  int Tovik(const std::string& arguments) {
    int status = std::system((std::string("\"") + TEST_BIN_DIR + "/tovik\" " + arguments).c_str());
    int code = WEXITSTATUS(status);
    return code > 127 ? code - 256 : code;
  }
  std::string Scan(const std::string& name, const std::string& source) {
    const std::string file = temp_.File(name);
    WriteFile(file, source);
    EXPECT_EQ(Tovik("\"" + file + "\""), 0);
    return ReadFile(temp_.File("Tovik.out"));
  }
};

TEST_F(TovikTest, ClassesWithParentsInterfacesAndFlaggedMembers) {
  EXPECT_EQ(Scan("My Frame.java",
                 "package demo;\nimport java.awt.*;\n\n"
                 "/* class Fake extends Nothing { int x; } */\n"
                 "public class MyFrame extends java.awt.Frame implements Runnable, java.io.Serializable {\n"
                 "  // int commented;\n"
                 "  private static final String TITLE = \"Class = \\\"quoted\\\" { int trap; }\";\n"
                 "  protected int width, height = 3;\n"
                 "  int[] data = {1, 2, 3};\n"
                 "  public MyFrame(String title) { super(title); char c = '}'; }\n"
                 "  public static void main(String[] args) { new MyFrame(TITLE).show(); }\n"
                 "  public synchronized void run() { if (true) { } }\n"
                 "  abstract java.util.Vector<String> items(int a, Map<String, Integer> m) throws IOException;\n"
                 "  static { System.out.println(\"}\"); }\n"
                 "  class Inner extends MyFrame { private long count; }\n"
                 "  final native int peer();\n"
                 "}\n\n"
                 "interface Shape extends Cloneable {\n  int SIDES = 4;\n  double area();\n}\n"),
            "Class = MyFrame\n"
            "parent = java.awt.Frame\n"
            "interface = Runnable\n"
            "interface = java.io.Serializable\n"
            "\tsfv--l----String TITLE\n"
            "\t---t-l----int width\n"
            "\t---t-l----int height\n"
            "\t-----l---pint[] data\n"
            "\t----u-m---MyFrame(String title)\n"
            "\ts---u-m---void main(String[] args)\n"
            "\t----u-m-y-void run()\n"
            "\t------ma-pjava.util.Vector<String> items(int a, Map<String, Integer> m)\n"
            "\t-f----m--pint peer()\n"
            "Class = Inner\n"
            "parent = MyFrame\n"
            "\t--v--l----long count\n"
            "Interface = Shape\n"
            "interface = Cloneable\n"
            "\tsf--ul----int SIDES\n"
            "\t----u-ma--double area()\n");
}

TEST_F(TovikTest, AnEmptySourceGivesAnEmptyReportAndFailuresGiveTheirCodes) {
  EXPECT_EQ(Scan("Empty.java", "// nothing declared here: class X {}\n"), "");
  EXPECT_EQ(Scan("Cut.java", "public class Cut extends Applet {\n  int a;\n  void f( {\n"),
            "Class = Cut\nparent = Applet\n\t-----l---pint a\n\t------m--pvoid f({\n");
  EXPECT_EQ(Tovik(""), 1);
  EXPECT_EQ(Tovik("\"" + temp_.File("missing.java") + "\""), -1);
  const std::string locked = temp_.File("locked/");
  std::filesystem::create_directories(locked);
  WriteFile(locked + "A.java", "class A {}\n");
  std::filesystem::create_directories(locked + "Tovik.out");  // a folder where the report should go
  EXPECT_EQ(Tovik("\"" + locked + "A.java\""), -2);
}
