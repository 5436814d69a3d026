// Grabs the main window's pages and every dialog as PNG files, for looking at the layout:
//   velor_screenshots <program folder> <output folder> [language]
// The settings live in memory; the language files are read from the program folder.
#include "app/aboutdialog.h"
#include "app/contactdialog.h"
#include "app/fontsdialog.h"
#include "app/mainwindow.h"
#include "app/messagedialog.h"
#include "app/precisiondialog.h"
#include "app/printunitsdialog.h"
#include "units/extendededit.h"

#include <QApplication>
#include <QDir>
#include <QFormLayout>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>

using namespace velor;

namespace {
void save(QWidget* widget, const QString& folder, const QString& name)
{
    widget->show();
    widget->adjustSize();
    QApplication::processEvents();
    widget->grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
    if (auto* tabs = widget->findChild<QTabWidget*>()) {
        for (int i = 1; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            QApplication::processEvents();
            widget->grab().save(folder + QLatin1Char('/') + name + QStringLiteral("-tab%1.png").arg(i));
        }
        tabs->setCurrentIndex(0);
    }
}
} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc < 3) {
        qWarning("usage: velor_screenshots <program folder> <output folder> [language]");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(out);
    MemorySettingsStore store;
    Settings settings(store, ProgramFolder(argv[1]));
    if (argc > 3)
        settings.group(SettingsGroupId::Language).WriteString(kDefaultsSection, "Language", argv[3]);
    StartOptions options;
    options.showSplash = false;

    MainWindow window(settings, options);
    window.resize(1000, 700);
    window.show();
    QApplication::processEvents();
    for (int page = 0; page < window.pageControl()->count(); ++page) {
        window.pageControl()->setTabVisible(page, true);
        window.pageControl()->setCurrentIndex(page);
        QApplication::processEvents();
        window.grab().save(out + QStringLiteral("/main-page%1.png").arg(page));
    }
    window.pageControl()->setCurrentIndex(0);
    window.pageControl()->setTabVisible(2, false);

    PrecisionDialog precision(settings, &window);
    save(&precision, out, QStringLiteral("precision"));
    FontsDialog fonts(settings, &window);
    save(&fonts, out, QStringLiteral("fonts"));
    PrintUnitsDialog units(settings, &window);
    save(&units, out, QStringLiteral("printunits"));
    ContactDialog contact(settings, &window);
    save(&contact, out, QStringLiteral("contact"));
    AboutDialog about(settings, &window);
    save(&about, out, QStringLiteral("about"));
    SplashScreen splash(settings);
    save(&splash, out, QStringLiteral("splash"));
    const TListNames messages = loadMessages(settings);
    MessageSpec spec;
    spec.title = QString::fromStdString(messages.textOr(10, "Question"));
    spec.kind = MessageKind::Question;
    spec.texts << QString::fromStdString(messages.textOr(12, "Save changes to the project")) +
                      QStringLiteral("?");
    spec.buttons << QString::fromStdString(messages.textOr(25, "Yes"))
                 << QString::fromStdString(messages.textOr(26, "No"))
                 << QString::fromStdString(messages.textOr(11, "Cancel"));
    MessageDialog message(spec, &window);
    save(&message, out, QStringLiteral("message"));
    // Value fields: an input with spin buttons, one with typing disabled, a read-only result.
    QWidget fields;
    auto* form = new QFormLayout(&fields);
    auto* input = new TExtendedSpinEdit(&fields);
    input->setIncrement(5);
    input->setPrecision(2);
    input->setValue(120);
    auto* counts = new TExtendedSpinEdit(&fields);
    counts->setEditorEnabled(false);
    counts->setValue(1);
    auto* result = new TExtendedEdit(&fields);
    result->setReadOnly(true);
    result->setPrecision(3);
    result->setValue(-14.7);
    form->addRow(QStringLiteral("Input"), input);
    form->addRow(QStringLiteral("Count"), counts);
    form->addRow(QStringLiteral("Result"), result);
    fields.resize(260, 100);
    save(&fields, out, QStringLiteral("valuefields"));

    for (QMenu* menu : window.menuBar()->findChildren<QMenu*>(QString(), Qt::FindDirectChildrenOnly)) {
        menu->popup(QPoint(0, 0));
        QApplication::processEvents();
        save(menu, out, QStringLiteral("menu-") + menu->objectName());
        menu->hide();
    }
    return 0;
}
