#pragma once

// The application object: where the program lives, its title, the forms it has, and the one
// way to end it at once.

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace win::forms {

class Form;

class Application {
public:
    // The executable's folder, without a trailing separator.
    std::string Path() const;
    // The executable's file name without its extension.
    std::string EXEName() const;
    const std::string& Title() const { return title_; }
    void SetTitle(std::string title) { title_ = std::move(title); }
    // Normally found from the running process; tests name one.
    void SetExecutablePath(std::filesystem::path path) { executable_ = std::move(path); }

    // Runs the ending hooks, destroys every form's window without any of the forms' handlers,
    // and asks the message loop to quit. From then on no form handler runs.
    void End();
    bool Ended() const { return ended_; }
    // Runs at End, before the windows go (the last moment to save something).
    void AddEndingHook(std::function<void()> hook) { endingHooks_.push_back(std::move(hook)); }

    // Forms register themselves while they exist.
    void Register(Form* form);
    void Unregister(Form* form);
    const std::vector<Form*>& Forms() const { return forms_; }

    // Back to a fresh start: tests run many programs in one process.
    void ResetForTesting();

private:
    std::filesystem::path Executable() const;

    std::string title_ = "Quellan";
    std::filesystem::path executable_;
    bool ended_ = false;
    std::vector<std::function<void()>> endingHooks_;
    std::vector<Form*> forms_;
};

Application& App();

}  // namespace win::forms
