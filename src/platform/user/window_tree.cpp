#include "platform/user/window_tree.h"

#include <algorithm>
#include <vector>

#include "platform/user/class_registry.h"
#include "platform/user/session.h"

namespace win {

namespace {

user::Window* Find(HWND hWnd) {
    user::Session* session = user::Current();
    return session ? session->Get(hWnd) : nullptr;
}

void CollectDescendants(const user::Session& session, const user::Window& window,
                        std::vector<HWND>& out) {
    for (HWND child : window.children) {
        if (const user::Window* found = session.Get(child)) {
            out.push_back(child);
            CollectDescendants(session, *found, out);
        }
    }
}

const std::vector<HWND>* SiblingsOf(const user::Session& session, const user::Window& window) {
    if (!window.IsChild()) {
        return &session.topLevels;
    }
    const user::Window* parent = session.Get(window.parent);
    return parent ? &parent->children : nullptr;
}

}  // namespace

HWND GetParent(HWND hWnd) {
    const user::Window* window = Find(hWnd);
    if (window == nullptr) {
        return nullptr;
    }
    return window->IsChild() ? window->parent : window->owner;
}

HWND GetAncestor(HWND hwnd, UINT gaFlags) {
    user::Session* session = user::Current();
    user::Window* window = Find(hwnd);
    if (window == nullptr) {
        return nullptr;
    }
    switch (gaFlags) {
        case GA_PARENT:
            return window->IsChild() ? window->parent : nullptr;
        case GA_ROOT:
            while (window->IsChild() && session->Get(window->parent)) {
                window = session->Get(window->parent);
            }
            return window->handle;
        case GA_ROOTOWNER: {
            HWND root = GetAncestor(hwnd, GA_ROOT);
            while (user::Window* found = session->Get(root)) {
                if (!found->owner || !session->Get(found->owner)) {
                    break;
                }
                root = GetAncestor(found->owner, GA_ROOT);
            }
            return root;
        }
        default:
            return nullptr;
    }
}

HWND GetWindow(HWND hWnd, UINT uCmd) {
    user::Session* session = user::Current();
    const user::Window* window = Find(hWnd);
    if (window == nullptr) {
        return nullptr;
    }
    if (uCmd == GW_OWNER) {
        return window->IsChild() ? HWND{} : window->owner;
    }
    if (uCmd == GW_CHILD) {
        return window->children.empty() ? HWND{} : window->children.front();
    }
    const std::vector<HWND>* siblings = SiblingsOf(*session, *window);
    if (siblings == nullptr || siblings->empty()) {
        return nullptr;
    }
    const auto self = std::find(siblings->begin(), siblings->end(), hWnd);
    switch (uCmd) {
        case GW_HWNDFIRST:
            return siblings->front();
        case GW_HWNDLAST:
            return siblings->back();
        case GW_HWNDNEXT:
            return (self == siblings->end() || self + 1 == siblings->end()) ? HWND{} : *(self + 1);
        case GW_HWNDPREV:
            return (self == siblings->end() || self == siblings->begin()) ? HWND{} : *(self - 1);
        default:
            return nullptr;
    }
}

bool IsChild(HWND hWndParent, HWND hWnd) {
    user::Session* session = user::Current();
    const user::Window* window = Find(hWnd);
    while (window != nullptr && window->IsChild()) {
        if (window->parent == hWndParent) {
            return true;
        }
        window = session->Get(window->parent);
    }
    return false;
}

bool EnumChildWindows(HWND hWndParent, const WNDENUMPROC& lpEnumFunc, LPARAM lParam) {
    user::Session* session = user::Current();
    const user::Window* parent = Find(hWndParent);
    if (parent == nullptr || !lpEnumFunc) {
        return false;
    }
    std::vector<HWND> descendants;
    CollectDescendants(*session, *parent, descendants);
    for (HWND child : descendants) {
        if (session->Get(child) != nullptr && !lpEnumFunc(child, lParam)) {
            return false;
        }
    }
    return true;
}

bool EnumWindows(const WNDENUMPROC& lpEnumFunc, LPARAM lParam) {
    user::Session* session = user::Current();
    if (session == nullptr || !lpEnumFunc) {
        return false;
    }
    const std::vector<HWND> topLevels = session->topLevels;
    for (HWND window : topLevels) {
        if (session->Get(window) != nullptr && !lpEnumFunc(window, lParam)) {
            return false;
        }
    }
    return true;
}

HWND FindWindow(std::string_view lpClassName, std::string_view lpWindowName) {
    user::Session* session = user::Current();
    if (session == nullptr) {
        return nullptr;
    }
    const std::string className = user::LowerCase(lpClassName);
    for (HWND handle : session->topLevels) {
        const user::Window* window = session->Get(handle);
        if (window == nullptr) {
            continue;
        }
        const bool classMatches =
            className.empty() ||
            user::LowerCase(window->windowClass->info.lpszClassName) == className;
        const bool titleMatches = lpWindowName.empty() || window->text == lpWindowName;
        if (classMatches && titleMatches) {
            return handle;
        }
    }
    return nullptr;
}

}  // namespace win
