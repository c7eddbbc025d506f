#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/gdi/gdi.h"
#include "platform/user/testing/headless_desktop.h"
#include "platform/user/user.h"

namespace win::test {

// Windows of class "Recorder" write the messages a test cares about as "name MESSAGE" lines,
// and let the test answer any message before the default handling.
class RecordingTest : public ::testing::Test {
protected:
    RecordingTest();
    ~RecordingTest() override;

    HWND Make(const std::string& name, DWORD style, RECT rect, HWND parent = nullptr,
              DWORD exStyle = 0, const char* className = "Recorder");
    void Record(std::initializer_list<UINT> messages) { recorded_.insert(messages); }
    void Name(HWND window, const std::string& name) { names_[window] = name; }
    std::string NameOf(HWND window) const;
    // The lines so far, cleared.
    std::vector<std::string> Take();

    testing::HeadlessDesktop desktop;
    // Return a result to stop the default handling.
    std::function<std::optional<LRESULT>(HWND, UINT, WPARAM, LPARAM)> onMessage;

private:
    static LRESULT Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static RecordingTest* current_;

    std::set<UINT> recorded_;
    std::map<HWND, std::string> names_;
    std::vector<std::string> log_;
};

std::string MessageName(UINT message);

}  // namespace win::test
