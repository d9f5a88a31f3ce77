// The yardstick for start-up: an empty Qt Widgets window built in the same tree.
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.resize(481, 215);
    window.show();
    return application.exec();
}
