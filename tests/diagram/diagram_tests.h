// The suites of the diagram windows; test_main.cpp runs them all.
#pragma once

#include <QObject>

QObject *NewDiagramStepsTest();
QObject *NewDiagramWindowsTest();
QObject *NewDiagramPicturesTest();
