// Desktop services the windows ask for: message boxes, the file-save dialog and
// the shell's "open". Behind one interface so that tests can answer them.
#pragma once

#include <QString>

class QWidget;

namespace platform {

// Title of every message box whose text does not come with its own.
inline const QString kAppTitle = QStringLiteral("Veltrane");

enum class Icon { None, Critical, Question, Exclamation, Information };
enum class Buttons { Ok, YesNo };
enum class Answer { Ok, Yes, No };
// What came of asking the desktop to open a file.
enum class Opened { Yes, NoFile, NoProgram };

struct MessageRequest {
    QString text;
    QString title = kAppTitle;
    Icon icon = Icon::None;
    Buttons buttons = Buttons::Ok;
};

struct SaveRequest {
    // Filter list in the "description|pattern|description|pattern" form,
    // e.g. " Text files(*.txt)|*.txt".
    QString filter;
    int filterIndex = 1; // 1-based entry preselected
    QString folder; // folder the dialog opens in
    bool overwritePrompt = true;
};

class Desktop {
public:
    virtual ~Desktop() = default;
    virtual Answer message(QWidget *owner, const MessageRequest &request) = 0;
    // The chosen path, or an empty string when the user cancelled.
    virtual QString saveFileName(QWidget *owner, const SaveRequest &request) = 0;
    // Opens `file` (relative names resolve in `directory`) with the program the
    // desktop associates with it, and says whether one took it.
    virtual Opened shellOpen(QWidget *owner, const QString &file, const QString &directory) = 0;
};

} // namespace platform
