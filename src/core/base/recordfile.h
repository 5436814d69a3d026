// Whole-file reads and writes of fixed-size record files, with atomic replacement.
#pragma once

#include "base/binary.h"
#include "base/result.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <vector>

namespace velor {

/// Reads the whole file. nullopt when it does not exist or cannot be opened for reading.
std::optional<Bytes> readWholeFile(const std::filesystem::path& path);

/// Number of whole records of `recordSize` bytes in `data` (a trailing partial record is ignored).
inline std::size_t recordCount(const Bytes& data, std::size_t recordSize)
{
    return recordSize == 0 ? 0 : data.size() / recordSize;
}

/// Decodes every whole record of a file in file order; empty for a missing file.
/// `decode` takes a pointer to the record's first byte.
template<typename Record, typename Decode>
std::vector<Record> readRecords(const std::filesystem::path& path, std::size_t recordSize, Decode decode)
{
    std::vector<Record> records;
    const auto data = readWholeFile(path);
    if (!data)
        return records;
    const std::size_t count = recordCount(*data, recordSize);
    records.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        records.push_back(decode(data->data() + i * recordSize));
    return records;
}

/// Replaces `target` with `data` so that no crash leaves it half-written or missing: the data go
/// to `scratch` (default: the target's name with ".new" appended, in the same folder), are
/// flushed to disk, and the scratch file is then renamed over the target. On failure the target
/// is unchanged and the scratch file is removed.
Status replaceFile(const std::filesystem::path& target, const Bytes& data,
                   const std::filesystem::path& scratch = {});

/// Appends `data` to `path`, creating the file when it does not exist.
Status appendToFile(const std::filesystem::path& path, const Bytes& data);

namespace detail {
/// Test seam: while set, `replaceFile` fails at the rename step, as when the target is locked.
void setReplaceFailureForTesting(bool fail);
} // namespace detail

} // namespace velor
