// The program's own folder and the files the program keeps there, by name:
// the one place that knows them.
#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// The star catalogue (an installed program works on the user's copy of the
// same name), the help file and the feedback message.
inline constexpr const char *kCatalogueFile = "stars.vlt";
inline constexpr const char *kHelpFile = "vlt.chm";
inline constexpr const char *kFeedbackFile = "fdbk.eml";

// The help file's name for a language ("" for English): "vlt.de.chm".
QString HelpFileFor(const QString &language);
// The help's web pages lie in this folder beside the program; the first page
// for a language ("" for English): "help/de/index.html".
inline constexpr const char *kHelpPagesFolder = "help";
QString HelpPagesFor(const QString &language);

// The program's own folder: the executable's folder unless a test set another.
QString ProgramFolder();
void SetProgramFolder(const QString &folder);

// The files the program itself uses: the program, the star catalogue beside
// it and the user's own copy, the help files and their web pages, and the
// feedback message.
QStringList ProgramOwnFiles();

} // namespace platform
