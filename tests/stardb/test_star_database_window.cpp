// The star database window: its layout, its three modes, every handler's
// messages, plotting on both diagram windows, and leaving it; the catalogue of
// an installed copy, and a user whose numbers are written with a comma.
#include "diagram/diagram_picture.h"
#include "diagram/general_diagram_window.h"
#include "diagram/main_sequence_window.h"
#include "model/number_format.h"
#include "platform/common_controls.h"
#include "platform/scripted_desktop.h"
#include "stardb/star_catalogue.h"
#include "stardb/star_database_window.h"
#include "windows/window_registry.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScopeGuard>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using platform::Answer;
using platform::Buttons;
using platform::Icon;
using stardb::StarRecord;

namespace {

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

QStringList listNames(const stardb::StarDatabaseWindow *form)
{
    QStringList names;
    for (int row = 0; row < form->DBList1->count(); ++row)
        names << form->DBList1->item(row)->text();
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

StarRecord boxes(const stardb::StarDatabaseWindow *form)
{
    return {form->Text3->text(), form->Text1->text(), form->Text2->text()};
}

// The buttons a mode shows, in the order add ex del plot Clse upd ok cancel.
QString visibleButtons(const stardb::StarDatabaseWindow *form)
{
    QStringList shown;
    for (QPushButton *button :
        {form->add, form->ex, form->del, form->plot, form->Clse, form->upd, form->ok, form->cancel})
        if (button->isVisibleTo(const_cast<stardb::StarDatabaseWindow *>(form)))
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

class TestStarDatabaseWindow : public QObject {
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
    stardb::StarDatabaseWindow *openForm();
    void press(QPushButton *button);
    void choose(stardb::StarDatabaseWindow *form, const QString &name);
    static void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    void makeProgramFolderReadOnly();

    platform::ScriptedDesktop m_desktop;
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;
};

void TestStarDatabaseWindow::initTestCase()
{
    // The user's data folder of these tests lies under ~/.qttest, not in the
    // user's own ~/.local/share.
    QStandardPaths::setTestModeEnabled(true);
    windows::Registry().setDesktop(&m_desktop);
}

void TestStarDatabaseWindow::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    platform::SetProgramFolder(m_dir->path());
    m_path = stardb::CataloguePath(m_dir->path());
    QString error;
    QVERIFY2(stardb::WriteCatalogue(m_path, kFixture, &error), qPrintable(error));
    m_desktop.clear();
}

void TestStarDatabaseWindow::cleanup()
{
    windows::Registry().unloadAll();
    flushDeletes();
    QVERIFY(windows::Registry().loadedNames().isEmpty());
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

stardb::StarDatabaseWindow *TestStarDatabaseWindow::openForm()
{
    auto *form = windows::Registry().show<stardb::StarDatabaseWindow>();
    return form;
}

// As a user can: only a button that is showing can be pressed.
void TestStarDatabaseWindow::press(QPushButton *button)
{
    QVERIFY2(button->isVisible(), qPrintable(button->objectName() + QStringLiteral(" is hidden")));
    QTest::mouseClick(button, Qt::LeftButton);
}

void TestStarDatabaseWindow::choose(stardb::StarDatabaseWindow *form, const QString &name)
{
    const QList<QListWidgetItem *> items = form->DBList1->findItems(name, Qt::MatchExactly);
    QCOMPARE(items.size(), 1);
    const QRect rect = form->DBList1->visualItemRect(items.first());
    QTest::mouseClick(form->DBList1->viewport(), Qt::LeftButton, {}, rect.center());
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
    stardb::StarDatabaseWindow *form = openForm();
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
    stardb::StarDatabaseWindow *form = openForm();
    QCOMPARE(form->windowTitle(), QStringLiteral("Star Database"));
    QCOMPARE(form->size(), QSize(574, 281));
    QCOMPARE(form->minimumSize(), form->maximumSize());
    QCOMPARE(visibleButtons(form), kBrowse);
    QVERIFY(!form->Label4->isVisibleTo(form));
    QVERIFY(!form->Text3->isVisibleTo(form));
    QVERIFY(
        form->Label2->isVisible() && form->Text1->isVisible() && form->Label3->isVisible() && form->Text2->isVisible());
}

void TestStarDatabaseWindow::tabOrder()
{
    stardb::StarDatabaseWindow *form = openForm();
    const QList<QWidget *> expected = {form->plot, form->upd, form->add, form->ok, form->del, form->cancel, form->ex,
        form->Clse, form->Text3, form->Text2, form->Text1, form->DBList1};
    QWidget *widget = form->plot;
    for (int i = 1; i < expected.size(); ++i) {
        widget = widget->nextInFocusChain();
        while (!expected.contains(widget)) // frames sit in the chain without taking focus
            widget = widget->nextInFocusChain();
        QCOMPARE(widget->objectName(), expected.at(i)->objectName());
    }
}

void TestStarDatabaseWindow::opensOnTheFirstRecord()
{
    stardb::StarDatabaseWindow *form = openForm();
    QVERIFY(m_desktop.messages.isEmpty());
    QCOMPARE(listNames(form), (QStringList {"Sun", "Sirius", "Betelgeuse"}));
    QCOMPARE(boxes(form), kFixture.at(0));
    for (int row = 0; row < 3; ++row)
        QVERIFY(form->DBList1->item(row)->data(stardb::StarDatabaseWindow::kBookmarkRole).toLongLong() > 0);
}

void TestStarDatabaseWindow::clickingAStarShowsIt()
{
    stardb::StarDatabaseWindow *form = openForm();
    choose(form, QStringLiteral("Betelgeuse"));
    QCOMPARE(boxes(form), kFixture.at(2));
    choose(form, QStringLiteral("Sirius"));
    QCOMPARE(boxes(form), kFixture.at(1));
    // In update mode too.
    press(form->upd);
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
    stardb::StarDatabaseWindow *form = openForm();
    for (const QString &name : presses) {
        press(form->findChild<QPushButton *>(name));
        if (QTest::currentTestFailed())
            return;
    }
    QCOMPARE(visibleButtons(form), buttons);
    QCOMPARE(form->Label4->isVisible(), nameShown);
    QCOMPARE(form->Text3->isVisible(), nameShown);
    // The public button switches on their own.
    form->HideButtons();
    QVERIFY(!form->add->isVisible() && !form->del->isVisible() && !form->ex->isVisible());
    QVERIFY(form->ok->isVisible() && form->cancel->isVisible());
    form->ShowButtons();
    QVERIFY(form->add->isVisible() && form->del->isVisible());
    QVERIFY(!form->ok->isVisible() && !form->cancel->isVisible());
}

void TestStarDatabaseWindow::okSavesAndShowsTheFirstRecord()
{
    stardb::StarDatabaseWindow *form = openForm();
    press(form->upd);
    choose(form, QStringLiteral("Sirius"));
    press(form->add);
    QCOMPARE(boxes(form), StarRecord {});
    form->Text3->setText(QStringLiteral("Vega"));
    form->Text1->setText(QStringLiteral("9602"));
    form->Text2->setText(QStringLiteral("0.58"));
    press(form->ok);
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
    stardb::StarDatabaseWindow *form = openForm();
    press(form->upd);
    choose(form, QStringLiteral("Sirius"));
    press(form->add);
    form->Text3->setText(name);
    form->Text1->setText(QStringLiteral("9602"));
    press(form->ok);
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
    stardb::StarDatabaseWindow *form = openForm();
    press(form->upd);
    choose(form, QStringLiteral("Betelgeuse"));
    press(form->add);
    form->Text3->setText(QStringLiteral("Vega"));
    press(form->cancel);
    QVERIFY(m_desktop.messages.isEmpty());
    QCOMPARE(visibleButtons(form), kUpdate);
    QCOMPARE(boxes(form), kFixture.at(2));
    QCOMPARE(namesInFile(m_path), (QStringList {"Sun", "Sirius", "Betelgeuse"}));
    // A later save writes only its own record.
    press(form->add);
    form->Text3->setText(QStringLiteral("Deneb"));
    form->Text1->setText(QStringLiteral("8525"));
    form->Text2->setText(QStringLiteral("-8.38"));
    press(form->ok);
    QCOMPARE(namesInFile(m_path), (QStringList {"Sun", "Sirius", "Betelgeuse", "Deneb"}));
}

void TestStarDatabaseWindow::choosingAStarWhileAddingDropsTheNewOne()
{
    stardb::StarDatabaseWindow *form = openForm();
    press(form->upd);
    press(form->add);
    form->Text3->setText(QStringLiteral("Vega"));
    choose(form, QStringLiteral("Sirius"));
    QCOMPARE(boxes(form), kFixture.at(1));
    QCOMPARE(visibleButtons(form), kUpdate);
    QCOMPARE(namesInFile(m_path), (QStringList {"Sun", "Sirius", "Betelgeuse"}));
}

// A list that takes the focus with no row current must not pick a star by
// itself: that would drop the record being typed.
void TestStarDatabaseWindow::focusOnTheListKeepsTheNewOne()
{
    stardb::StarDatabaseWindow *form = openForm();
    press(form->upd);
    press(form->add);
    form->Text3->setText(QStringLiteral("Vega"));
    QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
    QCoreApplication::sendEvent(form->DBList1, &focusIn);
    QCOMPARE(visibleButtons(form), kAdding);
    QCOMPARE(form->Text3->text(), QStringLiteral("Vega"));
    form->Text1->setText(QStringLiteral("9602"));
    form->Text2->setText(QStringLiteral("0.58"));
    press(form->ok);
    QCOMPARE(namesInFile(m_path), (QStringList {"Sun", "Sirius", "Betelgeuse", "Vega"}));
}

void TestStarDatabaseWindow::arrowKeysChooseStars()
{
    stardb::StarDatabaseWindow *form = openForm();
    QTest::keyClick(form->DBList1, Qt::Key_Down);
    QCOMPARE(boxes(form), kFixture.at(1));
    QTest::keyClick(form->DBList1, Qt::Key_End);
    QCOMPARE(boxes(form), kFixture.at(2));
    QTest::keyClick(form->DBList1, Qt::Key_Home);
    QCOMPARE(boxes(form), kFixture.at(0));
}

void TestStarDatabaseWindow::editsToAStoredStarAreNotWritten()
{
    stardb::StarDatabaseWindow *form = openForm();
    choose(form, QStringLiteral("Sirius"));
    form->Text1->setText(QStringLiteral("12000"));
    press(form->plot);
    windows::Registry().unload<diagram::GeneralDiagramWindow>();
    windows::Registry().unload<diagram::MainSequenceWindow>();
    choose(form, QStringLiteral("Sun"));
    choose(form, QStringLiteral("Sirius"));
    QCOMPARE(boxes(form), kFixture.at(1));
    press(form->upd);
    press(form->add);
    form->Text3->setText(QStringLiteral("Vega"));
    press(form->ok);
    stardb::StarRecordSet reader;
    QVERIFY(reader.open(m_path));
    QVERIFY(reader.setBookmark(reader.list().at(1).bookmark));
    QCOMPARE(reader.current(), kFixture.at(1));
}

void TestStarDatabaseWindow::deleteWithoutNameAsksForOne()
{
    QVERIFY(stardb::WriteCatalogue(m_path, {}, nullptr));
    stardb::StarDatabaseWindow *form = openForm();
    QCOMPARE(form->DBList1->count(), 0);
    press(form->upd);
    press(form->del);
    QCOMPARE(m_desktop.messages.size(), 1);
    QCOMPARE(m_desktop.messages.at(0).text, kSelectToDelete);
    QCOMPARE(m_desktop.messages.at(0).icon, Icon::Information);
    QCOMPARE(m_desktop.messages.at(0).buttons, Buttons::Ok);
}

void TestStarDatabaseWindow::deleteAnsweredNoKeepsTheStar()
{
    stardb::StarDatabaseWindow *form = openForm();
    press(form->upd);
    choose(form, QStringLiteral("Sirius"));
    m_desktop.answers.enqueue(Answer::No);
    press(form->del);
    QCOMPARE(m_desktop.messages.size(), 1);
    QCOMPARE(m_desktop.messages.at(0).text, kSureToDelete);
    QCOMPARE(m_desktop.messages.at(0).buttons, Buttons::YesNo);
    QCOMPARE(m_desktop.messages.at(0).icon, Icon::None);
    QCOMPARE(boxes(form), kFixture.at(1));
    QCOMPARE(namesInFile(m_path), (QStringList {"Sun", "Sirius", "Betelgeuse"}));
}

void TestStarDatabaseWindow::deleteShowsTheFirstRemainingStar()
{
    stardb::StarDatabaseWindow *form = openForm();
    press(form->upd);
    choose(form, QStringLiteral("Sun"));
    m_desktop.answers.enqueue(Answer::Yes);
    press(form->del);
    QCOMPARE(m_desktop.messages.size(), 1); // the question only
    QCOMPARE(listNames(form), (QStringList {"Sirius", "Betelgeuse"}));
    QCOMPARE(boxes(form), kFixture.at(1));
    QCOMPARE(namesInFile(m_path), listNames(form));
    QCOMPARE(visibleButtons(form), kUpdate);
}

void TestStarDatabaseWindow::deletingTheLastStarSaysSo()
{
    QVERIFY(stardb::WriteCatalogue(m_path, {kFixture.at(0)}, nullptr));
    stardb::StarDatabaseWindow *form = openForm();
    press(form->upd);
    m_desktop.answers.enqueue(Answer::Yes);
    press(form->del);
    QCOMPARE(m_desktop.messages.size(), 2);
    QCOMPARE(m_desktop.messages.at(0).text, kSureToDelete);
    QCOMPARE(m_desktop.messages.at(1).text, kLastRecord);
    QCOMPARE(m_desktop.messages.at(1).icon, Icon::None);
    QCOMPARE(m_desktop.messages.at(1).buttons, Buttons::Ok);
    QCOMPARE(form->DBList1->count(), 0);
    QCOMPARE(boxes(form), StarRecord {});
    QCOMPARE(namesInFile(m_path), QStringList {});
}

void TestStarDatabaseWindow::deletingAStarAnotherCopyDeletedRefreshes()
{
    stardb::StarDatabaseWindow *form = openForm();
    press(form->upd);
    choose(form, QStringLiteral("Sirius"));
    {
        stardb::StarRecordSet other; // the second copy of the program
        QVERIFY(other.open(m_path));
        QVERIFY(other.setBookmark(other.list().at(1).bookmark));
        QVERIFY(other.deleteCurrent());
    }
    m_desktop.answers.enqueue(Answer::Yes);
    press(form->del);
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
    stardb::StarDatabaseWindow *form = openForm();
    QCOMPARE(m_desktop.messages.size(), 1);
    const platform::MessageRequest message = m_desktop.messages.at(0);
    QVERIFY2(message.text.contains(QDir::toNativeSeparators(m_path)), qPrintable(message.text));
    QVERIFY2(message.text.contains(reason), qPrintable(message.text));
    QCOMPARE(message.icon, Icon::Critical);
    QCOMPARE(QFile::exists(m_path), content != "-");
    // Still usable, and empty.
    QCOMPARE(form->DBList1->count(), 0);
    QCOMPARE(boxes(form), StarRecord {});
    m_desktop.clear();
    press(form->plot);
    QCOMPARE(m_desktop.messages.size(), 1);
    QCOMPARE(m_desktop.messages.at(0).text, kChooseToPlot);
    press(form->upd);
    press(form->add);
    QCOMPARE(m_desktop.messages.size(), 2);
    QVERIFY2(
        m_desktop.messages.at(1).text.contains(QStringLiteral("not open")), qPrintable(m_desktop.messages.at(1).text));
    QCOMPARE(visibleButtons(form), kUpdate);
    press(form->Clse->isVisible() ? form->Clse : form->ex);
    QCOMPARE(QFile::exists(m_path), content != "-");
}

void TestStarDatabaseWindow::readOnlyCatalogueReportsWrites()
{
    QVERIFY(QFile::setPermissions(m_path, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    stardb::StarDatabaseWindow *form = openForm();
    QVERIFY(m_desktop.messages.isEmpty());
    QCOMPARE(listNames(form), (QStringList {"Sun", "Sirius", "Betelgeuse"}));
    press(form->upd);
    press(form->add);
    QCOMPARE(m_desktop.messages.size(), 1);
    QVERIFY2(
        m_desktop.messages.at(0).text.contains(QStringLiteral("read-only")), qPrintable(m_desktop.messages.at(0).text));
    QCOMPARE(visibleButtons(form), kUpdate);
    choose(form, QStringLiteral("Sirius"));
    m_desktop.answers.enqueue(Answer::Yes);
    press(form->del);
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
    stardb::StarDatabaseWindow *form = openForm();
    press(form->plot);
    QCOMPARE(form->x(), 0);
    auto *general = windows::Registry().loaded<diagram::GeneralDiagramWindow>();
    QVERIFY(general && general->isVisible());
    QCOMPARE(m_desktop.messages.size(), 1);
    QCOMPARE(m_desktop.messages.at(0).text, kChooseToPlot);
    QCOMPARE(m_desktop.messages.at(0).icon, Icon::Information);
    QCOMPARE(m_desktop.messages.at(0).title, QStringLiteral("Veltrane"));
    QVERIFY(!windows::Registry().loaded<diagram::MainSequenceWindow>()); // nothing to plot on it
}

void TestStarDatabaseWindow::plotDrawsOnBothDiagrams()
{
    stardb::StarDatabaseWindow *form = openForm();
    choose(form, QStringLiteral("Sirius"));
    form->Text1->setText(QStringLiteral("9940"));
    press(form->plot);
    QVERIFY2(m_desktop.messages.isEmpty(), qPrintable(m_desktop.messages.value(0).text));
    QCOMPARE(form->x(), 0);
    auto *general = windows::Registry().loaded<diagram::GeneralDiagramWindow>();
    auto *mainSequence = windows::Registry().loaded<diagram::MainSequenceWindow>();
    QVERIFY(general && mainSequence);
    QVERIFY(general->isVisible());
    QVERIFY(!mainSequence->isVisible());
    QCOMPARE(general->Text1->text(), QStringLiteral("9940"));
    QCOMPARE(mainSequence->Text1->text(), QStringLiteral("9940"));
    QCOMPARE(general->star.Temperature, 9940.0);
    QCOMPARE(mainSequence->star.Temperature, 9940.0);
    QVERIFY(differingPixels(general->Picture1->image(), diagram::GeneralDiagramPicture()) > 0);
    QVERIFY(differingPixels(mainSequence->Picture1->image(), diagram::MainSequenceDiagramPicture()) > 0);

    // A second star replaces the first mark rather than adding to it.
    const QImage siriusOnly = general->Picture1->image();
    choose(form, QStringLiteral("Betelgeuse"));
    press(form->plot);
    QVERIFY(differingPixels(general->Picture1->image(), siriusOnly) > 0);
    general->ClearPicture();
    QCOMPARE(differingPixels(general->Picture1->image(), diagram::GeneralDiagramPicture()), 0);
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
    stardb::StarDatabaseWindow *form = openForm();
    auto *general = windows::Registry().window<diagram::GeneralDiagramWindow>();
    general->Picture1_MouseDown(1, 0, 187, 249);
    press(form->plot);
    QCOMPARE(m_desktop.messages.size(), 1);
    const QString text = m_desktop.messages.at(0).text;
    QVERIFY2(text.contains(QStringLiteral("\"Odd data\"")) && text.contains(field), qPrintable(text));
    QCOMPARE(general->Text1->text(), QStringLiteral("5963")); // the clicked star is still there
    QCOMPARE(general->Picture1->image(), diagram::GeneralDiagramPicture().convertToFormat(QImage::Format_RGB32));
    QVERIFY(!windows::Registry().loaded<diagram::MainSequenceWindow>());
}

void TestStarDatabaseWindow::okRefusesNumbersThatCannotBePlotted()
{
    stardb::StarDatabaseWindow *form = openForm();
    press(form->upd);
    press(form->add);
    form->Text3->setText(QStringLiteral("Vega"));
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
        form->Text1->setText(QString::fromLatin1(attempt.temperature));
        form->Text2->setText(QString::fromLatin1(attempt.magnitude));
        press(form->ok);
        QCOMPARE(m_desktop.messages.size(), 1);
        QVERIFY2(m_desktop.messages.at(0).text.contains(QString::fromLatin1(attempt.says)),
            qPrintable(m_desktop.messages.at(0).text));
        QCOMPARE(visibleButtons(form), kAdding); // still adding, to be corrected
        QCOMPARE(form->Text3->text(), QStringLiteral("Vega"));
        QCOMPARE(namesInFile(m_path), (QStringList {"Sun", "Sirius", "Betelgeuse"}));
    }
    form->Text1->setText(QStringLiteral("9602"));
    form->Text2->setText(QStringLiteral("0.58"));
    m_desktop.clear();
    press(form->ok);
    QVERIFY(m_desktop.messages.isEmpty());
    QCOMPARE(namesInFile(m_path), (QStringList {"Sun", "Sirius", "Betelgeuse", "Vega"}));
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
    stardb::StarDatabaseWindow *form = openForm();
    QCOMPARE(m_desktop.messages.size(), 1);
    const QString text = m_desktop.messages.at(0).text;
    QVERIFY2(text.contains(QStringLiteral("database is locked")) && !text.contains(QStringLiteral("not a star")),
        qPrintable(text));
    QCOMPARE(form->DBList1->count(), 0);
    QVERIFY(hold.exec(QStringLiteral("COMMIT")));
    hold.finish();
    other.close();
    other = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("other"));
    // The next action finds the catalogue free again.
    m_desktop.clear();
    press(form->upd);
    QVERIFY(m_desktop.messages.isEmpty());
    QCOMPARE(listNames(form), (QStringList {"Sirius", "Betelgeuse"}));
}

void TestStarDatabaseWindow::everyShippedStarPlots()
{
    QVERIFY(QFile::remove(m_path));
    QVERIFY(QFile::copy(stardb::CataloguePath(qEnvironmentVariable("VELTRANE_PROGRAM_DIR")), m_path));
    stardb::StarDatabaseWindow *form = openForm();
    QVERIFY2(m_desktop.messages.isEmpty(), qPrintable(m_desktop.messages.value(0).text));
    QVERIFY(form->DBList1->count() >= 30);
    for (int row = 0; row < form->DBList1->count(); ++row) {
        form->DBList1->setCurrentRow(row);
        const QString name = form->DBList1->item(row)->text();
        QCOMPARE(form->Text3->text(), name);
        press(form->plot);
        QVERIFY2(
            m_desktop.messages.isEmpty(), qPrintable(name + QStringLiteral(": ") + m_desktop.messages.value(0).text));
        auto *general = windows::Registry().loaded<diagram::GeneralDiagramWindow>();
        QVERIFY2(differingPixels(general->Picture1->image(), diagram::GeneralDiagramPicture()) > 0,
            qPrintable(name + QStringLiteral(" left no mark")));
    }
}

void TestStarDatabaseWindow::installedCopyWorksOnTheUserCopy()
{
    makeProgramFolderReadOnly();
    const QString own = stardb::CataloguePath(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    QVERIFY(!QFile::exists(own));
    stardb::StarDatabaseWindow *form = openForm();
    QVERIFY2(m_desktop.messages.isEmpty(), qPrintable(m_desktop.messages.value(0).text));
    QCOMPARE(listNames(form), (QStringList {"Sun", "Sirius", "Betelgeuse"}));
    QVERIFY(QFile::exists(own));
    press(form->upd);
    press(form->add);
    form->Text3->setText(QStringLiteral("Vega"));
    form->Text1->setText(QStringLiteral("9602"));
    form->Text2->setText(QStringLiteral("0.58"));
    press(form->ok);
    choose(form, QStringLiteral("Sun"));
    m_desktop.answers.enqueue(Answer::Yes);
    press(form->del);
    QCOMPARE(m_desktop.messages.size(), 1); // the question only
    QCOMPARE(listNames(form), (QStringList {"Sirius", "Betelgeuse", "Vega"}));
    QCOMPARE(namesInFile(own), listNames(form));
    QCOMPARE(namesInFile(m_path), (QStringList {"Sun", "Sirius", "Betelgeuse"}));

    // The copy, not the shipped catalogue, from then on.
    press(form->ex);
    press(form->Clse);
    flushDeletes();
    form = openForm();
    QCOMPARE(listNames(form), (QStringList {"Sirius", "Betelgeuse", "Vega"}));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList {stardb::kCatalogueFileName});
}

void TestStarDatabaseWindow::installedCopyWithoutCatalogueSaysItIsMissing()
{
    QVERIFY(QFile::remove(m_path));
    makeProgramFolderReadOnly();
    stardb::StarDatabaseWindow *form = openForm();
    QCOMPARE(m_desktop.messages.size(), 1);
    const QString text = m_desktop.messages.at(0).text;
    QVERIFY2(text.contains(QDir::toNativeSeparators(m_path)) && text.contains(QStringLiteral("does not exist")),
        qPrintable(text));
    QCOMPARE(form->DBList1->count(), 0);
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

    stardb::StarDatabaseWindow *form = openForm();
    QCOMPARE(m_desktop.messages.size(), 1);
    const platform::MessageRequest message = m_desktop.messages.at(0);
    QVERIFY2(message.text.contains(QDir::toNativeSeparators(own)) && message.text.contains(QStringLiteral("browsed")),
        qPrintable(message.text));
    QCOMPARE(message.icon, Icon::Exclamation);
    QCOMPARE(listNames(form), (QStringList {"Sun", "Sirius", "Betelgeuse"}));
    press(form->upd);
    press(form->add);
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
    stardb::StarDatabaseWindow *form = openForm();
    press(form->upd);
    press(form->add);
    QTest::keyClicks(form->Text3, QStringLiteral("Test"));
    QTest::keyClicks(form->Text1, QStringLiteral("5963,5"));
    QTest::keyClicks(form->Text2, QStringLiteral("4,78"));
    press(form->ok);
    QVERIFY2(m_desktop.messages.isEmpty(), qPrintable(m_desktop.messages.value(0).text));
    press(form->ex);
    choose(form, QStringLiteral("Test"));
    QCOMPARE(boxes(form), (StarRecord {"Test", "5963,5", "4,78"}));
    press(form->plot);
    QVERIFY2(m_desktop.messages.isEmpty(), qPrintable(m_desktop.messages.value(0).text));

    auto *general = windows::Registry().loaded<diagram::GeneralDiagramWindow>();
    auto *mainSequence = windows::Registry().loaded<diagram::MainSequenceWindow>();
    QVERIFY(general && mainSequence);
    QCOMPARE(general->star.Temperature, 5963.5);
    QCOMPARE(general->star.AbsMagnitude, 4.78);
    QCOMPARE(mainSequence->star.Temperature, 5963.5);
    QVERIFY(differingPixels(general->Picture1->image(), diagram::GeneralDiagramPicture()) > 0);
    QVERIFY(differingPixels(mainSequence->Picture1->image(), diagram::MainSequenceDiagramPicture()) > 0);
    QCOMPARE(general->Text1->text(), QStringLiteral("5963,5"));
    QCOMPARE(general->Text5->text(), QStringLiteral("1,00"));
    // Kept with a point, so a user whose numbers have one reads it as well.
    stardb::StarRecordSet reader;
    QVERIFY(reader.open(m_path));
    QVERIFY(reader.setBookmark(reader.list().constLast().bookmark));
    QCOMPARE(reader.current(), (StarRecord {"Test", "5963.5", "4.78"}));
    for (QLineEdit *box : {general->Text3, general->Text4, general->Text5})
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
    QVERIFY(QFile::remove(m_path));
    QVERIFY(QFile::copy(stardb::CataloguePath(qEnvironmentVariable("VELTRANE_PROGRAM_DIR")), m_path));
    stardb::StarDatabaseWindow *form = openForm();
    choose(form, QStringLiteral("Sun"));
    QCOMPARE(boxes(form), (StarRecord {"Sun", "5772", "4,83"}));
    for (int row = 0; row < form->DBList1->count(); ++row) {
        form->DBList1->setCurrentRow(row);
        const QString name = form->DBList1->item(row)->text();
        press(form->plot);
        QVERIFY2(
            m_desktop.messages.isEmpty(), qPrintable(name + QStringLiteral(": ") + m_desktop.messages.value(0).text));
    }
    QCOMPARE(windows::Registry().loaded<diagram::GeneralDiagramWindow>()->Text2->text(), form->Text2->text());
}

void TestStarDatabaseWindow::closeClearsAndRestoresTheDiagrams()
{
    auto *general = windows::Registry().show<diagram::GeneralDiagramWindow>();
    general->Fileimport_Click();
    auto *form = windows::Registry().loaded<stardb::StarDatabaseWindow>();
    QVERIFY(form);
    auto *mainSequence = windows::Registry().loaded<diagram::MainSequenceWindow>();
    QVERIFY(mainSequence);
    QVERIFY(!general->Label1->isVisibleTo(general));
    QVERIFY(!mainSequence->Label10->isVisibleTo(mainSequence));
    press(form->plot);
    QVERIFY(differingPixels(general->Picture1->image(), diagram::GeneralDiagramPicture()) > 0);

    press(form->Clse);
    QVERIFY(!windows::Registry().loaded<stardb::StarDatabaseWindow>());
    QCOMPARE(differingPixels(general->Picture1->image(), diagram::GeneralDiagramPicture()), 0);
    QCOMPARE(differingPixels(mainSequence->Picture1->image(), diagram::MainSequenceDiagramPicture()), 0);
    QVERIFY(general->Label1->isVisibleTo(general));
    QVERIFY(mainSequence->Label10->isVisibleTo(mainSequence));
    flushDeletes();
    // Loaded afresh in browse mode next time.
    form = openForm();
    QCOMPARE(visibleButtons(form), kBrowse);
    QVERIFY(!form->Text3->isVisibleTo(form));
}

void TestStarDatabaseWindow::closeCreatesNoDiagramWindow()
{
    stardb::StarDatabaseWindow *form = openForm();
    press(form->Clse);
    flushDeletes();
    QVERIFY(windows::Registry().loadedNames().isEmpty());
}

void TestStarDatabaseWindow::titleBarCloseLeavesTheDiagramsAsTheyAre()
{
    auto *general = windows::Registry().show<diagram::GeneralDiagramWindow>();
    general->Fileimport_Click();
    auto *form = windows::Registry().loaded<stardb::StarDatabaseWindow>();
    auto *mainSequence = windows::Registry().loaded<diagram::MainSequenceWindow>();
    QVERIFY(form && mainSequence);
    press(form->plot);
    const QImage generalMarked = general->Picture1->image();
    const QImage mainSequenceMarked = mainSequence->Picture1->image();
    QVERIFY(form->close());
    flushDeletes();
    QVERIFY(!windows::Registry().loaded<stardb::StarDatabaseWindow>());
    QCOMPARE(differingPixels(general->Picture1->image(), generalMarked), 0);
    QCOMPARE(differingPixels(mainSequence->Picture1->image(), mainSequenceMarked), 0);
    QVERIFY(!general->Label1->isVisibleTo(general));
    QVERIFY(!mainSequence->Label10->isVisibleTo(mainSequence));
}

QTEST_MAIN(TestStarDatabaseWindow)
#include "test_star_database_window.moc"
