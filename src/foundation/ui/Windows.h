// What every window does as it is made and shown: its name and caption, its place, its showing.
#pragma once

#include <string>
#include <vector>

class QListWidget;
class QObject;
class QWidget;

namespace kx {

// Names a control as the windows' code and the tests find it, and hands it back.
void NameObject(QObject* o, const std::string& name);
template <class W> W* Named(W* w, const std::string& name) {
    NameObject(w, name);
    return w;
}

// Replaces a list's lines.
void FillList(QListWidget* list, const std::vector<std::string>& lines);

// Shows a window non-modally, or brings it forward when it is already visible.
void ShowForm(QWidget* w);
// Names and captions a window as it is made.
void InitForm(QWidget* w, const char* objectName, const char* caption);
// Places a window in the middle of its screen.
void CentreOnScreen(QWidget* w);

} // namespace kx
