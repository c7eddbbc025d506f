#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace win::host::desktop {

// The lines the program and its web view helper exchange, one message a line, over the helper's
// standard input (requests) and output (reports). Free text (an address, a title, the page's text)
// is escaped so that no newline in it can start a message of its own. The helper's window is
// placed, sized, shown and hidden by the program as a child of its own; the helper follows.

struct WebViewRequest {
    enum class Kind {
        // Load `url`.
        Navigate,
        // Report the page's visible text.
        ReportText,
        // End the helper.
        Quit,
    };
    Kind kind = Kind::Quit;
    std::string url;

    static WebViewRequest Navigate(std::string url);
    static WebViewRequest ReportText();
    static WebViewRequest Quit();
    bool operator==(const WebViewRequest&) const = default;
};

struct WebViewReport {
    enum class Kind {
        // The helper's window exists and may be embedded: `window` is its native id.
        Window,
        // A load ended; `ok` says whether it succeeded, `text` is the page's title.
        LoadFinished,
        // The page's visible text, asked for with ReportText.
        PageText,
    };
    Kind kind = Kind::Window;
    std::uint64_t window = 0;
    bool ok = false;
    std::string text;

    static WebViewReport Window(std::uint64_t window);
    static WebViewReport LoadFinished(bool ok, std::string title);
    static WebViewReport PageText(std::string text);
    bool operator==(const WebViewReport&) const = default;
};

// Backslash, carriage return and newline become "\\", "\r" and "\n".
std::string EscapeLineText(std::string_view text);
// The inverse; std::nullopt for an unknown escape or a trailing backslash.
std::optional<std::string> UnescapeLineText(std::string_view text);

// Each formats one line, newline included.
std::string FormatRequest(const WebViewRequest& request);
std::string FormatReport(const WebViewReport& report);
// Each reads one line without its newline; std::nullopt for anything malformed.
std::optional<WebViewRequest> ParseRequest(std::string_view line);
std::optional<WebViewReport> ParseReport(std::string_view line);

}  // namespace win::host::desktop
