#include "sandbox.h"

#include "jet_reader.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <glib.h>
#include <initializer_list>
#include <memory>
#include <optional>
#include <seccomp.h>
#include <span>
#include <sys/mman.h>
#include <sys/resource.h>
#include <unistd.h>

namespace jetconvert {

namespace {

// What a sound file needs besides a table as large as itself: its largest values (a memo of up to
// 16 MB, with its text as UTF-8) several times over, and the libraries' own.
constexpr qint64 memoryAllowance = 512LL * 1024 * 1024;
// A damaged file can make the reader write rows without end; the copy of a sound file is about
// the size of the file itself, so a limit of several times that ends such a run early.
constexpr qint64 copyAllowance = 64LL * 1024 * 1024;
constexpr qint64 copyPerFileByte = 8;

char outOfMemory[200] = "reading it needed more memory than it may have, so it was stopped; the file may be damaged";
char copyTooLarge[200] = "reading it made a copy larger than it may have, so it was stopped; the file may be damaged";

// The calls the confined child may make whatever their arguments: reading and writing the files
// it holds open (the Jet file, its copy, standard error) and looking at files' state (SQLite looks
// for a journal beside its copy), its own memory, the signals it handles itself, and its end.
constexpr int allowed[] = {
    SCMP_SYS(read),         SCMP_SYS(pread64),      SCMP_SYS(write),  SCMP_SYS(pwrite64),
    SCMP_SYS(close),        SCMP_SYS(newfstatat),   SCMP_SYS(statx),  SCMP_SYS(brk),
    SCMP_SYS(mmap),         SCMP_SYS(munmap),       SCMP_SYS(mremap), SCMP_SYS(mprotect),
    SCMP_SYS(futex),        SCMP_SYS(getpid),       SCMP_SYS(gettid), SCMP_SYS(rt_sigaction),
    SCMP_SYS(rt_sigprocmask), SCMP_SYS(rt_sigreturn), SCMP_SYS(exit_group),
};
// The commands of fcntl that SQLite's locks on its copy use.
constexpr int lockCommands[] = {F_GETLK, F_SETLK};
// Signals the child sends (abort and raise): to itself alone.
constexpr int signalCalls[] = {SCMP_SYS(kill), SCMP_SYS(tkill), SCMP_SYS(tgkill)};

// The sanitizers' own calls: the leak check, when the program ends, reads the process's maps and
// stops its threads from a tracing process of its own, which it waits for; the check of a value's
// dynamic type tells whether memory can be read by writing it to a pipe.
constexpr int sanitizerCalls[] = {SCMP_SYS(clone),   SCMP_SYS(ptrace),     SCMP_SYS(wait4),       SCMP_SYS(prctl),
                                  SCMP_SYS(getppid), SCMP_SYS(getdents),   SCMP_SYS(getdents64),  SCMP_SYS(sigaltstack),
                                  SCMP_SYS(madvise), SCMP_SYS(sched_yield), SCMP_SYS(lseek),      SCMP_SYS(pipe),  SCMP_SYS(pipe2)};
constexpr int openFlagsForWriting = O_WRONLY | O_RDWR | O_CREAT | O_TRUNC;

// Every other call is refused; these say what the file made the reader try, to follow "tried to ".
constexpr int networkCalls[] = {SCMP_SYS(socket), SCMP_SYS(socketpair), SCMP_SYS(connect), SCMP_SYS(bind),
                                SCMP_SYS(listen), SCMP_SYS(accept),     SCMP_SYS(accept4)};
constexpr int programCalls[] = {SCMP_SYS(execve), SCMP_SYS(execveat), SCMP_SYS(fork),
                                SCMP_SYS(vfork),  SCMP_SYS(clone),    SCMP_SYS(clone3)};
constexpr int openCalls[] = {SCMP_SYS(open),   SCMP_SYS(openat),            SCMP_SYS(openat2),
                             SCMP_SYS(creat),  SCMP_SYS(open_by_handle_at), SCMP_SYS(name_to_handle_at),
                             SCMP_SYS(io_uring_setup)};
constexpr int changeCalls[] = {
    SCMP_SYS(unlink),    SCMP_SYS(unlinkat),    SCMP_SYS(rename),    SCMP_SYS(renameat),    SCMP_SYS(renameat2),
    SCMP_SYS(link),      SCMP_SYS(linkat),      SCMP_SYS(symlink),   SCMP_SYS(symlinkat),   SCMP_SYS(mkdir),
    SCMP_SYS(mkdirat),   SCMP_SYS(rmdir),       SCMP_SYS(mknod),     SCMP_SYS(mknodat),     SCMP_SYS(truncate),
    SCMP_SYS(chmod),     SCMP_SYS(fchmod),      SCMP_SYS(fchmodat),  SCMP_SYS(chown),       SCMP_SYS(fchown),
    SCMP_SYS(lchown),    SCMP_SYS(fchownat),    SCMP_SYS(utime),     SCMP_SYS(utimes),      SCMP_SYS(futimesat),
    SCMP_SYS(utimensat), SCMP_SYS(setxattr),    SCMP_SYS(lsetxattr), SCMP_SYS(fsetxattr),   SCMP_SYS(removexattr),
    SCMP_SYS(lremovexattr), SCMP_SYS(fremovexattr)};
constexpr int processCalls[] = {SCMP_SYS(kill),           SCMP_SYS(tkill),          SCMP_SYS(tgkill),
                                SCMP_SYS(ptrace),         SCMP_SYS(process_vm_readv), SCMP_SYS(process_vm_writev),
                                SCMP_SYS(pidfd_open),     SCMP_SYS(pidfd_send_signal), SCMP_SYS(pidfd_getfd)};

struct Refusal {
    const char* what;
    std::span<const int> calls;
};

constexpr Refusal refusals[] = {
    {"reach the network", networkCalls},
    {"start a program", programCalls},
    {"open another file", openCalls},
    {"change a file or folder", changeCalls},
    {"reach another process", processCalls},
};

void say(const char* text) { [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, text, std::strlen(text)); }

// The end of a process that a limit stopped: its last line is the reason, made of `parts`. Only
// calls that are safe in a signal handler.
[[noreturn]] void endWith(std::initializer_list<const char*> parts)
{
    say(reasonPrefix);
    for (const char* part : parts)
        say(part);
    say("\n");
    ::_exit(1);
}

// A call the filter refuses is not made: the process ends, naming what the call would have done,
// or else the call's number.
void refuse(int, siginfo_t* info, void*)
{
    const Refusal* named = std::find_if(std::begin(refusals), std::end(refusals), [&](const Refusal& r) {
        return std::find(r.calls.begin(), r.calls.end(), info->si_syscall) != r.calls.end();
    });
    char number[16];
    char* digits = std::end(number);
    *--digits = '\0';
    unsigned call = static_cast<unsigned>(info->si_syscall);
    do
        *--digits = static_cast<char>('0' + call % 10);
    while (call /= 10);
    const bool isNamed = named != std::end(refusals);
    endWith({"reading it was stopped when it tried to ", isNamed ? named->what : "make system call ", isNamed ? "" : digits,
             ", which reading a file never needs; the file may be damaged"});
}

void copyGrewTooLarge(int) { endWith({copyTooLarge}); }

// libmdb allocates through GLib, which ends the process when an allocation fails: under the
// limit, with the reason.
GLogWriterOutput logWriter(GLogLevelFlags level, const GLogField* fields, gsize count, gpointer data)
{
    if (level & G_LOG_LEVEL_ERROR)
        for (gsize i = 0; i < count; ++i)
            if (std::strcmp(fields[i].key, "MESSAGE") == 0 && fields[i].length < 0
                && std::strstr(static_cast<const char*>(fields[i].value), "failed to allocate"))
                endWith({outOfMemory});
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
        endWith({outOfMemory});
    ::munmap(probe, 16 * 4096);
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

// Lowers the soft limit of `resource` to `wanted` bytes, or to the lower hard limit, and writes
// the reason a process that the limit stops ends with: `format` with the limit in MB.
bool lowerLimit(int resource, qint64 wanted, char (&reason)[200], const char* format)
{
    rlimit limit{};
    if (getrlimit(resource, &limit) != 0)
        return false;
    limit.rlim_cur = limit.rlim_max == RLIM_INFINITY ? rlim_t(wanted) : std::min(rlim_t(wanted), limit.rlim_max);
    if (setrlimit(resource, &limit) != 0)
        return false;
    std::snprintf(reason, sizeof reason, format, static_cast<unsigned long long>((limit.rlim_cur + 512 * 1024) / (1024 * 1024)));
    return true;
}

void limitMemory(qint64 fileSize)
{
    // The sanitizer reserves its shadow memory as heap, and reports crashes itself.
    if (addressSanitizer
        || !lowerLimit(RLIMIT_DATA, memoryAllowance + fileSize, outOfMemory,
                       "reading it needed more than the %llu MB of memory it may have, so it was stopped; the file "
                       "may be damaged"))
        return;
    for (const int signal : {SIGSEGV, SIGBUS, SIGABRT})
        std::signal(signal, crashed);
}

// The system signals a write past the limit of a file's size, which then ends the child with the
// reason.
void limitCopy(qint64 fileSize)
{
    if (lowerLimit(RLIMIT_FSIZE, copyAllowance + copyPerFileByte * fileSize, copyTooLarge,
                   "reading it made a copy larger than the %llu MB it may have, so it was stopped; the file may be "
                   "damaged"))
        std::signal(SIGXFSZ, copyGrewTooLarge);
}

[[noreturn]] void cannotConfine(int error)
{
    throw ConversionError(ConversionError::Kind::Unreadable,
                          QStringLiteral("it is not read, as its reader cannot be shut off from the network, other "
                                         "programs and other files here: %1")
                              .arg(QString::fromLocal8Bit(std::strerror(error))));
}

void check(int result)
{
    if (result != 0)
        cannotConfine(-result);
}

void allow(scmp_filter_ctx filter, int call, std::optional<scmp_arg_cmp> when = {})
{
    // A call this processor does not have is refused anyway.
    if (call >= 0)
        check(when ? seccomp_rule_add(filter, SCMP_ACT_ALLOW, call, 1, *when) : seccomp_rule_add(filter, SCMP_ACT_ALLOW, call, 0));
}

}  // namespace

const char* outOfMemoryReason() { return outOfMemory; }

void confine(qint64 fileSize)
{
    limitMemory(fileSize);
    limitCopy(fileSize);
    g_log_set_writer_func(logWriter, nullptr, nullptr);

    struct sigaction action {};
    action.sa_sigaction = refuse;
    action.sa_flags = SA_SIGINFO;
    if (sigaction(SIGSYS, &action, nullptr) != 0)
        cannotConfine(errno);
    // A call refused traps into `refuse`, which ends the process at once with the reason: a call
    // beyond the list means the reader has left every road that a sound file takes it on, so it is
    // not left to go on with an error that it may take for damage, or not look at. A call of
    // another processor's kind is refused so too.
    const std::unique_ptr<void, void (*)(scmp_filter_ctx)> owned(seccomp_init(SCMP_ACT_TRAP), seccomp_release);
    scmp_filter_ctx filter = owned.get();
    if (!filter)
        cannotConfine(ENOMEM);
    check(seccomp_attr_set(filter, SCMP_FLTATR_ACT_BADARCH, SCMP_ACT_TRAP));
    for (const int call : allowed)
        allow(filter, call);
    for (const int command : lockCommands)
        allow(filter, SCMP_SYS(fcntl), scmp_arg_cmp{1, SCMP_CMP_EQ, scmp_datum_t(command), 0});
    for (const int call : signalCalls)
        allow(filter, call, scmp_arg_cmp{0, SCMP_CMP_EQ, scmp_datum_t(::getpid()), 0});
    if (addressSanitizer) {
        for (const int call : sanitizerCalls)
            allow(filter, call);
        allow(filter, SCMP_SYS(open), scmp_arg_cmp{1, SCMP_CMP_MASKED_EQ, openFlagsForWriting, 0});
        allow(filter, SCMP_SYS(openat), scmp_arg_cmp{2, SCMP_CMP_MASKED_EQ, openFlagsForWriting, 0});
    }
    check(seccomp_load(filter));
}

}  // namespace jetconvert
