#include "core/workbook/zip_writer.h"

#include <array>
#include <stdexcept>

namespace lodarix::workbook {

namespace {

constexpr std::array<std::uint32_t, 256> crcTable()
{
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t byte = 0; byte < 256; ++byte) {
        std::uint32_t value = byte;
        for (int bit = 0; bit < 8; ++bit)
            value = (value & 1) ? 0xEDB8'8320 ^ (value >> 1) : value >> 1;
        table[byte] = value;
    }
    return table;
}

constexpr auto CrcTable = crcTable();

constexpr std::uint16_t VersionNeeded = 20; // 2.0: folders in names
constexpr std::uint16_t Utf8Names = 0x0800; // general purpose flag bit 11
constexpr std::uint16_t Stored = 0;
constexpr std::uint16_t DosTime = 0;                       // 00:00:00
constexpr std::uint16_t DosDate = (0 << 9) | (1 << 5) | 1; // 1980-01-01
constexpr std::size_t LocalHeaderBytes = 30;
constexpr std::size_t DirectoryEntryBytes = 46;
constexpr std::size_t EndRecordBytes = 22;

void put16(std::string& out, std::uint16_t value)
{
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>(value >> 8);
}

void put32(std::string& out, std::uint32_t value)
{
    put16(out, static_cast<std::uint16_t>(value & 0xFFFF));
    put16(out, static_cast<std::uint16_t>(value >> 16));
}

// The fields a local header and a central directory entry share, from the
// version needed to the extra field's length.
void putCommon(std::string& out, std::uint32_t crc, std::uint32_t size, std::uint16_t nameBytes)
{
    put16(out, VersionNeeded);
    put16(out, Utf8Names);
    put16(out, Stored);
    put16(out, DosTime);
    put16(out, DosDate);
    put32(out, crc);
    put32(out, size); // compressed
    put32(out, size); // uncompressed
    put16(out, nameBytes);
    put16(out, 0); // no extra field
}

void checkName(std::string_view name)
{
    if (name.empty() || name.front() == '/' || name.find('\0') != std::string_view::npos
        || name.find('\\') != std::string_view::npos)
        throw std::invalid_argument("not a file name for a zip archive");
    if (name.size() > 0xFFFF)
        throw std::length_error("a file name in a zip archive is at most 65535 bytes");
}

} // namespace

std::uint32_t crc32(std::string_view data)
{
    std::uint32_t crc = 0xFFFF'FFFF;
    for (const char c : data)
        crc = CrcTable[(crc ^ static_cast<unsigned char>(c)) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFF'FFFF;
}

void ZipWriter::add(std::string_view name, std::string_view data)
{
    checkName(name);
    if (names_.find(name) != names_.end())
        throw std::invalid_argument("a zip archive holds one file of a name");
    if (count_ == MaxFiles)
        throw std::length_error("a zip archive holds at most 65535 files");
    const std::uint64_t after = std::uint64_t{files_.size()} + LocalHeaderBytes + name.size()
        + data.size() + directory_.size() + DirectoryEntryBytes + name.size() + EndRecordBytes;
    if (after > MaxBytes)
        throw std::length_error("a zip archive without Zip64 stays under 4 GiB");

    const auto crc = crc32(data);
    const auto size = static_cast<std::uint32_t>(data.size());
    const auto nameBytes = static_cast<std::uint16_t>(name.size());
    const auto offset = static_cast<std::uint32_t>(files_.size());

    put32(files_, 0x0403'4B50);
    putCommon(files_, crc, size, nameBytes);
    files_ += name;
    files_ += data;

    put32(directory_, 0x0201'4B50);
    put16(directory_, VersionNeeded); // made by: MS-DOS attributes, version 2.0
    putCommon(directory_, crc, size, nameBytes);
    put16(directory_, 0); // no comment
    put16(directory_, 0); // disk 0
    put16(directory_, 0); // internal attributes
    put32(directory_, 0); // external attributes
    put32(directory_, offset);
    directory_ += name;

    names_.emplace(name);
    ++count_;
}

std::string ZipWriter::archive() const
{
    std::string out;
    out.reserve(files_.size() + directory_.size() + EndRecordBytes);
    out += files_;
    out += directory_;
    const auto count = static_cast<std::uint16_t>(count_);
    put32(out, 0x0605'4B50);
    put16(out, 0); // this disk
    put16(out, 0); // the disk the directory starts on
    put16(out, count);
    put16(out, count);
    put32(out, static_cast<std::uint32_t>(directory_.size()));
    put32(out, static_cast<std::uint32_t>(files_.size()));
    put16(out, 0); // no comment
    return out;
}

} // namespace lodarix::workbook
