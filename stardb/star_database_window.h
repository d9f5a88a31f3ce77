// The star database window (designer name Form6), captioned "Star Database":
// browses the star catalogue, adds and deletes stars, and plots the chosen
// star on both diagram windows through a DiagramLink. Its three modes
// (browse, update, adding) live only in which buttons are visible.
#pragma once

#include "model/number_format.h"
#include "stardb/star_catalogue.h"

#include <QScopedValueRollback>
#include <QWidget>

#include <optional>

class QLabel;
class QLineEdit;
class QListView;
class QModelIndex;
class QPushButton;

namespace windows {
class DiagramLink;
}

namespace stardb {

class StarDatabaseWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr const char *kDesignerName = "Form6";

    explicit StarDatabaseWindow(windows::DiagramLink &diagrams);
    ~StarDatabaseWindow() override;

    // Update mode's buttons: add and del shown, ok and cancel hidden.
    void showUpdateButtons();
    // Adding's buttons: add, del and ex hidden, ok and cancel shown.
    void showAddingButtons();

    // The role under which a row of the star list keeps its record's bookmark.
    static constexpr int kBookmarkRole = stardb::kBookmarkRole;

private:
    // The star the boxes hold, its numbers read once: the current record's
    // stored values, under its name, while the boxes show them as stored;
    // otherwise what the user typed.
    struct ShownStar {
        std::optional<QString> storedName;
        model::TypedNumber temperature, magnitude;
    };

    void createControls();
    void connectControls();
    void load();
    void openCatalogue();
    void reopenIfItWasInUse();
    ShownStar shownStar() const;
    ShownStar typedStar() const;
    // Whether the typed temperature and magnitude can be plotted; if not, says
    // which one is wrong and puts the cursor there.
    bool acceptsTyped(const ShownStar &typed);

    // The handlers of the buttons and the list.
    void addStar();
    void saveNewStar();
    void cancelNewStar();
    void deleteStar();
    void startUpdate();
    void endUpdate();
    void plotStar();
    void closeDatabase();
    void chooseStar(const QModelIndex &row);

    // The bound controls follow the record set; the list is bound to it.
    void showCurrentRecord();
    // Runs a change of the record set's rows. The list moves its selection by
    // itself when the selected row goes; that is not the user choosing a star.
    template <class Change> bool rowsChanging(Change change)
    {
        const QScopedValueRollback<bool> quiet(m_selecting, true);
        return change();
    }
    void refreshData();
    void reportCatalogueError();

    windows::DiagramLink &m_diagrams;

    QListView *m_starList = nullptr; // each row carries its record's bookmark
    QLabel *m_nameLabel = nullptr, *m_temperatureLabel = nullptr, *m_magnitudeLabel = nullptr;
    QLineEdit *m_nameBox = nullptr; // "Star Name"
    QLineEdit *m_temperatureBox = nullptr; // "Avarage Surface Temperature"
    QLineEdit *m_magnitudeBox = nullptr; // "Absolute Magnitude"
    QPushButton *m_addButton = nullptr, *m_exitUpdateButton = nullptr, *m_deleteButton = nullptr,
                *m_plotButton = nullptr, *m_closeButton = nullptr, *m_updateButton = nullptr, *m_okButton = nullptr,
                *m_cancelButton = nullptr;

    // The data source: the record set the boxes and the list are bound to.
    StarRecordSet m_catalogue;
    bool m_selecting = false; // the window itself marks the current record
    ShownStar m_stored; // the current record as the boxes show it
    QString m_cataloguePath;
    StarRecordSet::Access m_catalogueAccess = StarRecordSet::Access::ReadWrite;
    bool m_catalogueInUse = false; // another program held it at the last opening
};

} // namespace stardb
