// Starts the calculator and a bare Qt window of the same size in turn, many times, and compares
// the time from process start to the first painted frame and the peak resident memory.
// Usage: zentavo_startup_bench PROBE [RUNS]
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Run {
  double milliseconds = 0;
  double mebibytes = 0;
};

std::string Fixed(double value, int decimals) {
  std::array<char, 64> buffer{};
  auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                           std::chars_format::fixed, decimals)
                 .ptr;
  return std::string(buffer.data(), end);
}

// One start of the probe: from spawning it until it says its first frame is painted.
bool StartOnce(const std::string& probe, bool bare, Run& run) {
  int out[2];
  if (pipe(out) != 0) return false;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  std::string bareFlag = "--bare";
  std::vector<char*> argv{const_cast<char*>(probe.c_str())};
  if (bare) argv.push_back(bareFlag.data());
  argv.push_back(nullptr);

  const auto started = std::chrono::steady_clock::now();
  pid_t pid = 0;
  int spawned = posix_spawn(&pid, probe.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  if (spawned != 0) {
    close(out[0]);
    return false;
  }
  std::string said;
  std::array<char, 64> chunk{};
  while (said.find('\n') == std::string::npos) {
    ssize_t got = read(out[0], chunk.data(), chunk.size());
    if (got <= 0) break;
    said.append(chunk.data(), static_cast<std::size_t>(got));
  }
  const auto painted = std::chrono::steady_clock::now();
  close(out[0]);
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  run.milliseconds = std::chrono::duration<double, std::milli>(painted - started).count();
  run.mebibytes = static_cast<double>(usage.ru_maxrss) / 1024;
  return said == "painted\n" && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fputs("usage: zentavo_startup_bench PROBE [RUNS]\n", stderr);
    return 2;
  }
  const std::string probe = argv[1];
  int runs = 21;
  if (argc > 2) std::from_chars(argv[2], argv[2] + std::char_traits<char>::length(argv[2]), runs);
  if (getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);

  std::vector<double> time[2], memory[2];  // [0] the calculator, [1] the bare window
  Run warmUp;
  StartOnce(probe, false, warmUp);  // fills the page cache, so the first measured run is fair
  for (int i = 0; i < runs; ++i) {
    for (int bare = 0; bare < 2; ++bare) {
      Run run;
      if (!StartOnce(probe, bare == 1, run)) {
        std::fputs("the probe did not paint its window\n", stderr);
        return 1;
      }
      time[bare].push_back(run.milliseconds);
      memory[bare].push_back(run.mebibytes);
    }
  }
  const double t0 = Median(time[0]), t1 = Median(time[1]);
  const double m0 = Median(memory[0]), m1 = Median(memory[1]);
  std::printf("Start-up, median of %d runs each, in one interleaved series\n", runs);
  std::printf("%-28s %12s %12s %8s\n", "", "Zentavo", "bare Qt", "ratio");
  std::printf("%-28s %9s ms %9s ms %8s\n", "start to first painted frame", Fixed(t0, 1).c_str(),
              Fixed(t1, 1).c_str(), Fixed(t0 / t1, 3).c_str());
  std::printf("%-28s %8s MiB %8s MiB %8s\n", "peak resident memory", Fixed(m0, 1).c_str(),
              Fixed(m1, 1).c_str(), Fixed(m0 / m1, 3).c_str());
  return 0;
}
