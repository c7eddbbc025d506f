#include "platform/forms/application.h"

#include <algorithm>
#include <system_error>

#include "platform/forms/form.h"
#include "platform/user/messaging.h"

namespace win::forms {

Application& App() {
    static Application application;
    return application;
}

std::filesystem::path Application::Executable() const {
    if (!executable_.empty()) {
        return executable_;
    }
    std::error_code error;
    auto path = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : path;
}

std::string Application::Path() const {
    std::string folder = Executable().parent_path().string();
    while (folder.size() > 1 && folder.back() == '/') {
        folder.pop_back();
    }
    return folder;
}

std::string Application::EXEName() const {
    return Executable().stem().string();
}

void Application::End() {
    if (ended_) {
        return;
    }
    auto hooks = std::move(endingHooks_);
    endingHooks_.clear();
    for (auto& hook : hooks) {
        hook();
    }
    ended_ = true;
    // Copy: destroying a window does not unregister a form, but be safe against it anyway.
    auto forms = forms_;
    for (Form* form : forms) {
        form->DiscardWindow();
    }
    PostQuitMessage(0);
}

void Application::Register(Form* form) {
    forms_.push_back(form);
}

void Application::Unregister(Form* form) {
    std::erase(forms_, form);
}

void Application::ResetForTesting() {
    ended_ = false;
    endingHooks_.clear();
    executable_.clear();
    title_ = "Quellan";
}

}  // namespace win::forms
