// A zip archive built in memory, every file stored as it is (no compression),
// as the Office formats accept it. Each file gets its local header, then its
// bytes; archive() appends the central directory and the end record. Every
// file carries the same timestamp, 1980-01-01 00:00, so the same files make
// the same bytes. Names are UTF-8 and flagged so. No Zip64: an archive stays
// under 4 GiB and 65535 files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <string_view>

namespace lodarix::workbook {

// The CRC-32 of zip (and PNG, gzip): "123456789" gives 0xCBF43926.
std::uint32_t crc32(std::string_view data);

class ZipWriter {
public:
    static constexpr std::size_t MaxFiles = 0xFFFF;
    static constexpr std::uint64_t MaxBytes = 0xFFFF'FFFF;

    // Adds a file at the end. Throws std::invalid_argument for an empty name,
    // a name given before, one with a NUL or a backslash or starting with '/';
    // std::length_error when the archive would pass MaxFiles files or MaxBytes
    // bytes (its central directory included), or the name 65535 bytes.
    void add(std::string_view name, std::string_view data);

    // The whole archive: the files in the order added, the central directory
    // and the end record.
    std::string archive() const;

    std::size_t fileCount() const { return count_; }

private:
    std::string files_;     // local headers and data
    std::string directory_; // central directory entries
    std::size_t count_ = 0;
    std::set<std::string, std::less<>> names_;
};

} // namespace lodarix::workbook
