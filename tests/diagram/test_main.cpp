// One executable for the diagram windows: the windows, the pictures and the
// buttons that lead to the relative size view and the report.
#include "tests/diagram/diagram_tests.h"

#include <QApplication>
#include <QTest>

#include <memory>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    int failures = 0;
    for (auto make : {NewDiagramWindowsTest, NewDiagramPicturesTest, NewDiagramButtonsTest}) {
        std::unique_ptr<QObject> suite(make());
        failures += QTest::qExec(suite.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
