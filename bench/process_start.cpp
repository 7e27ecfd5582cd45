#include "process_start.h"

#include <QFile>
#include <algorithm>
#include <string_view>
#include <chrono>
#include <cstdlib>
#include <optional>
#include <csignal>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace bench {

namespace {

// Reads from `fd` until a line feed, the end of the output or the deadline; the line on a line
// feed, nothing otherwise.
std::optional<std::string> readLine(int fd, std::chrono::steady_clock::time_point deadline)
{
    std::string line;
    char buffer[256];
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            return std::nullopt;
        pollfd watched{fd, POLLIN, 0};
        if (poll(&watched, 1, static_cast<int>(left.count())) <= 0)
            return std::nullopt;
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n <= 0)
            return std::nullopt;
        line.append(buffer, static_cast<std::size_t>(n));
        if (const auto end = line.find('\n'); end != std::string::npos)
            return line.substr(0, end);
    }
}

// The peak resident memory of a running process since it started its program. (The resource
// usage that waiting for a child gives would count this process's memory too: the child shares
// it until it starts its program.)
double peakRssMbOf(pid_t pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0;
}

}  // namespace

ProcessStart timeProcessStart(const QString& program, const QStringList& environment, const QStringList& arguments)
{
    std::vector<std::string> texts;
    for (const QString& entry : environment)
        texts.push_back(entry.toStdString());
    const auto replaced = [&](std::string_view variable) {
        const std::string_view name = variable.substr(0, variable.find('=') + 1);
        return std::any_of(texts.begin(), texts.begin() + environment.size(),
                           [&](const std::string& entry) { return std::string_view(entry).substr(0, name.size()) == name; });
    };
    for (char** e = environ; *e; ++e)
        if (!replaced(*e))
            texts.emplace_back(*e);
    std::vector<char*> envp;
    for (std::string& text : texts)
        envp.push_back(text.data());
    envp.push_back(nullptr);
    std::string path = QFile::encodeName(program).toStdString();
    std::vector<std::string> argumentTexts;
    for (const QString& argument : arguments)
        argumentTexts.push_back(argument.toStdString());
    std::vector<char*> argv{path.data()};
    for (std::string& argument : argumentTexts)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return {-1, 0};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[1]);

    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, path.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    ProcessStart result{-1, 0};
    if (spawned == 0) {
        if (const std::optional<std::string> line = readLine(pipeEnds[0], start + std::chrono::minutes(1))) {
            // "painted", and after a blank the milliseconds the program waited on purpose.
            const std::size_t blank = line->find(' ');
            const double waited = blank == std::string::npos ? 0 : std::atof(line->c_str() + blank + 1) / 1000;
            result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() - waited;
            result.peakRssMb = peakRssMbOf(pid);
        } else {
            kill(pid, SIGKILL);
        }
        int status = 0;
        waitpid(pid, &status, 0);
    }
    close(pipeEnds[0]);
    return result;
}

}  // namespace bench
