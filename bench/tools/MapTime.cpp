// corvane_maptime [--size WxH] [--settle MS] [--idle S] [--hide] -- PROGRAM ARGS...
//
// Starts PROGRAM on the X display and prints one line of figures about it:
//   map_ms      time from exec to the MapNotify of its first top-level window (of size WxH
//               when given; override-redirect windows such as tool tips are not counted)
//   hwm_kb      peak resident memory (VmHWM) after the settle time
//   pss_kb      proportional set size at the same moment
//   idle_cpu_ms CPU time used over S seconds of idling (with --idle), the window iconified
//               first with --hide
//   idle_wakeups context switches of all its threads over the same time
// Then it ends the program with SIGTERM (SIGKILL after 5 s).
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <dirent.h>
#include <signal.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

long StatusField(const std::string& file, const char* key) {
  std::ifstream in(file);
  std::string line;
  const std::size_t n = std::strlen(key);
  while (std::getline(in, line)) {
    if (line.compare(0, n, key) == 0 && line.size() > n && line[n] == ':') return std::atol(line.c_str() + n + 1);
  }
  return -1;
}

// CPU time of all its threads, in milliseconds (schedstat counts nanoseconds; the tick
// counts of /proc/PID/stat are too coarse for an idle window).
double CpuMs(pid_t pid) {
  const std::string dir = "/proc/" + std::to_string(pid) + "/task";
  double sum = 0;
  if (DIR* d = opendir(dir.c_str())) {
    while (dirent* e = readdir(d)) {
      if (e->d_name[0] == '.') continue;
      std::ifstream in(dir + "/" + e->d_name + "/schedstat");
      unsigned long long ns = 0;
      if (in >> ns) sum += static_cast<double>(ns) / 1e6;
    }
    closedir(d);
  }
  return sum;
}

long ContextSwitches(pid_t pid) {
  const std::string dir = "/proc/" + std::to_string(pid) + "/task";
  long sum = 0;
  if (DIR* d = opendir(dir.c_str())) {
    while (dirent* e = readdir(d)) {
      if (e->d_name[0] == '.') continue;
      const std::string status = dir + "/" + e->d_name + "/status";
      const long v = StatusField(status, "voluntary_ctxt_switches");
      const long nv = StatusField(status, "nonvoluntary_ctxt_switches");
      if (v > 0) sum += v;
      if (nv > 0) sum += nv;
    }
    closedir(d);
  }
  return sum;
}

int Usage() {
  std::fprintf(stderr, "usage: corvane_maptime [--size WxH] [--settle MS] [--idle S] [--hide] -- PROGRAM ARGS...\n");
  return 2;
}

void EndChild(pid_t pid) {
  kill(pid, SIGTERM);
  for (int i = 0; i < 500; ++i) {
    if (waitpid(pid, nullptr, WNOHANG) == pid) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
}

}  // namespace

int main(int argc, char** argv) {
  int wantW = 0, wantH = 0, settleMs = 1000, idleS = 0;
  bool hide = false;
  int i = 1;
  for (; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--") {
      ++i;
      break;
    }
    if (a == "--size" && i + 1 < argc) {
      if (std::sscanf(argv[++i], "%dx%d", &wantW, &wantH) != 2) return Usage();
    } else if (a == "--settle" && i + 1 < argc) {
      settleMs = std::atoi(argv[++i]);
    } else if (a == "--idle" && i + 1 < argc) {
      idleS = std::atoi(argv[++i]);
    } else if (a == "--hide") {
      hide = true;
    } else {
      return Usage();
    }
  }
  if (i >= argc) return Usage();

  Display* dpy = XOpenDisplay(nullptr);
  if (!dpy) {
    std::fprintf(stderr, "corvane_maptime: no X display\n");
    return 1;
  }
  const Window root = DefaultRootWindow(dpy);
  XSelectInput(dpy, root, SubstructureNotifyMask);
  XSync(dpy, False);

  const auto start = Clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    execvp(argv[i], argv + i);
    std::perror("exec");
    _exit(127);
  }

  Window mapped = 0;
  const int fd = ConnectionNumber(dpy);
  while (!mapped) {
    if (Clock::now() - start > std::chrono::seconds(60)) break;
    while (!mapped && XPending(dpy)) {
      XEvent ev;
      XNextEvent(dpy, &ev);
      if (ev.type != MapNotify || ev.xmap.override_redirect) continue;
      XWindowAttributes attr;
      if (!XGetWindowAttributes(dpy, ev.xmap.window, &attr)) continue;
      if (wantW && (attr.width != wantW || attr.height != wantH)) continue;
      mapped = ev.xmap.window;
    }
    if (mapped) break;
    fd_set set;
    FD_ZERO(&set);
    FD_SET(fd, &set);
    timeval tv{0, 100000};
    select(fd + 1, &set, nullptr, nullptr, &tv);
    if (waitpid(pid, nullptr, WNOHANG) == pid) {
      std::fprintf(stderr, "corvane_maptime: the program ended before it mapped a window\n");
      return 1;
    }
  }
  const auto mapTime = Clock::now();
  if (!mapped) {
    std::fprintf(stderr, "corvane_maptime: no window mapped within 60 s\n");
    EndChild(pid);
    return 1;
  }
  const double mapMs = std::chrono::duration<double, std::milli>(mapTime - start).count();

  std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
  const std::string proc = "/proc/" + std::to_string(pid);
  const long hwm = StatusField(proc + "/status", "VmHWM");
  const long pss = StatusField(proc + "/smaps_rollup", "Pss");
  std::printf("map_ms=%.1f hwm_kb=%ld pss_kb=%ld", mapMs, hwm, pss);

  if (idleS > 0) {
    if (hide) {
      XIconifyWindow(dpy, mapped, DefaultScreen(dpy));
      XSync(dpy, False);
      std::this_thread::sleep_for(std::chrono::milliseconds(500));
    }
    const double cpu0 = CpuMs(pid);
    const long cs0 = ContextSwitches(pid);
    std::this_thread::sleep_for(std::chrono::seconds(idleS));
    const double cpu1 = CpuMs(pid);
    const long cs1 = ContextSwitches(pid);
    std::printf(" idle_cpu_ms=%.2f idle_wakeups=%ld", cpu1 - cpu0, cs1 - cs0);
  }
  std::printf("\n");
  std::fflush(stdout);
  EndChild(pid);
  XCloseDisplay(dpy);
  return 0;
}
