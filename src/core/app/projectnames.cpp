// File-name rules of the project commands.
#include "app/projectnames.h"

#include <system_error>

namespace velor {

std::string projectNameFromTitle(std::string_view title)
{
    if (!title.starts_with(kProgramTitlePrefix))
        return {};
    return std::string(title.substr(kProgramTitlePrefix.size()));
}

std::string titleForProjectName(std::string_view name)
{
    if (name.empty())
        return std::string(kProgramTitle);
    return std::string(kProgramTitlePrefix) + std::string(name);
}

std::string cutAtFirstDot(std::string_view fileName)
{
    return std::string(fileName.substr(0, fileName.find('.')));
}

std::string joinNameAndNumber(std::string_view projectName, std::string_view calcNo)
{
    if (!projectName.empty() && !calcNo.empty())
        return std::string(projectName) + "_" + std::string(calcNo);
    return std::string(projectName.empty() ? calcNo : projectName);
}

std::string titleForOpenedFile(const std::filesystem::path& file)
{
    return titleForProjectName(cutAtFirstDot(file.filename().string()));
}

std::optional<ChosenProjectFile> chosenProjectFile(const std::filesystem::path& folder,
                                                   std::string_view chosenName)
{
    // The dialog may hand back a full path; only its last component is the name.
    const std::string name = cutAtFirstDot(std::filesystem::path(chosenName).filename().string());
    if (name.empty())
        return std::nullopt;
    return ChosenProjectFile{folder / (name + std::string(kProjectExtension)), titleForProjectName(name)};
}

std::filesystem::path dialogStartFolder(const std::filesystem::path& remembered,
                                        const std::filesystem::path& projectsFolder)
{
    std::error_code ec;
    if (!remembered.empty() && std::filesystem::is_directory(remembered, ec))
        return remembered;
    return projectsFolder;
}

SavePlan planSave(std::string_view title, const std::filesystem::path& folder,
                  const std::function<bool(const std::filesystem::path&)>& exists)
{
    SavePlan plan;
    const std::string name = projectNameFromTitle(title);
    if (name.empty()) {
        plan.proposal = std::string(kDefaultProjectName);
        return plan;
    }
    // An extension is a "." in the name's last component (a dot in a folder does not count).
    const auto lastSeparator = name.find_last_of("/\\");
    const auto dot = name.find('.', lastSeparator == std::string::npos ? 0 : lastSeparator + 1);
    const bool hasExtension = dot != std::string::npos;
    std::filesystem::path file = folder / (hasExtension ? name : name + std::string(kProjectExtension));
    if (exists(file)) {
        plan.action = SavePlan::Action::WriteExisting;
        plan.file = std::move(file);
        plan.title = titleForProjectName(cutAtFirstDot(name));
        return plan;
    }
    plan.proposal = name;
    return plan;
}

} // namespace velor
