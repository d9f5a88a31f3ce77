// Where the star catalogue lives. An installed program (one running from its
// installation folder, such as /usr/lib/veltrane) works on the user's own copy
// in the user's data folder, whoever runs it: the catalogue beside it belongs
// to the package, and an upgrade would replace what even root added to it. The
// shipped catalogue is copied there the first time it is needed. A portable
// copy (the build tree, a copied folder) keeps its catalogue beside it, unless
// it cannot write its folder, when it too works on the user's copy.
#pragma once

#include <QString>
#include <QStringList>

namespace stardb {

struct CataloguePlace {
    QString path; // the catalogue to open
    // The user's copy could not be made: the shipped catalogue is only browsed.
    bool readOnly = false;
    // Why the user's copy could not be made, a sentence for the user; empty
    // when no copy was needed or the copy was made.
    QString error;
    friend bool operator==(const CataloguePlace &, const CataloguePlace &) = default;
};

// Whether the program may keep its catalogue in this folder. Judged, like a
// read-only catalogue file, by the folder's own write bit as well, so a folder
// marked read-only counts as such even for a user the system lets write.
bool IsWritableFolder(const QString &folder);

// The folders an installed program runs from, fixed when it is built:
// <prefix>/lib/veltrane for the installation prefix it was configured with and
// for the prefix of its Debian package (/usr).
QStringList InstalledProgramFolders();

// Whether `programFolder` is one of `installedFolders`, links resolved.
bool IsInstalledProgramFolder(const QString &programFolder, const QStringList &installedFolders);

// The catalogue to open for this program folder and user data folder (the
// latter is created when the copy is made). The first-time copy goes to a
// temporary name and is linked into place only when complete, and a copy that
// is already there is never replaced. A missing shipped catalogue is not
// copied: its own path comes back, for the open to report as missing.
CataloguePlace CatalogueLocation(const QString &programFolder, const QString &userDataFolder);
// The same with the installed program folders given.
CataloguePlace CatalogueLocation(
    const QString &programFolder, const QStringList &installedFolders, const QString &userDataFolder);
// The same with the decision given: whether the catalogue beside the program
// is used (a portable copy that can write its folder) or the user's copy.
CataloguePlace CatalogueLocation(const QString &programFolder, bool besideProgram, const QString &userDataFolder);

} // namespace stardb
