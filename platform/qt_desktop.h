// The real desktop: QMessageBox, QFileDialog and QDesktopServices.
#pragma once

#include "platform/desktop.h"

#include <QStringList>

namespace platform {

class QtDesktop final : public Desktop {
public:
    Answer message(QWidget *owner, const MessageRequest &request) override;
    QString saveFileName(QWidget *owner, const SaveRequest &request) override;
    Opened shellOpen(QWidget *owner, const QString &file, const QString &directory) override;
};

// Qt's name-filter form: " Text files(*.txt)|*.txt" -> {" Text files(*.txt)"},
// "Pictures|*.bmp;*.png" -> {"Pictures (*.bmp *.png)"}; "*.*" is every file, "*".
QStringList QtNameFilters(const QString &filter);

} // namespace platform
