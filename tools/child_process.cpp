#include "tools/child_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>

bool startChild(ChildProcess& child, const std::vector<std::string>& argv, bool shell) {
    // A program that ends while it is written to must not end the match.
    signal(SIGPIPE, SIG_IGN);
    int in[2], out[2];
    if (pipe2(in, O_CLOEXEC) != 0) return false;
    if (pipe2(out, O_CLOEXEC) != 0) {
        close(in[0]);
        close(in[1]);
        return false;
    }
    std::vector<char*> args;
    std::vector<std::string> words = shell ? std::vector<std::string>{"/bin/sh", "-c", "exec " + argv.at(0)} : argv;
    for (std::string& word : words) args.push_back(word.data());
    args.push_back(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(in[0], STDIN_FILENO);
        dup2(out[1], STDOUT_FILENO);
        const int nowhere = open("/dev/null", O_WRONLY);
        if (nowhere >= 0) dup2(nowhere, STDERR_FILENO);
        execvp(args[0], args.data());
        _exit(127);
    }
    close(in[0]);
    close(out[1]);
    if (pid < 0) {
        close(in[1]);
        close(out[0]);
        return false;
    }
    child.pid = pid;
    child.toChild = in[1];
    child.fromChild = LineReader{};
    child.fromChild.fd = out[0];
    return true;
}

bool sendLine(ChildProcess& child, const std::string& line) {
    if (child.toChild < 0) return false;
    const std::string text = line + "\n";
    size_t sent = 0;
    while (sent < text.size()) {
        const ssize_t n = write(child.toChild, text.data() + sent, text.size() - sent);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        sent += static_cast<size_t>(n);
    }
    return true;
}

int endChild(ChildProcess& child, int graceMilliseconds) {
    if (child.toChild >= 0) close(child.toChild);
    if (child.fromChild.fd >= 0) close(child.fromChild.fd);
    child.toChild = child.fromChild.fd = -1;
    if (child.pid <= 0) return -1;
    int status = 0;
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(graceMilliseconds);
    pid_t done;
    while ((done = waitpid(child.pid, &status, WNOHANG)) == 0 && std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    if (done == 0) {
        kill(child.pid, SIGKILL);
        waitpid(child.pid, &status, 0);
    }
    child.pid = -1;
    return done > 0 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
