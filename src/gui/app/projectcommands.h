// The project commands of the main window: Open, Save, Save As and the save step of the
// save-changes prompt, with the record built from the window and the window restored from one.
#pragma once

#include "app/projectfile.h"

#include <QObject>
#include <QString>
#include <filesystem>
#include <functional>

namespace velor {

class MainWindow;

class ProjectCommands : public QObject
{
    Q_OBJECT
public:
    explicit ProjectCommands(MainWindow& window);

    // ---- Seams (a modal dialog by default; tests answer them directly) ----
    /// The save dialog: starts in `folder` proposing `proposal`; the chosen path, empty = cancelled.
    std::function<QString(const QString& folder, const QString& proposal)> chooseSaveFile;
    /// The open dialog: starts in `folder`; the chosen path, empty = cancelled.
    std::function<QString(const QString& folder)> chooseOpenFile;
    /// Reports a failed read or write with the system's message.
    std::function<void(const QString& message)> reportError;

    /// The record of the window as it stands: Project page, the duty with its units and the
    /// selected result (without a result list: the project fields, units, side kinds, numbers of
    /// units and minimum oversizing only).
    TProjectFileRec buildRecord() const;
    /// Puts a record back into the window: Project page, sides, fluids, units and values of the
    /// Parameters page, and the saved result as a one-line result list shown on the Rating page.
    void restoreRecord(const TProjectFileRec& rec);

    /// Builds the record and writes it to `path`; a failure is reported and gives false.
    bool WriteProjectFile(const std::filesystem::path& path);
    /// Reads `path` (current or earlier layout), titles the window after the file, shows the
    /// Calculations page and restores the window; an unreadable file is reported and changes
    /// nothing.
    bool ReadProjectFile(const std::filesystem::path& path);

    /// Open: the save-changes prompt, then the open dialog and the read.
    void Open1Click();
    /// Save: writes the file the title names when it exists, otherwise asks for a name. Gives
    /// true when the project was written (the save step of the save-changes prompt).
    bool Save1Click();
    /// Save As: asks for a name proposing project name and calculation number; the title stays.
    bool SaveAs1Click();

    /// The remembered project folder (`Path`, default the "Projects" folder).
    std::filesystem::path projectFolder() const;

private:
    /// Asks for a name in the save dialog and writes cut name + ".dca" in the chosen folder.
    bool saveThroughDialog(const QString& proposal, bool retitle);
    std::filesystem::path dialogFolder() const;

    MainWindow& m_window;
};

} // namespace velor
