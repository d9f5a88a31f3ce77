#include "stardb/star_database_window.h"

#include "model/diagram_steps.h"
#include "model/number_format.h"
#include "platform/common_controls.h"
#include "platform/language.h"
#include "platform/program_folder.h"
#include "platform/user_numbers.h"
#include "platform/widget_helpers.h"
#include "stardb/catalogue_location.h"
#include "stardb/catalogue_numbers.h"
#include "windows/diagram_link.h"
#include "windows/dialogs.h"
#include "windows/window_registry.h"

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStandardPaths>

namespace stardb {

using platform::Buttons;
using platform::Icon;

namespace {

constexpr QSize kClient(574, 281);

// The buttons in the order add, ex, del, plot, Clse, upd, ok, cancel.
struct ButtonDesign {
    const char *name;
    const char *caption;
    const char *tip;
    QRect geometry;
    bool visible;
};

const ButtonDesign kButtons[] = {
    {"add", QT_TRANSLATE_NOOP("stardb::StarDatabaseWindow", "&Add"),
        QT_TRANSLATE_NOOP("stardb::StarDatabaseWindow", "Click if you want to add data in database"),
        {200, 152, 105, 33}, false},
    {"ex", QT_TRANSLATE_NOOP("stardb::StarDatabaseWindow", "&Exit"),
        QT_TRANSLATE_NOOP("stardb::StarDatabaseWindow", "Exit update"), {320, 152, 105, 33}, false},
    {"del", QT_TRANSLATE_NOOP("stardb::StarDatabaseWindow", "&Delete"),
        QT_TRANSLATE_NOOP("stardb::StarDatabaseWindow", "Delete any entry from the database"), {440, 152, 105, 33},
        false},
    {"plot", QT_TRANSLATE_NOOP("stardb::StarDatabaseWindow", "&Plot "),
        QT_TRANSLATE_NOOP("stardb::StarDatabaseWindow", "Click to plot the data in Q-T diagram"), {200, 192, 105, 33},
        true},
    {"Clse", QT_TRANSLATE_NOOP("stardb::StarDatabaseWindow", "Clo&se"),
        QT_TRANSLATE_NOOP("stardb::StarDatabaseWindow", "Close the database"), {320, 192, 105, 33}, true},
    {"upd", QT_TRANSLATE_NOOP("stardb::StarDatabaseWindow", "&Update Database"),
        QT_TRANSLATE_NOOP("stardb::StarDatabaseWindow", "Click to update database"), {440, 192, 105, 33}, true},
    {"ok", QT_TRANSLATE_NOOP("stardb::StarDatabaseWindow", "&OK"),
        QT_TRANSLATE_NOOP("stardb::StarDatabaseWindow", "Submit the data"), {200, 232, 105, 33}, false},
    {"cancel", QT_TRANSLATE_NOOP("stardb::StarDatabaseWindow", "&Cancel"),
        QT_TRANSLATE_NOOP("stardb::StarDatabaseWindow", "Cancel update"), {440, 232, 105, 33}, false},
};

} // namespace

StarDatabaseWindow::StarDatabaseWindow(windows::DiagramLink &diagrams)
    : m_diagrams(diagrams)
{
    // Form_Initialize.
    platform::SetUpWindow(this);
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowTitle(tr("Star Database"));
    // In place before the catalogue's messages can come up over it.
    platform::FixSizeAndCentre(this, kClient);

    createControls();
    connectControls();
    load();
}

// The data source closes with the window.
StarDatabaseWindow::~StarDatabaseWindow() = default;

void StarDatabaseWindow::createControls()
{
    using platform::Place;
    auto *listFrame = Place<QGroupBox>(this, "Frame2", {8, 8, 177, 265}, tr("STAR NAME"));
    m_starList = Place<QListView>(listFrame, "DBList1", {8, 32, 161, 225});
    m_starList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_starList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Every row is one line of the same font: the list need not measure each
    // name, which would read every name of a large catalogue at once.
    m_starList->setUniformItemSizes(true);
    m_starList->setModel(m_catalogue.listModel());

    auto *dataFrame = Place<QGroupBox>(this, "Frame1", {192, 8, 377, 129}, tr("DATA"));
    const QFont labelFont = platform::LayoutFont(QStringLiteral("Arial"), 8.25, true);
    const auto label = [dataFrame, &labelFont](const char *name, const QString &caption, const QRect &geometry) {
        auto *l = Place<QLabel>(dataFrame, name, geometry, caption);
        l->setFont(labelFont);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return l;
    };
    const auto box
        = [dataFrame](const char *name, const QRect &geometry) { return Place<QLineEdit>(dataFrame, name, geometry); };
    m_nameLabel = label("Label4", tr("Star Name"), {8, 16, 97, 25});
    m_nameBox = box("Text3", {216, 16, 153, 25});
    m_temperatureLabel = label("Label2", tr("Avarage Surface Temperature (K)"), {8, 56, 185, 25});
    m_temperatureBox = box("Text1", {216, 56, 153, 25});
    m_magnitudeLabel = label("Label3", tr("Absolute Magnitude"), {8, 96, 129, 25});
    m_magnitudeBox = box("Text2", {216, 96, 153, 25});
    m_nameLabel->hide();
    m_nameBox->hide();

    QPushButton **buttons[] = {&m_addButton, &m_exitUpdateButton, &m_deleteButton, &m_plotButton, &m_closeButton,
        &m_updateButton, &m_okButton, &m_cancelButton};
    for (std::size_t i = 0; i < std::size(kButtons); ++i) {
        const ButtonDesign &design = kButtons[i];
        auto *button = Place<QPushButton>(this, design.name, design.geometry, tr(design.caption));
        button->setToolTip(tr(design.tip));
        button->setAutoDefault(false);
        button->setVisible(design.visible);
        *buttons[i] = button;
    }

    setTabOrder(m_plotButton, m_updateButton);
    setTabOrder(m_updateButton, m_addButton);
    setTabOrder(m_addButton, m_okButton);
    setTabOrder(m_okButton, m_deleteButton);
    setTabOrder(m_deleteButton, m_cancelButton);
    setTabOrder(m_cancelButton, m_exitUpdateButton);
    setTabOrder(m_exitUpdateButton, m_closeButton);
    setTabOrder(m_closeButton, m_nameBox);
    setTabOrder(m_nameBox, m_magnitudeBox);
    setTabOrder(m_magnitudeBox, m_temperatureBox);
    setTabOrder(m_temperatureBox, m_starList);
}

void StarDatabaseWindow::connectControls()
{
    connect(m_addButton, &QPushButton::clicked, this, &StarDatabaseWindow::addStar);
    connect(m_okButton, &QPushButton::clicked, this, &StarDatabaseWindow::saveNewStar);
    connect(m_cancelButton, &QPushButton::clicked, this, &StarDatabaseWindow::cancelNewStar);
    connect(m_deleteButton, &QPushButton::clicked, this, &StarDatabaseWindow::deleteStar);
    connect(m_updateButton, &QPushButton::clicked, this, &StarDatabaseWindow::startUpdate);
    connect(m_exitUpdateButton, &QPushButton::clicked, this, &StarDatabaseWindow::endUpdate);
    connect(m_plotButton, &QPushButton::clicked, this, &StarDatabaseWindow::plotStar);
    connect(m_closeButton, &QPushButton::clicked, this, &StarDatabaseWindow::closeDatabase);
    // The selection, not the current row, follows the user: a list that takes
    // the focus makes its first row current without anyone choosing it. A
    // click on the selected row shows its stored fields again.
    connect(m_starList, &QListView::clicked, this, &StarDatabaseWindow::chooseStar);
    connect(m_starList->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        const QModelIndexList selected = m_starList->selectionModel()->selectedIndexes();
        if (!m_selecting && !selected.isEmpty())
            chooseStar(selected.first());
    });
}

void StarDatabaseWindow::load()
{
    // The user's own copy for an installed program or a folder that cannot be
    // written; otherwise the catalogue beside the program.
    const CataloguePlace place = CatalogueLocation(
        platform::ProgramFolder(), QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    if (!place.error.isEmpty())
        windows::MsgBox(this, place.error, Buttons::Ok, Icon::Exclamation);
    m_cataloguePath = place.path;
    m_catalogueAccess = place.readOnly ? StarRecordSet::Access::ReadOnly : StarRecordSet::Access::ReadWrite;
    openCatalogue();
}

void StarDatabaseWindow::openCatalogue()
{
    const bool opened = rowsChanging([this] { return m_catalogue.open(m_cataloguePath, m_catalogueAccess); });
    m_catalogueInUse = !opened && m_catalogue.lastError().kind == ErrorKind::Locked;
    if (!opened)
        windows::MsgBox(this,
            tr("The star catalogue %1 cannot be opened.\n\n%2")
                .arg(QDir::toNativeSeparators(m_cataloguePath), m_catalogue.lastError().reason),
            Buttons::Ok, Icon::Critical);
    showCurrentRecord();
}

void StarDatabaseWindow::reopenIfItWasInUse()
{
    // Another program held the catalogue when the window opened; it may have
    // let go since.
    if (m_catalogueInUse && !m_catalogue.isOpen())
        openCatalogue();
}

void StarDatabaseWindow::showCurrentRecord()
{
    const StarRecord record = m_catalogue.current();
    const char separator = platform::DecimalSeparator();
    // The stored numbers are read once, here, as the boxes show them.
    m_stored = {m_catalogue.hasCurrent() ? std::optional(record.name) : std::nullopt,
        CatalogueNumber(record.temperature, separator), CatalogueNumber(record.magnitude, separator)};
    m_nameBox->setText(record.name);
    m_temperatureBox->setText(QString::fromStdString(m_stored.temperature.text));
    m_magnitudeBox->setText(QString::fromStdString(m_stored.magnitude.text));
    // The list marks the current record.
    m_selecting = true;
    const int row = m_catalogue.currentRow();
    if (row >= 0)
        m_starList->selectionModel()->setCurrentIndex(
            m_catalogue.listModel()->index(row, 0), QItemSelectionModel::ClearAndSelect);
    else
        m_starList->clearSelection();
    m_selecting = false;
}

void StarDatabaseWindow::refreshData()
{
    if (!rowsChanging([this] { return m_catalogue.refresh(); }) && m_catalogue.isOpen())
        reportCatalogueError();
    showCurrentRecord();
}

void StarDatabaseWindow::reportCatalogueError()
{
    windows::MsgBox(this, m_catalogue.lastError().reason, Buttons::Ok, Icon::Exclamation);
}

void StarDatabaseWindow::showUpdateButtons()
{
    m_addButton->show();
    m_deleteButton->show();
    m_okButton->hide();
    m_cancelButton->hide();
}

void StarDatabaseWindow::showAddingButtons()
{
    m_addButton->hide();
    m_deleteButton->hide();
    m_okButton->show();
    m_cancelButton->show();
    m_exitUpdateButton->hide();
}

void StarDatabaseWindow::chooseStar(const QModelIndex &row)
{
    if (!row.isValid())
        return;
    const bool wasAdding = m_catalogue.isAdding();
    // Choosing a star drops a pending new record; a row whose record has gone
    // meanwhile brings the list up to date.
    if (m_catalogue.setBookmark(row.data(kBookmarkRole).toLongLong()))
        showCurrentRecord();
    else
        refreshData();
    if (wasAdding) {
        showUpdateButtons();
        m_exitUpdateButton->show();
    }
}

void StarDatabaseWindow::startUpdate()
{
    reopenIfItWasInUse();
    m_nameLabel->show();
    m_nameBox->show();
    m_addButton->show();
    m_deleteButton->show();
    m_plotButton->hide();
    m_updateButton->hide();
    m_closeButton->hide();
    m_exitUpdateButton->show();
}

void StarDatabaseWindow::addStar()
{
    reopenIfItWasInUse();
    // A catalogue that cannot take a new star says so before anything is typed.
    if (!m_catalogue.canWrite()) {
        reportCatalogueError();
        return;
    }
    showAddingButtons();
    m_exitUpdateButton->hide();
    m_catalogue.addNew();
    showCurrentRecord();
}

void StarDatabaseWindow::saveNewStar()
{
    const char separator = platform::DecimalSeparator();
    // A star is stored only if it can be plotted; the pending record stays
    // for the user to correct. An empty name is left to the table to refuse.
    if (!m_nameBox->text().trimmed().isEmpty() && !acceptsTyped(typedStar()))
        return;
    const StarRecord typed {m_nameBox->text(), StoredNumber(m_temperatureBox->text(), separator),
        StoredNumber(m_magnitudeBox->text(), separator)};
    if (!rowsChanging([this, &typed] { return m_catalogue.update(typed); })) {
        if (m_nameBox->text().trimmed().isEmpty()) {
            windows::MsgBox(this, tr("Please Enter The Star Name and Other Data"), Buttons::Ok, Icon::Critical);
            m_catalogue.cancelUpdate();
            showCurrentRecord();
            showUpdateButtons();
            m_exitUpdateButton->show();
        } else {
            // Still adding, with the typed texts kept for another try or cancel.
            reportCatalogueError();
        }
        return;
    }
    refreshData();
    showUpdateButtons();
    m_exitUpdateButton->show();
}

StarDatabaseWindow::ShownStar StarDatabaseWindow::typedStar() const
{
    return {std::nullopt, platform::ReadUserNumber(m_temperatureBox->text()),
        platform::ReadUserNumber(m_magnitudeBox->text())};
}

StarDatabaseWindow::ShownStar StarDatabaseWindow::shownStar() const
{
    if (m_stored.storedName && m_catalogue.hasCurrent()
        && m_temperatureBox->text() == QString::fromStdString(m_stored.temperature.text)
        && m_magnitudeBox->text() == QString::fromStdString(m_stored.magnitude.text))
        return m_stored;
    return typedStar();
}

bool StarDatabaseWindow::acceptsTyped(const ShownStar &typed)
{
    const model::PlotCheck check = model::CheckPlottable(typed.temperature, typed.magnitude);
    if (check.plottable())
        return true;
    using Fault = model::PlotCheck::Fault;
    QString text;
    if (check.fault == Fault::Both) {
        text = tr("This temperature and absolute magnitude cannot be plotted together (%1).")
                   .arg(platform::ModelErrorText(check.error, platform::ErrorPlace::InSentence));
    } else {
        const bool temperature = check.fault == Fault::Temperature;
        const QString field = temperature ? m_temperatureLabel->text() : m_magnitudeLabel->text();
        const QString shown = QString::fromStdString((temperature ? typed.temperature : typed.magnitude).text);
        text = shown.trimmed().isEmpty()
            ? tr("The %1 is empty.").arg(field)
            : tr("The %1 \"%2\" cannot be plotted (%3).")
                  .arg(field, shown, platform::ModelErrorText(check.error, platform::ErrorPlace::InSentence));
        text += temperature ? tr("\n\nPlease type a number above zero, for example %1.")
                                  .arg(platform::UserNumber(model::kSunTemperature, model::Pattern::Whole))
                            : tr("\n\nPlease type a number, for example %1.")
                                  .arg(platform::UserNumber(model::kSunAbsMagnitude, model::Pattern::Fixed2));
        (temperature ? m_temperatureBox : m_magnitudeBox)->setFocus();
    }
    windows::MsgBox(this, text, Buttons::Ok, Icon::Exclamation);
    return false;
}

void StarDatabaseWindow::cancelNewStar()
{
    m_exitUpdateButton->show();
    showUpdateButtons();
    m_catalogue.cancelUpdate();
    showCurrentRecord();
}

void StarDatabaseWindow::deleteStar()
{
    reopenIfItWasInUse();
    const QString selectFirst = tr("Please Select Star Name to Delete ");
    if (m_nameBox->text().isEmpty()) {
        windows::MsgBox(this, selectFirst, Buttons::Ok, Icon::Information);
        return;
    }
    if (windows::MsgBox(this, tr("Are You Sure to Delete Record?"), Buttons::YesNo, Icon::None)
        != platform::Answer::Yes)
        return;
    if (!rowsChanging([this] { return m_catalogue.deleteCurrent(); })) {
        switch (m_catalogue.lastError().kind) {
        case ErrorKind::AlreadyDeleted:
            refreshData();
            break;
        case ErrorKind::NoCurrentRecord:
            windows::MsgBox(this, selectFirst, Buttons::Ok, Icon::Information);
            break;
        default:
            reportCatalogueError();
            break;
        }
        return;
    }
    refreshData();
    if (!m_catalogue.isEOF()) {
        m_catalogue.moveNext();
        refreshData();
    } else if (!m_catalogue.isBOF()) {
        m_catalogue.movePrevious();
        refreshData();
    } else {
        windows::MsgBox(this, tr("Last Record"), Buttons::Ok, Icon::None);
    }
}

void StarDatabaseWindow::endUpdate()
{
    m_plotButton->show();
    m_updateButton->show();
    m_addButton->hide();
    m_deleteButton->hide();
    m_okButton->hide();
    m_cancelButton->hide();
    m_closeButton->show();
    m_exitUpdateButton->hide();
}

void StarDatabaseWindow::plotStar()
{
    reopenIfItWasInUse();
    move(platform::Px(2), y());
    m_diagrams.showGeneralDiagram();
    if (m_temperatureBox->text().isEmpty()) {
        windows::MsgBox(this, tr("Please Choose A Star First to Plot"), Buttons::Ok, Icon::Information);
        return;
    }
    const ShownStar star = shownStar();
    if (!star.storedName) {
        // Typed values are refused as OK refuses them, by their field.
        if (!acceptsTyped(star))
            return;
    } else if (const model::PlotCheck check = model::CheckPlottable(star.temperature, star.magnitude);
               !check.plottable()) {
        // A record another program wrote with values that cannot be plotted
        // is reported once, by name, before anything is cleared or drawn.
        using Fault = model::PlotCheck::Fault;
        const auto quoted = [](const QLabel *field, const model::TypedNumber &number) {
            return tr("its %1 \"%2\"").arg(field->text(), QString::fromStdString(number.text));
        };
        const QString what = check.fault == Fault::Temperature ? quoted(m_temperatureLabel, star.temperature)
            : check.fault == Fault::Magnitude                  ? quoted(m_magnitudeLabel, star.magnitude)
                                                               : tr("its temperature and absolute magnitude together");
        windows::MsgBox(this,
            tr("The star \"%1\" cannot be plotted: %2 cannot be used (%3).")
                .arg(*star.storedName, what, platform::ModelErrorText(check.error, platform::ErrorPlace::InSentence)),
            Buttons::Ok, Icon::Exclamation);
        return;
    }
    // The numbers go over with the texts they were shown as.
    m_diagrams.plotOnBoth({*star.temperature.value, *star.magnitude.value, star.temperature.text, star.magnitude.text});
}

void StarDatabaseWindow::closeDatabase()
{
    // Only windows that are there are cleared: creating one just to clear it
    // would be pointless.
    m_diagrams.clearLoadedDiagrams();
    windows::Registry().unload(this);
    m_diagrams.setLiveReadoutsVisible(true);
}

} // namespace stardb
