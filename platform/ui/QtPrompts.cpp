#include "QtPrompts.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace
{
QMessageBox::StandardButtons standardButtons(Prompts::Buttons buttons)
{
    switch (buttons) {
    case Prompts::Buttons::Ok:
        return QMessageBox::Ok;
    case Prompts::Buttons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case Prompts::Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case Prompts::Buttons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon messageIcon(Prompts::Icon icon)
{
    switch (icon) {
    case Prompts::Icon::None:
        return QMessageBox::NoIcon;
    case Prompts::Icon::Question:
        return QMessageBox::Question;
    case Prompts::Icon::Warning:
        return QMessageBox::Warning;
    case Prompts::Icon::Information:
        return QMessageBox::Information;
    case Prompts::Icon::Error:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

int answerOf(int clicked)
{
    switch (clicked) {
    case QMessageBox::Ok:
        return Prompts::IdOk;
    case QMessageBox::Yes:
        return Prompts::IdYes;
    case QMessageBox::No:
        return Prompts::IdNo;
    default:
        return Prompts::IdCancel;
    }
}
}

int QtPrompts::message(const Message& message)
{
    const QString caption = captionOf(message);
    QMessageBox box(messageIcon(message.icon), caption, message.text, standardButtons(message.buttons), message.owner);
    // Qt puts the application name on an empty title; a space keeps it empty.
    if (caption.isEmpty())
        box.setWindowTitle(QStringLiteral(" "));
    return answerOf(box.exec());
}

std::optional<QString> QtPrompts::file(const FileDialog& dialog)
{
    QFileDialog box(dialog.owner, dialog.title, QString(), translateFileFilter(dialog.filter));
    box.setAcceptMode(dialog.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    box.setFileMode(dialog.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    box.setDefaultSuffix(dialog.defaultExt);
    box.setOption(QFileDialog::DontConfirmOverwrite, !dialog.confirmOverwrite);
    if (!dialog.initialName.isEmpty())
        box.selectFile(dialog.initialName);
    if (box.exec() != QDialog::Accepted || box.selectedFiles().isEmpty())
        return std::nullopt;
    return box.selectedFiles().first();
}

void QtPrompts::openHelp(const QUrl& url)
{
    QDesktopServices::openUrl(url);
}

bool QtPrompts::choosePrinter(QPrinter& printer, QWidget* owner)
{
    QPrintDialog dialog(&printer, owner);
    return dialog.exec() == QDialog::Accepted;
}
