// The Qt file dialogs themselves: what the Open dialog takes as a choice.
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <optional>
#include <string>

#include "TempDir.h"
#include "app/ProgramState.h"
#include "platform/QtDialogs.h"

using namespace kx;

namespace {

// The text of the message box that comes up while act runs, closed at once; "" when none does.
std::string MessageDuring(const std::function<void()>& act) {
    std::string text;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            text = box->text().toStdString();
            box->done(QMessageBox::Ok);
        }
    });
    poll.start();
    act();
    poll.stop();
    return text;
}

// Open takes only a file that is there: a name typed for one that is not is answered with a
// message and the dialog stays open; a file that is there is the choice.
TEST(QtDialogs, OpenTakesOnlyAFileThatIsThere) {
    ResetProgramState();
    TempDir dir;
    std::ofstream(dir.path("beam.kxf")) << "beam";
    struct Row {
        const char* typed;
        const char* message; // Qt's own words for a missing file
        bool accepted;
    };
    const Row rows[] = {
        {"missing.kxf", "missing.kxf\nFile not found.\nPlease verify the correct file name was given.",
         false},
        {"beam.kxf", "", true},
    };
    for (const Row& r : rows) {
        const auto d = MakeOpenDialog(nullptr, "Open", "Beam files|*.kxf|All files|*", dir.dir());
        d->show();
        QApplication::processEvents();
        auto* name = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        name->setText(QString::fromUtf8(r.typed)); // as typed in the name box
        EXPECT_EQ(MessageDuring([&] { static_cast<QDialog&>(*d).accept(); }), r.message) << r.typed;
        EXPECT_EQ(d->result() == QDialog::Accepted, r.accepted) << r.typed;
        EXPECT_EQ(d->isVisible(), !r.accepted) << r.typed;
        if (r.accepted) {
            EXPECT_EQ(d->selectedFiles(), QStringList{QString::fromStdString(dir.path(r.typed))});
        }
        d->close();
        QApplication::processEvents();
    }
}

// Open and Save run their dialog to its end: a cancel is no choice, a name typed and accepted is
// the file chosen (Save adding the default extension to a name without one).
TEST(QtDialogs, OpenAndSaveGiveTheFileChosenInTheDialogAndNothingOnCancel) {
    ResetProgramState();
    TempDir dir;
    std::ofstream(dir.path("beam.kxf")) << "beam";
    QtDialogs dialogs;
    struct Row {
        bool save;
        const char* typed; // null: cancelled
        std::optional<std::string> chosen;
    };
    const Row rows[] = {
        {false, nullptr, std::nullopt},
        {false, "beam.kxf", dir.path("beam.kxf")},
        {true, nullptr, std::nullopt},
        {true, "new", dir.path("new.kxf")},
    };
    for (const Row& r : rows) {
        int shown = 0;
        QTimer poll;
        poll.setInterval(10);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!d || !d->isVisible()) return;
            ++shown;
            if (!r.typed) {
                d->reject();
                return;
            }
            auto* name = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            ASSERT_NE(name, nullptr);
            name->setText(QString::fromUtf8(r.typed));
            static_cast<QDialog*>(d)->accept();
        });
        poll.start();
        const std::optional<std::string> got =
            r.save ? dialogs.SaveFile("Save", "Beam files|*.kxf", dir.dir(), "", "kxf")
                   : dialogs.OpenFile("Open", "Beam files|*.kxf|All files|*", dir.dir());
        poll.stop();
        EXPECT_EQ(got, r.chosen) << r.save << " " << (r.typed ? r.typed : "cancel");
        EXPECT_EQ(shown, 1) << r.save << " " << (r.typed ? r.typed : "cancel");
    }
}

} // namespace
