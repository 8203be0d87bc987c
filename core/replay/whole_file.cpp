#include "core/replay/whole_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <system_error>

namespace lodarix::replay {

std::optional<std::string> writeWholeFile(const std::string& path, std::string_view bytes)
{
    namespace fs = std::filesystem;
    std::error_code error;
    if (fs::is_directory(path, error))
        return std::string(std::strerror(EISDIR));
    const std::string temporary = path + ".part-" + std::to_string(std::random_device{}());
    std::FILE* file = std::fopen(temporary.c_str(), "wbx");
    if (!file)
        return std::string(std::strerror(errno));
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const int writeError = errno;
    if (std::fclose(file) != 0 || !written) {
        const std::string reason = std::strerror(written ? errno : writeError);
        std::remove(temporary.c_str());
        return reason;
    }
    fs::rename(temporary, path, error);
    if (error) {
        std::remove(temporary.c_str());
        return error.message();
    }
    return std::nullopt;
}

} // namespace lodarix::replay
