// A fresh temporary directory for a test, removed afterwards.
#pragma once

#include <filesystem>
#include <string>

class TempDir {
public:
    TempDir() {
        std::string tmpl = (std::filesystem::temp_directory_path() / "kxtest-XXXXXX").string();
        char* d = mkdtemp(tmpl.data());
        if (!d) throw std::runtime_error("mkdtemp failed");
        dir_ = d;
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& dir() const { return dir_; }
    std::string path(const std::string& name) const { return name.empty() ? dir_ : dir_ + "/" + name; }

private:
    std::string dir_;
};
