// The star database window: its layout, its three modes, every handler's
// messages, plotting on both diagram windows, and leaving it; the catalogue of
// an installed copy, and a user whose numbers are written with a comma.
#include "app/window_composition.h"
#include "diagram/diagram_picture.h"
#include "diagram/general_diagram_window.h"
#include "diagram/main_sequence_window.h"
#include "platform/program_folder.h"
#include "stardb/star_catalogue.h"
#include "stardb/star_database_window.h"
#include "tests/support/window_test.h"
#include "windows/window_registry.h"

#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScopeGuard>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using diagram::GeneralDiagramWindow;
using diagram::MainSequenceWindow;
using platform::Answer;
using platform::Buttons;
using platform::Icon;
using stardb::StarDatabaseWindow;
using stardb::StarRecord;
using windows::Registry;

namespace {

// The controls of the star database window, by their designer names.
QListView *List(const QWidget *form)
{
    return Control<QListView>(form, "DBList1");
}
// The list's rows as a user sees them, and the bookmark each row carries.
int Rows(const QWidget *form)
{
    return List(form)->model()->rowCount();
}
QModelIndex Row(const QWidget *form, int row)
{
    return List(form)->model()->index(row, 0);
}
// Picks a row as the arrow keys would.
void SetCurrentRow(const QWidget *form, int row)
{
    List(form)->setCurrentIndex(Row(form, row));
}
QLineEdit *Box(const QWidget *form, const char *name)
{
    return Control<QLineEdit>(form, name);
}
QLabel *Label(const QWidget *form, const char *name)
{
    return Control<QLabel>(form, name);
}
QPushButton *Button(const QWidget *form, const char *name)
{
    return Control<QPushButton>(form, name);
}
// The marked picture of a diagram window.
QImage Marked(const QWidget *diagramWindow)
{
    const auto *picture = Control<diagram::DiagramPicture>(diagramWindow, "Picture1");
    return picture ? picture->image() : QImage();
}

const QList<StarRecord> kFixture = {
    {QStringLiteral("Sun"), QStringLiteral("5772"), QStringLiteral("4.83")},
    {QStringLiteral("Sirius"), QStringLiteral("9940"), QStringLiteral("1.42")},
    {QStringLiteral("Betelgeuse"), QStringLiteral("3600"), QStringLiteral("-5.85")},
};

const QString kSelectToDelete = QStringLiteral("Please Select Star Name to Delete ");
const QString kSureToDelete = QStringLiteral("Are You Sure to Delete Record?");
const QString kLastRecord = QStringLiteral("Last Record");
const QString kEnterName = QStringLiteral("Please Enter The Star Name and Other Data");
const QString kChooseToPlot = QStringLiteral("Please Choose A Star First to Plot");

QStringList listNames(const StarDatabaseWindow *form)
{
    QStringList names;
    for (int row = 0; row < Rows(form); ++row)
        names << Row(form, row).data().toString();
    return names;
}

QStringList namesInFile(const QString &path)
{
    stardb::StarRecordSet reader;
    if (!reader.open(path))
        return {QStringLiteral("<cannot open>")};
    QStringList names;
    for (const stardb::ListEntry &entry : reader.list())
        names << entry.name;
    return names;
}

// Types a star into the name, temperature and magnitude boxes.
void Type(const StarDatabaseWindow *form, const StarRecord &star)
{
    Box(form, "Text3")->setText(star.name);
    Box(form, "Text1")->setText(star.temperature);
    Box(form, "Text2")->setText(star.magnitude);
}

StarRecord boxes(const StarDatabaseWindow *form)
{
    return {Box(form, "Text3")->text(), Box(form, "Text1")->text(), Box(form, "Text2")->text()};
}

// The buttons a mode shows, in the order add ex del plot Clse upd ok cancel.
QString visibleButtons(const StarDatabaseWindow *form)
{
    QStringList shown;
    for (QPushButton *button : {Button(form, "add"), Button(form, "ex"), Button(form, "del"), Button(form, "plot"),
             Button(form, "Clse"), Button(form, "upd"), Button(form, "ok"), Button(form, "cancel")})
        if (button->isVisibleTo(const_cast<StarDatabaseWindow *>(form)))
            shown << button->objectName();
    return shown.join(QLatin1Char(' '));
}

const QString kBrowse = QStringLiteral("plot Clse upd");
const QString kUpdate = QStringLiteral("add ex del");
const QString kAdding = QStringLiteral("ok cancel");

int differingPixels(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return -1;
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    int count = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int column = 0; column < x.width(); ++column)
            count += x.pixel(column, row) != y.pixel(column, row);
    return count;
}

} // namespace

class TestStarDatabaseWindow : public WindowTest {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    // Layout
    void layout_data();
    void layout();
    void designState();
    void tabOrder();

    // Browsing
    void opensOnTheFirstRecord();
    void clickingAStarShowsIt();

    // Modes
    void modes_data();
    void modes();

    // Adding
    void okSavesAndShowsTheFirstRecord();
    void okWithoutNameAsksForIt_data();
    void okWithoutNameAsksForIt();
    void cancelWritesNothing();
    void choosingAStarWhileAddingDropsTheNewOne();
    void focusOnTheListKeepsTheNewOne();
    void arrowKeysChooseStars();
    void editsToAStoredStarAreNotWritten();
    void okRefusesNumbersThatCannotBePlotted();
    void failedSaveKeepsTheNewStar();

    // Deleting
    void deleteWithoutNameAsksForOne();
    void deleteAnsweredNoKeepsTheStar();
    void deleteShowsTheFirstRemainingStar();
    void deletingTheLastStarSaysSo();
    void deletingAStarAnotherCopyDeletedRefreshes();

    // Catalogues that cannot be used fully
    void unusableCatalogue_data();
    void unusableCatalogue();
    void readOnlyCatalogueReportsWrites();
    void catalogueInUseIsOpenedAgainLater();

    // Plotting
    void plotWithoutTemperature();
    void plotDrawsOnBothDiagrams();
    void unplottableRecordIsNamedOnce_data();
    void unplottableRecordIsNamedOnce();
    void typedValuesAreRefusedByTheirField();
    void everyShippedStarPlots();

    // An installed copy: the program's folder cannot be written
    void installedCopyWorksOnTheUserCopy();
    void installedCopyWithoutCatalogueSaysItIsMissing();
    void installedCopyThatCannotBeCopiedIsBrowsed();

    // A locale that writes numbers with a comma
    void commaLocaleAddsAndPlots();
    void commaLocalePlotsTheShippedCatalogue();

    // Leaving
    void closeClearsAndRestoresTheDiagrams();
    void closeCreatesNoDiagramWindow();
    void titleBarCloseLeavesTheDiagramsAsTheyAre();

private:
    StarDatabaseWindow *openForm();
    void press(QPushButton *button);
    void choose(StarDatabaseWindow *form, const QString &name);
    void makeProgramFolderReadOnly();

    QString m_path;
};

void TestStarDatabaseWindow::initTestCase()
{
    // The user's data folder of these tests lies under ~/.qttest, not in the
    // user's own ~/.local/share.
    WindowTest::initTestCase();
    // The star database plots on the diagram windows as the program composes them.
    app::RegisterWindows();
}

void TestStarDatabaseWindow::init()
{
    WindowTest::init();
    m_path = stardb::CataloguePath(m_dir->path());
    QString error;
    QVERIFY2(stardb::WriteCatalogue(m_path, kFixture, &error), qPrintable(error));
}

void TestStarDatabaseWindow::cleanup()
{
    WindowTest::cleanup();
    QFile::setPermissions(m_dir->path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).removeRecursively();
}

// As an installed package: root's folder, which the user cannot write. The
// folder's own write bit decides, so this holds for root as well.
void TestStarDatabaseWindow::makeProgramFolderReadOnly()
{
    QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).removeRecursively();
    QVERIFY(QFile::setPermissions(m_dir->path(),
        QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup | QFileDevice::ExeGroup
            | QFileDevice::ReadOther | QFileDevice::ExeOther));
}

StarDatabaseWindow *TestStarDatabaseWindow::openForm()
{
    auto *form = Registry().show<StarDatabaseWindow>();
    return form;
}

// As a user can: only a button that is showing can be pressed.
void TestStarDatabaseWindow::press(QPushButton *button)
{
    QVERIFY2(button->isVisible(), qPrintable(button->objectName() + QStringLiteral(" is hidden")));
    QTest::mouseClick(button, Qt::LeftButton);
}

void TestStarDatabaseWindow::choose(StarDatabaseWindow *form, const QString &name)
{
    const QModelIndexList rows = List(form)->model()->match(Row(form, 0), Qt::DisplayRole, name, -1, Qt::MatchExactly);
    QCOMPARE(rows.size(), 1);
    const QRect rect = List(form)->visualRect(rows.first());
    QTest::mouseClick(List(form)->viewport(), Qt::LeftButton, {}, rect.center());
}

void TestStarDatabaseWindow::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("tip");
    QTest::newRow("Frame2") << "Frame2"
                            << "Form6" << QRect(8, 8, 177, 265) << "STAR NAME"
                            << "";
    QTest::newRow("DBList1") << "DBList1"
                             << "Frame2" << QRect(8, 32, 161, 225) << ""
                             << "";
    QTest::newRow("Frame1") << "Frame1"
                            << "Form6" << QRect(192, 8, 377, 129) << "DATA"
                            << "";
    QTest::newRow("Label4") << "Label4"
                            << "Frame1" << QRect(8, 16, 97, 25) << "Star Name"
                            << "";
    QTest::newRow("Text3") << "Text3"
                           << "Frame1" << QRect(216, 16, 153, 25) << ""
                           << "";
    QTest::newRow("Label2") << "Label2"
                            << "Frame1" << QRect(8, 56, 185, 25) << "Avarage Surface Temperature (K)"
                            << "";
    QTest::newRow("Text1") << "Text1"
                           << "Frame1" << QRect(216, 56, 153, 25) << ""
                           << "";
    QTest::newRow("Label3") << "Label3"
                            << "Frame1" << QRect(8, 96, 129, 25) << "Absolute Magnitude"
                            << "";
    QTest::newRow("Text2") << "Text2"
                           << "Frame1" << QRect(216, 96, 153, 25) << ""
                           << "";
    QTest::newRow("add") << "add"
                         << "Form6" << QRect(200, 152, 105, 33) << "&Add"
                         << "Click if you want to add data in database";
    QTest::newRow("ex") << "ex"
                        << "Form6" << QRect(320, 152, 105, 33) << "&Exit"
                        << "Exit update";
    QTest::newRow("del") << "del"
                         << "Form6" << QRect(440, 152, 105, 33) << "&Delete"
                         << "Delete any entry from the database";
    QTest::newRow("plot") << "plot"
                          << "Form6" << QRect(200, 192, 105, 33) << "&Plot "
                          << "Click to plot the data in Q-T diagram";
    QTest::newRow("Clse") << "Clse"
                          << "Form6" << QRect(320, 192, 105, 33) << "Clo&se"
                          << "Close the database";
    QTest::newRow("upd") << "upd"
                         << "Form6" << QRect(440, 192, 105, 33) << "&Update Database"
                         << "Click to update database";
    QTest::newRow("ok") << "ok"
                        << "Form6" << QRect(200, 232, 105, 33) << "&OK"
                        << "Submit the data";
    QTest::newRow("cancel") << "cancel"
                            << "Form6" << QRect(440, 232, 105, 33) << "&Cancel"
                            << "Cancel update";
}

void TestStarDatabaseWindow::layout()
{
    QFETCH(QString, name);
    QFETCH(QString, parent);
    QFETCH(QRect, geometry);
    QFETCH(QString, caption);
    QFETCH(QString, tip);
    StarDatabaseWindow *form = openForm();
    auto *widget = form->findChild<QWidget *>(name);
    QVERIFY2(widget, qPrintable(name + QStringLiteral(" missing")));
    QCOMPARE(widget->parentWidget()->objectName(), parent);
    QCOMPARE(widget->geometry(), geometry);
    QCOMPARE(widget->toolTip(), tip);
    if (auto *button = qobject_cast<QPushButton *>(widget))
        QCOMPARE(button->text(), caption);
    else if (auto *frame = qobject_cast<QGroupBox *>(widget))
        QCOMPARE(frame->title(), caption);
    else if (auto *label = qobject_cast<QLabel *>(widget)) {
        QCOMPARE(label->text(), caption);
        // Arial, asked for after its installed twins.
        QVERIFY2(label->font().families().contains(QStringLiteral("Arial")),
            qPrintable(label->font().families().join(QLatin1Char(','))));
        QCOMPARE(label->font().pointSizeF(), 8.25);
        QVERIFY(label->font().bold());
    }
}

void TestStarDatabaseWindow::designState()
{
    StarDatabaseWindow *form = openForm();
    QCOMPARE(form->windowTitle(), QStringLiteral("Star Database"));
    QCOMPARE(form->size(), QSize(574, 281));
    QCOMPARE(form->minimumSize(), form->maximumSize());
    QCOMPARE(visibleButtons(form), kBrowse);
    QVERIFY(!Label(form, "Label4")->isVisibleTo(form));
    QVERIFY(!Box(form, "Text3")->isVisibleTo(form));
    QVERIFY(Label(form, "Label2")->isVisible() && Box(form, "Text1")->isVisible() && Label(form, "Label3")->isVisible()
        && Box(form, "Text2")->isVisible());
}

void TestStarDatabaseWindow::tabOrder()
{
    StarDatabaseWindow *form = openForm();
    const QList<QWidget *> expected = {Button(form, "plot"), Button(form, "upd"), Button(form, "add"),
        Button(form, "ok"), Button(form, "del"), Button(form, "cancel"), Button(form, "ex"), Button(form, "Clse"),
        Box(form, "Text3"), Box(form, "Text2"), Box(form, "Text1"), List(form)};
    QWidget *widget = Button(form, "plot");
    for (int i = 1; i < expected.size(); ++i) {
        widget = widget->nextInFocusChain();
        while (!expected.contains(widget)) // frames sit in the chain without taking focus
            widget = widget->nextInFocusChain();
        QCOMPARE(widget->objectName(), expected.at(i)->objectName());
    }
}

void TestStarDatabaseWindow::opensOnTheFirstRecord()
{
    StarDatabaseWindow *form = openForm();
    QVERIFY(m_desktop.messages.isEmpty());
    QCOMPARE(listNames(form), (QStringList {"Sun", "Sirius", "Betelgeuse"}));
    QCOMPARE(boxes(form), kFixture.at(0));
    for (int row = 0; row < 3; ++row)
        QVERIFY(Row(form, row).data(StarDatabaseWindow::kBookmarkRole).toLongLong() > 0);
}

void TestStarDatabaseWindow::clickingAStarShowsIt()
{
    StarDatabaseWindow *form = openForm();
    choose(form, QStringLiteral("Betelgeuse"));
    QCOMPARE(boxes(form), kFixture.at(2));
    choose(form, QStringLiteral("Sirius"));
    QCOMPARE(boxes(form), kFixture.at(1));
    // In update mode too.
    press(Button(form, "upd"));
    choose(form, QStringLiteral("Sun"));
    QCOMPARE(boxes(form), kFixture.at(0));
    QCOMPARE(visibleButtons(form), kUpdate);
}

void TestStarDatabaseWindow::modes_data()
{
    QTest::addColumn<QStringList>("presses");
    QTest::addColumn<QString>("buttons");
    QTest::addColumn<bool>("nameShown");
    QTest::newRow("browse") << QStringList {} << kBrowse << false;
    QTest::newRow("update") << QStringList {"upd"} << kUpdate << true;
    QTest::newRow("adding") << QStringList {"upd", "add"} << kAdding << true;
    QTest::newRow("cancelled adding") << QStringList {"upd", "add", "cancel"} << kUpdate << true;
    QTest::newRow("browse after update") << QStringList {"upd", "ex"} << kBrowse << true;
    QTest::newRow("update again") << QStringList {"upd", "ex", "upd"} << kUpdate << true;
    QTest::newRow("delete keeps update") << QStringList {"upd", "del"} << kUpdate << true;
}

void TestStarDatabaseWindow::modes()
{
    QFETCH(QStringList, presses);
    QFETCH(QString, buttons);
    QFETCH(bool, nameShown);
    StarDatabaseWindow *form = openForm();
    for (const QString &name : presses) {
        press(form->findChild<QPushButton *>(name));
        if (QTest::currentTestFailed())
            return;
    }
    QCOMPARE(visibleButtons(form), buttons);
    QCOMPARE(Label(form, "Label4")->isVisible(), nameShown);
    QCOMPARE(Box(form, "Text3")->isVisible(), nameShown);
    // The public button switches on their own.
    form->showAddingButtons();
    QVERIFY(!Button(form, "add")->isVisible() && !Button(form, "del")->isVisible() && !Button(form, "ex")->isVisible());
    QVERIFY(Button(form, "ok")->isVisible() && Button(form, "cancel")->isVisible());
    form->showUpdateButtons();
    QVERIFY(Button(form, "add")->isVisible() && Button(form, "del")->isVisible());
    QVERIFY(!Button(form, "ok")->isVisible() && !Button(form, "cancel")->isVisible());
}

void TestStarDatabaseWindow::okSavesAndShowsTheFirstRecord()
{
    StarDatabaseWindow *form = openForm();
    press(Button(form, "upd"));
    choose(form, QStringLiteral("Sirius"));
    press(Button(form, "add"));
    QCOMPARE(boxes(form), StarRecord {});
    Type(form, {"Vega", "9602", "0.58"});
    press(Button(form, "ok"));
    QVERIFY(m_desktop.messages.isEmpty());
    QCOMPARE(visibleButtons(form), kUpdate);
    QCOMPARE(boxes(form), kFixture.at(0)); // the first record, not the new one
    QCOMPARE(listNames(form), (QStringList {"Sun", "Sirius", "Betelgeuse", "Vega"}));
    QCOMPARE(namesInFile(m_path), listNames(form));
    choose(form, QStringLiteral("Vega"));
    QCOMPARE(boxes(form), (StarRecord {"Vega", "9602", "0.58"}));
}

void TestStarDatabaseWindow::okWithoutNameAsksForIt_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("empty") << QString();
    QTest::newRow("blanks") << QStringLiteral("  ");
}

void TestStarDatabaseWindow::okWithoutNameAsksForIt()
{
    QFETCH(QString, name);
    StarDatabaseWindow *form = openForm();
    press(Button(form, "upd"));
    choose(form, QStringLiteral("Sirius"));
    press(Button(form, "add"));
    Box(form, "Text3")->setText(name);
    Box(form, "Text1")->setText(QStringLiteral("9602"));
    press(Button(form, "ok"));
    QCOMPARE(m_desktop.messages.size(), 1);
    QCOMPARE(m_desktop.messages.at(0).text, kEnterName);
    QCOMPARE(m_desktop.messages.at(0).icon, Icon::Critical);
    QCOMPARE(m_desktop.messages.at(0).buttons, Buttons::Ok);
    QCOMPARE(m_desktop.messages.at(0).title, QStringLiteral("Veltrane"));
    QCOMPARE(visibleButtons(form), kUpdate);
    QCOMPARE(boxes(form), kFixture.at(1)); // the new record is dropped
    QCOMPARE(namesInFile(m_path), (QStringList {"Sun", "Sirius", "Betelgeuse"}));
}

void TestStarDatabaseWindow::cancelWritesNothing()
{
    StarDatabaseWindow *form = openForm();
    press(Button(form, "upd"));
    choose(form, QStringLiteral("Betelgeuse"));
    press(Button(form, "add"));
    Box(form, "Text3")->setText(QStringLiteral("Vega"));
    press(Button(form, "cancel"));
    QVERIFY(m_desktop.messages.isEmpty());
    QCOMPARE(visibleButtons(form), kUpdate);
    QCOMPARE(boxes(form), kFixture.at(2));
    QCOMPARE(namesInFile(m_path), (QStringList {"Sun", "Sirius", "Betelgeuse"}));
    // A later save writes only its own record.
    press(Button(form, "add"));
    Type(form, {"Deneb", "8525", "-8.38"});
    press(Button(form, "ok"));
    QCOMPARE(namesInFile(m_path), (QStringList {"Sun", "Sirius", "Betelgeuse", "Deneb"}));
}

void TestStarDatabaseWindow::choosingAStarWhileAddingDropsTheNewOne()
{
    StarDatabaseWindow *form = openForm();
    press(Button(form, "upd"));
    press(Button(form, "add"));
    Box(form, "Text3")->setText(QStringLiteral("Vega"));
    choose(form, QStringLiteral("Sirius"));
    QCOMPARE(boxes(form), kFixture.at(1));
    QCOMPARE(visibleButtons(form), kUpdate);
    QCOMPARE(namesInFile(m_path), (QStringList {"Sun", "Sirius", "Betelgeuse"}));
}

// A list that takes the focus with no row current must not pick a star by
// itself: that would drop the record being typed.
void TestStarDatabaseWindow::focusOnTheListKeepsTheNewOne()
{
    StarDatabaseWindow *form = openForm();
    press(Button(form, "upd"));
    press(Button(form, "add"));
    Box(form, "Text3")->setText(QStringLiteral("Vega"));
    QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
    QCoreApplication::sendEvent(List(form), &focusIn);
    QCOMPARE(visibleButtons(form), kAdding);
    QCOMPARE(Box(form, "Text3")->text(), QStringLiteral("Vega"));
    Box(form, "Text1")->setText(QStringLiteral("9602"));
    Box(form, "Text2")->setText(QStringLiteral("0.58"));
    press(Button(form, "ok"));
    QCOMPARE(namesInFile(m_path), (QStringList {"Sun", "Sirius", "Betelgeuse", "Vega"}));
}

void TestStarDatabaseWindow::arrowKeysChooseStars()
{
    StarDatabaseWindow *form = openForm();
    QTest::keyClick(List(form), Qt::Key_Down);
    QCOMPARE(boxes(form), kFixture.at(1));
    QTest::keyClick(List(form), Qt::Key_End);
    QCOMPARE(boxes(form), kFixture.at(2));
    QTest::keyClick(List(form), Qt::Key_Home);
    QCOMPARE(boxes(form), kFixture.at(0));
}

void TestStarDatabaseWindow::editsToAStoredStarAreNotWritten()
{
    StarDatabaseWindow *form = openForm();
    choose(form, QStringLiteral("Sirius"));
    Box(form, "Text1")->setText(QStringLiteral("12000"));
    press(Button(form, "plot"));
    Registry().unload<GeneralDiagramWindow>();
    Registry().unload<MainSequenceWindow>();
    choose(form, QStringLiteral("Sun"));
    choose(form, QStringLiteral("Sirius"));
    QCOMPARE(boxes(form), kFixture.at(1));
    press(Button(form, "upd"));
    press(Button(form, "add"));
    Box(form, "Text3")->setText(QStringLiteral("Vega"));
    press(Button(form, "ok"));
    stardb::StarRecordSet reader;
    QVERIFY(reader.open(m_path));
    QVERIFY(reader.setBookmark(reader.list().at(1).bookmark));
    QCOMPARE(reader.current(), kFixture.at(1));
}

void TestStarDatabaseWindow::deleteWithoutNameAsksForOne()
{
    QVERIFY(stardb::WriteCatalogue(m_path, {}, nullptr));
    StarDatabaseWindow *form = openForm();
    QCOMPARE(Rows(form), 0);
    press(Button(form, "upd"));
    press(Button(form, "del"));
    QCOMPARE(m_desktop.messages.size(), 1);
    QCOMPARE(m_desktop.messages.at(0).text, kSelectToDelete);
    QCOMPARE(m_desktop.messages.at(0).icon, Icon::Information);
    QCOMPARE(m_desktop.messages.at(0).buttons, Buttons::Ok);
}

void TestStarDatabaseWindow::deleteAnsweredNoKeepsTheStar()
{
    StarDatabaseWindow *form = openForm();
    press(Button(form, "upd"));
    choose(form, QStringLiteral("Sirius"));
    m_desktop.answers.enqueue(Answer::No);
    press(Button(form, "del"));
    QCOMPARE(m_desktop.messages.size(), 1);
    QCOMPARE(m_desktop.messages.at(0).text, kSureToDelete);
    QCOMPARE(m_desktop.messages.at(0).buttons, Buttons::YesNo);
    QCOMPARE(m_desktop.messages.at(0).icon, Icon::None);
    QCOMPARE(boxes(form), kFixture.at(1));
    QCOMPARE(namesInFile(m_path), (QStringList {"Sun", "Sirius", "Betelgeuse"}));
}

void TestStarDatabaseWindow::deleteShowsTheFirstRemainingStar()
{
    StarDatabaseWindow *form = openForm();
    press(Button(form, "upd"));
    choose(form, QStringLiteral("Sun"));
    m_desktop.answers.enqueue(Answer::Yes);
    press(Button(form, "del"));
    QCOMPARE(m_desktop.messages.size(), 1); // the question only
    QCOMPARE(listNames(form), (QStringList {"Sirius", "Betelgeuse"}));
    QCOMPARE(boxes(form), kFixture.at(1));
    QCOMPARE(namesInFile(m_path), listNames(form));
    QCOMPARE(visibleButtons(form), kUpdate);
}

void TestStarDatabaseWindow::deletingTheLastStarSaysSo()
{
    QVERIFY(stardb::WriteCatalogue(m_path, {kFixture.at(0)}, nullptr));
    StarDatabaseWindow *form = openForm();
    press(Button(form, "upd"));
    m_desktop.answers.enqueue(Answer::Yes);
    press(Button(form, "del"));
    QCOMPARE(m_desktop.messages.size(), 2);
    QCOMPARE(m_desktop.messages.at(0).text, kSureToDelete);
    QCOMPARE(m_desktop.messages.at(1).text, kLastRecord);
    QCOMPARE(m_desktop.messages.at(1).icon, Icon::None);
    QCOMPARE(m_desktop.messages.at(1).buttons, Buttons::Ok);
    QCOMPARE(Rows(form), 0);
    QCOMPARE(boxes(form), StarRecord {});
    QCOMPARE(namesInFile(m_path), QStringList {});
}

void TestStarDatabaseWindow::deletingAStarAnotherCopyDeletedRefreshes()
{
    StarDatabaseWindow *form = openForm();
    press(Button(form, "upd"));
    choose(form, QStringLiteral("Sirius"));
    {
        stardb::StarRecordSet other; // the second copy of the program
        QVERIFY(other.open(m_path));
        QVERIFY(other.setBookmark(other.list().at(1).bookmark));
        QVERIFY(other.deleteCurrent());
    }
    m_desktop.answers.enqueue(Answer::Yes);
    press(Button(form, "del"));
    QCOMPARE(m_desktop.messages.size(), 1); // no error for a record that is gone already
    QCOMPARE(listNames(form), (QStringList {"Sun", "Betelgeuse"}));
    QCOMPARE(boxes(form), kFixture.at(0));
}

void TestStarDatabaseWindow::unusableCatalogue_data()
{
    QTest::addColumn<QByteArray>("content"); // "-": no file at all
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing") << QByteArray("-") << "does not exist";
    QTest::newRow("garbage") << QByteArray(2048, '\x07') << "not a star catalogue (file is not a database)";
    QTest::newRow("no table") << QByteArray() << "no table";
}

void TestStarDatabaseWindow::unusableCatalogue()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, reason);
    QVERIFY(QFile::remove(m_path));
    if (content != "-") {
        QFile file(m_path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    StarDatabaseWindow *form = openForm();
    QCOMPARE(m_desktop.messages.size(), 1);
    const platform::MessageRequest message = m_desktop.messages.at(0);
    QVERIFY2(message.text.contains(QDir::toNativeSeparators(m_path)), qPrintable(message.text));
    QVERIFY2(message.text.contains(reason), qPrintable(message.text));
    QCOMPARE(message.icon, Icon::Critical);
    QCOMPARE(QFile::exists(m_path), content != "-");
    // Still usable, and empty.
    QCOMPARE(Rows(form), 0);
    QCOMPARE(boxes(form), StarRecord {});
    m_desktop.clear();
    press(Button(form, "plot"));
    QCOMPARE(m_desktop.messages.size(), 1);
    QCOMPARE(m_desktop.messages.at(0).text, kChooseToPlot);
    press(Button(form, "upd"));
    press(Button(form, "add"));
    QCOMPARE(m_desktop.messages.size(), 2);
    QVERIFY2(
        m_desktop.messages.at(1).text.contains(QStringLiteral("not open")), qPrintable(m_desktop.messages.at(1).text));
    QCOMPARE(visibleButtons(form), kUpdate);
    press(Button(form, "Clse")->isVisible() ? Button(form, "Clse") : Button(form, "ex"));
    QCOMPARE(QFile::exists(m_path), content != "-");
}

void TestStarDatabaseWindow::readOnlyCatalogueReportsWrites()
{
    QVERIFY(QFile::setPermissions(m_path, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    StarDatabaseWindow *form = openForm();
    QVERIFY(m_desktop.messages.isEmpty());
    QCOMPARE(listNames(form), (QStringList {"Sun", "Sirius", "Betelgeuse"}));
    press(Button(form, "upd"));
    press(Button(form, "add"));
    QCOMPARE(m_desktop.messages.size(), 1);
    QVERIFY2(
        m_desktop.messages.at(0).text.contains(QStringLiteral("read-only")), qPrintable(m_desktop.messages.at(0).text));
    QCOMPARE(visibleButtons(form), kUpdate);
    choose(form, QStringLiteral("Sirius"));
    m_desktop.answers.enqueue(Answer::Yes);
    press(Button(form, "del"));
    QCOMPARE(m_desktop.messages.size(), 3);
    QCOMPARE(m_desktop.messages.at(1).text, kSureToDelete);
    QVERIFY2(
        m_desktop.messages.at(2).text.contains(QStringLiteral("read-only")), qPrintable(m_desktop.messages.at(2).text));
    QCOMPARE(boxes(form), kFixture.at(1));
    QCOMPARE(listNames(form), (QStringList {"Sun", "Sirius", "Betelgeuse"}));
    QVERIFY(QFile::setPermissions(m_path, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
}

void TestStarDatabaseWindow::plotWithoutTemperature()
{
    QVERIFY(stardb::WriteCatalogue(m_path, {}, nullptr));
    StarDatabaseWindow *form = openForm();
    press(Button(form, "plot"));
    QCOMPARE(form->x(), 0);
    auto *general = Registry().loaded<GeneralDiagramWindow>();
    QVERIFY(general && general->isVisible());
    QCOMPARE(m_desktop.messages.size(), 1);
    QCOMPARE(m_desktop.messages.at(0).text, kChooseToPlot);
    QCOMPARE(m_desktop.messages.at(0).icon, Icon::Information);
    QCOMPARE(m_desktop.messages.at(0).title, QStringLiteral("Veltrane"));
    QVERIFY(!Registry().loaded<MainSequenceWindow>()); // nothing to plot on it
}

void TestStarDatabaseWindow::plotDrawsOnBothDiagrams()
{
    StarDatabaseWindow *form = openForm();
    choose(form, QStringLiteral("Sirius"));
    Box(form, "Text1")->setText(QStringLiteral("9940"));
    press(Button(form, "plot"));
    QVERIFY2(m_desktop.messages.isEmpty(), qPrintable(m_desktop.messages.value(0).text));
    QCOMPARE(form->x(), 0);
    auto *general = Registry().loaded<GeneralDiagramWindow>();
    auto *mainSequence = Registry().loaded<MainSequenceWindow>();
    QVERIFY(general && mainSequence);
    QVERIFY(general->isVisible());
    QVERIFY(!mainSequence->isVisible());
    QCOMPARE(Box(general, "Text1")->text(), QStringLiteral("9940"));
    QCOMPARE(Box(mainSequence, "Text1")->text(), QStringLiteral("9940"));
    QVERIFY(general->selectedStar() && mainSequence->selectedStar());
    QCOMPARE(general->selectedStar()->point.Temperature, 9940.0);
    QCOMPARE(mainSequence->selectedStar()->point.Temperature, 9940.0);
    QVERIFY(differingPixels(Marked(general), diagram::GeneralDiagramPicture()) > 0);
    QVERIFY(differingPixels(Marked(mainSequence), diagram::MainSequenceDiagramPicture()) > 0);

    // A second star replaces the first mark rather than adding to it.
    const QImage siriusOnly = Marked(general);
    choose(form, QStringLiteral("Betelgeuse"));
    press(Button(form, "plot"));
    QVERIFY(differingPixels(Marked(general), siriusOnly) > 0);
    general->clearMarks();
    QCOMPARE(differingPixels(Marked(general), diagram::GeneralDiagramPicture()), 0);
}

void TestStarDatabaseWindow::unplottableRecordIsNamedOnce_data()
{
    QTest::addColumn<QString>("temperature");
    QTest::addColumn<QString>("magnitude");
    QTest::addColumn<QString>("field");
    QTest::newRow("empty magnitude") << "5000" << QString() << "Absolute Magnitude \"\"";
    QTest::newRow("word") << "abc"
                          << "4.83"
                          << "Avarage Surface Temperature (K) \"abc\"";
    QTest::newRow("NaN") << "5000"
                         << "NaN"
                         << "Absolute Magnitude \"NaN\"";
    QTest::newRow("zero kelvin") << "0"
                                 << "4.83"
                                 << "Avarage Surface Temperature (K) \"0\"";
    QTest::newRow("huge magnitude") << "5000"
                                    << "1e308"
                                    << "Absolute Magnitude \"1e308\"";
}

// Other programs can write the file: a record that cannot be plotted is
// reported once, naming the star and the field, before anything is cleared
// or drawn.
void TestStarDatabaseWindow::unplottableRecordIsNamedOnce()
{
    QFETCH(QString, temperature);
    QFETCH(QString, magnitude);
    QFETCH(QString, field);
    QVERIFY(stardb::WriteCatalogue(m_path, {{QStringLiteral("Odd data"), temperature, magnitude}}, nullptr));
    StarDatabaseWindow *form = openForm();
    auto *general = Registry().window<GeneralDiagramWindow>();
    PressPicture(general, 187, 249);
    press(Button(form, "plot"));
    QCOMPARE(m_desktop.messages.size(), 1);
    const QString text = m_desktop.messages.at(0).text;
    QVERIFY2(text.contains(QStringLiteral("\"Odd data\"")) && text.contains(field), qPrintable(text));
    QCOMPARE(Box(general, "Text1")->text(), QStringLiteral("5963")); // the clicked star is still there
    QCOMPARE(Marked(general), diagram::GeneralDiagramPicture().convertToFormat(QImage::Format_RGB32));
    QVERIFY(!Registry().loaded<MainSequenceWindow>());
}

// Values typed over a stored star are the user's, not the star's: Plot
// refuses them by the field at fault, as OK does, without naming the star.
void TestStarDatabaseWindow::typedValuesAreRefusedByTheirField()
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const auto restore = qScopeGuard([&before] { QLocale::setDefault(before); });
    StarDatabaseWindow *form = openForm();
    choose(form, QStringLiteral("Sun"));
    Box(form, "Text1")->setText(QStringLiteral("9940"));
    Box(form, "Text2")->setText(QStringLiteral("1.42"));
    press(Button(form, "plot"));
    QCOMPARE(m_desktop.messages.size(), 1);
    QCOMPARE(m_desktop.messages.at(0).text,
        QStringLiteral("The Absolute Magnitude \"1.42\" cannot be plotted (Type mismatch).\n\n"
                       "Please type a number, for example 4,83."));
    QCOMPARE(form->focusWidget(), Box(form, "Text2"));
    QVERIFY(!Registry().loaded<MainSequenceWindow>()); // nothing cleared or plotted
}

void TestStarDatabaseWindow::okRefusesNumbersThatCannotBePlotted()
{
    StarDatabaseWindow *form = openForm();
    press(Button(form, "upd"));
    press(Button(form, "add"));
    Box(form, "Text3")->setText(QStringLiteral("Vega"));
    const struct {
        const char *temperature, *magnitude, *says;
    } tries[] = {
        {"abc", "0.58", "Avarage Surface Temperature (K) \"abc\" cannot be plotted (Type mismatch)"},
        {"-5", "0.58", "above zero"},
        {"inf", "0.58", "Type mismatch"},
        {"9602", "", "Absolute Magnitude is empty"},
        {"9602", "1e308", "Absolute Magnitude \"1e308\" cannot be plotted"},
        {"9602",
            "9999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999"
            "9999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999"
            "9999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999"
            "99999999999999999999999999999999999999999999999999999999999999999999999999999999999",
            "(Overflow)"},
    };
    for (const auto &attempt : tries) {
        m_desktop.clear();
        Box(form, "Text1")->setText(QString::fromLatin1(attempt.temperature));
        Box(form, "Text2")->setText(QString::fromLatin1(attempt.magnitude));
        press(Button(form, "ok"));
        QCOMPARE(m_desktop.messages.size(), 1);
        QVERIFY2(m_desktop.messages.at(0).text.contains(QString::fromLatin1(attempt.says)),
            qPrintable(m_desktop.messages.at(0).text));
        QCOMPARE(visibleButtons(form), kAdding); // still adding, to be corrected
        QCOMPARE(Box(form, "Text3")->text(), QStringLiteral("Vega"));
        QCOMPARE(namesInFile(m_path), (QStringList {"Sun", "Sirius", "Betelgeuse"}));
    }
    Box(form, "Text1")->setText(QStringLiteral("9602"));
    Box(form, "Text2")->setText(QStringLiteral("0.58"));
    m_desktop.clear();
    press(Button(form, "ok"));
    QVERIFY(m_desktop.messages.isEmpty());
    QCOMPARE(namesInFile(m_path), (QStringList {"Sun", "Sirius", "Betelgeuse", "Vega"}));
}

// A save the file refuses (a full disk, another program holding it) says why
// and keeps the new star as typed, for another try.
void TestStarDatabaseWindow::failedSaveKeepsTheNewStar()
{
    StarDatabaseWindow *form = openForm();
    press(Button(form, "upd"));
    press(Button(form, "add"));
    Type(form, {"Vega", "9602", "0.58"});
    {
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
        other.setDatabaseName(m_path);
        QVERIFY(other.open());
        QSqlQuery hold(other);
        QVERIFY(hold.exec(QStringLiteral("BEGIN EXCLUSIVE")));
        press(Button(form, "ok"));
        QVERIFY(hold.exec(QStringLiteral("ROLLBACK")));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("other"));
    QCOMPARE(m_desktop.messages.size(), 1);
    QVERIFY2(m_desktop.messages.at(0).text.contains(QStringLiteral("Another program")),
        qPrintable(m_desktop.messages.at(0).text));
    QCOMPARE(visibleButtons(form), kAdding);
    QCOMPARE(boxes(form), (StarRecord {"Vega", "9602", "0.58"}));
    press(Button(form, "ok"));
    QCOMPARE(m_desktop.messages.size(), 1);
    QCOMPARE(listNames(form), (QStringList {"Sun", "Sirius", "Betelgeuse", "Vega"}));
}

void TestStarDatabaseWindow::catalogueInUseIsOpenedAgainLater()
{
    // Another connection holds the file exclusively while the window opens.
    QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
    other.setDatabaseName(m_path);
    QVERIFY(other.open());
    QSqlQuery hold(other);
    QVERIFY(hold.exec(QStringLiteral("BEGIN EXCLUSIVE")));
    QVERIFY(hold.exec(QStringLiteral("DELETE FROM \"Star_Q-T\" WHERE \"Star Name\" = 'Sun'")));
    StarDatabaseWindow *form = openForm();
    QCOMPARE(m_desktop.messages.size(), 1);
    const QString text = m_desktop.messages.at(0).text;
    QVERIFY2(text.contains(QStringLiteral("database is locked")) && !text.contains(QStringLiteral("not a star")),
        qPrintable(text));
    QCOMPARE(Rows(form), 0);
    QVERIFY(hold.exec(QStringLiteral("COMMIT")));
    hold.finish();
    other.close();
    other = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("other"));
    // The next action finds the catalogue free again.
    m_desktop.clear();
    press(Button(form, "upd"));
    QVERIFY(m_desktop.messages.isEmpty());
    QCOMPARE(listNames(form), (QStringList {"Sirius", "Betelgeuse"}));
}

void TestStarDatabaseWindow::everyShippedStarPlots()
{
    useShippedCatalogue();
    StarDatabaseWindow *form = openForm();
    QVERIFY2(m_desktop.messages.isEmpty(), qPrintable(m_desktop.messages.value(0).text));
    QVERIFY(Rows(form) >= 30);
    for (int row = 0; row < Rows(form); ++row) {
        SetCurrentRow(form, row);
        const QString name = Row(form, row).data().toString();
        QCOMPARE(Box(form, "Text3")->text(), name);
        press(Button(form, "plot"));
        QVERIFY2(
            m_desktop.messages.isEmpty(), qPrintable(name + QStringLiteral(": ") + m_desktop.messages.value(0).text));
        auto *general = Registry().loaded<GeneralDiagramWindow>();
        QVERIFY2(differingPixels(Marked(general), diagram::GeneralDiagramPicture()) > 0,
            qPrintable(name + QStringLiteral(" left no mark")));
    }
}

void TestStarDatabaseWindow::installedCopyWorksOnTheUserCopy()
{
    makeProgramFolderReadOnly();
    const QString own = stardb::CataloguePath(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    QVERIFY(!QFile::exists(own));
    StarDatabaseWindow *form = openForm();
    QVERIFY2(m_desktop.messages.isEmpty(), qPrintable(m_desktop.messages.value(0).text));
    QCOMPARE(listNames(form), (QStringList {"Sun", "Sirius", "Betelgeuse"}));
    QVERIFY(QFile::exists(own));
    press(Button(form, "upd"));
    press(Button(form, "add"));
    Type(form, {"Vega", "9602", "0.58"});
    press(Button(form, "ok"));
    choose(form, QStringLiteral("Sun"));
    m_desktop.answers.enqueue(Answer::Yes);
    press(Button(form, "del"));
    QCOMPARE(m_desktop.messages.size(), 1); // the question only
    QCOMPARE(listNames(form), (QStringList {"Sirius", "Betelgeuse", "Vega"}));
    QCOMPARE(namesInFile(own), listNames(form));
    QCOMPARE(namesInFile(m_path), (QStringList {"Sun", "Sirius", "Betelgeuse"}));

    // The copy, not the shipped catalogue, from then on.
    press(Button(form, "ex"));
    press(Button(form, "Clse"));
    processDeletes();
    form = openForm();
    QCOMPARE(listNames(form), (QStringList {"Sirius", "Betelgeuse", "Vega"}));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList {platform::kCatalogueFile});
}

void TestStarDatabaseWindow::installedCopyWithoutCatalogueSaysItIsMissing()
{
    QVERIFY(QFile::remove(m_path));
    makeProgramFolderReadOnly();
    StarDatabaseWindow *form = openForm();
    QCOMPARE(m_desktop.messages.size(), 1);
    const QString text = m_desktop.messages.at(0).text;
    QVERIFY2(text.contains(QDir::toNativeSeparators(m_path)) && text.contains(QStringLiteral("does not exist")),
        qPrintable(text));
    QCOMPARE(Rows(form), 0);
    // No empty catalogue stands in for it.
    QVERIFY(!QFileInfo::exists(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
    QVERIFY(!QFile::exists(m_path));
}

void TestStarDatabaseWindow::installedCopyThatCannotBeCopiedIsBrowsed()
{
    makeProgramFolderReadOnly();
    const QString own = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QVERIFY(QDir().mkpath(QFileInfo(own).path()));
    QFile blocker(own); // a file where the folder should be
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const auto unblock = qScopeGuard([&own] { QFile::remove(own); });

    StarDatabaseWindow *form = openForm();
    QCOMPARE(m_desktop.messages.size(), 1);
    const platform::MessageRequest message = m_desktop.messages.at(0);
    QVERIFY2(message.text.contains(QDir::toNativeSeparators(own)) && message.text.contains(QStringLiteral("browsed")),
        qPrintable(message.text));
    QCOMPARE(message.icon, Icon::Exclamation);
    QCOMPARE(listNames(form), (QStringList {"Sun", "Sirius", "Betelgeuse"}));
    press(Button(form, "upd"));
    press(Button(form, "add"));
    QCOMPARE(m_desktop.messages.size(), 2);
    QVERIFY2(
        m_desktop.messages.at(1).text.contains(QStringLiteral("read-only")), qPrintable(m_desktop.messages.at(1).text));
    QCOMPARE(visibleButtons(form), kUpdate);
}

// A user whose locale writes 5963,5 adds a star, picks it and plots it; both
// diagrams mark it and the read-outs answer with the comma.
void TestStarDatabaseWindow::commaLocaleAddsAndPlots()
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const auto restore = qScopeGuard([&before] { QLocale::setDefault(before); });
    StarDatabaseWindow *form = openForm();
    press(Button(form, "upd"));
    press(Button(form, "add"));
    QTest::keyClicks(Box(form, "Text3"), QStringLiteral("Test"));
    QTest::keyClicks(Box(form, "Text1"), QStringLiteral("5963,5"));
    QTest::keyClicks(Box(form, "Text2"), QStringLiteral("4,78"));
    press(Button(form, "ok"));
    QVERIFY2(m_desktop.messages.isEmpty(), qPrintable(m_desktop.messages.value(0).text));
    press(Button(form, "ex"));
    choose(form, QStringLiteral("Test"));
    QCOMPARE(boxes(form), (StarRecord {"Test", "5963,5", "4,78"}));
    press(Button(form, "plot"));
    QVERIFY2(m_desktop.messages.isEmpty(), qPrintable(m_desktop.messages.value(0).text));

    auto *general = Registry().loaded<GeneralDiagramWindow>();
    auto *mainSequence = Registry().loaded<MainSequenceWindow>();
    QVERIFY(general && mainSequence);
    QVERIFY(general->selectedStar() && mainSequence->selectedStar());
    QCOMPARE(general->selectedStar()->point.Temperature, 5963.5);
    QCOMPARE(general->selectedStar()->point.AbsMagnitude, 4.78);
    QCOMPARE(mainSequence->selectedStar()->point.Temperature, 5963.5);
    QVERIFY(differingPixels(Marked(general), diagram::GeneralDiagramPicture()) > 0);
    QVERIFY(differingPixels(Marked(mainSequence), diagram::MainSequenceDiagramPicture()) > 0);
    QCOMPARE(Box(general, "Text1")->text(), QStringLiteral("5963,5"));
    QCOMPARE(Box(general, "Text5")->text(), QStringLiteral("1,00"));
    // Kept with a point, so a user whose numbers have one reads it as well.
    stardb::StarRecordSet reader;
    QVERIFY(reader.open(m_path));
    QVERIFY(reader.setBookmark(reader.list().constLast().bookmark));
    QCOMPARE(reader.current(), (StarRecord {"Test", "5963.5", "4.78"}));
    for (QLineEdit *box : {Box(general, "Text3"), Box(general, "Text4"), Box(general, "Text5")})
        QVERIFY2(
            !box->text().contains(QLatin1Char('.')), qPrintable(box->objectName() + QLatin1Char(' ') + box->text()));
}

// The shipped catalogue writes its numbers with a point; a comma user sees
// them with a comma and every star still plots.
void TestStarDatabaseWindow::commaLocalePlotsTheShippedCatalogue()
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const auto restore = qScopeGuard([&before] { QLocale::setDefault(before); });
    useShippedCatalogue();
    StarDatabaseWindow *form = openForm();
    choose(form, QStringLiteral("Sun"));
    QCOMPARE(boxes(form), (StarRecord {"Sun", "5772", "4,83"}));
    for (int row = 0; row < Rows(form); ++row) {
        SetCurrentRow(form, row);
        const QString name = Row(form, row).data().toString();
        press(Button(form, "plot"));
        QVERIFY2(
            m_desktop.messages.isEmpty(), qPrintable(name + QStringLiteral(": ") + m_desktop.messages.value(0).text));
    }
    QCOMPARE(Box(Registry().loaded<GeneralDiagramWindow>(), "Text2")->text(), Box(form, "Text2")->text());
}

void TestStarDatabaseWindow::closeClearsAndRestoresTheDiagrams()
{
    auto *general = Registry().show<GeneralDiagramWindow>();
    general->findChild<QAction *>(QStringLiteral("Fileimport"))->trigger();
    auto *form = Registry().loaded<StarDatabaseWindow>();
    QVERIFY(form);
    auto *mainSequence = Registry().loaded<MainSequenceWindow>();
    QVERIFY(mainSequence);
    QVERIFY(!Label(general, "Label1")->isVisibleTo(general));
    QVERIFY(!Label(mainSequence, "Label10")->isVisibleTo(mainSequence));
    press(Button(form, "plot"));
    QVERIFY(differingPixels(Marked(general), diagram::GeneralDiagramPicture()) > 0);

    press(Button(form, "Clse"));
    QVERIFY(!Registry().loaded<StarDatabaseWindow>());
    QCOMPARE(differingPixels(Marked(general), diagram::GeneralDiagramPicture()), 0);
    QCOMPARE(differingPixels(Marked(mainSequence), diagram::MainSequenceDiagramPicture()), 0);
    QVERIFY(Label(general, "Label1")->isVisibleTo(general));
    QVERIFY(Label(mainSequence, "Label10")->isVisibleTo(mainSequence));
    processDeletes();
    // Loaded afresh in browse mode next time.
    form = openForm();
    QCOMPARE(visibleButtons(form), kBrowse);
    QVERIFY(!Box(form, "Text3")->isVisibleTo(form));
}

void TestStarDatabaseWindow::closeCreatesNoDiagramWindow()
{
    StarDatabaseWindow *form = openForm();
    press(Button(form, "Clse"));
    processDeletes();
    QVERIFY(Registry().loadedNames().isEmpty());
}

void TestStarDatabaseWindow::titleBarCloseLeavesTheDiagramsAsTheyAre()
{
    auto *general = Registry().show<GeneralDiagramWindow>();
    general->findChild<QAction *>(QStringLiteral("Fileimport"))->trigger();
    auto *form = Registry().loaded<StarDatabaseWindow>();
    auto *mainSequence = Registry().loaded<MainSequenceWindow>();
    QVERIFY(form && mainSequence);
    press(Button(form, "plot"));
    const QImage generalMarked = Marked(general);
    const QImage mainSequenceMarked = Marked(mainSequence);
    QVERIFY(form->close());
    processDeletes();
    QVERIFY(!Registry().loaded<StarDatabaseWindow>());
    QCOMPARE(differingPixels(Marked(general), generalMarked), 0);
    QCOMPARE(differingPixels(Marked(mainSequence), mainSequenceMarked), 0);
    QVERIFY(!Label(general, "Label1")->isVisibleTo(general));
    QVERIFY(!Label(mainSequence, "Label10")->isVisibleTo(mainSequence));
}

QTEST_MAIN(TestStarDatabaseWindow)
#include "test_star_database_window.moc"
