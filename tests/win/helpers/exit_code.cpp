// Test helper: runs the program named by the first argument, with the other
// arguments after it, and prints its exit code as Windows reports it once it
// has ended. Under a heavy load Wine kills a process that is slow to leave
// after it has ended (SIGKILL), so the wine command's own status can say 137
// whatever the program returned. The program runs in a job that ends with
// this helper: ending the helper ends the program too. Exits with the
// program's code, or 255 if it cannot start.
#include <windows.h>

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
  if (argc < 2) return 255;
  std::string command = std::string("\"") + argv[1] + "\"";
  for (int i = 2; i < argc; ++i) command += std::string(" ") + argv[i];

  HANDLE job = CreateJobObjectA(nullptr, nullptr);
  JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
  limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
  SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof limits);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION program{};
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                      nullptr, &startup, &program)) {
    std::fprintf(stderr, "exit_code: cannot start %s\n", argv[1]);
    return 255;
  }
  AssignProcessToJobObject(job, program.hProcess);
  ResumeThread(program.hThread);
  WaitForSingleObject(program.hProcess, INFINITE);
  DWORD code = 255;
  GetExitCodeProcess(program.hProcess, &code);
  std::printf("%lu\n", static_cast<unsigned long>(code));
  std::fflush(stdout);
  return static_cast<int>(code);
}
