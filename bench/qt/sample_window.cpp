// A mini-window-like sample on the desktop host: a 180 x 60 topmost window in the bottom-right
// corner whose two text lines are redrawn every 100 ms. Prints "first-frame-ms N" (from the
// start of main) once its first picture reached the screen, then runs for the seconds given.
// With an address after the seconds, the window also holds a web view showing it, and
// "web-view-loaded" is printed once its page has loaded (or "web-view-fallback" without one).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "platform/gdi/text/text_engine.h"
#include "platform/host/qt/qt_host.h"

namespace {

using namespace win::host;

constexpr Size kSize{180, 60};
constexpr int kRedrawMs = 100;

class Sample final : public EventSink {
public:
    explicit Sample(QtHost& host) : host_(host), pixels_(kSize.width * kSize.height) {
        win::text::FontDescription font;
        font.faceName = "SimSun";
        font.height = -12;
        font_ = host.GetTextEngine()->MatchFont(font);
        alpha_.resize(pixels_.size());
    }

    void Draw(int tick) {
        std::fill(pixels_.begin(), pixels_.end(), 0x00203040u);
        std::fill(alpha_.begin(), alpha_.end(), 0);
        win::text::CoverageMask mask(0, 0, kSize.width, kSize.height, alpha_);
        const int baseline = 8 + font_->Metrics().ascent;
        font_->DrawRun("下载: " + std::to_string(tick % 1000) + ".5 KB/s", 6, baseline, mask);
        font_->DrawRun("上传: " + std::to_string(tick % 97) + ".0 KB/s", 6, baseline + 24, mask);
        for (std::size_t i = 0; i < pixels_.size(); ++i) {
            if (alpha_[i] > 0) {
                const std::uint32_t level = 0x40u + (alpha_[i] * 0xBFu) / 255u;
                pixels_[i] = level << 16 | level << 8 | level;
            }
        }
        host_.Present(window_, {pixels_.data(), kSize.width, kSize.height, kSize.width},
                      {0, 0, kSize.width, kSize.height});
    }

    WindowId window_ = WindowId::None;
    bool wake_ = false;
    bool ending_ = false;

    void OnMouse(WindowId, const MouseEvent&) override {}
    void OnKey(WindowId, const KeyEvent&) override {}
    void OnText(WindowId, std::string_view) override {}
    void OnCloseRequested(WindowId) override { ending_ = true; }
    void OnActivationChanged(WindowId, bool) override {}
    void OnExposed(WindowId, Rect) override {}
    void OnGeometryChanged(WindowId, Rect) override {}
    void OnMinimizedChanged(WindowId, bool) override {}
    void OnPopupDismissed(WindowId) override {}
    void OnDisplayChanged() override {}
    void OnSystemColorsChanged() override {}
    void OnThemeChanged() override {}
    void OnTrayIcon(const TrayEvent&) override {}
    void OnSessionEnding() override { ending_ = true; }
    void OnWakeUp() override { wake_ = true; }

private:
    QtHost& host_;
    std::vector<std::uint32_t> pixels_;
    std::vector<std::uint8_t> alpha_;
    std::shared_ptr<const win::text::MatchedFont> font_;
};

}  // namespace

int main(int argc, char** argv) {
    const auto start = std::chrono::steady_clock::now();
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 30;
    int qtArgc = 1;
    QtHost host(qtArgc, argv);
    Sample sample(host);
    host.SetEventSink(&sample);

    const Rect work = host.WorkArea();
    WindowSpec request;
    request.content = {work.right - kSize.width, work.bottom - kSize.height, work.right,
                       work.bottom};
    request.topmost = true;
    request.skipTaskbar = true;
    sample.window_ = host.CreateNativeWindow(request);
    int tick = 0;
    sample.Draw(tick);
    host.Show(sample.window_, false);
    while (host.PaintedFrames(sample.window_) == 0) {
        host.SetWakeUp(host.NowMilliseconds() + 1);
        host.WaitForEvents();
    }
    const auto firstFrame = std::chrono::steady_clock::now() - start;
    std::optional<WebViewId> view;
    if (argc > 2) {
        view = host.CreateWebView(sample.window_, {0, 0, kSize.width, kSize.height});
        host.Navigate(*view, argv[2]);
    }
    bool viewReported = false;
    std::printf("first-frame-ms %lld\n",
                static_cast<long long>(
                    std::chrono::duration_cast<std::chrono::milliseconds>(firstFrame).count()));
    std::fflush(stdout);

    const std::int64_t end = host.NowMilliseconds() + seconds * 1000LL;
    std::int64_t due = host.NowMilliseconds() + kRedrawMs;
    host.SetWakeUp(due);
    while (!sample.ending_ && host.NowMilliseconds() < end) {
        host.WaitForEvents();
        if (const auto state = view ? host.WebViewState(*view) : std::nullopt;
            state && !viewReported && (state->loadsFinished > 0 || state->fallback)) {
            viewReported = true;
            std::printf(state->fallback ? "web-view-fallback\n" : "web-view-loaded\n");
            std::fflush(stdout);
        }
        if (sample.wake_) {
            sample.wake_ = false;
            sample.Draw(++tick);
            due += kRedrawMs;
            host.SetWakeUp(due);
        }
    }
    host.DestroyNativeWindow(sample.window_);
    std::printf("frames %d\n", tick);
    std::fflush(stdout);
    return 0;
}
