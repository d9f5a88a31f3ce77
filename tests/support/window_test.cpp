#include "tests/support/window_test.h"

#include "platform/program_folder.h"
#include "windows/dialogs.h"
#include "windows/window_registry.h"

#include <QCoreApplication>
#include <QFile>
#include <QStandardPaths>
#include <QTest>

WindowTest::WindowTest(Dialogs dialogs)
    : m_dialogs(dialogs)
{ }

void WindowTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    if (m_dialogs == Dialogs::Scripted)
        windows::SetDesktop(&m_desktop);
}

void WindowTest::init()
{
    m_locale = QLocale();
    m_desktop.clear();
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    platform::SetProgramFolder(m_dir->path());
}

void WindowTest::cleanup()
{
    unloadEveryWindow();
    QLocale::setDefault(m_locale);
    QVERIFY2(windows::Registry().loadedNames().isEmpty(), qPrintable(windows::Registry().loadedNames().join(", ")));
}

void WindowTest::cleanupTestCase()
{
    windows::SetDesktop(nullptr);
    platform::SetProgramFolder({});
}

void WindowTest::useShippedCatalogue()
{
    const QString copy = m_dir->filePath(QString::fromLatin1(platform::kCatalogueFile));
    QFile::remove(copy);
    QVERIFY(QFile::copy(qEnvironmentVariable("VELTRANE_PROGRAM_DIR") + QStringLiteral("/stars.vlt"), copy));
    QVERIFY(QFile::setPermissions(copy, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
}

void WindowTest::unloadEveryWindow()
{
    windows::Registry().unloadAll();
    processDeletes();
}

void WindowTest::processDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QStringList Texts(const QWidget *window, std::initializer_list<const char *> boxes)
{
    QStringList texts;
    for (const char *name : boxes) {
        const auto *box = Control<QLineEdit>(window, name);
        texts << (box ? box->text() : QStringLiteral("<no %1>").arg(QLatin1String(name)));
    }
    return texts;
}

namespace {

void SendToPicture(const QWidget *window, QEvent::Type type, int x, int y, Qt::MouseButton button,
    Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    auto *picture = Control<QFrame>(window, "Picture1");
    if (!picture)
        return;
    const QPointF at = QPointF(picture->contentsRect().topLeft() + QPoint(x, y));
    QMouseEvent event(type, at, picture->mapToGlobal(at), button, buttons, modifiers);
    QCoreApplication::sendEvent(picture, &event);
}

} // namespace

void PressPicture(const QWidget *window, int x, int y, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    SendToPicture(window, QEvent::MouseButtonPress, x, y, button, button, modifiers);
    SendToPicture(window, QEvent::MouseButtonRelease, x, y, button, Qt::NoButton, modifiers);
}

void MovePointer(const QWidget *window, int x, int y, Qt::MouseButtons buttons)
{
    SendToPicture(window, QEvent::MouseMove, x, y, Qt::NoButton, buttons, Qt::NoModifier);
}
