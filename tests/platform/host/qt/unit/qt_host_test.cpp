#include "platform/host/qt/qt_host.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QWidget>
#include <csignal>
#include <filesystem>

#include "tests/platform/host/qt/support/host_fixture.h"

namespace win::host {
namespace {

using testing::HostFixture;

QWidget* WidgetOf(QtHost& host, WindowId window) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (static_cast<std::uint64_t>(widget->winId()) == host.NativeWindowHandle(window)) {
            return widget;
        }
    }
    return nullptr;
}

class QtHostTest : public ::testing::Test {
protected:
    WindowId OpenWindow(Rect content) {
        WindowSpec request;
        request.content = content;
        const WindowId id = host().CreateNativeWindow(request);
        host().Show(id, true);
        return id;
    }
    QtHost& host() { return fixture_.Host(); }
    testing::RecordingSink& sink() { return fixture_.Sink(); }

    HostFixture fixture_;
};

TEST_F(QtHostTest, PresentedPixelsAreShownWithoutCopyingThem) {
    const Size size{40, 30};
    const WindowId id = OpenWindow({100, 100, 140, 130});
    std::vector<std::uint32_t> pixels = HostFixture::Solid(size, 0x00FF0000);
    host().Present(id, {pixels.data(), size.width, size.height, size.width}, {0, 0, 40, 30});
    QWidget* widget = WidgetOf(host(), id);
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->geometry(), QRect(100, 100, 40, 30));
    EXPECT_EQ(widget->grab().toImage().pixel(5, 5), qRgb(255, 0, 0));

    // The host reads our bitmap itself: a change shows after a Present of the changed part.
    pixels[10 * size.width + 20] = 0x000000FF;
    host().Present(id, {pixels.data(), size.width, size.height, size.width}, {20, 10, 21, 11});
    const QImage shown = widget->grab().toImage();
    EXPECT_EQ(shown.pixel(20, 10), qRgb(0, 0, 255));
    EXPECT_EQ(shown.pixel(21, 10), qRgb(255, 0, 0));
    host().DestroyNativeWindow(id);
    EXPECT_EQ(WidgetOf(host(), id), nullptr);
}

TEST_F(QtHostTest, UnpresentedContentIsReportedExposed) {
    const WindowId id = OpenWindow({0, 0, 20, 20});
    QWidget* widget = WidgetOf(host(), id);
    ASSERT_NE(widget, nullptr);
    widget->grab();
    host().ProcessPendingEvents();
    ASSERT_FALSE(sink().exposures.empty());
    EXPECT_EQ(sink().exposures.back().first, id);
    EXPECT_EQ(sink().exposures.back().second, (Rect{0, 0, 20, 20}));
    host().DestroyNativeWindow(id);
}

TEST_F(QtHostTest, CloseBoxIsARequestAndTheWindowStays) {
    const WindowId id = OpenWindow({0, 0, 20, 20});
    QWidget* widget = WidgetOf(host(), id);
    ASSERT_NE(widget, nullptr);
    widget->close();
    // Nothing reaches the sink outside the loop calls.
    EXPECT_TRUE(sink().closeRequests.empty());
    host().ProcessPendingEvents();
    EXPECT_EQ(sink().closeRequests, std::vector<WindowId>{id});
    EXPECT_TRUE(widget->isVisible());
    host().DestroyNativeWindow(id);
}

TEST_F(QtHostTest, KeysBecomeVirtualKeysThenCharacters) {
    const WindowId id = OpenWindow({0, 0, 20, 20});
    QWidget* widget = WidgetOf(host(), id);
    ASSERT_NE(widget, nullptr);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::ShiftModifier, "A");
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_A, Qt::ShiftModifier, "A", true);
    QKeyEvent repeatRelease(QEvent::KeyRelease, Qt::Key_A, Qt::ShiftModifier, "A", true);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::ShiftModifier, "A");
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier, "\t");
    for (QKeyEvent* event : {&press, &repeat, &repeatRelease, &release, &tab}) {
        QCoreApplication::sendEvent(widget, event);
    }
    host().ProcessPendingEvents();
    ASSERT_EQ(sink().keys.size(), 4u);
    EXPECT_EQ(sink().keys[0].event.virtualKey, 0x41);
    EXPECT_TRUE(sink().keys[0].event.modifiers.shift);
    EXPECT_FALSE(sink().keys[0].event.autoRepeat);
    EXPECT_TRUE(sink().keys[1].event.autoRepeat);
    EXPECT_EQ(sink().keys[2].event.action, KeyAction::Up);
    // Tab is ours, not a move of Qt's focus.
    EXPECT_EQ(sink().keys[3].event.virtualKey, 0x09);
    EXPECT_EQ(sink().texts, (std::vector<std::string>{"A", "A", "\t"}));
    host().DestroyNativeWindow(id);
}

TEST_F(QtHostTest, SecondPressOfADoubleClickIsReportedAsTheDoubleClick) {
    const WindowId id = OpenWindow({50, 60, 90, 100});
    QWidget* widget = WidgetOf(host(), id);
    ASSERT_NE(widget, nullptr);
    const QPointF local(5, 7);
    const QPointF global(55, 67);
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QMouseEvent doubleClick(QEvent::MouseButtonDblClick, local, global, Qt::LeftButton,
                            Qt::LeftButton, Qt::NoModifier);
    // What Qt sends for a double click: press, release, press, double click, release.
    for (QMouseEvent* event : {&press, &release, &press, &doubleClick, &release}) {
        QCoreApplication::sendEvent(widget, event);
    }
    host().ProcessPendingEvents();
    std::vector<MouseAction> actions;
    for (const auto& m : sink().mouse) {
        if (m.event.action != MouseAction::Move && m.event.action != MouseAction::Enter) {
            actions.push_back(m.event.action);
        }
    }
    EXPECT_EQ(actions, (std::vector<MouseAction>{MouseAction::Press, MouseAction::Release,
                                                 MouseAction::DoubleClick, MouseAction::Release}));
    const MouseEvent first = sink().MouseOf(MouseAction::Press).at(0);
    EXPECT_EQ(first.screen, (Point{55, 67}));
    EXPECT_EQ(first.button, MouseButton::Left);
    EXPECT_TRUE(first.buttons.left);
    host().DestroyNativeWindow(id);
}

TEST_F(QtHostTest, WheelAndInputMethodCommitsReachTheSink) {
    const WindowId id = OpenWindow({0, 0, 20, 20});
    QWidget* widget = WidgetOf(host(), id);
    ASSERT_NE(widget, nullptr);
    QWheelEvent wheel(QPointF(3, 4), QPointF(3, 4), QPoint(), QPoint(0, -240), Qt::NoButton,
                      Qt::ControlModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(widget, &wheel);
    QInputMethodEvent composing(QString::fromUtf8("liu"), {});
    QCoreApplication::sendEvent(widget, &composing);
    QInputMethodEvent committed;
    committed.setCommitString(QString::fromUtf8("流量"));
    QCoreApplication::sendEvent(widget, &committed);
    host().ProcessPendingEvents();

    const auto wheels = sink().MouseOf(MouseAction::Wheel);
    ASSERT_EQ(wheels.size(), 1u);
    EXPECT_EQ(wheels[0].wheelDelta, -240);
    EXPECT_EQ(wheels[0].screen, (Point{3, 4}));
    EXPECT_TRUE(wheels[0].modifiers.control);
    // Only the committed text counts, not what is still being composed.
    EXPECT_EQ(sink().texts, std::vector<std::string>{"流量"});
    host().DestroyNativeWindow(id);
}

TEST_F(QtHostTest, WakeUpComesOnceNotEarlyAndTheLatestReplacesEarlierOnes) {
    const std::int64_t start = host().NowMilliseconds();
    host().SetWakeUp(start + 10);
    host().SetWakeUp(start + 40);
    while (sink().wakeUps.empty()) {
        host().WaitForEvents();
    }
    ASSERT_EQ(sink().wakeUps.size(), 1u);
    EXPECT_GE(sink().wakeUps[0], start + 40);

    // Cancelled, then set again: only the new one comes.
    host().SetWakeUp(host().NowMilliseconds() + 5);
    host().SetWakeUp(std::nullopt);
    const std::int64_t secondDue = host().NowMilliseconds() + 30;
    host().SetWakeUp(secondDue);
    while (sink().wakeUps.size() < 2) {
        host().WaitForEvents();
    }
    EXPECT_GE(sink().wakeUps.at(1), secondDue);
    // A wake-up already due comes at the next look at the loop.
    host().SetWakeUp(host().NowMilliseconds() - 5);
    host().ProcessPendingEvents();
    EXPECT_EQ(sink().wakeUps.size(), 3u);
}

TEST_F(QtHostTest, SignalsAndSessionEndAreReportedOnce) {
    std::raise(SIGTERM);
    std::raise(SIGHUP);
    fixture_.PumpUntil([&] { return sink().sessionEndings > 0; });
    std::raise(SIGINT);
    fixture_.PumpFor(50);
    EXPECT_EQ(sink().sessionEndings, 1);
}

class DetachedProcessTest : public QtHostTest {
protected:
    DetachedProcessTest() {
        folder_ = std::filesystem::temp_directory_path() /
                  ("quellan-host-qt-" + std::to_string(getpid()));
        std::filesystem::create_directories(folder_);
    }
    ~DetachedProcessTest() override { std::filesystem::remove_all(folder_); }

    std::filesystem::path folder_;
};

TEST_F(DetachedProcessTest, ArgumentsArriveAsGivenWithoutAShell) {
    const std::string name = "a b;touch $(echo pwned)'\"";
    const std::filesystem::path target = folder_ / name;
    ASSERT_TRUE(host().StartDetachedProcess({"/usr/bin/touch", target.string()},
                                            ProcessWindowHint::Hidden));
    EXPECT_TRUE(fixture_.PumpUntil([&] { return std::filesystem::exists(target); }));
    EXPECT_FALSE(std::filesystem::exists("pwned"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_),
                            std::filesystem::directory_iterator()),
              1);
}

TEST_F(DetachedProcessTest, NothingToStartIsAFailure) {
    EXPECT_FALSE(host().StartDetachedProcess({}, ProcessWindowHint::Normal));
    EXPECT_FALSE(host().StartDetachedProcess({""}, ProcessWindowHint::Normal));
    EXPECT_FALSE(host().StartDetachedProcess({(folder_ / "no-such-program").string()},
                                             ProcessWindowHint::Normal));
    EXPECT_FALSE(host().OpenUrl(""));
    EXPECT_FALSE(host().OpenUrl("--help"));
}

TEST_F(QtHostTest, ClipboardRoundTripsUtf8) {
    host().SetClipboardText("流量 1,024 KB");
    EXPECT_EQ(host().ClipboardText(), "流量 1,024 KB");
}

TEST_F(QtHostTest, ServicesOfTheDesktop) {
    EXPECT_NE(host().GetTheme(), nullptr);
    EXPECT_NE(host().GetTextEngine(), nullptr);
    EXPECT_EQ(host().GetTextEngine(), host().GetTextEngine());
    EXPECT_GT(host().ScreenSize().width, 0);
    EXPECT_FALSE(host().WorkArea().IsEmpty());
    const WindowId id = OpenWindow({0, 0, 10, 10});
    // A web view always exists; here it is the address pane (see web_view_test.cpp).
    const std::optional<WebViewId> view = host().CreateWebView(id, {0, 0, 5, 5});
    ASSERT_TRUE(view.has_value());
    host().DestroyNativeWindow(id);
    EXPECT_FALSE(host().WebViewState(*view).has_value()) << "ended with its window";
    // Calls on a window that is gone are ignored.
    host().Show(id, true);
    host().SetShape(id, {});
    host().Present(id, {}, {0, 0, 1, 1});
}

}  // namespace
}  // namespace win::host
