#include <cstdlib>
#include <filesystem>
#include <functional>
#include <iostream>
#include <optional>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "app/desktop_host.h"
#include "app/help_text.h"
#include "app/program_mode.h"
#include "app/program_options.h"
#include "console/console_run.h"
#include "platform/forms/settings_store.h"
#include "platform/instance/keeper_lock.h"
#include "platform/instance/show_request.h"
#include "platform/host/headless/headless_host.h"
#include "shell/autostart_entry.h"
#include "windows/totals_file.h"

namespace {

constexpr int kUsageError = 2;

std::optional<std::filesystem::path> UserSettingsFile() {
    auto store = win::SettingsStore::ForUser(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
    return store ? store->FileOf("Quellan") : std::nullopt;
}

int RemoveAutostart() {
    const auto folder = quellan::shell::UserAutostartFolder();
    if (!folder) {
        return 0;  // no configuration folder, so no entry either
    }
    if (auto failure = quellan::shell::RemoveAutostartEntry(*folder)) {
        std::cerr << "quellan: " << *failure << "\n";
        return 1;
    }
    return 0;
}

quellan::DesktopFacts CurrentDesktopFacts() {
    return {quellan::NamesDisplay(std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY")),
            quellan::DesktopBuilt()};
}

constexpr std::string_view kKeptElsewhereNote =
    "quellan: 另一个 Quellan 正在记录此文件夹的流量累计；本次只显示流量，不会保存。\n";
constexpr std::string_view kNoHandOverNote =
    "quellan: 另一个 Quellan 正在记录此文件夹的流量累计，但它无法显示窗口。\n";

// Whether another running Quellan keeps the total in the current folder. The lock, when ours,
// is held until the process ends.
bool TotalsKeptElsewhere() {
    static quellan::instance::KeeperClaim claim = quellan::instance::ClaimKeeper(
        quellan::instance::LockFileFor(std::filesystem::path(quellan::kTotalsFileName)));
    return std::holds_alternative<quellan::instance::HeldElsewhere>(claim);
}

std::optional<std::filesystem::path> ShowRequestSocket() {
    std::error_code error;
    std::filesystem::path folder = std::filesystem::current_path(error);
    if (error) {
        return std::nullopt;
    }
    return quellan::instance::ShowRequestSocket(std::getenv("XDG_RUNTIME_DIR"), folder);
}

// A second start hands over to the keeper and ends; the keeper listens for such starts.
int StartOnDesktop(int& argc, char** argv) {
    auto socket = ShowRequestSocket();
    if (TotalsKeptElsewhere()) {
        if (!socket || !quellan::instance::SendShowRequest(*socket)) {
            std::cerr << kNoHandOverNote;
        }
        return 0;
    }
    std::optional<quellan::instance::ShowRequestListener> listener =
        socket ? quellan::instance::ShowRequestListener::Listen(*socket) : std::nullopt;
    std::function<bool()> showRequested;
    if (listener) {
        showRequested = [&listener] { return listener->TakeRequests(); };
    }
    return quellan::RunOnDesktop(argc, argv, std::move(showRequested));
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string_view> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    quellan::ParsedOptions parsed = quellan::ParseProgramOptions(arguments);
    if (parsed.error) {
        std::cerr << "quellan: " << *parsed.error << "\n" << quellan::HelpText(UserSettingsFile());
        return kUsageError;
    }
    if (parsed.options.version) {
        std::cout << "quellan " << QUELLAN_VERSION << "\n";
        return 0;
    }
    if (parsed.options.removeAutostart && !parsed.options.help) {
        return RemoveAutostart();
    }
    quellan::DesktopFacts facts = CurrentDesktopFacts();
    quellan::ProgramMode mode = quellan::ChooseProgramMode(parsed.options, facts);
    // The desktop's library ends the process when it cannot connect, so ask before starting it.
    if (mode == quellan::ProgramMode::Desktop && !quellan::DesktopReachable()) {
        std::cerr << "quellan: 无法连接到桌面，改在终端中显示。\n";
        mode = quellan::ProgramMode::Console;
    }
    switch (mode) {
        case quellan::ProgramMode::Help:
            std::cout << quellan::HelpText(UserSettingsFile());
            return 0;
        case quellan::ProgramMode::Desktop:
            return StartOnDesktop(argc, argv);
        case quellan::ProgramMode::Console:
            break;
    }
    if (facts.displayAvailable && !facts.desktopBuilt && !parsed.options.console) {
        std::cerr << "quellan: 此版本没有桌面窗口，改在终端中显示。\n";
    }
    bool saves = !TotalsKeptElsewhere();
    if (!saves) {
        std::cerr << kKeptElsewhereNote;
    }
    win::host::HeadlessHost desktop;
    return quellan::console::RunConsole({parsed.options.ticks, saves}, desktop);
}
