#include "app/help_text.h"

#include "windows/totals_file.h"

namespace quellan {

std::string HelpText(const std::optional<std::filesystem::path>& settingsFile) {
    std::string text =
        "用法: quellan [--console] [--ticks N] [--help] [--version]\n"
        "\n"
        "Quellan 网络流量监视器。有桌面时显示右下角的小窗口；没有桌面或指定 --console 时\n"
        "在终端中显示流量统计。\n"
        "\n"
        "选项:\n"
        "  --console   在终端中显示：网卡列表、接收和发送字节、当前、峰值和平均速率、流量图。\n"
        "              输出为终端时原地刷新（↑/↓ 选择网卡，q 或 Ctrl-C 退出）；\n"
        "              否则每次采样输出一行，便于管道和日志。\n"
        "  --ticks N   采样 N 次后退出（与其他方式退出一样保存流量累计）。\n"
        "  --help      显示本说明。\n"
        "  --version   显示版本号。\n"
        "\n"
        "文件:\n"
        "  ";
    text += kTotalsFileName;
    text +=
        "\n"
        "      流量累计（千字节），位于当前文件夹。退出时（q、Ctrl-C、SIGTERM、SIGHUP、\n"
        "      终端关闭或 --ticks 用完）加上本次运行的流量。\n"
        "  ";
    text += settingsFile ? settingsFile->string() : "$XDG_CONFIG_HOME/Quellan/settings.ini";
    text +=
        "\n"
        "      设置（只读）：[Setting] 节的 Connection 为预选网卡的序号（从 0 起）。\n";
    text += "\n详细说明见手册页: man quellan\n";
    return text;
}

}  // namespace quellan
