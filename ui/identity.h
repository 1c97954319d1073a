#pragma once

namespace quillamp {

// Names the program to Qt and to the desktop, and gives its windows their icon. Call once the
// QApplication exists, before the window is shown.
void SetApplicationIdentity();

} // namespace quillamp
