#pragma once

#include <QApplication>
#include <QTest>

#include "gui/platform/graphics_setup.h"

// QTEST_MAIN after the program's own drawing set-up, so that the window tests run on the path
// TAGFORGE_GL chooses, as the program does.
#define TAGFORGE_UI_TEST_MAIN(TestObject)          \
    int main(int argc, char* argv[]) {             \
        tagforge::PrepareGraphics();               \
        QApplication application(argc, argv);      \
        application.setAttribute(Qt::AA_Use96Dpi); \
        TestObject test;                           \
        return QTest::qExec(&test, argc, argv);    \
    }
