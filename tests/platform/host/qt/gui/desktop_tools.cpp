#include "tests/platform/host/qt/gui/desktop_tools.h"

#include <QImage>
#include <array>
#include <cstdio>
#include <memory>
#include <sstream>

namespace win::host::testing {

std::string RunTool(const std::string& command) {
    std::string output;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen((command + " 2>/dev/null").c_str(), "r"),
                                               pclose);
    if (!pipe) {
        return output;
    }
    std::array<char, 4096> buffer{};
    while (const std::size_t read = std::fread(buffer.data(), 1, buffer.size(), pipe.get())) {
        output.append(buffer.data(), read);
    }
    return output;
}

std::string HexWindow(std::uint64_t window) {
    std::ostringstream out;
    out << "0x" << std::hex << window;
    return out.str();
}

std::vector<std::uint64_t> RootWindowList(const std::string& property) {
    const std::string output = RunTool("xprop -root " + property);
    std::vector<std::uint64_t> windows;
    std::size_t at = output.find("0x");
    while (at != std::string::npos) {
        windows.push_back(std::stoull(output.substr(at), nullptr, 16));
        at = output.find("0x", at + 2);
    }
    return windows;
}

int WindowInfoField(std::uint64_t window, const std::string& field) {
    const std::string output = RunTool("xwininfo -id " + HexWindow(window));
    const std::size_t at = output.find(field + ":");
    if (at == std::string::npos) {
        return -1;
    }
    return std::stoi(output.substr(at + field.size() + 1));
}

Screenshot::Screenshot(const std::string& name) {
    const std::string file = name + ".png";
    RunTool("import -window root " + file);
    image_ = QImage(QString::fromStdString(file));
}

std::uint32_t Screenshot::Pixel(int x, int y) const {
    if (image_.isNull() || !image_.rect().contains(x, y)) {
        return 0xFFFFFFFFu;
    }
    return image_.pixel(x, y) & 0x00FFFFFFu;
}

}  // namespace win::host::testing
