#pragma once

#include <QtGlobal>

#include <optional>
#include <string>
#include <string_view>

namespace quillamp {

// The exit status when there is no display to show the window on.
inline constexpr int kNoDisplayExitStatus = 2;

// Where Qt will try to show the window. The -platform and -display options win over
// QT_QPA_PLATFORM and DISPLAY, as they do in Qt.
struct DisplaySetting {
    std::string platform; // may be a ';' list of fallbacks, each with ':' options
    std::string x11Display;
    std::string waylandDisplay;
};

DisplaySetting currentDisplaySetting(int argc, const char* const* argv);

// One line for stderr when every platform asked for needs a display server and none is set.
std::optional<std::string> missingDisplayMessage(const DisplaySetting& setting);

// One line for stderr when the platform plugin failed to start; reason is Qt's own complaint.
std::string unreachableDisplayMessage(const DisplaySetting& setting, std::string_view reason);

// Lives while QApplication is constructed. It holds back Qt's messages so that a display
// that is set but cannot be reached ends in unreachableDisplayMessage and
// kNoDisplayExitStatus instead of a page of messages and an abort. release() passes on the
// messages held so far and restores the previous handler.
class PlatformStartGuard {
public:
    explicit PlatformStartGuard(DisplaySetting setting);
    ~PlatformStartGuard();
    Q_DISABLE_COPY_MOVE(PlatformStartGuard)

    void release();

private:
    bool active_ = true;
};

} // namespace quillamp
