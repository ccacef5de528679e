// Start-up: the application, its platform services, every window, and the start screen.
#include <QApplication>

#include "app/Forms.h"
#include "app/ProgramState.h"
#include "foundation/ui/Unit1.h"
#include "platform/Dialogs.h"
#include "platform/QtClock.h"
#include "platform/QtCursor.h"
#include "platform/QtDialogs.h"
#include "platform/QtPrinter.h"
#include "window/ResultListings.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(kx::kAppTitle));

    kx::QtDialogs dialogs;
    kx::InstallDialogs(&dialogs);
    kx::QtCursor cursor;
    kx::InstallCursorService(&cursor);
    kx::QtPrinter printer;
    kx::InstallPrinter(&printer);
    kx::QtClock clock;
    kx::InstallClock(&clock);
    kx::ResultListings listings;
    kx::InstallAnalysisListings(&listings);

    kx::ResetProgramState();
    // The start screen's creation records the start-up directory; the preferences, made third,
    // then read the units settings file from it.
    kx::CreateForms();
    kx::Forms.Form1->show();
    int rc = QApplication::exec();
    kx::DestroyForms();

    kx::InstallAnalysisListings(nullptr);
    kx::InstallClock(nullptr);
    kx::InstallPrinter(nullptr);
    kx::InstallCursorService(nullptr);
    kx::InstallDialogs(nullptr);
    return rc;
}
