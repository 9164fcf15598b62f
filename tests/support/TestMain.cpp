#include <QApplication>
#include <QLocale>

#include <gtest/gtest.h>

// Every test binary runs with a QApplication (windows are built offscreen) and the US conventions
// pinned, so that no machine's locale can change a formatted figure.
int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
