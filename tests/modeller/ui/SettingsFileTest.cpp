// The settings file's values read over the values in force and written back in order.
#include "TestSupport.h"
#include "modeller/ui/SettingsFile.h"

using namespace modeller;
using platform::TIniFile;

namespace {

class SettingsFile : public testsupport::ScriptedTest {
 protected:
  TIniFile IniWith(const std::string& text) {
    testsupport::WriteFile(temp_.File("zelvory.ini"), text);
    return TIniFile(temp_.File("zelvory.ini"));
  }
};

TEST_F(SettingsFile, AStoredFontHeightWinsOverTheStoredSize) {
  TIniFile ini = IniWith("[Diagram Options]\nFontSize=12\nFontHeight=-13\nFontBold=1\n");
  TModellerOptions options;
  options.DiagramFont.Italic = true;
  ReadModellerOptions(ini, options);
  EXPECT_EQ(options.DiagramFont.Size, 10);
  EXPECT_TRUE(options.DiagramFont.Bold);
  EXPECT_FALSE(options.DiagramFont.Italic) << "the style is cleared before the flags are read";
  EXPECT_EQ(FontHeightOfSize(12), -16);
  EXPECT_EQ(FontSizeOfHeight(-16), 12);
}

// An indent of two thousand million blanks, a drawing area of 40 GB or a font of no size would
// end the program: such numbers keep the values in force.
TEST_F(SettingsFile, NumbersTheProgramCannotUseKeepTheValuesInForce) {
  TIniFile ini = IniWith("[Environment Options]\nIndentation=2147483647\nBrowserFontHeight=0\n"
                         "[Diagram Options]\nWidth=100000\nHeight=-5\nFontSize=-2147483648\n");
  TModellerOptions options;
  ReadModellerOptions(ini, options);
  EXPECT_EQ(options.Indentation, 8);
  EXPECT_EQ(options.DiagramWidth, 1500);
  EXPECT_EQ(options.DiagramHeight, 2000);
  EXPECT_EQ(options.BrowserFont.Size, 10);
  EXPECT_EQ(options.DiagramFont.Size, 10);
}

TEST_F(SettingsFile, AMissingFileKeepsTheValuesInForce) {
  TIniFile ini(temp_.File("none.ini"));
  TModellerOptions options;
  options.JavaCompilerPath = "/usr/bin/javac";
  options.Indentation = 4;
  ReadModellerOptions(ini, options);
  EXPECT_EQ(options.JavaCompilerPath, "/usr/bin/javac");
  EXPECT_EQ(options.Indentation, 4);
  EXPECT_EQ(options.DiagramWidth, 1500);
  EXPECT_EQ(options.EditorFont.Name, "Courier New");
  TMainFormPlace place{1, 2, 3, 4, false};
  ReadMainFormPlace(ini, place);
  EXPECT_EQ(place.Width, 3);
}

TEST_F(SettingsFile, AMaximisedWindowKeepsThePlaceOfItsLastNormalRun) {
  TIniFile ini = IniWith("[MainForm]\nLeft=5\nTop=6\nWidth=700\nHeight=500\nMaximized=0\n[Other]\nKept=yes\n");
  WriteMainFormPlace(ini, {0, 0, 1920, 1080, true});
  EXPECT_EQ(ini.Text(), "[MainForm]\nLeft=5\nTop=6\nWidth=700\nHeight=500\nMaximized=1\n\n[Other]\nKept=yes\n");
  TMainFormPlace place;
  ReadMainFormPlace(ini, place);
  EXPECT_TRUE(place.Maximized);
  EXPECT_EQ(place.Left, 5);
}

TEST_F(SettingsFile, OptionsWrittenAreReadBackTheSame) {
  TModellerOptions written;
  written.JavaInterpreterPath = "java -Xmx64m";
  written.GenIncludeCmmt = false;
  written.Indentation = 2;
  written.BrowserFont = {"DejaVu Sans Mono", 14, 255, true, false, true, false};
  written.DiagramHeight = 3000;
  written.EditorColor = 0x00FFEE;
  TIniFile ini(temp_.File("out.ini"));
  WriteModellerOptions(ini, written);
  ini.UpdateFile();
  TModellerOptions read;
  ReadModellerOptions(TIniFile(temp_.File("out.ini")), read);
  EXPECT_EQ(read.JavaInterpreterPath, "java -Xmx64m");
  EXPECT_FALSE(read.GenIncludeCmmt);
  EXPECT_EQ(read.Indentation, 2);
  EXPECT_EQ(read.BrowserFont.Name, "DejaVu Sans Mono");
  EXPECT_EQ(read.BrowserFont.Size, 14);
  EXPECT_EQ(read.BrowserFont.Color, 255);
  EXPECT_TRUE(read.BrowserFont.Bold);
  EXPECT_TRUE(read.BrowserFont.Underline);
  EXPECT_EQ(read.DiagramHeight, 3000);
  EXPECT_EQ(read.EditorColor, 0x00FFEE);
}

}  // namespace
