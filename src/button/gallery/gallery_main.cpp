// quellan-button-gallery: every look of the owner-drawn button in one PNG, to judge by eye.
//   quellan-button-gallery [--headless] [--out FILE]

#include <cstdio>
#include <string>
#include <string_view>

#include "button/gallery/gallery_host.h"
#include "button/gallery/gallery_sheet.h"

int main(int argc, char** argv) {
    bool headless = false;
    std::string out = "button-gallery.png";
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--headless") {
            headless = true;
        } else if (argument == "--out" && i + 1 < argc) {
            out = argv[++i];
        } else {
            std::fprintf(stderr, "usage: %s [--headless] [--out FILE]\n", argv[0]);
            return 2;
        }
    }
    return quellan::gallery::WithHost(headless, argc, argv, [&] {
        const std::string failure = quellan::gallery::DrawGallery(out);
        if (!failure.empty()) {
            std::fprintf(stderr, "%s\n", failure.c_str());
            return 1;
        }
        return 0;
    });
}
