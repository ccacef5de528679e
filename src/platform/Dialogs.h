// Message boxes, confirmations, input boxes and file dialogs, as a replaceable service.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace kx {

// The title the program shows on its windows and message boxes.
inline constexpr const char* kAppTitle = "KX-Flexor";

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A message with an OK button. Lines are separated by "\r".
    virtual void Message(const std::string& text, const std::string& caption = kAppTitle) = 0;
    // A question with Yes and No; true for Yes.
    virtual bool Confirm(const std::string& text, const std::string& caption = kAppTitle) = 0;
    // A one-line text entry; Cancel gives back the default text.
    virtual std::string InputBox(const std::string& caption, const std::string& prompt,
                                 const std::string& defaultText) = 0;
    // A file chooser; nothing when the user cancels. filter is "Description|*.ext".
    virtual std::optional<std::string> OpenFile(const std::string& title, const std::string& filter,
                                                const std::string& initialDir) = 0;
    // defaultExt (without the dot), when given, is added to a chosen name that has no extension,
    // and an existing file of the completed name is asked about before it is chosen.
    virtual std::optional<std::string> SaveFile(const std::string& title, const std::string& filter,
                                                const std::string& initialDir, const std::string& defaultName,
                                                const std::string& defaultExt = "") = 0;
};

// The service in use. Used before one is installed, it stops the program with a line on stderr:
// a message with nothing to show it would be lost.
Dialogs& dlg();
void InstallDialogs(Dialogs* d);

// Records every message and answers from queues; for tests and for runs without a screen.
class ScriptedDialogs : public Dialogs {
public:
    struct Shown {
        std::string kind; // "message", "confirm", "input", "open", "save"
        std::string text;
        std::string caption;
        std::string defaultExt = ""; // of a save dialog
    };

    void Message(const std::string& text, const std::string& caption = kAppTitle) override;
    bool Confirm(const std::string& text, const std::string& caption = kAppTitle) override;
    std::string InputBox(const std::string& caption, const std::string& prompt,
                         const std::string& defaultText) override;
    std::optional<std::string> OpenFile(const std::string& title, const std::string& filter,
                                        const std::string& initialDir) override;
    std::optional<std::string> SaveFile(const std::string& title, const std::string& filter,
                                        const std::string& initialDir, const std::string& defaultName,
                                        const std::string& defaultExt = "") override;

    // Answers, used in order; an empty queue answers No, the default text, or cancel.
    std::deque<bool> confirmAnswers;
    std::deque<std::optional<std::string>> inputAnswers;
    std::deque<std::optional<std::string>> fileAnswers;

    std::vector<Shown> shown;
    // The texts of the plain messages only, in order.
    std::vector<std::string> messages() const;
    void clear() { shown.clear(); }
};

// Installs a ScriptedDialogs for the life of a scope and puts the previous service back.
class ScopedScriptedDialogs {
public:
    ScopedScriptedDialogs();
    ~ScopedScriptedDialogs();
    ScopedScriptedDialogs(const ScopedScriptedDialogs&) = delete;
    ScopedScriptedDialogs& operator=(const ScopedScriptedDialogs&) = delete;
    ScriptedDialogs* operator->() { return &d_; }
    ScriptedDialogs& operator*() { return d_; }

private:
    ScriptedDialogs d_;
    Dialogs* previous_;
};

} // namespace kx
