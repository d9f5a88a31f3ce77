#include "platform/scripted_desktop.h"

#include <QFileInfo>

namespace platform {

Answer ScriptedDesktop::message(QWidget *, const MessageRequest &request)
{
    messages.append(request);
    if (request.buttons == Buttons::Ok)
        return Answer::Ok;
    return answers.isEmpty() ? Answer::No : answers.dequeue();
}

QString ScriptedDesktop::saveFileName(QWidget *, const SaveRequest &request)
{
    saves.append(request);
    return fileNames.isEmpty() ? QString() : fileNames.dequeue();
}

Opened ScriptedDesktop::shellOpen(QWidget *owner, const QString &file, const QString &directory)
{
    opens.append({owner, file, directory});
    return openAnswers.value(QFileInfo(file).suffix().toLower(), Opened::Yes);
}

void ScriptedDesktop::clear()
{
    answers.clear();
    fileNames.clear();
    messages.clear();
    saves.clear();
    opens.clear();
    openAnswers.clear();
}

} // namespace platform
