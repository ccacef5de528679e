// The start-up directory and file names found in it without regard to case.
#pragma once

#include <optional>
#include <string>

namespace kx {

// The directory that was current when the program started. Every settings, section and user
// section file lives there; the program never changes its working directory.
extern std::string StartDir;

// Records the current directory as StartDir.
void InitStartDir();

// The path of an existing file named name (compared without regard to case) in dir.
std::optional<std::string> FindFileNoCase(const std::string& dir, const std::string& name);

// The path of name in StartDir: an existing file of that name in any case, else the name as given.
std::string StartDirPath(const std::string& name);

// Joins a directory and a file name.
std::string JoinPath(const std::string& dir, const std::string& name);

// The final component of a path, and the folder that holds it.
std::string FileNameOf(const std::string& path);
std::string FolderOf(const std::string& path);

} // namespace kx
