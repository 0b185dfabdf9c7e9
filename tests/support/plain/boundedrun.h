// Runs a piece of work in a child process under a fixed budget of CPU time and, if asked,
// of address space, so that a test can tell linear from quadratic work, or a bounded from
// an unbounded appetite for memory, without ever looking at a clock. The child is killed
// by the kernel when it overdraws; the test only reads how it ended.
#pragma once

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstddef>
#include <cstdio>
#include <functional>

// Address-space limits cannot work under AddressSanitizer: it reserves terabytes of virtual
// memory at start.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSpaceLimitWorks = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kAddressSpaceLimitWorks = false;
#else
constexpr bool kAddressSpaceLimitWorks = true;
#endif
#else
constexpr bool kAddressSpaceLimitWorks = true;
#endif

// The address space the process has mapped now, in bytes; 0 when it cannot be read.
inline size_t MappedBytes() {
    std::FILE* pFile = std::fopen("/proc/self/statm", "r");
    if (!pFile) return 0;
    unsigned long nPages = 0;
    const bool bRead = std::fscanf(pFile, "%lu", &nPages) == 1;
    std::fclose(pFile);
    return bRead ? nPages * static_cast<size_t>(sysconf(_SC_PAGESIZE)) : 0;
}

// True when fn returns true in a child process that may use nCpuSeconds of CPU time and,
// when nMoreBytes is not 0, map at most nMoreBytes beyond what is mapped when it starts.
inline bool FinishesWithin(int nCpuSeconds, size_t nMoreBytes, const std::function<bool()>& fn) {
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid < 0) return false;
    if (pid == 0) {
        const rlim_t nCpu = static_cast<rlim_t>(nCpuSeconds);
        const rlimit cpu = {nCpu, nCpu + 1};
        if (setrlimit(RLIMIT_CPU, &cpu) != 0) _exit(3);
        if (nMoreBytes != 0) {
            const size_t nMapped = MappedBytes();
            const rlimit space = {nMapped + nMoreBytes, nMapped + nMoreBytes};
            if (nMapped == 0 || setrlimit(RLIMIT_AS, &space) != 0) _exit(3);
        }
        _exit(fn() ? 0 : 1);
    }
    int nStatus = 0;
    if (waitpid(pid, &nStatus, 0) != pid) return false;
    return WIFEXITED(nStatus) && WEXITSTATUS(nStatus) == 0;
}
