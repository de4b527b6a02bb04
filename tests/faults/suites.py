"""The suites a planted fault is judged by: the Linux build and its CTest
suite, and the Windows build run under Wine."""

import atexit
import os
import shutil
import subprocess

TEST_LISTING = "a test program failed while its tests were listed"


class Suite:
    """One build directory and the ctest run over it."""

    def __init__(self, name, source_dir, build_dir, configure, jobs, timeout, log):
        self.name = name
        self.source_dir = source_dir
        self.build_dir = build_dir
        self.configure_args = configure
        self.jobs = jobs
        self.timeout = timeout
        self.log = log

    def run(self, command, **kwargs):
        try:
            done = subprocess.run(command, capture_output=True, text=True, errors="replace",
                                  **kwargs)
        except subprocess.TimeoutExpired as expired:
            done = subprocess.CompletedProcess(command, 124, str(expired.stdout or ""),
                                               f"timed out after {expired.timeout} s")
        with open(self.log, "a") as log:
            log.write(f"$ {' '.join(map(str, command))}\n{done.stdout}{done.stderr}\n")
        return done

    def configure(self):
        done = self.run(["cmake", "-S", self.source_dir, "-B", self.build_dir, "-G", "Ninja",
                         "-DCMAKE_BUILD_TYPE=RelWithDebInfo", *self.configure_args])
        return done.returncode == 0

    def build(self):
        """None when the build succeeded, else the first error line."""
        done = self.run(["cmake", "--build", self.build_dir, "-j", str(self.jobs)])
        if done.returncode == 0:
            return None
        output = done.stdout + done.stderr
        # A test program that dies while GoogleTest lists its tests fails
        # the build; the suite would show the same failure.
        if "Error running test executable" in output:
            return TEST_LISTING
        for line in output.splitlines():
            if "error" in line.lower() and "errors generated" not in line:
                return line.strip()[:160]
        return "build failed"

    def test(self, fault=None):
        """The names of the tests that failed (empty when all passed)."""
        failed_log = self.build_dir / "Testing" / "Temporary" / "LastTestsFailed.log"
        if failed_log.exists():
            failed_log.unlink()
        # One failing test is enough to call a fault caught.
        done = self.run(["ctest", "--test-dir", self.build_dir, "-j", str(self.jobs),
                         "--timeout", str(self.timeout), "--stop-on-failure",
                         "--output-on-failure"])
        failed = []
        if failed_log.exists():
            failed = [line.split(":", 1)[-1] for line in failed_log.read_text().splitlines()]
        # A test that hangs is caught by its time limit only; say so.
        failed = [f"{name} (timeout)" if f" - {name} (Timeout)" in done.stdout else name
                  for name in failed]
        if done.returncode != 0 and not failed:
            failed = ["ctest"]
        return failed


class WineSuite(Suite):
    """The Windows build, cross-built with MinGW-w64 and run under Wine on a
    virtual X display of its own: the CTest suite of the Windows build when
    the tree has one (Wine is the toolchain's emulator), then the Wine smoke
    test of the real larkspin.exe. The smoke test's x11_close comes from the
    Linux build."""

    def __init__(self, source_dir, build_dir, toolchain, x11_close, with_tests, jobs, timeout,
                 log):
        name = "windows (Wine: tests and smoke test)" if with_tests else "windows (Wine smoke test)"
        super().__init__(name, source_dir, build_dir,
                         [f"-DCMAKE_TOOLCHAIN_FILE={toolchain}", "-DLARKSPIN_BENCHMARKS=OFF",
                          f"-DBUILD_TESTING={'ON' if with_tests else 'OFF'}"],
                         jobs, timeout, log)
        self.x11_close = x11_close
        self.with_tests = with_tests
        self.environment = None

    def configure(self):
        if not super().configure():
            return False
        if self.with_tests and self.environment is None:
            self.environment = self.start_display()
        return True

    def start_display(self):
        """Xvfb and a Wine prefix for the tests, kept for the whole replay.
        Wine's windows are unmanaged there: with no window manager Wine
        would wait for one at every window it hides."""
        environment = dict(os.environ, WINEPREFIX=str(self.build_dir / "wineprefix"),
                           WINEDEBUG="-all",
                           WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d")
        read_end, write_end = os.pipe()
        xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0",
                                 "1024x900x24", "-nolisten", "tcp"], pass_fds=(write_end,),
                                stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as display:
            environment["DISPLAY"] = ":" + display.readline().strip()
        atexit.register(xvfb.kill)
        atexit.register(subprocess.run, ["wineserver", "-k"], env=environment,
                        capture_output=True)
        # Wine's first process starts services that would hold CTest's output
        # open, so a lasting server and those services start here.
        for command in (["wineboot", "-i"], ["wineserver", "-w"], ["wineserver", "-p"],
                        ["wine", "reg", "add", r"HKCU\Software\Wine\X11 Driver", "/v",
                         "Managed", "/d", "N", "/f"],
                        ["wine", "cmd", "/c", "exit"]):
            subprocess.run(command, env=environment, stdin=subprocess.DEVNULL,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        return environment

    def build(self):
        target = [] if self.with_tests else ["--target", "larkspin"]
        done = self.run(["cmake", "--build", self.build_dir, "-j", str(self.jobs), *target])
        if done.returncode == 0:
            return None
        for line in (done.stdout + done.stderr).splitlines():
            if "error" in line.lower():
                return line.strip()[:160]
        return "build failed"

    def test(self, fault=None):
        if fault and fault.installer and self.with_tests:
            return self.installer_test()
        failed = self.wine_tests() if self.with_tests else []
        return failed or self.smoke_test()

    def wine_tests(self):
        # One program at a time: programs on one display take each other's
        # keyboard focus.
        failed_log = self.build_dir / "Testing" / "Temporary" / "LastTestsFailed.log"
        if failed_log.exists():
            failed_log.unlink()
        # Each Wine test program holds a whole group of tests.
        done = self.run(["ctest", "--test-dir", self.build_dir, "--timeout",
                         str(self.timeout * 5), "--stop-on-failure", "--output-on-failure"],
                        env=self.environment, timeout=self.timeout * 20)
        failed = []
        if failed_log.exists():
            failed = [line.split(":", 1)[-1] + " (Wine)"
                      for line in failed_log.read_text().splitlines()]
        if done.returncode != 0 and not failed:
            failed = ["ctest (Wine)"]
        return failed

    def smoke_test(self):
        # The smoke test brings its own display and Wine prefix.
        done = self.run([self.source_dir / "tests" / "smoke" / "wine_smoke.sh",
                         self.build_dir / "app" / "larkspin.exe", self.x11_close],
                        timeout=self.timeout + 120)
        return [] if done.returncode == 0 else ["wine_smoke"]

    def installer_test(self):
        """The installer built from the tree, installed, started through its
        shortcut and uninstalled under Wine."""
        done = self.run([self.source_dir / "scripts" / "package-windows"])
        if done.returncode != 0:
            return ["package-windows"]
        done = self.run([self.source_dir / "tests" / "install" / "wine_msi.sh",
                         self.source_dir / "dist" / "larkspin-1.0-x64.msi",
                         self.build_dir / "tests" / "press_load.exe"],
                        env=self.environment, timeout=self.timeout + 120)
        return [] if done.returncode == 0 else ["wine_msi"]


def windows_suite(source_dir, work, linux_build, jobs, timeout, log):
    """The Windows suite, when the tree and the machine have one; else None."""
    toolchain = source_dir / "cmake" / "mingw-w64-x86_64.cmake"
    smoke = source_dir / "tests" / "smoke" / "wine_smoke.sh"
    if not toolchain.exists() or not smoke.exists():
        return None
    if not all(shutil.which(tool) for tool in ("wine", "Xvfb", "x86_64-w64-mingw32-g++-posix")):
        return None
    # A tree whose tests build for Windows too says so in tests/CMakeLists.txt.
    with_tests = "if(WIN32)" in (source_dir / "tests" / "CMakeLists.txt").read_text()
    return WineSuite(source_dir, work / "build-wine", toolchain, linux_build / "tests" / "x11_close",
                     with_tests, jobs, timeout, log)
