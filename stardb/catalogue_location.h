// Where the star catalogue lives. Beside the program when its folder can be
// written (the build tree, a portable copy); otherwise, as for a package
// installed under /usr/lib/veltrane, in the user's own data folder, where the
// catalogue shipped with the program is copied the first time it is needed.
#pragma once

#include <QString>

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

// The catalogue to open for this program folder and user data folder (the
// latter is created when the copy is made). The first-time copy goes to a
// temporary name and is linked into place only when complete, and a copy that
// is already there is never replaced. A missing shipped catalogue is not
// copied: its own path comes back, for the open to report as missing.
CataloguePlace CatalogueLocation(const QString &programFolder, const QString &userDataFolder);
// The same with the program folder's writability given rather than looked up.
CataloguePlace CatalogueLocation(
    const QString &programFolder, bool programFolderWritable, const QString &userDataFolder);

} // namespace stardb
