#include "stardb/star_database_window.h"

#include "diagram/general_diagram_window.h"
#include "diagram/main_sequence_window.h"
#include "model/diagram_steps.h"
#include "model/number_format.h"
#include "platform/common_controls.h"
#include "platform/widget_helpers.h"
#include "stardb/catalogue_location.h"
#include "stardb/catalogue_numbers.h"
#include "windows/dialogs.h"
#include "windows/window_registry.h"

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStandardPaths>

namespace stardb {

using platform::Buttons;
using platform::Icon;

namespace {

constexpr QSize kClient(574, 281);

struct ButtonDesign {
    QPushButton *StarDatabaseWindow::*member;
    const char *name;
    const char *caption;
    const char *tip;
    QRect geometry;
    bool visible;
};

const ButtonDesign kButtons[] = {
    {&StarDatabaseWindow::add, "add", "&Add", "Click if you want to add data in database", {200, 152, 105, 33}, false},
    {&StarDatabaseWindow::ex, "ex", "&Exit", "Exit update", {320, 152, 105, 33}, false},
    {&StarDatabaseWindow::del, "del", "&Delete", "Delete any entry from the database", {440, 152, 105, 33}, false},
    {&StarDatabaseWindow::plot, "plot", "&Plot ", "Click to plot the data in Q-T diagram", {200, 192, 105, 33}, true},
    {&StarDatabaseWindow::Clse, "Clse", "Clo&se", "Close the database", {320, 192, 105, 33}, true},
    {&StarDatabaseWindow::upd, "upd", "&Update Database", "Click to update database", {440, 192, 105, 33}, true},
    {&StarDatabaseWindow::ok, "ok", "&OK", "Submit the data", {200, 232, 105, 33}, false},
    {&StarDatabaseWindow::cancel, "cancel", "&Cancel", "Cancel update", {440, 232, 105, 33}, false},
};

template <class W> W *named(W *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

StarDatabaseWindow::StarDatabaseWindow()
{
    // Form_Initialize.
    platform::InitCommonControls();
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("Star Database"));
    setFont(platform::DialogFont());
    setFixedSize(kClient);
    platform::CentreOnScreen(this);

    createControls();
    connectControls();
    Form_Load();
}

// The data source closes with the window.
StarDatabaseWindow::~StarDatabaseWindow() = default;

void StarDatabaseWindow::createControls()
{
    Frame2 = named(new QGroupBox(QStringLiteral("STAR NAME"), this), "Frame2");
    Frame2->setGeometry(8, 8, 177, 265);
    DBList1 = named(new QListWidget(Frame2), "DBList1");
    DBList1->setGeometry(8, 32, 161, 225);
    DBList1->setSelectionMode(QAbstractItemView::SingleSelection);

    Frame1 = named(new QGroupBox(QStringLiteral("DATA"), this), "Frame1");
    Frame1->setGeometry(192, 8, 377, 129);
    const QFont labelFont = platform::LayoutFont(QStringLiteral("Arial"), 8.25, true);
    const auto label = [this, &labelFont](const char *name, const QString &caption, const QRect &geometry) {
        QLabel *l = named(new QLabel(caption, Frame1), name);
        l->setFont(labelFont);
        l->setGeometry(geometry);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return l;
    };
    const auto box = [this](const char *name, const QRect &geometry) {
        QLineEdit *b = named(new QLineEdit(Frame1), name);
        b->setGeometry(geometry);
        return b;
    };
    Label4 = label("Label4", QStringLiteral("Star Name"), {8, 16, 97, 25});
    Text3 = box("Text3", {216, 16, 153, 25});
    Label2 = label("Label2", QStringLiteral("Avarage Surface Temperature (K)"), {8, 56, 185, 25});
    Text1 = box("Text1", {216, 56, 153, 25});
    Label3 = label("Label3", QStringLiteral("Absolute Magnitude"), {8, 96, 129, 25});
    Text2 = box("Text2", {216, 96, 153, 25});
    Label4->hide();
    Text3->hide();

    for (const ButtonDesign &design : kButtons) {
        auto *button = named(new QPushButton(QString::fromLatin1(design.caption), this), design.name);
        button->setToolTip(QString::fromLatin1(design.tip));
        button->setGeometry(design.geometry);
        button->setAutoDefault(false);
        button->setVisible(design.visible);
        this->*design.member = button;
    }

    setTabOrder(plot, upd);
    setTabOrder(upd, add);
    setTabOrder(add, ok);
    setTabOrder(ok, del);
    setTabOrder(del, cancel);
    setTabOrder(cancel, ex);
    setTabOrder(ex, Clse);
    setTabOrder(Clse, Text3);
    setTabOrder(Text3, Text2);
    setTabOrder(Text2, Text1);
    setTabOrder(Text1, DBList1);
}

void StarDatabaseWindow::connectControls()
{
    connect(add, &QPushButton::clicked, this, &StarDatabaseWindow::add_Click);
    connect(ok, &QPushButton::clicked, this, &StarDatabaseWindow::ok_Click);
    connect(cancel, &QPushButton::clicked, this, &StarDatabaseWindow::cancel_Click);
    connect(del, &QPushButton::clicked, this, &StarDatabaseWindow::del_Click);
    connect(upd, &QPushButton::clicked, this, &StarDatabaseWindow::upd_Click);
    connect(ex, &QPushButton::clicked, this, &StarDatabaseWindow::ex_Click);
    connect(plot, &QPushButton::clicked, this, &StarDatabaseWindow::plot_Click);
    connect(Clse, &QPushButton::clicked, this, &StarDatabaseWindow::Clse_Click);
    // The selection, not the current row, follows the user: a list that takes
    // the focus makes its first row current without anyone choosing it. A
    // click on the selected row shows its stored fields again.
    connect(DBList1, &QListWidget::itemClicked, this, &StarDatabaseWindow::DBList1_Click);
    connect(DBList1, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem *> selected = DBList1->selectedItems();
        if (!m_filling && !selected.isEmpty())
            DBList1_Click(selected.first());
    });
}

void StarDatabaseWindow::Form_Load()
{
    // The user's own copy for an installed program or a folder that cannot be
    // written; otherwise the catalogue beside the program.
    const stardb::CataloguePlace place = stardb::CatalogueLocation(
        platform::ProgramFolder(), QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    if (!place.error.isEmpty())
        windows::MsgBox(this, place.error, Buttons::Ok, Icon::Exclamation);
    m_cataloguePath = place.path;
    m_catalogueAccess
        = place.readOnly ? stardb::StarRecordSet::Access::ReadOnly : stardb::StarRecordSet::Access::ReadWrite;
    openCatalogue();
}

void StarDatabaseWindow::openCatalogue()
{
    const bool opened = Data1.open(m_cataloguePath, m_catalogueAccess);
    m_catalogueInUse = !opened && Data1.lastError().kind == stardb::ErrorKind::Locked;
    if (!opened)
        windows::MsgBox(this,
            QStringLiteral("The star catalogue %1 cannot be opened.\n\n%2")
                .arg(QDir::toNativeSeparators(m_cataloguePath), Data1.lastError().reason),
            Buttons::Ok, Icon::Critical);
    fillList();
    showCurrentRecord();
}

void StarDatabaseWindow::reopenIfItWasInUse()
{
    // Another program held the catalogue when the window opened; it may have
    // let go since.
    if (m_catalogueInUse && !Data1.isOpen())
        openCatalogue();
}

void StarDatabaseWindow::showCurrentRecord()
{
    const stardb::StarRecord record = Data1.current();
    const char separator = platform::DecimalSeparator();
    Text3->setText(record.name);
    Text1->setText(stardb::ShownNumber(record.temperature, separator));
    Text2->setText(stardb::ShownNumber(record.magnitude, separator));
    // The list marks the current record.
    m_filling = true;
    DBList1->clearSelection();
    const qint64 bookmark = Data1.bookmark();
    for (int row = 0; bookmark >= 0 && row < DBList1->count(); ++row) {
        if (DBList1->item(row)->data(kBookmarkRole).toLongLong() == bookmark) {
            DBList1->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
            break;
        }
    }
    m_filling = false;
}

void StarDatabaseWindow::fillList()
{
    m_filling = true;
    DBList1->clear();
    for (const stardb::ListEntry &entry : Data1.list()) {
        auto *item = new QListWidgetItem(entry.name, DBList1);
        item->setData(kBookmarkRole, entry.bookmark);
    }
    m_filling = false;
}

void StarDatabaseWindow::refreshData()
{
    if (!Data1.refresh() && Data1.isOpen())
        reportCatalogueError();
    fillList();
    showCurrentRecord();
}

void StarDatabaseWindow::reportCatalogueError()
{
    windows::MsgBox(this, Data1.lastError().reason, Buttons::Ok, Icon::Exclamation);
}

void StarDatabaseWindow::ShowButtons()
{
    add->show();
    del->show();
    ok->hide();
    cancel->hide();
}

void StarDatabaseWindow::HideButtons()
{
    add->hide();
    del->hide();
    ok->show();
    cancel->show();
    ex->hide();
}

void StarDatabaseWindow::DBList1_Click(QListWidgetItem *item)
{
    if (!item)
        return;
    const bool wasAdding = Data1.isAdding();
    // Choosing a star drops a pending new record; a row whose record has gone
    // meanwhile brings the list up to date.
    if (Data1.setBookmark(item->data(kBookmarkRole).toLongLong()))
        showCurrentRecord();
    else
        refreshData();
    if (wasAdding) {
        ShowButtons();
        ex->show();
    }
}

void StarDatabaseWindow::upd_Click()
{
    reopenIfItWasInUse();
    Label4->show();
    Text3->show();
    add->show();
    del->show();
    plot->hide();
    upd->hide();
    Clse->hide();
    ex->show();
}

void StarDatabaseWindow::add_Click()
{
    reopenIfItWasInUse();
    // A catalogue that cannot take a new star says so before anything is typed.
    if (!Data1.canWrite()) {
        reportCatalogueError();
        return;
    }
    HideButtons();
    ex->hide();
    Data1.addNew();
    showCurrentRecord();
}

void StarDatabaseWindow::ok_Click()
{
    const char separator = platform::DecimalSeparator();
    // A star is stored only if it can be plotted; the pending record stays
    // for the user to correct. An empty name is left to the table to refuse.
    if (!Text3->text().trimmed().isEmpty() && !acceptsNumbers())
        return;
    const stardb::StarRecord typed {
        Text3->text(), stardb::StoredNumber(Text1->text(), separator), stardb::StoredNumber(Text2->text(), separator)};
    if (!Data1.update(typed)) {
        if (Text3->text().trimmed().isEmpty()) {
            windows::MsgBox(
                this, QStringLiteral("Please Enter The Star Name and Other Data"), Buttons::Ok, Icon::Critical);
            Data1.cancelUpdate();
            showCurrentRecord();
            ShowButtons();
            ex->show();
        } else {
            // Still adding, with the typed texts kept for another try or cancel.
            reportCatalogueError();
        }
        return;
    }
    refreshData();
    ShowButtons();
    ex->show();
}

bool StarDatabaseWindow::acceptsNumbers()
{
    const char separator = platform::DecimalSeparator();
    const model::PlotCheck check
        = model::CheckPlottable(Text1->text().toStdString(), Text2->text().toStdString(), separator);
    if (check.plottable())
        return true;
    using Fault = model::PlotCheck::Fault;
    QString text;
    if (check.fault == Fault::Both) {
        text = QStringLiteral("This temperature and absolute magnitude cannot be plotted together (%1).")
                   .arg(QString::fromStdString(check.error));
    } else {
        const bool temperature = check.fault == Fault::Temperature;
        const QString field = temperature ? Label2->text() : Label3->text();
        const QString typed = (temperature ? Text1 : Text2)->text();
        text = typed.trimmed().isEmpty() ? QStringLiteral("The %1 is empty.").arg(field)
                                         : QStringLiteral("The %1 \"%2\" cannot be plotted (%3).")
                                               .arg(field, typed, QString::fromStdString(check.error));
        text += temperature
            ? QStringLiteral("\n\nPlease type a number above zero, for example 5772.")
            : QStringLiteral("\n\nPlease type a number, for example %1.")
                  .arg(QString::fromStdString(model::FormatNumber(4.83, model::Pattern::Fixed2, separator)));
        (temperature ? Text1 : Text2)->setFocus();
    }
    windows::MsgBox(this, text, Buttons::Ok, Icon::Exclamation);
    return false;
}

void StarDatabaseWindow::cancel_Click()
{
    ex->show();
    ShowButtons();
    Data1.cancelUpdate();
    showCurrentRecord();
}

void StarDatabaseWindow::del_Click()
{
    reopenIfItWasInUse();
    const QString selectFirst = QStringLiteral("Please Select Star Name to Delete ");
    if (Text3->text().isEmpty()) {
        windows::MsgBox(this, selectFirst, Buttons::Ok, Icon::Information);
        return;
    }
    if (windows::MsgBox(this, QStringLiteral("Are You Sure to Delete Record?"), Buttons::YesNo, Icon::None)
        != platform::Answer::Yes)
        return;
    if (!Data1.deleteCurrent()) {
        switch (Data1.lastError().kind) {
        case stardb::ErrorKind::AlreadyDeleted:
            refreshData();
            break;
        case stardb::ErrorKind::NoCurrentRecord:
            windows::MsgBox(this, selectFirst, Buttons::Ok, Icon::Information);
            break;
        default:
            reportCatalogueError();
            break;
        }
        return;
    }
    refreshData();
    if (!Data1.isEOF()) {
        Data1.moveNext();
        refreshData();
    } else if (!Data1.isBOF()) {
        Data1.movePrevious();
        refreshData();
    } else {
        windows::MsgBox(this, QStringLiteral("Last Record"), Buttons::Ok, Icon::None);
    }
}

void StarDatabaseWindow::ex_Click()
{
    plot->show();
    upd->show();
    add->hide();
    del->hide();
    ok->hide();
    cancel->hide();
    Clse->show();
    ex->hide();
}

void StarDatabaseWindow::plot_Click()
{
    reopenIfItWasInUse();
    move(platform::Px(2), y());
    windows::Registry().show<diagram::GeneralDiagramWindow>();
    if (Text1->text().isEmpty()) {
        windows::MsgBox(this, QStringLiteral("Please Choose A Star First to Plot"), Buttons::Ok, Icon::Information);
        return;
    }
    // A record another program wrote with values that cannot be plotted is
    // reported once, by name, before anything is cleared or drawn.
    const model::PlotCheck check
        = model::CheckPlottable(Text1->text().toStdString(), Text2->text().toStdString(), platform::DecimalSeparator());
    if (!check.plottable()) {
        using Fault = model::PlotCheck::Fault;
        const QString what = check.fault == Fault::Temperature
            ? QStringLiteral("its %1 \"%2\"").arg(Label2->text(), Text1->text())
            : check.fault == Fault::Magnitude ? QStringLiteral("its %1 \"%2\"").arg(Label3->text(), Text2->text())
                                              : QStringLiteral("its temperature and absolute magnitude together");
        windows::MsgBox(this,
            QStringLiteral("The star \"%1\" cannot be plotted: %2 cannot be used (%3).")
                .arg(Text3->text(), what, QString::fromStdString(check.error)),
            Buttons::Ok, Icon::Exclamation);
        return;
    }
    diagram::GeneralDiagramWindow *general = windows::Registry().window<diagram::GeneralDiagramWindow>();
    diagram::MainSequenceWindow *mainSequence
        = windows::Registry().window<diagram::MainSequenceWindow>(); // loaded, not shown
    general->ClearPicture();
    mainSequence->ClearPicture();
    // The texts go over as they are; Draw and Draw2 read them.
    general->Text1->setText(Text1->text());
    mainSequence->Text1->setText(Text1->text());
    general->Text2->setText(Text2->text());
    mainSequence->Text2->setText(Text2->text());
    general->Draw();
    if (diagram::MainSequenceWindow *again = windows::Registry().loaded<diagram::MainSequenceWindow>())
        again->Draw2();
}

void StarDatabaseWindow::Clse_Click()
{
    // Only windows that are there are cleared: creating one just to clear it
    // would be pointless.
    diagram::GeneralDiagramWindow *general = windows::Registry().loaded<diagram::GeneralDiagramWindow>();
    diagram::MainSequenceWindow *mainSequence = windows::Registry().loaded<diagram::MainSequenceWindow>();
    if (general)
        general->ClearPicture();
    if (mainSequence)
        mainSequence->ClearPicture();
    if (windows::Registry().loaded<StarDatabaseWindow>() == this)
        windows::Registry().unload<StarDatabaseWindow>();
    else
        close();
    if (general)
        general->Label1->show();
    if (mainSequence)
        mainSequence->Label10->show();
}

} // namespace stardb
