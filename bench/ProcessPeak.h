#pragma once

// Runs a program and reads its peak resident size (VmHWM) just before it exits. The kernel's own
// figure for a child (ru_maxrss) also counts the benchmark's pages the child had before exec, so
// the child is stopped at its exit and its status read then.
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <string>
#include <sys/ptrace.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

struct ProcessRun
{
    bool ok = false;  // started and exited with status 0
    double seconds = 0;
    long peakKib = 0;
};

inline long processPeakKib(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::atol(line.c_str() + 6);
    }
    return 0;
}

// `environment` entries are NAME=VALUE; standard output and error go to /dev/null.
inline ProcessRun runProcess(const std::vector<std::string>& argv, const std::vector<std::string>& environment = {})
{
    ProcessRun run;
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        for (const std::string& entry : environment)
            putenv(const_cast<char*>(entry.c_str()));
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, 1);
        dup2(null, 2);
        std::vector<char*> args;
        for (const std::string& arg : argv)
            args.push_back(const_cast<char*>(arg.c_str()));
        args.push_back(nullptr);
        ptrace(PTRACE_TRACEME, 0, nullptr, nullptr);
        execv(args[0], args.data());
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);  // stopped at exec
    ptrace(PTRACE_SETOPTIONS, pid, nullptr, reinterpret_cast<void*>(PTRACE_O_TRACEEXIT | PTRACE_O_EXITKILL));
    ptrace(PTRACE_CONT, pid, nullptr, nullptr);
    while (waitpid(pid, &status, 0) == pid && WIFSTOPPED(status)) {
        int signal = WSTOPSIG(status);
        if (status >> 8 == (SIGTRAP | (PTRACE_EVENT_EXIT << 8))) {
            run.peakKib = processPeakKib(pid);
            signal = 0;
        }
        ptrace(PTRACE_CONT, pid, nullptr, reinterpret_cast<void*>(static_cast<long>(signal)));
    }
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return run;
}

// The folder tools/make-bench-db.sh wrote the databases into (TW_BENCH_DATA).
inline std::string benchDataDir()
{
    const char* dir = std::getenv("TW_BENCH_DATA");
    return dir ? dir : "bench-data";
}

// A fresh data folder of this process holding `database` (one of the script's files, or none) as the
// program's default database; empty when it cannot be made.
inline std::string prepareBenchHome(const std::string& database)
{
    const std::string home = "/tmp/tw-bench-home-" + std::to_string(getpid());
    std::string setup = "rm -rf " + home + " && mkdir -p " + home + "/Tallywick/Tallywick";
    if (!database.empty())
        setup += " && cp " + benchDataDir() + "/" + database + " " + home + "/Tallywick/Tallywick/tallywick.mdb";
    return std::system(setup.c_str()) == 0 ? home : std::string();
}
