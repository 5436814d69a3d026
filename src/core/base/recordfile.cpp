// Whole-file reads and writes of fixed-size record files, with atomic replacement.
#include "base/recordfile.h"

#include <cstdio>
#include <memory>
#include <system_error>
#if defined(__unix__) || defined(__APPLE__)
#include <unistd.h>
#endif

namespace velor {
namespace {

bool g_failReplace = false;

struct FileCloser
{
    void operator()(std::FILE* f) const
    {
        if (f)
            std::fclose(f);
    }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

FilePtr openFile(const std::filesystem::path& path, const char* mode)
{
    return FilePtr(std::fopen(path.string().c_str(), mode));
}

Status writeAll(std::FILE* f, const Bytes& data, const std::filesystem::path& path)
{
    if (!data.empty() && std::fwrite(data.data(), 1, data.size(), f) != data.size())
        return Error{"cannot write " + path.string()};
    if (std::fflush(f) != 0)
        return Error{"cannot write " + path.string()};
#if defined(__unix__) || defined(__APPLE__)
    ::fsync(fileno(f));
#endif
    return {};
}

} // namespace

std::optional<Bytes> readWholeFile(const std::filesystem::path& path)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        return std::nullopt;
    FilePtr f = openFile(path, "rb");
    if (!f)
        return std::nullopt;
    Bytes data;
    std::uint8_t buffer[65536];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, f.get())) > 0)
        data.insert(data.end(), buffer, buffer + n);
    return data;
}

Status replaceFile(const std::filesystem::path& target, const Bytes& data,
                   const std::filesystem::path& scratch)
{
    const std::filesystem::path scratchPath =
        scratch.empty() ? std::filesystem::path(target.string() + ".new") : scratch;
    {
        FilePtr f = openFile(scratchPath, "wb");
        if (!f)
            return Error{"cannot create " + scratchPath.string()};
        if (Status s = writeAll(f.get(), data, scratchPath); !s) {
            f.reset();
            std::error_code ignored;
            std::filesystem::remove(scratchPath, ignored);
            return s;
        }
    }
    std::error_code ec;
    if (g_failReplace)
        ec = std::make_error_code(std::errc::permission_denied);
    else
        std::filesystem::rename(scratchPath, target, ec);
    if (ec) {
        std::error_code ignored;
        std::filesystem::remove(scratchPath, ignored);
        return Error{"cannot replace " + target.string() + ": " + ec.message()};
    }
    return {};
}

Status appendToFile(const std::filesystem::path& path, const Bytes& data)
{
    FilePtr f = openFile(path, "ab");
    if (!f)
        return Error{"cannot open " + path.string() + " for writing"};
    return writeAll(f.get(), data, path);
}

namespace detail {
void setReplaceFailureForTesting(bool fail)
{
    g_failReplace = fail;
}
} // namespace detail

} // namespace velor
