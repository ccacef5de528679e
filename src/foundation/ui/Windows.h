// What every window does as it is made and shown: its name and caption, its place, its showing.
#pragma once

class QWidget;

namespace kx {

// Shows a window non-modally, or brings it forward when it is already visible.
void ShowForm(QWidget* w);
// Names and captions a window as it is made.
void InitForm(QWidget* w, const char* objectName, const char* caption);
// Places a window in the middle of its screen.
void CentreOnScreen(QWidget* w);

} // namespace kx
