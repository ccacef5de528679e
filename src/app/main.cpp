// Start-up: the application, its platform services and the start screen.
#include <QApplication>

#include "foundation/SharedModel.h"
#include "foundation/ui/Unit1.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "platform/QtCursor.h"
#include "platform/QtDialogs.h"
#include "platform/QtPrinter.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(kx::kAppTitle));
    QApplication::setApplicationDisplayName(QString::fromLatin1(kx::kAppTitle));

    kx::InitStartDir();
    kx::QtDialogs dialogs;
    kx::InstallDialogs(&dialogs);
    kx::QtCursor cursor;
    kx::InstallCursorService(&cursor);
    kx::QtPrinter printer;
    kx::InstallPrinter(&printer);

    kx::Model.CurrentLoadcase = 1;
    kx::Model.BeamFormShown = -1;

    kx::TForm1 startScreen;
    startScreen.show();
    int rc = QApplication::exec();

    kx::InstallPrinter(nullptr);
    kx::InstallCursorService(nullptr);
    kx::InstallDialogs(nullptr);
    return rc;
}
