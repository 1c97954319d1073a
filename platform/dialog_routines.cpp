#include "dialog_routines.h"

#include "common_dialog.h"

namespace quillamp {

std::string BrowseForFile(CommonDialog& dialog)
{
    dialog.DialogTitle = "Browse";
    dialog.CancelError = false;
    dialog.Filter = "All Files (*.*)|*.*";
    dialog.ShowOpen();
    if (dialog.FileName.empty()) {
        return {};
    }
    return dialog.FileName;
}

std::int32_t PickColor(CommonDialog& dialog)
{
    dialog.DialogTitle = "Color";
    dialog.CancelError = false;
    dialog.Flags = 3;
    dialog.ShowColor();
    return dialog.Color;
}

} // namespace quillamp
