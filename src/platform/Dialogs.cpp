// The dialog service in use, and its scripted stand-in.
#include "platform/Dialogs.h"

#include "platform/Errors.h"

namespace kx {

namespace {

Dialogs*& current() {
    static Dialogs* d = nullptr;
    return d;
}

} // namespace

Dialogs& dlg() {
    Dialogs* d = current();
    // A message shown with no service to show it would vanish: the program installs one before
    // it makes its first window, and every test run installs a scripted one.
    if (!d) MissingService("dialog");
    return *d;
}

void InstallDialogs(Dialogs* d) { current() = d; }

void ScriptedDialogs::Message(const std::string& text, const std::string& caption) {
    shown.push_back({"message", text, caption});
}

bool ScriptedDialogs::Confirm(const std::string& text, const std::string& caption) {
    shown.push_back({"confirm", text, caption});
    if (confirmAnswers.empty()) return false;
    bool a = confirmAnswers.front();
    confirmAnswers.pop_front();
    return a;
}

std::string ScriptedDialogs::InputBox(const std::string& caption, const std::string& prompt,
                                      const std::string& defaultText) {
    shown.push_back({"input", prompt, caption});
    if (inputAnswers.empty()) return defaultText;
    auto a = inputAnswers.front();
    inputAnswers.pop_front();
    return a ? *a : defaultText;
}

std::optional<std::string> ScriptedDialogs::OpenFile(const std::string& title, const std::string&,
                                                     const std::string&) {
    shown.push_back({"open", title, title});
    if (fileAnswers.empty()) return std::nullopt;
    auto a = fileAnswers.front();
    fileAnswers.pop_front();
    return a;
}

std::optional<std::string> ScriptedDialogs::SaveFile(const std::string& title, const std::string&,
                                                     const std::string&, const std::string&,
                                                     const std::string& defaultExt) {
    shown.push_back({"save", title, title, defaultExt});
    if (fileAnswers.empty()) return std::nullopt;
    auto a = fileAnswers.front();
    fileAnswers.pop_front();
    return a;
}

std::vector<std::string> ScriptedDialogs::messages() const {
    std::vector<std::string> out;
    for (const auto& s : shown)
        if (s.kind == "message") out.push_back(s.text);
    return out;
}

ScopedScriptedDialogs::ScopedScriptedDialogs() : previous_(current()) { InstallDialogs(&d_); }

ScopedScriptedDialogs::~ScopedScriptedDialogs() { InstallDialogs(previous_); }

} // namespace kx
