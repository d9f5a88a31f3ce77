// A desktop for tests: records every request and answers from a script
// instead of blocking on a dialog.
#pragma once

#include "platform/desktop.h"

#include <QHash>
#include <QList>
#include <QPointer>
#include <QQueue>
#include <QWidget>

namespace platform {

class ScriptedDesktop final : public Desktop {
public:
    struct ShellCall {
        QPointer<QWidget> owner;
        QString file;
        QString directory;
    };

    Answer message(QWidget *owner, const MessageRequest &request) override;
    QString saveFileName(QWidget *owner, const SaveRequest &request) override;
    Opened shellOpen(QWidget *owner, const QString &file, const QString &directory) override;

    // Answers to Yes/No questions, taken in order; No when the queue is empty.
    QQueue<Answer> answers;
    // Names the save dialog returns, taken in order; "" (cancel) when empty.
    QQueue<QString> fileNames;
    // What opening a file of a type ("chm", "html") comes to; a program takes
    // every other file.
    QHash<QString, Opened> openAnswers;

    QList<MessageRequest> messages;
    QList<SaveRequest> saves;
    QList<ShellCall> opens;

    void clear();
};

} // namespace platform
