#include "ProcessLauncher.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

int ProcessLauncher::Launch(const std::vector<std::string>& arguments, const std::string& workingDirectory) {
  if (arguments.empty()) return EINVAL;
  std::vector<char*> argv;
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  int report[2];
  if (pipe2(report, O_CLOEXEC) != 0) return errno;
  pid_t child = fork();
  if (child < 0) {
    int error = errno;
    close(report[0]);
    close(report[1]);
    return error;
  }
  if (child == 0) {
    // Only async-signal-safe calls from here on.
    setsid();
    pid_t program = fork();
    if (program == 0) {
      int error = chdir(workingDirectory.c_str()) == 0 ? 0 : errno;
      if (error == 0) {
        execv(argv[0], argv.data());
        error = errno;
      }
      ssize_t ignored = write(report[1], &error, sizeof error);
      (void)ignored;
      _exit(127);
    }
    if (program < 0) {
      int error = errno;
      ssize_t ignored = write(report[1], &error, sizeof error);
      (void)ignored;
    }
    _exit(0);
  }
  close(report[1]);
  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  int error = 0;
  ssize_t n;
  while ((n = read(report[0], &error, sizeof error)) < 0 && errno == EINTR) {
  }
  close(report[0]);
  return n == static_cast<ssize_t>(sizeof error) ? error : 0;
}
