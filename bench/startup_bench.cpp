// Starts the calculator, a window of the same size holding one label, and the same window
// without the label, in turn, many times, and compares the time from process start to the first
// painted frame and the peak resident memory. The labelled window is the fair floor: any Qt
// program that draws text pays its font start-up.
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
bool StartOnce(const std::string& probe, const char* mode, Run& run) {
  int out[2];
  if (pipe(out) != 0) return false;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  std::string modeFlag = mode;
  std::vector<char*> argv{const_cast<char*>(probe.c_str())};
  if (!modeFlag.empty()) argv.push_back(modeFlag.data());
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

struct Window {
  const char* title;
  const char* mode;
  std::vector<double> milliseconds, mebibytes;
};

void PrintRow(const char* what, const char* unit, double zentavo, double label, double bare,
              int decimals) {
  std::printf("%-30s %9s %-3s %9s %-3s %9s %-3s %8s %8s\n", what, Fixed(zentavo, decimals).c_str(),
              unit, Fixed(label, decimals).c_str(), unit, Fixed(bare, decimals).c_str(), unit,
              Fixed(zentavo / label, 3).c_str(), Fixed(zentavo / bare, 3).c_str());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fputs("usage: zentavo_startup_bench PROBE [RUNS]\n", stderr);
    return 2;
  }
  const std::string probe = argv[1];
  int runs = 31;
  if (argc > 2) std::from_chars(argv[2], argv[2] + std::char_traits<char>::length(argv[2]), runs);
  if (getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);

  std::array<Window, 3> windows{
      {{"Zentavo", "", {}, {}}, {"one label", "--label", {}, {}}, {"bare Qt", "--bare", {}, {}}}};
  // Fills the page cache, so that the first measured run is fair.
  for (const Window& window : windows) {
    Run warmUp;
    StartOnce(probe, window.mode, warmUp);
  }
  for (int i = 0; i < runs; ++i) {
    // The order turns every round, so that no window always follows the same one.
    for (std::size_t k = 0; k < windows.size(); ++k) {
      Window& window = windows[(k + static_cast<std::size_t>(i)) % windows.size()];
      Run run;
      if (!StartOnce(probe, window.mode, run)) {
        std::fprintf(stderr, "the probe did not paint its window (%s)\n", window.title);
        return 1;
      }
      window.milliseconds.push_back(run.milliseconds);
      window.mebibytes.push_back(run.mebibytes);
    }
  }
  std::printf("Start-up, median of %d runs each, in one interleaved series\n", runs);
  std::printf("%-30s %13s %13s %13s %8s %8s\n", "", windows[0].title, windows[1].title,
              windows[2].title, "/ label", "/ bare");
  PrintRow("start to first painted frame", "ms", Median(windows[0].milliseconds),
           Median(windows[1].milliseconds), Median(windows[2].milliseconds), 1);
  PrintRow("peak resident memory", "MiB", Median(windows[0].mebibytes),
           Median(windows[1].mebibytes), Median(windows[2].mebibytes), 1);
  return 0;
}
