// The splash screen and the About box: the program's picture and its text lines, translated from
// "Info.dat" when the language is not English.
#pragma once

#include "app/settings.h"

#include <QDialog>
#include <QWidget>

class QLabel;

namespace velor {

/// The program's picture with the text lines of "Info.dat" (entries 1, 2, 3 and 5).
class InfoPanel : public QWidget
{
    Q_OBJECT
public:
    InfoPanel(const Settings& settings, QWidget* parent);
    /// The window caption (entry 0).
    QString caption() const { return m_caption; }
    /// The caption of the About box's button (entry 4).
    QString okCaption() const { return m_ok; }

private:
    QString m_caption;
    QString m_ok;
};

class SplashScreen : public QWidget
{
    Q_OBJECT
public:
    explicit SplashScreen(const Settings& settings);
};

class AboutDialog : public QDialog
{
    Q_OBJECT
public:
    AboutDialog(const Settings& settings, QWidget* parent);
};

} // namespace velor
