// The folder the program runs from.
#include "base/programfolder.h"

#include <system_error>

namespace velor {

std::filesystem::path ProgramFolder::executableFolder()
{
    std::error_code ec;
#if defined(__linux__)
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec)
        return exe.parent_path();
#endif
    return {};
}

ProgramFolder ProgramFolder::beside()
{
    return ProgramFolder(executableFolder());
}

} // namespace velor
