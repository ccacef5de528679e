// Qt message boxes, input boxes and file dialogs.
#include "platform/QtDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QInputDialog>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QString>

namespace kx {

QString ToQt(const std::string& latin1) {
    QString s = QString::fromLatin1(latin1.data(), static_cast<qsizetype>(latin1.size()));
    s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

std::string FromQt(const QString& s) {
    QByteArray b = s.toLatin1();
    return std::string(b.constData(), static_cast<std::size_t>(b.size()));
}

QString PathToQt(const std::string& path) {
    return QString::fromLocal8Bit(path.data(), static_cast<qsizetype>(path.size()));
}

namespace {

QWidget* parentWindow() { return QApplication::activeWindow(); }

// A modal box that came up under a window kept on top would leave the program deaf to the mouse.
template <class Box> int runAbove(Box& box) {
    KeepAboveWindowsOnTop(&box);
    return box.exec();
}

// "Beam files|*.kxf" becomes "Beam files (*.kxf)"; a description that already shows its
// pattern, "Beam files (*.kxf)|*.kxf", is taken as it stands.
QString qtFilter(const std::string& filter) {
    QString f = ToQt(filter);
    QStringList parts = f.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString shown = QLatin1Char('(') + parts[i + 1] + QLatin1Char(')');
        out << (parts[i].trimmed().endsWith(shown) ? parts[i].trimmed()
                                                   : parts[i] + QLatin1Char(' ') + shown);
    }
    return out.join(QStringLiteral(";;"));
}

// Icons and type names from a file's kind and name alone. Qt's own provider reads the start of
// each listed file to guess its type, which blocks for good on a file such as /proc/kmsg.
class NameOnlyIconProvider : public QFileIconProvider {
public:
    using QFileIconProvider::icon;
    QIcon icon(const QFileInfo& info) const override {
        return icon(info.isDir() ? QAbstractFileIconProvider::Folder : QAbstractFileIconProvider::File);
    }
    QString type(const QFileInfo& info) const override {
        return QMimeDatabase().mimeTypeForFile(info, QMimeDatabase::MatchExtension).comment();
    }
};

// The provider lives as long as its dialog.
class NameOnlyIcons : public QObject {
public:
    using QObject::QObject;
    NameOnlyIconProvider provider;
};

// Qt's own dialog, listing files by name and kind only (a native one may read them).
void ListByNameOnly(QFileDialog& d) {
    d.setOption(QFileDialog::DontUseNativeDialog);
    d.setIconProvider(&(new NameOnlyIcons(&d))->provider);
}

} // namespace

void KeepAboveWindowsOnTop(QWidget* box) { box->setWindowFlag(Qt::WindowStaysOnTopHint); }

void QtDialogs::Message(const std::string& text, const std::string& caption) {
    QMessageBox box(QMessageBox::Information, ToQt(caption), ToQt(text), QMessageBox::Ok, parentWindow());
    runAbove(box);
}

bool QtDialogs::Confirm(const std::string& text, const std::string& caption) {
    QMessageBox box(QMessageBox::Question, ToQt(caption), ToQt(text), QMessageBox::Yes | QMessageBox::No,
                    parentWindow());
    return runAbove(box) == QMessageBox::Yes;
}

std::string QtDialogs::InputBox(const std::string& caption, const std::string& prompt,
                                const std::string& defaultText) {
    QInputDialog box(parentWindow());
    box.setWindowTitle(ToQt(caption));
    box.setLabelText(ToQt(prompt));
    box.setTextEchoMode(QLineEdit::Normal);
    box.setTextValue(ToQt(defaultText));
    return runAbove(box) == QDialog::Accepted ? FromQt(box.textValue()) : defaultText;
}

std::unique_ptr<QFileDialog> MakeOpenDialog(QWidget* parent, const std::string& title,
                                            const std::string& filter, const std::string& initialDir) {
    auto d = std::make_unique<QFileDialog>(parent, ToQt(title), ToQt(initialDir), qtFilter(filter));
    d->setAcceptMode(QFileDialog::AcceptOpen);
    d->setFileMode(QFileDialog::ExistingFile);
    ListByNameOnly(*d);
    return d;
}

namespace {

// The chosen file of a dialog run to its end; nothing when it was cancelled.
std::optional<std::string> chosenFile(QFileDialog& d) {
    if (runAbove(d) != QDialog::Accepted || d.selectedFiles().isEmpty()) return std::nullopt;
    const QString f = d.selectedFiles().constFirst();
    if (f.isEmpty()) return std::nullopt;
    return std::string(f.toLocal8Bit().constData());
}

} // namespace

std::optional<std::string> QtDialogs::OpenFile(const std::string& title, const std::string& filter,
                                               const std::string& initialDir) {
    return chosenFile(*MakeOpenDialog(parentWindow(), title, filter, initialDir));
}

std::unique_ptr<QFileDialog> MakeSaveDialog(QWidget* parent, const std::string& title,
                                            const std::string& filter, const std::string& initialDir,
                                            const std::string& defaultName, const std::string& defaultExt) {
    QString start = ToQt(initialDir);
    if (!defaultName.empty())
        start += (start.isEmpty() ? QString() : QStringLiteral("/")) + ToQt(defaultName);
    auto d = std::make_unique<QFileDialog>(parent, ToQt(title), start, qtFilter(filter));
    d->setAcceptMode(QFileDialog::AcceptSave);
    d->setFileMode(QFileDialog::AnyFile);
    // The extension is added before the dialog checks for an existing file, so a name typed
    // without it is asked about when it would replace a file.
    if (!defaultExt.empty()) d->setDefaultSuffix(ToQt(defaultExt));
    ListByNameOnly(*d);
    return d;
}

std::optional<std::string> QtDialogs::SaveFile(const std::string& title, const std::string& filter,
                                               const std::string& initialDir, const std::string& defaultName,
                                               const std::string& defaultExt) {
    return chosenFile(*MakeSaveDialog(parentWindow(), title, filter, initialDir, defaultName, defaultExt));
}

} // namespace kx
