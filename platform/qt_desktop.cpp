#include "platform/qt_desktop.h"

#include "platform/desktop_programs.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

namespace platform {

Answer QtDesktop::message(QWidget *owner, const MessageRequest &request)
{
    QMessageBox box(owner);
    box.setWindowTitle(request.title);
    box.setText(request.text);
    switch (request.icon) {
    case Icon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case Icon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case Icon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case Icon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case Icon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    }
    if (request.buttons == Buttons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return Answer::Ok;
}

QStringList QtNameFilters(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        if (patterns == QLatin1String("*.*"))
            patterns = QStringLiteral("*");
        // "Text files(*.txt)" names its pattern already, as Qt reads it.
        if (parts[i].endsWith(QLatin1Char('(') + patterns + QLatin1Char(')')))
            filters << parts[i];
        else
            filters << QStringLiteral("%1 (%2)").arg(parts[i], patterns);
    }
    return filters;
}

QString QtDesktop::saveFileName(QWidget *owner, const SaveRequest &request)
{
    QFileDialog dialog(owner);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDirectory(request.folder);
    const QStringList filters = QtNameFilters(request.filter);
    dialog.setNameFilters(filters);
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
        dialog.selectNameFilter(filters.at(request.filterIndex - 1));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);
    // The name is used exactly as typed: no default suffix.
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

Opened QtDesktop::shellOpen(QWidget *, const QString &file, const QString &directory)
{
    const QFileInfo info(QDir(directory), file);
    if (!info.isFile())
        return Opened::NoFile;
    // The launcher Qt hands the file to (xdg-open) starts whether or not any
    // program takes the file, and then fails unseen: the desktop's own list
    // of programs for the file's type is asked first.
    if (!HasProgramFor(info.absoluteFilePath()))
        return Opened::NoProgram;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath())) ? Opened::Yes : Opened::NoProgram;
}

} // namespace platform
