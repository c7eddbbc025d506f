// Writes the start-at-logon entry for the executable named by its one argument. Started detached
// by the program, which does not wait for it; the exit status and the message are for anyone who
// runs it by hand.
#include <iostream>

#include "shell/autostart_entry.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "用法: quellan_autostart <程序的完整路径>\n";
        return 2;
    }
    const auto folder = quellan::shell::UserAutostartFolder();
    if (!folder) {
        std::cerr << "quellan_autostart: 找不到用户的配置文件夹 (XDG_CONFIG_HOME, HOME)\n";
        return 1;
    }
    if (auto failure = quellan::shell::WriteAutostartEntry(*folder, argv[1])) {
        std::cerr << "quellan_autostart: " << *failure << "\n";
        return 1;
    }
    return 0;
}
