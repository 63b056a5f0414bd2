// GoogleTest main for tests that need a QApplication (offscreen).
#include "online/Webretreiver.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    zirvanto::Webretreiver::modulpfad = QStringLiteral(ZIRVANTO_NETZMODUL);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
