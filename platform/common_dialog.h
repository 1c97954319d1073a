#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace quillamp {

// Raised by ShowOpen/ShowColor on a cancel, but only while CancelError is true.
class DialogCancelled : public std::runtime_error {
public:
    DialogCancelled()
        : std::runtime_error("dialog cancelled")
    {
    }
};

// One object serves the file-open and the colour dialog. Its properties persist between
// uses: the colour dialog reopens on the last colour accepted. Texts are UTF-8.
class CommonDialog {
public:
    CommonDialog() = default;
    virtual ~CommonDialog() = default;
    CommonDialog(const CommonDialog&) = delete;
    CommonDialog& operator=(const CommonDialog&) = delete;
    CommonDialog(CommonDialog&&) = delete;
    CommonDialog& operator=(CommonDialog&&) = delete;

    std::string DialogTitle;
    bool CancelError = false;
    std::string Filter;     // "Description|pattern" pairs, separated by '|'
    std::int32_t Flags = 0; // colour dialog: 1 start on Color, 2 show the custom colours
    std::string FileName;   // full path with backslash separators; empty after a cancel
    std::int32_t Color = 0; // 0x00BBGGRR, black until a colour is accepted

    // Both are modal: they return when the user closes the dialog.
    virtual void ShowOpen() = 0;
    virtual void ShowColor() = 0;
};

} // namespace quillamp
