// GoogleTest main for widget tests: one QApplication for the whole run,
// headless unless a platform is chosen.

#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

namespace {

// Every test starts from no kept settings, whether the tests run one per
// process or all in one (as under Wine): terms saved by one test never
// change the figures of the next.
class FreshSettings : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override { QSettings().clear(); }
};

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // Wine hands no QT_ variable on to a Windows program: the folder of faces
    // for the offscreen platform on Windows comes under a name of our own.
    if (qEnvironmentVariableIsEmpty("QT_QPA_FONTDIR") &&
        !qEnvironmentVariableIsEmpty("KELVORA_TEST_FONTS")) {
        qputenv("QT_QPA_FONTDIR", qgetenv("KELVORA_TEST_FONTS"));
    }
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    // Settings of the run's own, never the user's: an .ini in a folder of its own.
    QTemporaryDir settings;
    QApplication::setOrganizationName(QStringLiteral("Kelvora"));
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    ::testing::UnitTest::GetInstance()->listeners().Append(new FreshSettings);
    return RUN_ALL_TESTS();
}
