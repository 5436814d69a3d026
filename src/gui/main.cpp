// The VELOR program: builds the application, the per-user settings store and the main window.
#include "app/mainwindow.h"
#include "platform_locale.h"
#include "platform_settings.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VELOR 3.4.0"));
    QApplication::setApplicationVersion(QStringLiteral("3.4.0"));

    velor::QtSettingsStore store;
    velor::Settings settings(
        store,
        velor::ProgramFolder(QDir(QCoreApplication::applicationDirPath()).absolutePath().toStdString()));
    velor::StartOptions options;
    options.localeId = velor::userLocaleId();

    int status = 0;
    {
        velor::MainWindow window(settings, options);
        window.showInStartState();
        // The first argument names a project file to open; further arguments are ignored.
        const QStringList arguments = QApplication::arguments();
        if (arguments.size() > 1)
            window.openFromCommandLine(arguments.at(1));
        status = QApplication::exec();
    }
    store.sync();
    return status;
}
