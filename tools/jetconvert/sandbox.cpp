#include "sandbox.h"

#include "jet_reader.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <glib.h>
#include <memory>
#include <sched.h>
#include <seccomp.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <unistd.h>

namespace jetconvert {

namespace {

// What a sound file needs besides a table as large as itself: its largest values (a memo of up to
// 16 MB, with its text as UTF-8) several times over, and the libraries' own.
constexpr qint64 memoryAllowance = 512LL * 1024 * 1024;

char outOfMemory[200] = "reading it needed more memory than it may have, so it was stopped; the file may be damaged";

// How a call is denied: always, when it opens a file for writing (its flags are argument `arg`),
// when it starts a process rather than a thread, or when it reaches another process.
enum class When { Always, OpensForWriting, NewProcess, OtherProcess };

struct Denied {
    int call;
    When when;
    unsigned arg;
    const char* what;  // what the file made the reader try, to follow "tried to "
};

constexpr char network[] = "reach the network";
constexpr char program[] = "start a program";
constexpr char file[] = "write or change a file other than its copy";
constexpr char process[] = "reach another process";

constexpr Denied denied[] = {
    {SCMP_SYS(socket), When::Always, 0, network},
    {SCMP_SYS(socketpair), When::Always, 0, network},
    {SCMP_SYS(connect), When::Always, 0, network},
    {SCMP_SYS(bind), When::Always, 0, network},
    {SCMP_SYS(listen), When::Always, 0, network},
    {SCMP_SYS(accept), When::Always, 0, network},
    {SCMP_SYS(accept4), When::Always, 0, network},
    {SCMP_SYS(execve), When::Always, 0, program},
    {SCMP_SYS(execveat), When::Always, 0, program},
    {SCMP_SYS(fork), When::Always, 0, program},
    {SCMP_SYS(vfork), When::Always, 0, program},
    {SCMP_SYS(clone), When::NewProcess, 0, program},
    {SCMP_SYS(open), When::OpensForWriting, 1, file},
    {SCMP_SYS(openat), When::OpensForWriting, 2, file},
    {SCMP_SYS(creat), When::Always, 0, file},
    {SCMP_SYS(unlink), When::Always, 0, file},
    {SCMP_SYS(unlinkat), When::Always, 0, file},
    {SCMP_SYS(rename), When::Always, 0, file},
    {SCMP_SYS(renameat), When::Always, 0, file},
    {SCMP_SYS(renameat2), When::Always, 0, file},
    {SCMP_SYS(link), When::Always, 0, file},
    {SCMP_SYS(linkat), When::Always, 0, file},
    {SCMP_SYS(symlink), When::Always, 0, file},
    {SCMP_SYS(symlinkat), When::Always, 0, file},
    {SCMP_SYS(mkdir), When::Always, 0, file},
    {SCMP_SYS(mkdirat), When::Always, 0, file},
    {SCMP_SYS(rmdir), When::Always, 0, file},
    {SCMP_SYS(mknod), When::Always, 0, file},
    {SCMP_SYS(mknodat), When::Always, 0, file},
    {SCMP_SYS(truncate), When::Always, 0, file},
    {SCMP_SYS(chmod), When::Always, 0, file},
    {SCMP_SYS(fchmodat), When::Always, 0, file},
    {SCMP_SYS(chown), When::Always, 0, file},
    {SCMP_SYS(lchown), When::Always, 0, file},
    {SCMP_SYS(fchownat), When::Always, 0, file},
    {SCMP_SYS(utime), When::Always, 0, file},
    {SCMP_SYS(utimes), When::Always, 0, file},
    {SCMP_SYS(futimesat), When::Always, 0, file},
    {SCMP_SYS(utimensat), When::Always, 0, file},
    {SCMP_SYS(setxattr), When::Always, 0, file},
    {SCMP_SYS(lsetxattr), When::Always, 0, file},
    {SCMP_SYS(removexattr), When::Always, 0, file},
    {SCMP_SYS(lremovexattr), When::Always, 0, file},
    {SCMP_SYS(name_to_handle_at), When::Always, 0, file},
    {SCMP_SYS(open_by_handle_at), When::Always, 0, file},
    // A ring that runs calls on the process's behalf, beyond the reach of this filter.
    {SCMP_SYS(io_uring_setup), When::Always, 0, file},
    {SCMP_SYS(kill), When::OtherProcess, 0, process},
    {SCMP_SYS(tkill), When::OtherProcess, 0, process},
    {SCMP_SYS(tgkill), When::OtherProcess, 0, process},
    {SCMP_SYS(ptrace), When::Always, 0, process},
    {SCMP_SYS(process_vm_readv), When::Always, 0, process},
    {SCMP_SYS(process_vm_writev), When::Always, 0, process},
    {SCMP_SYS(pidfd_open), When::Always, 0, process},
    {SCMP_SYS(pidfd_send_signal), When::Always, 0, process},
    {SCMP_SYS(pidfd_getfd), When::Always, 0, process},
};

void say(const char* text) { [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, text, std::strlen(text)); }

[[noreturn]] void endOutOfMemory()
{
    say(reasonPrefix);
    say(outOfMemory);
    say("\n");
    ::_exit(1);
}

// The end of a process that tried a denied call: the call is not made, and the reason is the
// process's last line. Only calls that are safe in a signal handler.
void refuse(int, siginfo_t* info, void*)
{
    const char* what = "do what reading a file never needs";
    for (const Denied& d : denied)
        if (d.call == info->si_syscall)
            what = d.what;
    say(reasonPrefix);
    say("reading it was stopped when it tried to ");
    say(what);
    say(", which reading a file never needs; the file may be damaged\n");
    ::_exit(1);
}

// libmdb allocates through GLib, which ends the process when an allocation fails: under the
// limit, with the reason.
GLogWriterOutput logWriter(GLogLevelFlags level, const GLogField* fields, gsize count, gpointer data)
{
    if (level & G_LOG_LEVEL_ERROR)
        for (gsize i = 0; i < count; ++i)
            if (std::strcmp(fields[i].key, "MESSAGE") == 0 && fields[i].length < 0
                && std::strstr(static_cast<const char*>(fields[i].value), "failed to allocate"))
                endOutOfMemory();
    return g_log_writer_default(level, fields, count, data);
}

// A crash under the limit: where an allocation had just failed (libmdb uses some without looking
// at the answer), or memory has run out so that not even a few pages can be had, it is the limit
// that stopped the reader; otherwise the crash goes on as it would have.
void crashed(int signal)
{
    const bool allocationFailed = errno == ENOMEM;
    void* probe = ::mmap(nullptr, 16 * 4096, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (allocationFailed || probe == MAP_FAILED)
        endOutOfMemory();
    ::munmap(probe, 16 * 4096);
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

void limitMemory(qint64 fileSize)
{
    // The sanitizer reserves its shadow memory as heap, and reports crashes itself.
    if (addressSanitizer)
        return;
    rlimit limit{};
    if (getrlimit(RLIMIT_DATA, &limit) != 0)
        return;
    const rlim_t wanted = static_cast<rlim_t>(memoryAllowance + fileSize);
    limit.rlim_cur = limit.rlim_max == RLIM_INFINITY ? wanted : std::min(wanted, limit.rlim_max);
    if (setrlimit(RLIMIT_DATA, &limit) != 0)
        return;
    std::snprintf(outOfMemory, sizeof outOfMemory,
                  "reading it needed more than the %llu MB of memory it may have, so it was stopped; the file may "
                  "be damaged",
                  static_cast<unsigned long long>((limit.rlim_cur + 512 * 1024) / (1024 * 1024)));
    for (const int signal : {SIGSEGV, SIGBUS, SIGABRT})
        std::signal(signal, crashed);
}

[[noreturn]] void cannotConfine(int error)
{
    throw ConversionError(ConversionError::Kind::Unreadable,
                          QStringLiteral("it is not read, as its reader cannot be shut off from the network, other "
                                         "programs and other files here: %1")
                              .arg(QString::fromLocal8Bit(std::strerror(error))));
}

void addRule(scmp_filter_ctx filter, const Denied& d)
{
    const pid_t self = ::getpid();
    int result = 0;
    switch (d.when) {
    case When::Always:
        result = seccomp_rule_add(filter, SCMP_ACT_TRAP, d.call, 0);
        break;
    case When::OpensForWriting:
        for (const int flag : {O_WRONLY, O_RDWR, O_CREAT, O_TRUNC})
            if (result == 0)
                result = seccomp_rule_add(filter, SCMP_ACT_TRAP, d.call, 1,
                                          scmp_arg_cmp{d.arg, SCMP_CMP_MASKED_EQ, scmp_datum_t(flag), scmp_datum_t(flag)});
        break;
    case When::NewProcess:
        result = seccomp_rule_add(filter, SCMP_ACT_TRAP, d.call, 1,
                                  scmp_arg_cmp{d.arg, SCMP_CMP_MASKED_EQ, CLONE_THREAD, 0});
        break;
    case When::OtherProcess:
        result = seccomp_rule_add(filter, SCMP_ACT_TRAP, d.call, 1,
                                  scmp_arg_cmp{d.arg, SCMP_CMP_NE, scmp_datum_t(self), 0});
        break;
    }
    if (result != 0)
        cannotConfine(-result);
}

}  // namespace

const char* outOfMemoryReason() { return outOfMemory; }

void confine(qint64 fileSize)
{
    limitMemory(fileSize);
    g_log_set_writer_func(logWriter, nullptr, nullptr);

    struct sigaction action {};
    action.sa_sigaction = refuse;
    action.sa_flags = SA_SIGINFO;
    if (sigaction(SIGSYS, &action, nullptr) != 0)
        cannotConfine(errno);
    const std::unique_ptr<void, void (*)(scmp_filter_ctx)> filter(seccomp_init(SCMP_ACT_ALLOW), seccomp_release);
    if (!filter)
        cannotConfine(ENOMEM);
    // The newer call that starts threads and processes keeps its flags where the filter cannot
    // read them: the C library, told that it is missing, starts threads with the older one.
    if (const int result = seccomp_rule_add(filter.get(), SCMP_ACT_ERRNO(ENOSYS), SCMP_SYS(clone3), 0))
        cannotConfine(-result);
    for (const Denied& d : denied) {
        // The address sanitizer's leak check stops the process's threads from a process of its
        // own when the program ends.
        if (!addressSanitizer || (d.call != SCMP_SYS(clone) && d.call != SCMP_SYS(ptrace)))
            addRule(filter.get(), d);
    }
    if (const int result = seccomp_load(filter.get()))
        cannotConfine(-result);
}

}  // namespace jetconvert
