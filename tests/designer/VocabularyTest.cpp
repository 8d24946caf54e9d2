// The design vocabulary: component kinds, event codes, value words, the messages, and the name
// matching the code writer relies on.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "TestSupport.h"
#include "designer/CodeWriter_f.h"
#include "designer/FormDesigner_f.h"
#include "designer/Lib.h"
#include "platform/Controls.h"
#include "platform/Menus.h"

using namespace designer;

namespace {

class VocabularyTest : public testsupport::ScriptedTest {};

const std::vector<std::string> kEventNames = {
    "Action",         "GotFocus",       "LostFocus",        "KeyAction",        "KeyActionRelease",
    "KeyPress",       "KeyRelease",     "ListSelect",       "ListDeSelect",     "LoadFile",
    "SaveFile",       "MouseDown",      "MouseUp",          "MouseDrag",        "MouseMove",
    "MouseEnter",     "MouseExit",      "ScrollAbsolute",   "ScrollLineDown",   "ScrollLineUp",
    "ScrollPageDown", "ScrollPageUp",   "WindowDeIconify",  "WindowIconify",    "WindowExpose",
    "WindowMoved",    "WindowDestroy",
};

template <typename Widget>
int KindOf(const char* name = "Component1") {
  Widget widget;
  widget.setObjectName(name);
  return GetComponentKind(&widget);
}

}  // namespace

TEST_F(VocabularyTest, EveryEventNameGivesItsCodeAndConstant) {
  for (int code = 0; code < static_cast<int>(kEventNames.size()); ++code) {
    EXPECT_EQ(EventNameToID(kEventNames[static_cast<size_t>(code)]), code) << kEventNames[static_cast<size_t>(code)];
  }
  EXPECT_EQ(EventIdToString(ecAction), "ACTION_EVENT");
  EXPECT_EQ(EventIdToString(ecListDeSelect), "LIST_DESELECT");
  EXPECT_EQ(EventIdToString(ecWindowDestroy), "WINDOW_DESTROY");
  EXPECT_TRUE(Modal().Log().empty());
}

TEST_F(VocabularyTest, EventNamesTheGroupCannotPlaceAreReportedAndShortNamesAreSafe) {
  Modal().Queue(platform::mrOk);
  EXPECT_EQ(EventNameToID("KeyFoo"), 0);
  EXPECT_EQ(LastMessage(), "ERROR in EventNameToID");
  Modal().Queue(platform::mrOk);
  EXPECT_EQ(EventNameToID("Scroll"), 0);  // no seventh letter
  Modal().Queue(platform::mrOk);
  EXPECT_EQ(EventNameToID("Window"), 0);
  EXPECT_EQ(EventNameToID("List"), ecListDeSelect);  // no fifth letter: not a select
  EXPECT_EQ(EventNameToID(""), 0);
  Modal().Queue(platform::mrOk);
  EXPECT_EQ(EventIdToString(27), "");
  EXPECT_EQ(LastMessage(), "Error in EventIdToString");
}

TEST_F(VocabularyTest, ComponentKindsFollowTheClassTestsInOrder) {
  EXPECT_EQ(KindOf<QPushButton>(), ckButton);
  EXPECT_EQ(KindOf<QPushButton>("MMB"), ckMenuBar);
  EXPECT_EQ(KindOf<QLineEdit>(), ckTextField);
  EXPECT_EQ(KindOf<QPlainTextEdit>(), ckTextArea);
  EXPECT_EQ(KindOf<QLabel>(), ckLabel);
  EXPECT_EQ(KindOf<QCheckBox>(), ckCheckbox);
  EXPECT_EQ(KindOf<QRadioButton>(), ckRadioButton);
  EXPECT_EQ(KindOf<QComboBox>(), ckChoice);
  EXPECT_EQ(KindOf<QListWidget>(), ckList);
  EXPECT_EQ(KindOf<QScrollBar>(), ckScrollbar);
  EXPECT_EQ(KindOf<QWidget>(), ckNone);
  platform::TPanel panel(nullptr, "Panel1");
  EXPECT_EQ(GetComponentKind(&panel), ckPanel);
  TFrame frame(nullptr);
  EXPECT_EQ(GetComponentKind(&frame), ckFrame);
  platform::TMainMenu menu(nullptr);
  EXPECT_EQ(GetComponentKind(&menu), ckMenuBar);
  platform::TMenuItem item("File");
  EXPECT_EQ(GetComponentKind(&item), ckMenuItem);
  EXPECT_EQ(GetComponentKind(nullptr), ckNone);

  // The file-dialog marker is a button too: its own test comes first.
  auto openDialogMarker = [](TClassTest test) { return test == TClassTest::OpenDlg || test == TClassTest::PushButton; };
  EXPECT_EQ(GetComponentKind(openDialogMarker, "OpenDlg1"), ckFileDialog);
  auto image = [](TClassTest test) { return test == TClassTest::Image; };
  EXPECT_EQ(GetComponentKind(image, "Image1"), ckImage);
}

TEST_F(VocabularyTest, RowCountsByKindAndTheirErrors) {
  EXPECT_EQ(GetHowManyProperties(ckFrame), 14);
  EXPECT_EQ(GetHowManyEvents(ckFrame), 17);
  EXPECT_EQ(GetHowManyProperties(ckList), 14);
  EXPECT_EQ(GetHowManyEvents(ckScrollbar), 5);
  EXPECT_EQ(GetHowManyProperties(ckMenuItem), 5);
  Modal().Queue(platform::mrOk);
  EXPECT_EQ(GetHowManyProperties(115), 0);
  EXPECT_EQ(LastMessage(), "Error in GetHowManyProperties()");
  Modal().Queue(platform::mrOk);
  EXPECT_EQ(GetHowManyEvents(0), 0);
  EXPECT_EQ(LastMessage(), "Error in GetHowManyEvents()");
}

TEST_F(VocabularyTest, ValueWordsConvertBothWaysCaseSensitively) {
  EXPECT_EQ(ColorToJavaName(0x00C8FF), "orange");  // red 255, green 200
  EXPECT_EQ(JavaNameToColor("pink"), 0xAFAFFFu);
  EXPECT_EQ(JavaNameToColor("Black"), 0u);
  EXPECT_EQ(JavaNameToColor("blue"), 0xFF0000u);
  EXPECT_EQ(ColorToJavaName(0x123456, "kept"), "kept");
  EXPECT_EQ(CursorToStr(1), "DEFAULT_CURSOR");
  EXPECT_EQ(CursorToStr(14, "kept"), "kept");
  EXPECT_EQ(StrToCursor("W_RESIZE_CURSOR"), 13);
  EXPECT_EQ(StrToCursor("nothing"), 0);
  EXPECT_EQ(FontStyleToStr(fsBold | fsItalic), "[BOLD,ITALIC]");
  EXPECT_EQ(StrToFontStyle("[ITALIC]"), static_cast<unsigned>(fsItalic));
  EXPECT_EQ(StrToFontStyle("[bold]"), 0u);
  EXPECT_EQ(AlignmentToStr(2), "CENTER");
  EXPECT_EQ(StrToAlignment("RIGHT"), 1);
  Modal().Queue(platform::mrOk);
  EXPECT_EQ(StrToAlignment("Right"), 0);
  EXPECT_EQ(LastMessage(), "Error in StrToAlignment !");
  EXPECT_FALSE(TextToBool("true"));
  EXPECT_TRUE(TextToBool("True"));
  EXPECT_EQ(IntToBoolStr(2), "False");
  EXPECT_FALSE(StrToOrientation("HORIZONTAL"));
  EXPECT_TRUE(StrToOrientation("horizontal"));
  EXPECT_EQ(OrientationToStr(true), "VERTICAL");
  EXPECT_EQ(DefaultBackground(), 0xC0C0C0u);
  EXPECT_EQ(ColorToIndex(0xC0C0C0), 7);
  EXPECT_EQ(ColorToIndex(0xFFFF00), 14);
  EXPECT_EQ(ColorToIndex(0x00C8FF), 0);
}

TEST_F(VocabularyTest, MessageBoxesJoinTitleLineAndMessage) {
  Modal().Queue(platform::mrOk);
  ShowLineErrorMessage("Run", 41, 12);
  EXPECT_EQ(LastMessage(), "Run[Line 12] : Syntax error in using String Literals.");
  Modal().Queue(platform::mrOk);
  ShowErrorMessage("Run", 60);
  EXPECT_EQ(LastMessage(), "Run : Can not run this program (not found in the PATH)");
  for (int code : {1, 4, 7, 9, 17, 71}) EXPECT_EQ(GetErrorMessage(code), "Unknown Error !");
  EXPECT_EQ(GetVersionText(), "Morvane 0.64");
}

TEST_F(VocabularyTest, NamesStandApartFromLongerNames) {
  EXPECT_EQ(FindName("Button10.reshape(1); Button1.reshape(2);", "Button1", TNameMatch::Component), 21u);
  EXPECT_FALSE(ContainsName("add(MyButton1);", "Button1", TNameMatch::Component));
  EXPECT_TRUE(ContainsName("Button1_Action(evt.target);", "Button1", TNameMatch::Component));
  EXPECT_FALSE(ContainsName("Panel10.add(x);", "Panel1", TNameMatch::Component));
  EXPECT_TRUE(ContainsName(" Panel1", "Panel1", TNameMatch::Component));
  EXPECT_FALSE(ContainsName("Button1_Action2(x)", "Button1_Action", TNameMatch::Identifier));
  EXPECT_TRUE(ContainsName("Button1_Action(x)", "Button1_Action", TNameMatch::Identifier));
  EXPECT_FALSE(ContainsName("Button1_Action_(x)", "Button1_Action", TNameMatch::Identifier));
  EXPECT_EQ(FindName("x", "", TNameMatch::Component), std::string::npos);
  // A dollar sign joins Java identifiers too: a user's Button1$x is not Button1.
  EXPECT_FALSE(ContainsName("int Button1$x, a$Button1;", "Button1", TNameMatch::Component));

  std::string line = "       $NAME $NAME = new $NAME();";
  EXPECT_EQ(ReplaceName(line, "$NAME", "Calc", TNameMatch::Component), 3);
  EXPECT_EQ(line, "       Calc Calc = new Calc();");
  line = "Button1.add(Button10); Button1_Action(); MyButton1_Action();";
  EXPECT_EQ(ReplaceName(line, "Button1_", "Ok_", TNameMatch::Prefix), 1);
  EXPECT_EQ(line, "Button1.add(Button10); Ok_Action(); MyButton1_Action();");
  // A new name that holds the old one is not renamed again.
  line = "a a";
  EXPECT_EQ(ReplaceName(line, "a", "a a", TNameMatch::Identifier), 2);
  EXPECT_EQ(line, "a a a a");
}

TEST_F(VocabularyTest, ValueHelpersOfTheCodeWriter) {
  EXPECT_TRUE(IsDefaultValue(pcCursor, "DEFAULT_CURSOR"));
  EXPECT_FALSE(IsDefaultValue(pcEnabled, "True"));
  EXPECT_TRUE(IsDefaultValue(pcEnabled, "true"));
  EXPECT_TRUE(IsDefaultValue(pcPageInc, "10"));
  EXPECT_TRUE(IsDefaultValue(pcPasswdChar, ""));
  EXPECT_FALSE(IsDefaultValue(pcCaption, ""));
  EXPECT_EQ(FontStyleText(0), "Font.PLAIN");
  EXPECT_EQ(FontStyleText(fsBold | fsItalic), "Font.BOLD + Font.ITALIC");
  EXPECT_EQ(EscapeLineBreaks("one\r\ntwo"), "one\\ntwo");
  EXPECT_EQ(EscapeLineBreaks("one\ntwo\rthree\n"), "one\\ntwo\\nthree\\n");
  EXPECT_EQ(EscapeJavaString("a\\b\"c"), "a\\\\b\\\"c");
  for (const std::string text : {"a\\b\"c", "\\\"", "\\", "\"\"", "end\\"})
    EXPECT_EQ(UnescapeJavaString(EscapeJavaString(text)), text) << text;
}
