// The folder the program runs from and its data sub-folders. The GUI, the CLI and the tests
// point the whole program at another root by constructing a ProgramFolder with that root.
#pragma once

#include <filesystem>

namespace velor {

class ProgramFolder
{
public:
    ProgramFolder() = default;
    explicit ProgramFolder(std::filesystem::path root) : m_root(std::move(root)) {}

    /// The executable's folder, or an empty path if it cannot be determined.
    static std::filesystem::path executableFolder();
    /// A ProgramFolder rooted at the executable's folder.
    static ProgramFolder beside();

    const std::filesystem::path& root() const { return m_root; }
    bool valid() const { return !m_root.empty(); }

    std::filesystem::path fluids() const { return m_root / "Fluids"; }
    std::filesystem::path heatExch() const { return m_root / "HeatExch"; }
    std::filesystem::path techData() const { return m_root / "TechData"; }
    std::filesystem::path drawings() const { return m_root / "TechData" / "Drawing"; }
    std::filesystem::path language() const { return m_root / "Language"; }
    std::filesystem::path projects() const { return m_root / "Projects"; }
    std::filesystem::path reports() const { return m_root / "Reports"; }

private:
    std::filesystem::path m_root;
};

} // namespace velor
