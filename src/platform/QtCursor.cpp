// Hourglass through the application's override cursor.
#include "platform/QtCursor.h"

#include <QApplication>
#include <QCursor>

namespace kx {

void QtCursor::ShowBusy() { QApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }

void QtCursor::Restore() { QApplication::restoreOverrideCursor(); }

} // namespace kx
