#pragma once
// The design file of a frame: its own properties, every component with its properties and event
// bindings, the menu bar with its menus and items, and the two markers, kept next to the Java source
// as name + ".jfm" (the format is in JfmText.h). The source's first line names it.
#include <string>

#include "designer/DesignText.h"
#include "platform/StringList.h"
#include "platform/SysUtils.h"

namespace designer {

class TFrame;

// The frame's design, block by block, and its text.
TDesign CollectDesign(TFrame& frame);
platform::TStringList DesignText(TFrame& frame);
// The design file folder + frame name + ".jfm" (the folder ends with a separator) with CR LF line
// ends, as SaveDesignFile writes it.
platform::TFileContent DesignFileContent(const std::string& folder, TFrame& frame);
// Writes the design file. An older file is replaced only by a complete new one; a file that cannot
// be written raises platform::EFCreateError.
void SaveDesignFile(const std::string& folder, TFrame& frame);
// Reads folder + name + ".jfm" and builds its frame, which becomes the current frame, attached to
// the active editor page, shown and selected in the inspector. A file that cannot be read or is
// damaged is reported and leaves no frame behind: the result is then null.
TFrame* LoadDesignFile(const std::string& folder, const std::string& name);

}  // namespace designer
