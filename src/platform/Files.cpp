// Start-up directory and case-insensitive file lookup.
#include "platform/Files.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace kx {

std::string StartDir;

void InitStartDir() {
    std::error_code ec;
    auto p = std::filesystem::current_path(ec);
    StartDir = ec ? std::string(".") : p.string();
}

namespace {

bool sameNoCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

} // namespace

std::optional<std::string> FindFileNoCase(const std::string& dir, const std::string& name) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path exact = fs::path(dir) / name;
    if (fs::is_regular_file(exact, ec)) return exact.string();
    std::optional<std::string> found;
    for (fs::directory_iterator it(dir.empty() ? "." : dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string candidate = it->path().filename().string();
        if (sameNoCase(candidate, name) && it->is_regular_file(ec)) {
            // Several spellings can coexist; take the first in name order so the choice is stable.
            if (!found || it->path().string() < *found) found = it->path().string();
        }
    }
    return found;
}

std::string JoinPath(const std::string& dir, const std::string& name) {
    return (std::filesystem::path(dir) / name).string();
}

std::string StartDirPath(const std::string& name) {
    if (auto f = FindFileNoCase(StartDir, name)) return *f;
    return JoinPath(StartDir, name);
}

std::string FileNameOf(const std::string& path) { return std::filesystem::path(path).filename().string(); }

std::string FolderOf(const std::string& path) {
    auto parent = std::filesystem::path(path).parent_path();
    return parent.empty() ? std::string(".") : parent.string();
}

} // namespace kx
