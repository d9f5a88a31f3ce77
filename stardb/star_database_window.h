// StarDatabaseWindow: the star database window. Browses the star catalogue, adds and
// deletes stars, and plots the chosen star on both diagram windows. Its three
// modes (browse, update, adding) live only in which buttons are visible.
#pragma once

#include "stardb/star_catalogue.h"

#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace stardb {

class StarDatabaseWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr const char *kDesignerName = "Form6";

    StarDatabaseWindow();
    ~StarDatabaseWindow() override;

    // Update mode's buttons: add and del shown, ok and cancel hidden.
    void ShowButtons();
    // Adding's buttons: add, del and ex hidden, ok and cancel shown.
    void HideButtons();

    QGroupBox *Frame1 = nullptr, *Frame2 = nullptr;
    QListWidget *DBList1 = nullptr; // each row carries its record's bookmark
    QLabel *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr;
    QLineEdit *Text1 = nullptr; // "Avarage Surface Temperature"
    QLineEdit *Text2 = nullptr; // "Absolute Magnitude"
    QLineEdit *Text3 = nullptr; // "Star Name"
    QPushButton *add = nullptr, *ex = nullptr, *del = nullptr, *plot = nullptr, *Clse = nullptr, *upd = nullptr,
                *ok = nullptr, *cancel = nullptr;

    // The data source: the record set the boxes and the list are bound to.
    stardb::StarRecordSet Data1;

    void add_Click();
    void ok_Click();
    void cancel_Click();
    void del_Click();
    void upd_Click();
    void ex_Click();
    void plot_Click();
    void Clse_Click();
    void DBList1_Click(QListWidgetItem *item);

    // The role under which a list row keeps its bookmark.
    static constexpr int kBookmarkRole = Qt::UserRole;

private:
    void createControls();
    void connectControls();
    void Form_Load();
    void openCatalogue();
    void reopenIfItWasInUse();
    // Whether the typed temperature and magnitude can be plotted; if not, says
    // which one is wrong and puts the cursor there.
    bool acceptsNumbers();

    // The bound controls follow the record set.
    void showCurrentRecord();
    void fillList();
    void refreshData();
    void reportCatalogueError();

    bool m_filling = false;
    QString m_cataloguePath;
    stardb::StarRecordSet::Access m_catalogueAccess = stardb::StarRecordSet::Access::ReadWrite;
    bool m_catalogueInUse = false; // another program held it at the last opening
};

} // namespace stardb
