// File-name rules of the project commands: the project name carried by the window title, the
// names written by Open, Save and Save As, and the joined project name and calculation number.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace velor {

/// The main window's title when no project name is known.
inline constexpr std::string_view kProgramTitle = "VELOR 3.4.0";
/// What precedes the project name in the title.
inline constexpr std::string_view kProgramTitlePrefix = "VELOR 3.4.0 - ";
/// Extension of project files.
inline constexpr std::string_view kProjectExtension = ".dca";
/// Name proposed by Save when the title carries no project name.
inline constexpr std::string_view kDefaultProjectName = "Project1";

/// The project name carried by a window title: the text after "VELOR 3.4.0 - ". Empty for the
/// bare "VELOR 3.4.0" and for any title the program did not set (no prefix).
std::string projectNameFromTitle(std::string_view title);

/// The title for a project name: "VELOR 3.4.0 - " + name, or "VELOR 3.4.0" for an empty name.
std::string titleForProjectName(std::string_view name);

/// A file name cut at its first "." ("abc.v2.dca" -> "abc"; the whole name without a ".").
std::string cutAtFirstDot(std::string_view fileName);

/// Project name + "_" + calculation number when both are filled, the filled one when only one
/// is, empty when both are empty. This is Save As's proposal, the report title and (after the
/// prefix) the title while the Project page is edited.
std::string joinNameAndNumber(std::string_view projectName, std::string_view calcNo);

/// The title after opening `file`: its file name cut at the first "." after the prefix.
std::string titleForOpenedFile(const std::filesystem::path& file);

/// A name confirmed in a save dialog: the file to write and the title it gives the window.
struct ChosenProjectFile
{
    std::filesystem::path file; ///< folder + cut name + ".dca"
    std::string title;          ///< "VELOR 3.4.0 - " + cut name
};

/// The file written for `chosenName` confirmed in `folder`. nullopt when nothing is left of the
/// name before its first "." (".dca" alone would give a nameless, hidden file).
std::optional<ChosenProjectFile> chosenProjectFile(const std::filesystem::path& folder,
                                                   std::string_view chosenName);

/// The folder a project file dialog starts in: the remembered folder if it exists, otherwise the
/// program's "Projects" folder.
std::filesystem::path dialogStartFolder(const std::filesystem::path& remembered,
                                        const std::filesystem::path& projectsFolder);

/// What Save does for the current title.
struct SavePlan
{
    enum class Action
    {
        WriteExisting, ///< write `file` directly and set the title to `title`
        AskForName,    ///< show the save dialog proposing `proposal`
    };
    Action action = Action::AskForName;
    std::filesystem::path file;
    std::string title;
    std::string proposal;
};

/// Save's rule: no project name -> ask, proposing "Project1"; otherwise the name gets ".dca"
/// unless it already has an extension ("Plant 1.2" keeps its own), and if folder + that name
/// exists it is written directly and the title becomes the name cut at its first "."; if it does
/// not exist, ask, proposing the project name. `exists` tells whether a file exists.
SavePlan planSave(std::string_view title, const std::filesystem::path& folder,
                  const std::function<bool(const std::filesystem::path&)>& exists);

} // namespace velor
