// The design file's text: values cut by their prefix, item lists, event lines, and the reader's
// refusal of text that departs from the block's sequence.
#include <gtest/gtest.h>

#include "designer/JfmText.h"

using designer::EDesignFileError;
using designer::TJfmReader;
using designer::TJfmWriter;
using platform::TStringList;

TEST(JfmText, WriterAndReaderAgreeOnEveryKindOfLine) {
  TStringList lines;
  TJfmWriter out(lines);
  out.Header("Button1", "TButton");
  out.Property("Caption", "a = b : c ");
  out.Property("Height", -3);
  out.Property("Items[0]", "MenuBar1File", 4);
  out.Items({"first", "", "third"});
  out.Line("  OnAction = Button1_Action");
  out.End();
  EXPECT_EQ(lines.Text(),
            "Button1 : TButton\r\n  Caption = a = b : c \r\n  Height = -3\r\n    Items[0] = MenuBar1File\r\n"
            "  Items[3]\r\nfirst\r\n\r\nthird\r\n  OnAction = Button1_Action\r\n\r\n");

  TJfmReader in(lines);
  EXPECT_EQ(in.HeaderName(), "Button1");
  EXPECT_EQ(in.HeaderClass(), "TButton");
  in.SkipHeader();
  EXPECT_EQ(in.Value("Caption"), "a = b : c ");
  TStringList stripped;
  stripped.Add("  Caption =");  // its trailing blank stripped by an editor
  EXPECT_EQ(TJfmReader(stripped).Value("Caption"), "");
  EXPECT_EQ(in.IntValue("Height"), -3);
  EXPECT_EQ(in.Value("Items[0]", 4), "MenuBar1File");
  EXPECT_EQ(in.Items(), (std::vector<std::string>{"first", "", "third"}));
  EXPECT_EQ(in.EventLines(), (std::vector<std::string>{"OnAction = Button1_Action"}));
  EXPECT_TRUE(in.AtEnd());
}

TEST(JfmText, DepartingTextIsRefusedWithItsLineNumber) {
  auto failure = [](const std::string& text, auto read) {
    TStringList lines;
    lines.SetText(text);
    TJfmReader in(lines);
    try {
      read(in);
    } catch (const EDesignFileError& error) {
      return error.Message();
    }
    return std::string("no error");
  };
  EXPECT_EQ(failure("B : TButton\n  Height = 12x\n", [](TJfmReader& in) { in.SkipHeader(); in.IntValue("Height"); }),
            "line 2: Height holds \"12x\", which is no number");
  EXPECT_EQ(failure("B : TButton\n  Width = 1\n", [](TJfmReader& in) { in.SkipHeader(); in.IntValue("Height"); }),
            "line 2: Height was expected, not \"  Width = 1\"");
  EXPECT_EQ(failure("B : TButton\n", [](TJfmReader& in) { in.SkipHeader(); in.Value("Caption"); }),
            "line 2: the file ends where Caption was expected");
  EXPECT_EQ(failure("no header here\n", [](TJfmReader& in) { in.SkipHeader(); }),
            "line 1: \"no header here\" is no block header");
  // A count that runs past the end would read beyond the file.
  EXPECT_EQ(failure("  Items[5]\none\n", [](TJfmReader& in) { in.Items(); }),
            "line 1: the item count runs past the end of the file");
  EXPECT_EQ(failure("  Items[-1]\n", [](TJfmReader& in) { in.Items(); }),
            "line 1: the item count runs past the end of the file");
  EXPECT_EQ(failure("  Tag = 1\n", [](TJfmReader& in) { in.EndOfBlock(); }),
            "line 1: the block goes on past its last property");
  EXPECT_EQ(failure("  OnAction = A\nNext : TButton\n", [](TJfmReader& in) { in.EventLines(); }),
            "line 2: \"Next : TButton\" is no event binding");
}
