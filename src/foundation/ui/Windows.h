// What every window does as it is made and shown: its name and caption, its place, its showing.
#pragma once

#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QObject;
class QRadioButton;
class QWidget;

namespace kx {

// Names a control as the windows' code and the tests find it, and hands it back.
void NameObject(QObject* o, const std::string& name);
template <class W> W* Named(W* w, const std::string& name) {
    NameObject(w, name);
    return w;
}

// The small controls the windows are built of, placed at (x, y) and w wide where placed.
// A caption the code never reads again.
QLabel* text(QWidget* parent, const std::string& caption, int x, int y, int w, int h = 22);
// A caption or a shown value, named.
QLabel* label(QWidget* parent, const std::string& name, const std::string& caption, int x, int y, int w,
              int h = 22);
// A named option button, laid out by its group.
QRadioButton* radio(QWidget* parent, const std::string& name, const std::string& caption);
// The same, placed 22 high.
QRadioButton* radio(QWidget* parent, const std::string& name, const std::string& caption, int x, int y,
                    int w);

// Replaces a list's lines.
void FillList(QListWidget* list, const std::vector<std::string>& lines);

// Shows a window non-modally, or brings it forward when it is already visible.
void ShowForm(QWidget* w);
// Names and captions a window as it is made.
void InitForm(QWidget* w, const char* objectName, const char* caption);
// Places a window in the middle of its screen.
void CentreOnScreen(QWidget* w);

} // namespace kx
