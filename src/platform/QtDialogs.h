// Message boxes and file dialogs of the windows, behind the Dialogs service.
#pragma once

#include <QString>

#include "platform/Dialogs.h"

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
                                        const std::string& initialDir,
                                        const std::string& defaultName) override;
};

// Text between the core (single-byte Latin-1, "\r" between lines) and the windows.
QString ToQt(const std::string& latin1);
std::string FromQt(const QString& s);

} // namespace kx
