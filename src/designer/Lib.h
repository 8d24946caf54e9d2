#pragma once
// The design library's shared routines: the program's version text, the design vocabulary (component
// kinds, event codes, value words, messages), words of a line, untitled page names, file-dialog
// filters, the name matching of the code writer, and the line routines on the active editor page.
#include <functional>
#include <string>
#include <vector>

class QObject;

namespace platform {
class TMainMenu;
class TMenuItem;
class TPageControl;
class TRichEdit;
}

namespace designer {

std::string GetVersionText();  // "Morvane 0.64"

// The message table of the tool runs, the source pre-check and the design-file reader, and its
// two error boxes: title + " : " + message, and title + "[Line " + n + "] : " + message.
std::string GetErrorMessage(int code);
void ShowErrorMessage(const std::string& title, int code);
void ShowLineErrorMessage(const std::string& title, int code, int line);

// Words: the first word skips leading characters of code 32 or below and ends before the first
// blank or tab; the last word is the first word of the reversed text, reversed back.
std::string GetFirstWord(const std::string& text);
std::string GetLastWord(const std::string& text);

// "noname07.java" gives 7; anything else -1.
int GetNonameNumber(const std::string& name);
// One more than the largest untitled number among the pages' captions, two digits at least.
std::string GetNextNonameNumber(const platform::TPageControl& pages);

// Filter text "Java files (*.java)|*.java|...": the N-th mask ("*.java", 1-based) and its
// extension (the mask without its first character, ".java"). N = 0 gives "", an index beyond the
// entries the last one found.
std::string GetFilterMask(const std::string& filter, int index);
std::string GetFilterExt(const std::string& filter, int index);

// The help keyword of a component kind ("Button", "Applet" for an applet frame...); "" for a
// kind without one. ShowComponentHelp opens the help file at that keyword.
std::string ComponentHelpKeyword(int kind);
void ShowComponentHelp(int kind);
// Opens the help file at the keyword's place.
void ShowKeywordHelp(const std::string& keyword);

// Puts the caret of the active editor page at the end of line n - 1 and focuses it.
void GotoEditorLine(int n);

// ---- Design vocabulary ----

// ComponentKind: the kind of a design component; the palette tool codes (PaletteToolCode) are the
// same numbers, with 100 for the selection arrow. 115 is not assigned.
enum ComponentKind : int {
  ckNone = 0,
  ptNoTool = 100,
  ckFrame = 101,
  ckButton = 102,
  ckPanel = 103,
  ckTextField = 104,
  ckTextArea = 105,
  ckLabel = 106,
  ckCheckbox = 107,
  ckRadioButton = 108,
  ckChoice = 109,
  ckList = 110,
  ckScrollbar = 111,
  ckMenuBar = 112,
  ckMenuItem = 113,
  ckImage = 114,
  ckFileDialog = 116,
};

// FrameKind: what a design frame stands for.
enum FrameKind : int { fkApplication = 200, fkApplet = 201, fkSecondaryFrame = 202 };

// PropertyCode: the inspector's property rows; 3, 11 and 22 are not used.
enum PropertyCode : int {
  pcAlign = 0, pcBackground = 1, pcCaption = 2, pcChecked = 4, pcCursor = 5, pcEnabled = 6, pcFontName = 7,
  pcFontSize = 8, pcFontStyle = 9, pcForeground = 10, pcHeight = 12, pcItems = 13, pcName = 14, pcLeft = 15,
  pcLineInc = 16, pcMax = 17, pcMin = 18, pcMultiSelect = 19, pcOrientation = 20, pcPageInc = 21,
  pcPasswdChar = 23, pcResizable = 24, pcText = 25, pcTop = 26, pcValue = 27, pcVisible = 28, pcWidth = 29,
  pcFileName = 30, pcPicture = 31,
};

// EventCode: the AWT event ids from ACTION_EVENT to WINDOW_DESTROY.
enum EventCode : int {
  ecAction, ecGotFocus, ecLostFocus, ecKeyAction, ecKeyActionRelease, ecKeyPress, ecKeyRelease, ecListSelect,
  ecListDeSelect, ecLoadFile, ecSaveFile, ecMouseDown, ecMouseUp, ecMouseDrag, ecMouseMove, ecMouseEnter,
  ecMouseExit, ecScrollAbsolute, ecScrollLineDown, ecScrollLineUp, ecScrollPageDown, ecScrollPageUp,
  ecWindowDeIconify, ecWindowIconify, ecWindowExpose, ecWindowMoved, ecWindowDestroy,
};

// The class tests that decide a component's kind, in the order they are made; each accepts the
// class and its descendants.
enum class TClassTest {
  Form, MainMenu, OpenDlg, PushButton, Panel, SingleLineEdit, Memo, Label, CheckBox, RadioButton, ComboBox,
  ListBox, ScrollBar, MenuItem, Image,
};
// The first test that passes decides; a component named "MMB" (the frame's menu-bar marker) counts
// as the menu bar. 0 when none passes.
int GetComponentKind(const std::function<bool(TClassTest)>& passes, const std::string& name);
int GetComponentKind(const QObject* component);

// What the palette, the design file, the inspector and the code writer know of a component kind:
// adding a kind means adding its row here (and its class test and palette construction).
struct TComponentKindInfo {
  int kind;
  const char* baseName;        // palette names are the base and a number: "Button1"
  const char* javaClass;       // the declared Java class; "" for a kind with lines of its own
  const char* helpKeyword;     // "" for a kind without one
  int width, height;           // size of a palette component
  unsigned background;         // colour a palette component starts with; kKeepBackground: the default
  bool captioned;              // a palette component's caption follows its name
  const char* designClass;     // the class its design-file block names
  const char* designProperties;  // the design-file lines of its block, in their order
  int properties, events;      // inspector rows
};
constexpr unsigned kKeepBackground = 0xFFFFFFFFu;
// The row of a kind; nullptr for a kind without one.
const TComponentKindInfo* ComponentKindInfo(int kind);
// The row whose design-file block names that class; nullptr for another class.
const TComponentKindInfo* ComponentKindOfClass(const std::string& designClass);

// Inspector rows of a kind; another kind shows an error box and gives 0.
int GetHowManyProperties(int kind);
int GetHowManyEvents(int kind);

// "ACTION_EVENT" for 0 ...; another code shows an error box and gives "".
std::string EventIdToString(int code);
// From a bare event name ("GotFocus") to its code, by its group word; "Action" and names without a
// group word give 0 silently, a name the group cannot place shows an error box and gives 0.
int EventNameToID(const std::string& name);

// Value words. Colours are 0x00BBGGRR. A colour or cursor without a word gives `fallback`.
std::string ColorToJavaName(unsigned color, const std::string& fallback = {});
unsigned JavaNameToColor(const std::string& word);  // unknown: 0 (black)
std::string CursorToStr(int index, const std::string& fallback = {});
int StrToCursor(const std::string& word);  // unknown: 0
enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2 };
std::string FontStyleToStr(unsigned styles);
unsigned StrToFontStyle(const std::string& word);  // unknown: no style
// Alignment: 0 left, 1 right, 2 centre.
std::string AlignmentToStr(int alignment);
int StrToAlignment(const std::string& word);  // unknown: error box, 0
std::string BoolToText(bool flag);
bool TextToBool(const std::string& word);  // only "True" is true
std::string IntToBoolStr(int n);
std::string OrientationToStr(bool vertical);
bool StrToOrientation(const std::string& word);  // only "HORIZONTAL" is false
unsigned DefaultBackground();
// Position among the sixteen named colours (black 0 ... white 15); any other colour 0.
int ColorToIndex(unsigned color);

// ---- Marker lines of generated source ----

// The comment lines that bound the sections of a generated source: the templates write them and
// every code writer finds its section by them.
inline const std::string kFrameInitializationEndMarker = "// End of Frame Initialization";
inline const std::string kFrameInitializationMarker = "// Frame Initialization";
inline const std::string kDeclarationEndMarker = "// End of Component Declaration";
inline const std::string kDeclarationMarker = "// Component Declaration";
inline const std::string kInitializationEndMarker = "// End of Component Initialization";
inline const std::string kInitializationMarker = "// Component Initialization";
inline const std::string kAddsEndMarker = "// End of Add()s";
inline const std::string kAddsMarker = "// Add()s";
inline const std::string kPositionsEndMarker = "// End of InitialPositionSet()";
inline const std::string kPositionsMarker = "// InitialPositionSet()";
inline const std::string kHandleEventEndMarker = "// End of handleEvent()";
inline const std::string kHandleEventMarker = "// handleEvent()";
inline const std::string kPaintEndMarker = "// End of paint()";
inline const std::string kPaintMarker = "// paint()";
inline const std::string kEventRoutinesEndMarker = "// End of Event Handling Routines";
inline const std::string kEventRoutinesMarker = "// Event Handling Routines";
inline const std::string kMainEndMarker = "// End of main()";
inline const std::string kMainMarker = "// main()";
inline const std::string kConstructorMarker = "// Constructor";

// ---- Names in generated source ----

// A character that joins a Java identifier: a letter, digit, underscore or dollar sign.
bool IsIdentifierChar(char c);

// How a name found in a line must stand apart from its neighbours. An identifier character joins
// a name to its neighbour, so Button1 is not found in Button10 nor in MyButton1.
enum class TNameMatch {
  Component,   // nothing joined before; nothing but an underscore after ("Button1_Action" holds Button1)
  Identifier,  // a whole identifier: nothing joined on either side (handler names)
  Prefix,      // nothing joined before; anything after ("Button1_" begins "Button1_Action")
};
// Position of the first occurrence at or after `from`, std::string::npos when none.
size_t FindName(const std::string& text, const std::string& name, TNameMatch match, size_t from = 0);
bool ContainsName(const std::string& text, const std::string& name, TNameMatch match);
// Replaces every occurrence, left to right; returns how many.
int ReplaceName(std::string& text, const std::string& oldName, const std::string& newName, TNameMatch match);

// ---- Words and literals of one line ----

std::string GetFirstToken(const std::string& text);  // another name of GetFirstWord
std::string DeleteFirstWord(const std::string& text);
std::string ReverseText(const std::string& text);
bool IsBlankChar(char c);  // tab, line feed, carriage return, blank
// Leading blanks and tabs.
int GetIndentWidth(const std::string& line);
// Every occurrence of oldText as a plain substring, scanning left to right without rescanning what
// was produced. replaced tells whether one was found; an empty oldText finds nothing.
std::string ReplaceWord(const std::string& line, const std::string& oldText, const std::string& newText,
                        bool& replaced);
// Blanks every string and character literal of the line, quotes included, so that a search for
// "//" finds only real comments.
std::string StripLiterals(const std::string& line);

// ---- Line routines on the active editor page ----

// The active editor page; nullptr when there is none.
platform::TRichEdit* ActivePage();
// Notes that a marker line of the generated source is missing; false, for the caller to return.
bool LoseMarker();
// First line holding text, -1 when none (or no page).
int GetLineIndex(const std::string& text);
// First line in first..last holding text; -1 when none or last < first. A last beyond the page
// shows a bounds error first; lines beyond the end read as empty.
int GetLineIndexBetween(int first, int last, const std::string& text);
// First line in which prefix + name stands, the name standing apart as a component name; -1 when none.
int GetNameLineIndex(const std::string& prefix, const std::string& name);
// Line index of the active page; "" outside its lines or without a page.
std::string GetEditorLine(int index);
// Inserts lines above line `at` of the active page so that they read top to bottom as given.
void InsertEditorLines(int at, const std::vector<std::string>& lines);

// Completes a source of the first release, which lacks the paint() markers, and saves it.
void UpgradeGeneratedSource(const std::string& fileName, const std::string& className, int frameKind);

// Fills or clears the window metrics that the geometry writers add to generated positions.
void GetWindowMetrics();
void ClearWindowMetrics();

// ---- Look-ups on the current design frame ----

platform::TMainMenu* FindMenuBar();  // the frame's last menu bar
platform::TMenuItem* FindMenuItem(const std::string& name);
QObject* FindOpenDlg();  // the frame's first file-dialog marker
// The inspector's component list: "name : class" for the frame, then its components.
void FillComboBox1();

}  // namespace designer
