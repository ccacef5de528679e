// Tests of what a user may not do, such as write a read-only file. The tests run as root, who may
// write anything, so such a test runs again, alone, under setpriv as the user nobody.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace kxtest {

// True when the current test has just been run as the user nobody in a child process, and passed
// or failed there: the caller returns at once. False when this process is to run the test itself,
// being no longer root.
inline bool RanAsUnprivilegedUser() {
    namespace fs = std::filesystem;
    const char* markVar = "KX_UNPRIVILEGED_MARK";
    if (::geteuid() != 0) {
        if (const char* mark = std::getenv(markVar)) std::ofstream(mark) << "ran\n";
        return false;
    }
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string name = std::string(test->test_suite_name()) + "." + test->name();

    // A folder that nobody may enter, with a copy of this program (the build folder may lie where
    // that user cannot reach it), the leak suppressions it names, and a folder of nobody's own.
    std::string base = "/tmp/kxtest-nobody-XXXXXX";
    if (!::mkdtemp(base.data())) {
        ADD_FAILURE() << "no temporary folder";
        return true;
    }
    const fs::path dir = base, home = dir / "home", program = dir / "tests";
    std::error_code ec;
    fs::permissions(dir, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                             fs::perms::others_read | fs::perms::others_exec);
    fs::create_directory(home);
    if (::chown(home.c_str(), 65534, 65534) != 0) ADD_FAILURE() << "cannot give the folder to nobody";
    fs::create_hard_link(fs::read_symlink("/proc/self/exe"), program, ec);
    if (ec) fs::copy_file(fs::read_symlink("/proc/self/exe"), program);

    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string var = *e;
        if (var.starts_with("TMPDIR=") || var.starts_with("GTEST_OUTPUT=") || var.starts_with(markVar))
            continue;
        if (var.starts_with("LSAN_OPTIONS=")) {
            std::string options = var;
            const std::size_t at = options.find("suppressions=");
            if (at != std::string::npos) {
                const std::size_t from = at + 13, to = options.find(':', from);
                const std::string file = options.substr(from, to == std::string::npos ? to : to - from);
                fs::copy_file(file, dir / "lsan.supp", ec);
                options.replace(from, file.size(), (dir / "lsan.supp").string());
            }
            env.push_back(options);
            continue;
        }
        env.push_back(var);
    }
    env.push_back("TMPDIR=" + home.string());
    env.push_back(std::string(markVar) + "=" + (home / "ran").string());
    std::vector<std::string> args = {"setpriv", "--reuid=65534",  "--regid=65534",         "--clear-groups",
                                     "--",      program.string(), "--gtest_filter=" + name};

    std::cout.flush();
    const pid_t child = ::fork();
    if (child == 0) {
        std::vector<char*> argv, envp;
        for (std::string& a : args)
            argv.push_back(a.data());
        for (std::string& e : env)
            envp.push_back(e.data());
        argv.push_back(nullptr);
        envp.push_back(nullptr);
        if (::chdir(home.c_str()) == 0) ::execvpe("setpriv", argv.data(), envp.data());
        ::_exit(127);
    }
    int status = -1;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
        << name << " failed as the user nobody (status " << status << ")";
    EXPECT_TRUE(fs::exists(home / "ran")) << name << " did not run as the user nobody";
    fs::remove_all(dir, ec);
    return true;
}

} // namespace kxtest
