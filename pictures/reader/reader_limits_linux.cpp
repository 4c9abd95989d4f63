// SPDX-License-Identifier: GPL-3.0-or-later
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <cerrno>
#include <cstddef>

#include <fcntl.h>
#include <linux/audit.h>
#include <linux/filter.h>
#include <linux/landlock.h>
#include <linux/seccomp.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include "reader_answer.h"
#include "reader_limits.h"

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kAddressSanitizer = true;
#else
constexpr bool kAddressSanitizer = false;
#endif
#else
constexpr bool kAddressSanitizer = false;
#endif

bool limit(int resource, rlim_t value) {
    const rlimit bound{value, value};
    return setrlimit(resource, &bound) == 0;
}

// Every kind of file access the kernel's Landlock knows, by the version it speaks.
__u64 fileAccessesOf(int abi) {
    __u64 accesses = (LANDLOCK_ACCESS_FS_MAKE_SYM << 1) - 1;  // version 1
    if (abi >= 2) accesses |= LANDLOCK_ACCESS_FS_REFER;
    if (abi >= 3) accesses |= 1ULL << 14;  // truncating, newer than some systems' headers
    return accesses;
}

constexpr __u64 kReadAndRun =
    LANDLOCK_ACCESS_FS_READ_FILE | LANDLOCK_ACCESS_FS_READ_DIR | LANDLOCK_ACCESS_FS_EXECUTE;

// The program's own files (libraries, plugins, fonts and their caches) may be read; nothing
// else may be opened at all, written or made.
bool onlyTheProgramsOwnFiles() {
    const int abi =
        int(syscall(SYS_landlock_create_ruleset, nullptr, 0, LANDLOCK_CREATE_RULESET_VERSION));
    if (abi < 1) return false;
    landlock_ruleset_attr ruleset{};
    ruleset.handled_access_fs = fileAccessesOf(abi);
    const int rules = int(syscall(SYS_landlock_create_ruleset, &ruleset, sizeof ruleset, 0));
    if (rules < 0) return false;
    const QByteArray fontCache =
        QFile::encodeName(QDir::homePath() + QStringLiteral("/.cache/fontconfig"));
    for (const char* path :
         {"/usr", "/lib", "/lib64", "/etc", "/var/cache/fontconfig", fontCache.constData()}) {
        const int directory = open(path, O_PATH | O_CLOEXEC);
        if (directory < 0) continue;
        landlock_path_beneath_attr beneath{};
        beneath.allowed_access = kReadAndRun & ruleset.handled_access_fs;
        beneath.parent_fd = directory;
        syscall(SYS_landlock_add_rule, rules, LANDLOCK_RULE_PATH_BENEATH, &beneath, 0);
        close(directory);
    }
    const bool shut = syscall(SYS_landlock_restrict_self, rules, 0) == 0;
    close(rules);
    return shut;
}

// No socket of any kind: the reader needs none, and a local one could reach other programs.
bool noSockets() {
#if defined(__x86_64__)
    constexpr __u32 arch = AUDIT_ARCH_X86_64;
#elif defined(__aarch64__)
    constexpr __u32 arch = AUDIT_ARCH_AARCH64;
#else
    return false;
#endif
#if defined(__x86_64__) || defined(__aarch64__)
    sock_filter filter[] = {
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, arch)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, arch, 1, 0),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_KILL_PROCESS),
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
        // The same calls through another numbering (x32) would pass unseen.
        BPF_JUMP(BPF_JMP | BPF_JGE | BPF_K, 0x40000000, 0, 1),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_KILL_PROCESS),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_socket, 0, 1),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | EACCES),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
    };
    sock_fprog program{static_cast<unsigned short>(sizeof filter / sizeof filter[0]), filter};
    return prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program) == 0;
#endif
}

}  // namespace

int shutReaderIn(qint64 memoryBytes, int processorSeconds) {
    int protections = 0;
    // The address sanitizer reserves terabytes it never uses: no limit of memory fits it.
    if (!kAddressSanitizer && limit(RLIMIT_DATA, rlim_t(memoryBytes))) protections |= MemoryLimit;
    if (limit(RLIMIT_CPU, rlim_t(processorSeconds))) protections |= TimeLimit;
    if (prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0) protections |= NoNewPrivileges;
    if (onlyTheProgramsOwnFiles()) protections |= OnlyItsFile;
    if ((protections & NoNewPrivileges) && noSockets()) protections |= NoNetwork;
    return protections;
}

qint64 ownPeakBytes() {
    static const int status = open("/proc/self/status", O_RDONLY | O_CLOEXEC);
    char text[8192];
    const ssize_t length = status < 0 ? -1 : pread(status, text, sizeof text - 1, 0);
    if (length <= 0) return 0;
    const QByteArray lines(text, int(length));
    const qsizetype at = lines.indexOf("VmHWM:");
    if (at < 0) return 0;
    return lines.mid(at + 6, lines.indexOf('\n', at) - at - 6)
               .trimmed()
               .split(' ')[0]
               .toLongLong() *
           1024;
}

qint64 residentBytesOf(qint64 processId) {
    QFile statm(QStringLiteral("/proc/%1/statm").arg(processId));
    if (!statm.open(QIODevice::ReadOnly)) return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() * sysconf(_SC_PAGESIZE) : 0;
}

void giveWayToTheWindow() { setpriority(PRIO_PROCESS, 0, 10); }
