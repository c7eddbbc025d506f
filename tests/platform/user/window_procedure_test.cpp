#include <gtest/gtest.h>

#include <memory>

#include "recording_window.h"

namespace win::test {
namespace {

using Lines = std::vector<std::string>;

// A hook of the kind the skinning code installs: it keeps the replaced procedure in a property
// and passes every message on through CallWindowProc.
class Hook {
public:
    Hook(std::string name, Lines& trace)
        : name_(std::move(name)),
          trace_(trace),
          procedure_(
              [this](HWND w, UINT m, WPARAM wp, LPARAM lp) { return Handle(w, m, wp, lp); }) {}

    void Install(HWND window) {
        previous_ = WNDPROC::FromLongPtr(
            SetWindowLongPtr(window, GWL_WNDPROC, procedure_.Get().ToLongPtr()));
        SetProp(window, name_, previous_.ToLongPtr());
    }
    // Puts back what it replaced, as the program's hooks do (wherever it sits in the chain).
    void Remove(HWND window) { SetWindowLongPtr(window, GWL_WNDPROC, RemoveProp(window, name_)); }
    WNDPROC Procedure() const { return procedure_.Get(); }
    std::function<void(HWND, UINT)> during;

private:
    LRESULT Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_USER) {
            trace_.push_back(name_);
        }
        if (during) {
            during(window, message);
        }
        const WNDPROC next = WNDPROC::FromLongPtr(GetProp(window, name_));
        return next ? CallWindowProc(next, window, message, wParam, lParam)
                    : DefWindowProc(window, message, wParam, lParam);
    }

    std::string name_;
    Lines& trace_;
    WindowProcedure procedure_;
    WNDPROC previous_;
};

class WindowProcedureTest : public RecordingTest {
protected:
    WindowProcedureTest() {
        window = Make("w", WS_POPUP, {0, 0, 10, 10});
        Record({WM_USER});
    }
    Lines Send() {
        trace.clear();
        SendMessage(window, WM_USER, 0, 0);
        for (const std::string& line : Take()) {
            trace.push_back(line == "w " + MessageName(WM_USER) ? "class" : line);
        }
        return trace;
    }

    HWND window;
    Lines trace;
};

TEST_F(WindowProcedureTest, ChainRunsNewestFirstAndUnwindsInReverse) {
    Hook a("A", trace), b("B", trace), c("C", trace);
    a.Install(window);
    b.Install(window);
    c.Install(window);
    EXPECT_EQ(Send(), (Lines{"C", "B", "A", "class"}));
    c.Remove(window);
    b.Remove(window);
    EXPECT_EQ(Send(), (Lines{"A", "class"}));
    a.Remove(window);
    EXPECT_EQ(Send(), (Lines{"class"}));
    EXPECT_EQ(GetWindowLongPtr(window, GWL_WNDPROC), GetClassLongPtr(window, GCLP_WNDPROC));
}

TEST_F(WindowProcedureTest, RemovingOutOfOrderRestoresWhatEachHookReplaced) {
    Hook a("A", trace), b("B", trace);
    a.Install(window);
    b.Install(window);
    // A goes first: the window gets A's predecessor back, and B drops out with it.
    a.Remove(window);
    EXPECT_EQ(Send(), (Lines{"class"}));
    // B then puts back A, which finds its own property gone and ends at DefWindowProc.
    b.Remove(window);
    EXPECT_EQ(Send(), (Lines{"A"}));
}

TEST_F(WindowProcedureTest, ReplacingAndRestoringWhileDispatchingIsSafe) {
    Hook a("A", trace);
    auto b = std::make_unique<Hook>("B", trace);
    a.Install(window);
    b->Install(window);
    // While B handles a message it unhooks itself and is destroyed, and A hooks in again.
    b->during = [&](HWND w, UINT message) {
        if (message == WM_USER) {
            SetWindowLongPtr(w, GWL_WNDPROC, a.Procedure().ToLongPtr());
        }
    };
    EXPECT_EQ(Send(), (Lines{"B", "A", "class"}));
    EXPECT_EQ(Send(), (Lines{"A", "class"}));
}

TEST_F(WindowProcedureTest, AProcedureThatIsGoneFallsBackToTheDefault) {
    WNDPROC stale;
    {
        WindowProcedure temporary([](HWND, UINT, WPARAM, LPARAM) -> LRESULT { return 7; });
        stale = temporary.Get();
        EXPECT_EQ(CallWindowProc(stale, window, WM_USER, 0, 0), 7);
        SetWindowLongPtr(window, GWL_WNDPROC, stale.ToLongPtr());
    }
    // Still installed, but gone: the window behaves as DefWindowProc.
    EXPECT_EQ(SendMessage(window, WM_USER, 0, 0), 0);
    EXPECT_EQ(SendMessage(window, WM_GETTEXTLENGTH, 0, 0), 1);
    EXPECT_EQ(CallWindowProc(WNDPROC::FromLongPtr(12345), window, WM_GETTEXTLENGTH, 0, 0), 1);
}

TEST_F(WindowProcedureTest, ProceduresCarryStateAndFunctionsKeepOneValue) {
    int calls = 0;
    WindowProcedure counting([&calls](HWND, UINT, WPARAM, LPARAM) -> LRESULT { return ++calls; });
    EXPECT_EQ(CallWindowProc(counting.Get(), window, WM_USER, 0, 0), 1);
    EXPECT_EQ(CallWindowProc(counting.Get(), window, WM_USER, 0, 0), 2);
    const WNDPROC first(&DefWindowProc);
    const WNDPROC second(&DefWindowProc);
    EXPECT_EQ(first, second);
    EXPECT_NE(first, counting.Get());
}

TEST_F(WindowProcedureTest, PropertiesAndWindowLongs) {
    EXPECT_EQ(GetProp(window, "missing"), 0);
    EXPECT_EQ(RemoveProp(window, "missing"), 0);
    EXPECT_TRUE(SetProp(window, "HDC0", 0x1234));
    EXPECT_EQ(GetProp(window, "hdc0"), 0x1234);
    EXPECT_TRUE(SetProp(window, "HDC0", 0x5678));
    EXPECT_EQ(RemoveProp(window, "HDC0"), 0x5678);
    EXPECT_EQ(GetProp(window, "HDC0"), 0);

    Record({WM_STYLECHANGING, WM_STYLECHANGED});
    const LONG_PTR style = GetWindowLongPtr(window, GWL_STYLE);
    EXPECT_EQ(SetWindowLongPtr(window, GWL_STYLE, style | 0xB), style);
    EXPECT_EQ(GetWindowLongPtr(window, GWL_STYLE), style | 0xB);
    EXPECT_EQ(Take(), (Lines{"w WM_STYLECHANGING", "w WM_STYLECHANGED"}));
    // The button's un-owner-draw step: low byte masked, the rest kept.
    SetWindowLong(window, GWL_STYLE, (GetWindowLong(window, GWL_STYLE) & ~0xFF) | (0xB & 0xF4));
    EXPECT_EQ(GetWindowLongPtr(window, GWL_STYLE) & 0xFF, 0x0);
    EXPECT_EQ(GetWindowLongPtr(window, GWL_STYLE) & ~0xFF, style & ~0xFF);

    SetLastError(0);
    EXPECT_EQ(GetWindowLongPtr(window, 64), 0);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_INDEX);
    EXPECT_EQ(GetClassName(window), "Recorder");
    char small[4];
    EXPECT_EQ(GetClassName(window, small, sizeof small), 3);
    EXPECT_STREQ(small, "Rec");
}

TEST_F(WindowProcedureTest, ClassStyleIsReadAndWrittenForTheWholeClass) {
    const LONG_PTR style = GetClassLongPtr(window, GCL_STYLE);
    SetClassLongPtr(window, GCL_STYLE, style | CS_DROPSHADOW);
    const HWND sibling = Make("sibling", WS_POPUP, {0, 0, 1, 1});
    EXPECT_EQ(GetClassLongPtr(sibling, GCL_STYLE), style | CS_DROPSHADOW);
    SetClassLongPtr(window, GCL_STYLE, style);
}

}  // namespace
}  // namespace win::test
