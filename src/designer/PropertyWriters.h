#pragma once
// The property and rename writers: each brings the one source line that carries a property in line
// with a value the inspector changed, and a rename replaces a component's name in every place the
// code writer ever wrote it. They run inside the write protocol on the active page and set
// MarkerLost when a section marker or an expected line is missing.
#include <string>

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
// Replaces the old name by the new one in the declaration, initialization, add, position, dispatch
// and routine lines of a component that still carries its old name.
void RenameComponentCode(QWidget* component, const std::string& newName);

// Replaces every occurrence of before + oldName + after by before + newName + after in the line, the
// name standing apart (when after is empty, no identifier character may follow it). Returns how many.
int ReplacePiece(std::string& line, const std::string& before, const std::string& oldName, const std::string& after,
                 const std::string& newName);

}  // namespace designer
