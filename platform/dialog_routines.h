#pragma once

#include <cstdint>
#include <string>

namespace quillamp {

class CommonDialog;

// Asks for a sound file; returns its full path, or an empty text when none was chosen.
std::string BrowseForFile(CommonDialog& dialog);

// Asks for a colour; returns the dialog's colour, unchanged when the user cancels.
std::int32_t PickColor(CommonDialog& dialog);

} // namespace quillamp
