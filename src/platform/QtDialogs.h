// Message boxes and file dialogs of the windows, behind the Dialogs service.
#pragma once

#include <QString>
#include <memory>

#include "platform/Dialogs.h"

class QFileDialog;
class QWidget;

namespace kx {

class QtDialogs : public Dialogs {
public:
    void Message(const std::string& text, const std::string& caption = kAppTitle) override;
    bool Confirm(const std::string& text, const std::string& caption = kAppTitle) override;
    std::string InputBox(const std::string& caption, const std::string& prompt,
                         const std::string& defaultText) override;
    std::optional<std::string> OpenFile(const std::string& title, const std::string& filter,
                                        const std::string& initialDir) override;
    std::optional<std::string> SaveFile(const std::string& title, const std::string& filter,
                                        const std::string& initialDir, const std::string& defaultName,
                                        const std::string& defaultExt = "") override;
};

// The dialogs OpenFile and SaveFile run, before they run. Both are Qt's own dialog and tell the
// listed files apart by name and kind alone, never reading one.
// Open: the filter and the start folder; an existing file is to be chosen.
std::unique_ptr<QFileDialog> MakeOpenDialog(QWidget* parent, const std::string& title,
                                            const std::string& filter, const std::string& initialDir);
// Save: the filter, the start folder and name, and the default extension; it asks before an
// existing file is chosen.
std::unique_ptr<QFileDialog> MakeSaveDialog(QWidget* parent, const std::string& title,
                                            const std::string& filter, const std::string& initialDir,
                                            const std::string& defaultName, const std::string& defaultExt);

// Sets a box the program opens (a message, a dialog, the about box) to come up above every window
// kept on top, whichever window is active when it opens, so that the mouse reaches it.
void KeepAboveWindowsOnTop(QWidget* box);

// Text between the core (single-byte Latin-1, "\r" between lines) and the windows.
QString ToQt(const std::string& latin1);
std::string FromQt(const QString& s);
// A file path as the file dialogs give it, in the system's encoding (UTF-8).
QString PathToQt(const std::string& path);

} // namespace kx
