#pragma once
// The property and rename writers: each brings the one source line that carries a property in line
// with a value the inspector changed, and a rename replaces a component's name in every place the
// code writer ever wrote it. They run inside the write protocol on the active page and set
// MarkerLost when a section marker or an expected line is missing.
//
// Unless said otherwise the component still holds its old value when its writer runs: the writer
// reads it there to find the text it replaces. A line is found by what it begins with after its
// indent, and the old value only in the argument part after that beginning, so a name or a caption
// that happens to hold the same text is never taken for it.
#include <string>
#include <vector>

class QWidget;

namespace designer {

// Puts the component's current caption (a frame's title) between the quotes of its creation line
// (setTitle line); an applet frame has no title line.
void WriteCaption(QWidget* component);
// The colour writers put the new colour word into the component's (or frame's) colour line, or add
// the line when there is none.
void WriteBackground(QWidget* component, const std::string& newWord);
void WriteForeground(QWidget* component, const std::string& newWord);
// Enabled and Visible write the negation of the flag they are given (the state before the edit);
// the line goes away when the new state is the Java default, true.
void WriteEnabled(QWidget* component, bool oldFlag);
void WriteVisible(QWidget* component, bool oldFlag);

// Value words as the inspector shows them ("CENTER", "True", "[BOLD]", "VERTICAL"); numbers in
// decimal. A line whose new value is the Java default goes away.
void WriteAlignment(QWidget* label, const std::string& newWord);
void WriteCheckboxState(QWidget* checkbox, const std::string& newWord);
void WriteCursor(const std::string& oldWord, const std::string& newWord);  // the current frame's
void WriteResizable(bool oldFlag, const std::string& newWord);            // the current frame's
void WriteFontName(QWidget* component, const std::string& newName);
void WriteFontSize(QWidget* component, const std::string& newSize);
void WriteFontStyle(QWidget* component, const std::string& newWord);
void WriteMultipleSelections(QWidget* list, const std::string& newWord);
void WriteOrientation(QWidget* scrollbar, const std::string& newWord);
void WriteLineIncrement(QWidget* scrollbar, const std::string& newValue);
void WritePageIncrement(QWidget* scrollbar, const std::string& newValue);
void WriteMaximum(QWidget* scrollbar, const std::string& newValue);
void WriteMinimum(QWidget* scrollbar, const std::string& newValue);
void WriteScrollValue(QWidget* scrollbar, const std::string& newValue);
// Characters are one character of UTF-8 text, "" for none.
void WriteEchoCharacter(QWidget* textField, const std::string& oldChar, const std::string& newChar);
// The texts are the raw texts; the writers escape them for the Java literal.
void WriteTextFieldText(QWidget* textField, const std::string& oldText, const std::string& newText);
// The text arrives escaped for a Java string; its line breaks become "\n".
void WriteTextAreaText(QWidget* textArea, const std::string& escapedText);
// Replaces the addItem lines of a List or Choice by one per item, in order, right after its
// construction line; the items arrive escaped for a Java string.
void WriteListItems(QWidget* component, const std::vector<std::string>& escapedItems);
// The image file as the Java source names it, without folder.
void WriteImageFile(QWidget* image, const std::string& oldFile, const std::string& newFile);

// The Java literal of one character: 'a', '\'', '\\', '\u00e9'.
std::string JavaCharLiteral(const std::string& character);

// Replaces the old name by the new one in the declaration, initialization, add, position, dispatch
// and routine lines of a component that still carries its old name.
void RenameComponentCode(QWidget* component, const std::string& newName);
// Renames the CheckboxGroup that the radio buttons directly in a container (the frame or a Panel)
// share, which is named after the container: its declaration, its construction line with the
// comment that finds it, and the radio buttons' construction lines.
void RenameRadioGroupCode(const std::string& oldContainer, const std::string& newContainer);
// Renames the current frame's menu bar and with it every menu and menu item, whose names begin with
// the bar's: declarations, the menu lines up to setMenuBar, dispatch clauses and routines.
void RenameMenuCode(const std::string& oldName, const std::string& newName);
// The Labels directly in the container take its colour on the surface (no source line).
void SetLabelsColor(QWidget* container);

// Replaces every occurrence of before + oldName + after by before + newName + after in the line, the
// name standing apart (when after is empty, no identifier character may follow it) and outside the
// line's string and character literals. Returns how many.
int ReplacePiece(std::string& line, const std::string& before, const std::string& oldName, const std::string& after,
                 const std::string& newName);

}  // namespace designer
