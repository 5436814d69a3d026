// The QSettings back end of the settings store: case-insensitive names over a case-sensitive INI
// file, values surviving a new store object, and the user's store location.
#include "app/settings.h"
#include "platform_locale.h"
#include "platform_settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace velor {
namespace {

QTemporaryDir* configHome = nullptr; // the user's configuration folder for this test run

class QtStoreTest : public ::testing::Test
{
protected:
    QString iniPath() const { return dir.filePath(QStringLiteral("store.ini")); }
    QTemporaryDir dir;
};

TEST_F(QtStoreTest, NamesMatchWithoutRegardToCase)
{
    {
        QtSettingsStore store(iniPath());
        EXPECT_FALSE(store.value("Settings\\DecimalPoint\\Calculations", "Defaults", "NTUCalc"));
        EXPECT_FALSE(store.rootExists()); // a read creates nothing
        Settings settings(store);
        settings.group(SettingsGroupId::DecimalsCalc).WriteInteger("Defaults", "NTUCalc", 3);
        settings.group(SettingsGroupId::UnitsFluids).WriteString("Defaults", "LiquidHS", "Glycol, 30 %");
        settings.group(SettingsGroupId::Data).WriteFloat("Defaults", "Capacity", 0.1);
    }
    QtSettingsStore store(iniPath()); // a new object reads the file
    EXPECT_TRUE(store.rootExists());
    Settings settings(store);
    SettingsGroup& calc = settings.group(SettingsGroupId::DecimalsCalc);
    EXPECT_EQ(calc.ReadInteger("Defaults", "NtuCalc", 0), 3);
    EXPECT_EQ(store.value("settings/decimalpoint/calculations", "DEFAULTS", "ntucalc"), "3");
    EXPECT_EQ(settings.group(SettingsGroupId::UnitsFluids).string("liquidhs"), "Glycol, 30 %");
    EXPECT_EQ(settings.group(SettingsGroupId::Data).real("CAPACITY"), 0.1);

    // Writing under another spelling updates the stored value instead of adding one.
    calc.WriteInteger("defaults", "ntucalc", 4);
    store.sync();
    EXPECT_EQ(store.valueNames("Settings\\DecimalPoint\\Calculations", "Defaults"),
              std::vector<std::string>{"NTUCalc"});
    QFile file(iniPath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains("NTUCalc=4")) << text.constData();
    EXPECT_FALSE(text.contains("ntucalc")) << text.constData();
}

TEST_F(QtStoreTest, CreateRoot)
{
    QtSettingsStore store(iniPath());
    EXPECT_FALSE(store.rootExists());
    store.createRoot();
    EXPECT_TRUE(store.rootExists());
    EXPECT_TRUE(store.valueNames("Data", "Defaults").empty());
}

TEST(QtUserStore, LivesInTheUserConfigurationFolder)
{
    QtSettingsStore store;
    EXPECT_TRUE(store.location().startsWith(configHome->path())) << store.location().toStdString();
    EXPECT_TRUE(store.location().endsWith(QStringLiteral("VELOR 3.4.0.conf")))
        << store.location().toStdString();
}

TEST(QtLocale, IdentifierOfTheRunningLocale)
{
    // The test runs with LC_ALL=ru_RU.UTF-8 (set in main before Qt reads the locale).
    EXPECT_EQ(userLocaleId(), "00000419");
}

} // namespace
} // namespace velor

int main(int argc, char** argv)
{
    // Keep the user's real store and locale out of the test.
    QTemporaryDir config;
    velor::configHome = &config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    qputenv("LC_ALL", "ru_RU.UTF-8");
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
