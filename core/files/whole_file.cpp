#include "core/files/whole_file.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace lodarix::files {

namespace {

std::error_code systemError(int error)
{
    return {error, std::generic_category()};
}

bool writeProtected(const std::string& path)
{
#ifdef _WIN32
    return _access(path.c_str(), 2) != 0;
#else
    return ::access(path.c_str(), W_OK) != 0;
#endif
}

} // namespace

std::optional<WriteFailure> writeWholeFile(const std::string& path, std::string_view bytes)
{
    namespace fs = std::filesystem;
    using Step = WriteFailure::Step;
    std::error_code error;
    const fs::file_status existing = fs::status(path, error);
    if (fs::is_directory(existing))
        return WriteFailure{Step::Open, systemError(EISDIR)};
    if (fs::exists(existing) && writeProtected(path))
        return WriteFailure{Step::Open, systemError(EACCES)};
    const std::string temporary = path + ".part-" + std::to_string(std::random_device{}());
    std::FILE* file = std::fopen(temporary.c_str(), "wbx");
    if (!file)
        return WriteFailure{Step::Open, systemError(errno)};
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const int writeError = errno;
    if (std::fclose(file) != 0 || !written) {
        const int reason = written ? errno : writeError;
        std::remove(temporary.c_str());
        return WriteFailure{Step::Write, systemError(reason)};
    }
    // The file keeps the rights it had.
    if (fs::exists(existing))
        fs::permissions(temporary, existing.permissions(), error);
    fs::rename(temporary, path, error);
    if (error) {
        std::remove(temporary.c_str());
        return WriteFailure{Step::Replace, error};
    }
    return std::nullopt;
}

} // namespace lodarix::files
