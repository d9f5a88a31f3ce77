// What window tests share: a scripted desktop answers every dialog, and each
// test function runs in a fresh temporary program folder.
#pragma once

#include "platform/common_controls.h"
#include "platform/scripted_desktop.h"
#include "windows/window_registry.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <memory>

class WindowTest : public QObject {
protected:
    // For initTestCase.
    void useScriptedDesktop() { windows::Registry().setDesktop(&m_desktop); }
    // For init: a clean script and a new, empty program folder.
    bool freshProgramFolder()
    {
        m_desktop.clear();
        m_dir = std::make_unique<QTemporaryDir>();
        if (!m_dir->isValid())
            return false;
        platform::SetProgramFolder(m_dir->path());
        return true;
    }
    // For cleanupTestCase.
    void restoreDesktop()
    {
        windows::Registry().setDesktop(nullptr);
        platform::SetProgramFolder({});
    }
    static void processDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    platform::ScriptedDesktop m_desktop;
    std::unique_ptr<QTemporaryDir> m_dir;
};
