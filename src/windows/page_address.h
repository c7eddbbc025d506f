#pragma once

// The pages the program ships (its notice page and its home page), as addresses a web view or
// the desktop's opener can be given: file addresses of the copies beside the program, installed
// or in the source tree.

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/files/shipped_files.h"

namespace quellan {

inline constexpr std::string_view kNoticePage = "pages/notice.html";
inline constexpr std::string_view kHomePage = "pages/home.html";

// "file://" and the absolute path, every byte outside the unreserved characters and "/"
// percent-encoded.
std::string FileAddress(const std::filesystem::path& file);

// The shipped page's file address; "about:blank" when the page is not found.
std::string ShippedPageAddress(std::string_view page, const std::filesystem::path& executable =
                                                          win::files::RunningExecutable());

}  // namespace quellan
