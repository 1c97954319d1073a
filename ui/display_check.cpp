#include "display_check.h"

#include <QString>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <unistd.h>
#include <utility>
#include <vector>

namespace quillamp {

namespace {

constexpr std::string_view kHowToRun =
    "run it from a desktop session, or without one as: xvfb-run quillamp";

enum class Server { None, X11, Wayland, Either };

// The display server a platform plugin talks to. Plugins such as offscreen, minimal, vnc or
// eglfs need none.
Server serverFor(std::string_view entry)
{
    const std::string_view name = entry.substr(0, entry.find(':'));
    if (name == "xcb") {
        return Server::X11;
    }
    if (name.starts_with("wayland")) {
        return Server::Wayland;
    }
    return Server::None;
}

// One server per platform asked for; with none asked for, Qt picks X11 or Wayland from the
// session.
std::vector<Server> serversAskedFor(std::string_view platform)
{
    std::vector<Server> servers;
    while (!platform.empty()) {
        const std::size_t end = platform.find(';');
        const std::string_view entry = platform.substr(0, end);
        if (!entry.empty()) {
            servers.push_back(serverFor(entry));
        }
        platform = end == std::string_view::npos ? std::string_view{} : platform.substr(end + 1);
    }
    if (servers.empty()) {
        servers.push_back(Server::Either);
    }
    return servers;
}

bool reachable(Server server, const DisplaySetting& setting)
{
    switch (server) {
    case Server::None:
        return true;
    case Server::X11:
        return !setting.x11Display.empty();
    case Server::Wayland:
        return !setting.waylandDisplay.empty();
    case Server::Either:
        return !setting.x11Display.empty() || !setting.waylandDisplay.empty();
    }
    return false;
}

// stderr gets exactly one line, whatever the display name or Qt's reason hold.
std::string oneLine(std::string text)
{
    for (char& c : text) {
        if (static_cast<unsigned char>(c) < 0x20) {
            c = ' ';
        }
    }
    return text;
}

std::string getenvOrEmpty(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

struct HeldMessage {
    QtMsgType type;
    std::optional<std::string> file;
    int line;
    std::optional<std::string> function;
    std::optional<std::string> category;
    QString text;
};

std::optional<std::string> copyOf(const char* text)
{
    return text ? std::optional<std::string>(text) : std::nullopt;
}

const char* pointerTo(const std::optional<std::string>& text)
{
    return text ? text->c_str() : nullptr;
}

// A Qt message handler is a plain function, so what it needs lives here.
struct GuardState {
    std::mutex mutex;
    DisplaySetting setting;
    std::vector<HeldMessage> held;
    QtMessageHandler previous = nullptr;
    // Xlib writes a refused connection's reason straight to stderr, past any message
    // handler, so stderr goes to a file until the platform has started.
    std::FILE* captured = nullptr;
    int savedStderr = -1;
};

GuardState& guardState()
{
    static GuardState state;
    return state;
}

// The platform plugin explains itself in a qt.qpa warning ("could not connect to display
// :99") before the fatal message, whose own first line only says that no plugin started.
std::string reasonFor(const std::vector<HeldMessage>& held, const QString& fatal)
{
    for (const HeldMessage& message : held) {
        if (message.type != QtDebugMsg && message.type != QtInfoMsg && message.category &&
            message.category->starts_with("qt.qpa")) {
            return message.text.trimmed().toStdString();
        }
    }
    return fatal.section(QLatin1Char('\n'), 0, 0).trimmed().toStdString();
}

// Puts stderr back and passes on what was written to it meanwhile.
void restoreStderr(GuardState& state)
{
    if (state.captured == nullptr) {
        return;
    }
    std::fflush(stderr);
    if (state.savedStderr >= 0) {
        ::dup2(state.savedStderr, STDERR_FILENO);
        ::close(state.savedStderr);
        state.savedStderr = -1;
    }
    std::rewind(state.captured);
    std::array<char, 4096> buffer{};
    std::size_t size = 0;
    while ((size = std::fread(buffer.data(), 1, buffer.size(), state.captured)) > 0) {
        std::fwrite(buffer.data(), 1, size, stderr);
    }
    std::fclose(state.captured);
    state.captured = nullptr;
}

void holdMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    GuardState& state = guardState();
    const std::lock_guard lock(state.mutex);
    if (type == QtFatalMsg) {
        const std::string line =
            unreachableDisplayMessage(state.setting, reasonFor(state.held, text)) + "\n";
        const int out = state.savedStderr >= 0 ? state.savedStderr : STDERR_FILENO;
        [[maybe_unused]] const auto written = ::write(out, line.data(), line.size());
        // Qt would abort after this handler returns.
        std::_Exit(kNoDisplayExitStatus);
    }
    state.held.push_back({type, copyOf(context.file), context.line, copyOf(context.function),
                          copyOf(context.category), text});
}

} // namespace

DisplaySetting currentDisplaySetting(int argc, const char* const* argv)
{
    DisplaySetting setting{getenvOrEmpty("QT_QPA_PLATFORM"), getenvOrEmpty("DISPLAY"),
                           getenvOrEmpty("WAYLAND_DISPLAY")};
    for (int i = 1; i + 1 < argc; ++i) {
        std::string_view option = argv[i];
        if (option.starts_with("--")) {
            option.remove_prefix(1);
        }
        if (option == "-platform") {
            setting.platform = argv[++i];
        } else if (option == "-display") {
            setting.x11Display = argv[++i];
        }
    }
    return setting;
}

std::optional<std::string> missingDisplayMessage(const DisplaySetting& setting)
{
    const std::vector<Server> servers = serversAskedFor(setting.platform);
    bool x11 = false;
    bool wayland = false;
    for (const Server server : servers) {
        if (reachable(server, setting)) {
            return std::nullopt;
        }
        x11 = x11 || server == Server::X11 || server == Server::Either;
        wayland = wayland || server == Server::Wayland || server == Server::Either;
    }
    const std::string_view unset = x11 && wayland ? "DISPLAY and WAYLAND_DISPLAY are not set"
                                   : x11          ? "DISPLAY is not set"
                                                  : "WAYLAND_DISPLAY is not set";
    return oneLine("quillamp: no display to show the window on (" + std::string(unset) + "); " +
                   std::string(kHowToRun));
}

std::string unreachableDisplayMessage(const DisplaySetting& setting, std::string_view reason)
{
    std::string where;
    switch (serversAskedFor(setting.platform).front()) {
    case Server::X11:
        where = "display " + setting.x11Display;
        break;
    case Server::Wayland:
        where = "Wayland display " + setting.waylandDisplay;
        break;
    case Server::Either:
        where = setting.x11Display.empty() ? "Wayland display " + setting.waylandDisplay
                                           : "display " + setting.x11Display;
        break;
    case Server::None:
        where = "platform " + setting.platform;
        break;
    }
    std::string line = "quillamp: cannot open a window on " + where;
    if (!reason.empty()) {
        line += " (" + std::string(reason) + ")";
    }
    return oneLine(line + "; " + std::string(kHowToRun));
}

PlatformStartGuard::PlatformStartGuard(DisplaySetting setting)
{
    // Whoever makes warnings fatal wants to see them as Qt reports them.
    if (qEnvironmentVariableIsSet("QT_FATAL_WARNINGS") ||
        qEnvironmentVariableIsSet("QT_FATAL_CRITICALS")) {
        active_ = false;
        return;
    }
    GuardState& state = guardState();
    const std::lock_guard lock(state.mutex);
    state.setting = std::move(setting);
    state.held.clear();
    state.previous = qInstallMessageHandler(holdMessage);
    std::fflush(stderr);
    state.captured = std::tmpfile();
    if (state.captured != nullptr) {
        state.savedStderr = ::dup(STDERR_FILENO);
        ::dup2(::fileno(state.captured), STDERR_FILENO);
    }
}

PlatformStartGuard::~PlatformStartGuard()
{
    release();
}

void PlatformStartGuard::release()
{
    if (!active_) {
        return;
    }
    active_ = false;
    std::vector<HeldMessage> held;
    {
        GuardState& state = guardState();
        const std::lock_guard lock(state.mutex);
        qInstallMessageHandler(state.previous);
        held = std::exchange(state.held, {});
        restoreStderr(state);
    }
    for (const HeldMessage& message : held) {
        const QMessageLogContext context(pointerTo(message.file), message.line,
                                         pointerTo(message.function), pointerTo(message.category));
        qt_message_output(message.type, context, message.text);
    }
}

} // namespace quillamp
