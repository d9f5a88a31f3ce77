// The suites of the diagram windows; test_main.cpp runs them all.
#pragma once

#include <QObject>

QObject *NewDiagramWindowsTest();
QObject *NewDiagramPicturesTest();
QObject *NewDiagramButtonsTest();
