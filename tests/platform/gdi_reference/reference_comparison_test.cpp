// Our gdi against an independent implementation of the same API: every drawing case runs here and
// in the reference build (run beforehand by the test fixture), and what each left behind must
// agree, except where ours is known to be right and the other not, for the reason written beside
// it.

#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "quellan_api.h"
// clang-format off
#include "reference_record.h"
#include "reference_cases.h"
// clang-format on

namespace gdi_reference {
namespace {

struct ExpectedDifference {
    std::string caseName;
    std::string reason;
};

// Decided where the two disagree: ours is right (by the API's documentation, or because the
// reference's output is undefined), or ours lacks a mode the program never uses.
const std::string kRowsLeftUnwritten =
    "The reference is at fault: its walk round the corner ellipse stops once it has come in half "
    "the corner's width, before a corner this flat reaches its outermost rows, and those rows "
    "keep whatever its buffer held (numbers left over from earlier calls, or empty rows). Ours "
    "finishes the walk: the tip rows keep the last inset, so 2-pixel-wide corners give a plain "
    "rectangle.";

const std::vector<ExpectedDifference> kExpectedDifferences = {
    {"CreateRoundRectRgn(0,0,20,14,2,6)", kRowsLeftUnwritten},
    {"CreateRoundRectRgn(0,0,20,14,3,8)", kRowsLeftUnwritten},
    {"CreateEllipticRgn(0,0,3,9)", kRowsLeftUnwritten},
    {"CreateEllipticRgn(0,0,4,12)", kRowsLeftUnwritten},
    {"SetPixel GetPixel GetNearestColor",
     "Ours is right: SetPixel outside the bitmap. The API's documentation says SetPixel fails, "
     "returning -1, when the pixel lies outside the clipping region; the reference returns the "
     "colour as if it had been set. Everything else in the case agrees."},
    {"StretchBlt(5,3,0,0,10,8 mode 4)",
     "Not built: HALFTONE shrinking filters the source (the reference mixes neighbouring "
     "pixels); ours samples as in COLORONCOLOR. The program never selects HALFTONE."},
};

using CaseLines = std::map<std::string, std::vector<std::string>>;

CaseLines ParseCases(std::istream& in) {
    CaseLines cases;
    std::string line;
    std::vector<std::string>* current = nullptr;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.rfind("case ", 0) == 0) {
            current = &cases[line.substr(5)];
        } else if (line == "end") {
            current = nullptr;
        } else if (current != nullptr) {
            current->push_back(line);
        }
    }
    return cases;
}

CaseLines ReferenceOutput() {
    std::ifstream in(QUELLAN_GDI_REFERENCE_OUTPUT, std::ios::binary);
    return ParseCases(in);
}

std::vector<std::string> Tokens(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> tokens;
    for (std::string token; in >> token;) {
        tokens.push_back(token);
    }
    return tokens;
}

// Two system-colour pixels agree when some system colour could be both.
bool IsSystemColours(const std::string& token) {
    return token.size() == 3 && token[0] == 's' &&
           std::isxdigit(static_cast<unsigned char>(token[1])) &&
           std::isxdigit(static_cast<unsigned char>(token[2]));
}

bool TokensAgree(const std::string& ours, const std::string& theirs) {
    if (IsSystemColours(ours) && IsSystemColours(theirs)) {
        return (std::stoul(ours.substr(1), nullptr, 16) &
                std::stoul(theirs.substr(1), nullptr, 16)) != 0;
    }
    return ours == theirs;
}

bool LinesAgree(const std::string& ours, const std::string& theirs) {
    const auto a = Tokens(ours);
    const auto b = Tokens(theirs);
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (!TokensAgree(a[i], b[i])) {
            return false;
        }
    }
    return true;
}

// Empty when they agree; otherwise the first line that differs, both ways.
std::string FirstDifference(const std::vector<std::string>& ours,
                            const std::vector<std::string>& theirs) {
    for (std::size_t i = 0; i < ours.size() || i < theirs.size(); ++i) {
        const std::string a = i < ours.size() ? ours[i] : "(nothing)";
        const std::string b = i < theirs.size() ? theirs[i] : "(nothing)";
        if (!LinesAgree(a, b)) {
            return "line " + std::to_string(i) + "\n  ours:      " + a + "\n  reference: " + b;
        }
    }
    return {};
}

const ExpectedDifference* ExpectedDifferenceFor(const std::string& name) {
    for (const ExpectedDifference& difference : kExpectedDifferences) {
        if (difference.caseName == name) {
            return &difference;
        }
    }
    return nullptr;
}

// With QUELLAN_GDI_OURS_OUTPUT set, ours is written there in the reference's format, for diffing.
TEST(GdiReferenceTest, OursWrittenOutWhenAsked) {
    const char* path = std::getenv("QUELLAN_GDI_OURS_OUTPUT");
    if (path == nullptr) {
        GTEST_SKIP() << "QUELLAN_GDI_OURS_OUTPUT not set";
    }
    std::ofstream out(path, std::ios::binary);
    for (const Case& c : ReferenceCases()) {
        out << CaseText(c);
    }
    ASSERT_TRUE(out.good());
}

TEST(GdiReferenceTest, TheReferenceRanEveryCaseOnce) {
    const CaseLines reference = ReferenceOutput();
    const std::vector<Case> cases = ReferenceCases();
    std::set<std::string> names;
    for (const Case& c : cases) {
        EXPECT_TRUE(names.insert(c.name).second) << "two cases named " << c.name;
        EXPECT_TRUE(reference.contains(c.name)) << "the reference build did not run " << c.name;
    }
    EXPECT_EQ(reference.size(), names.size());
}

TEST(GdiReferenceTest, EveryCaseAgreesWithTheReference) {
    const CaseLines reference = ReferenceOutput();
    ASSERT_FALSE(reference.empty()) << "no reference output at " << QUELLAN_GDI_REFERENCE_OUTPUT;
    for (const Case& c : ReferenceCases()) {
        const auto theirs = reference.find(c.name);
        if (theirs == reference.end()) {
            continue;
        }
        const std::string difference = FirstDifference(RunCase(c), theirs->second);
        const ExpectedDifference* expected = ExpectedDifferenceFor(c.name);
        if (expected == nullptr) {
            EXPECT_EQ(difference, "") << "case: " << c.name;
        } else {
            EXPECT_NE(difference, "") << c.name << " now agrees; its expected difference is stale";
        }
    }
}

TEST(GdiReferenceTest, EveryExpectedDifferenceNamesACaseAndAReason) {
    std::set<std::string> names;
    for (const Case& c : ReferenceCases()) {
        names.insert(c.name);
    }
    for (const ExpectedDifference& difference : kExpectedDifferences) {
        EXPECT_TRUE(names.contains(difference.caseName)) << difference.caseName;
        EXPECT_FALSE(difference.reason.empty()) << difference.caseName;
    }
}

TEST(GdiReferenceTest, TheCasesReleaseEverythingTheyCreate) {
    const GdiObjectCounts before = GdiLiveObjects();
    for (const Case& c : ReferenceCases()) {
        RunCase(c);
        ASSERT_EQ(GdiLiveObjects(), before) << c.name;
    }
}

}  // namespace
}  // namespace gdi_reference
