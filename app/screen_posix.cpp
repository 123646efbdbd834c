#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <string>

#include "screen.h"

namespace drawchk {
namespace {

// Whether a local socket takes a connection; `abstract` names one in the abstract namespace.
bool Accepts(const std::string& path, bool abstract) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::size_t offset = abstract ? 1 : 0;
    if (path.empty() || offset + path.size() >= sizeof address.sun_path) return false;
    std::memcpy(address.sun_path + offset, path.data(), path.size());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + offset +
                                               path.size() + (abstract ? 0 : 1));
    const bool accepted = ::connect(fd, reinterpret_cast<sockaddr*>(&address), length) == 0;
    ::close(fd);
    return accepted;
}

// An X display such as ":0", ":1.0" or "unix:0" is a local socket; a display on another host
// cannot be tried cheaply, so it counts as there.
bool XDisplayAnswers(std::string_view display) {
    const std::size_t colon = display.rfind(':');
    if (colon == std::string_view::npos) return false;
    const std::string_view host = display.substr(0, colon);
    if (!host.empty() && host != "unix") return true;
    const std::string_view rest = display.substr(colon + 1);
    const std::string number(rest.substr(0, rest.find('.')));
    if (number.empty() || number.find_first_not_of("0123456789") != std::string::npos) return false;
    const std::string socket = "/tmp/.X11-unix/X" + number;
    return Accepts(socket, true) || Accepts(socket, false);
}

bool WaylandDisplayAnswers(std::string_view display) {
    if (display.empty()) return false;
    if (display.starts_with('/')) return Accepts(std::string(display), false);
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    return runtime != nullptr && Accepts(std::string(runtime) + "/" + std::string(display), false);
}

std::string_view Environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// The displays that take a connection, asked once though the window's start asks twice.
struct Displays {
    bool x;
    bool wayland;
};

const Displays& AnsweringDisplays() {
    static const Displays displays{XDisplayAnswers(Environment("DISPLAY")),
                                   WaylandDisplayAnswers(Environment("WAYLAND_DISPLAY"))};
    return displays;
}

}  // namespace

bool WindowCanBeSeen() {
    const std::string_view platform = Environment("QT_QPA_PLATFORM");
    if (platform.empty()) return AnsweringDisplays().x || AnsweringDisplays().wayland;
    // X or Wayland named without a display would abort inside Qt; any other platform Qt is
    // told to use (offscreen, vnc, eglfs...) is its own to judge.
    if (platform.starts_with("xcb")) return AnsweringDisplays().x;
    if (platform.starts_with("wayland")) return AnsweringDisplays().wayland;
    return true;
}

std::string_view WindowPlatform() {
    if (!Environment("QT_QPA_PLATFORM").empty()) return {};
    return ChooseWindowPlatform(AnsweringDisplays().x, AnsweringDisplays().wayland);
}

}  // namespace drawchk
