#include "platform/host/qt/web_view_protocol.h"

#include <charconv>

namespace win::host::desktop {

namespace {

constexpr std::string_view kNavigate = "navigate";
constexpr std::string_view kText = "text";
constexpr std::string_view kQuit = "quit";
constexpr std::string_view kWindow = "window";
constexpr std::string_view kLoaded = "loaded";
constexpr std::string_view kOk = "ok";
constexpr std::string_view kFailed = "failed";

// The first word of `line` and the rest after one blank.
struct Split {
    std::string_view word;
    std::string_view rest;
    bool hasRest = false;
};

Split SplitWord(std::string_view line) {
    const std::size_t blank = line.find(' ');
    if (blank == std::string_view::npos) {
        return {line, {}, false};
    }
    return {line.substr(0, blank), line.substr(blank + 1), true};
}

template <typename Number>
std::optional<Number> ParseNumber(std::string_view text) {
    Number value{};
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc{} || stop != end) {
        return std::nullopt;
    }
    return value;
}

std::optional<WebViewReport> ParseLoaded(std::string_view rest) {
    const Split outcome = SplitWord(rest);
    if (outcome.word != kOk && outcome.word != kFailed) {
        return std::nullopt;
    }
    std::optional<std::string> title = UnescapeLineText(outcome.rest);
    if (!title) {
        return std::nullopt;
    }
    return WebViewReport::LoadFinished(outcome.word == kOk, std::move(*title));
}

std::string Line(std::string_view word, std::string_view rest) {
    std::string line(word);
    line += ' ';
    line += rest;
    line += '\n';
    return line;
}

}  // namespace

WebViewRequest WebViewRequest::Navigate(std::string url) {
    WebViewRequest request;
    request.kind = Kind::Navigate;
    request.url = std::move(url);
    return request;
}

WebViewRequest WebViewRequest::ReportText() {
    WebViewRequest request;
    request.kind = Kind::ReportText;
    return request;
}

WebViewRequest WebViewRequest::Quit() {
    return {};
}

WebViewReport WebViewReport::Window(std::uint64_t window) {
    WebViewReport report;
    report.kind = Kind::Window;
    report.window = window;
    return report;
}

WebViewReport WebViewReport::LoadFinished(bool ok, std::string title) {
    WebViewReport report;
    report.kind = Kind::LoadFinished;
    report.ok = ok;
    report.text = std::move(title);
    return report;
}

WebViewReport WebViewReport::PageText(std::string text) {
    WebViewReport report;
    report.kind = Kind::PageText;
    report.text = std::move(text);
    return report;
}

std::string EscapeLineText(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '\\':
                escaped += "\\\\";
                break;
            case '\n':
                escaped += "\\n";
                break;
            case '\r':
                escaped += "\\r";
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

std::optional<std::string> UnescapeLineText(std::string_view text) {
    std::string plain;
    plain.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            plain += text[i];
            continue;
        }
        if (++i == text.size()) {
            return std::nullopt;
        }
        switch (text[i]) {
            case '\\':
                plain += '\\';
                break;
            case 'n':
                plain += '\n';
                break;
            case 'r':
                plain += '\r';
                break;
            default:
                return std::nullopt;
        }
    }
    return plain;
}

std::string FormatRequest(const WebViewRequest& request) {
    switch (request.kind) {
        case WebViewRequest::Kind::Navigate:
            return Line(kNavigate, EscapeLineText(request.url));
        case WebViewRequest::Kind::ReportText:
            return std::string(kText) + '\n';
        case WebViewRequest::Kind::Quit:
            return std::string(kQuit) + '\n';
    }
    return {};
}

std::string FormatReport(const WebViewReport& report) {
    switch (report.kind) {
        case WebViewReport::Kind::Window:
            return Line(kWindow, std::to_string(report.window));
        case WebViewReport::Kind::LoadFinished:
            return Line(kLoaded,
                        std::string(report.ok ? kOk : kFailed) + ' ' + EscapeLineText(report.text));
        case WebViewReport::Kind::PageText:
            return Line(kText, EscapeLineText(report.text));
    }
    return {};
}

std::optional<WebViewRequest> ParseRequest(std::string_view line) {
    const Split split = SplitWord(line);
    if (split.word == kNavigate && split.hasRest) {
        std::optional<std::string> url = UnescapeLineText(split.rest);
        if (!url) {
            return std::nullopt;
        }
        return WebViewRequest::Navigate(std::move(*url));
    }
    if (split.word == kText && !split.hasRest) {
        return WebViewRequest::ReportText();
    }
    if (split.word == kQuit && !split.hasRest) {
        return WebViewRequest::Quit();
    }
    return std::nullopt;
}

std::optional<WebViewReport> ParseReport(std::string_view line) {
    const Split split = SplitWord(line);
    if (split.word == kWindow) {
        const std::optional<std::uint64_t> window = ParseNumber<std::uint64_t>(split.rest);
        if (!window || *window == 0) {
            return std::nullopt;
        }
        return WebViewReport::Window(*window);
    }
    if (split.word == kLoaded) {
        return ParseLoaded(split.rest);
    }
    if (split.word == kText && split.hasRest) {
        std::optional<std::string> text = UnescapeLineText(split.rest);
        if (!text) {
            return std::nullopt;
        }
        return WebViewReport::PageText(std::move(*text));
    }
    return std::nullopt;
}

}  // namespace win::host::desktop
