#!/usr/bin/env python3
"""The installed program, as a desktop starts it.

    install_test.py run BUILD_DIR        install into a temporary prefix, check the files,
                                         start the program from its launcher entry and end it
    install_test.py manpages BUILD_DIR   the manual pages render cleanly and the cli's page
                                         names every command and option its --help prints
Prints "install_test: ok" when every check passed.
"""
import configparser
import os
import re
import shlex
import signal
import socket
import struct
import subprocess
import sys
import tempfile
import time

SOURCE = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
TIMEOUT = 30.0
ICON_SIZES = (16, 24, 32, 48, 64, 128, 256)
failures = []


def check(bOk, strWhat):
    if not bOk:
        failures.append(strWhat)
        print("install_test: FAILED: " + strWhat, file=sys.stderr)
    return bOk


def png_size(strFile):
    with open(strFile, "rb") as f:
        head = f.read(24)
    if head[:8] != b"\x89PNG\r\n\x1a\n" or head[12:16] != b"IHDR":
        return None
    return struct.unpack(">II", head[16:24])


def check_layout(strPrefix):
    lib = os.path.join(strPrefix, "lib", "tetralyx")
    for strProgram in ("tetralyx", "tetralyx-cli"):
        strPath = os.path.join(lib, strProgram)
        check(os.access(strPath, os.X_OK), "no program lib/tetralyx/" + strProgram)
        strLink = os.path.join(strPrefix, "bin", strProgram)
        check(os.path.islink(strLink) and os.path.realpath(strLink) == os.path.realpath(strPath),
              "bin/%s does not lead to lib/tetralyx/%s" % (strProgram, strProgram))
    for strFile in ("config/defaultmusic.ini", "config/configbase.ini", "images/back.bmp",
                    "help/english/index.html", "help/gb2312/index.html", "help/big5/index.html",
                    "doc/english/grandlist.htm", "doc/gb2312/grandlist.htm",
                    "doc/big5/grandlist.htm"):
        check(os.path.isfile(os.path.join(lib, strFile)), "missing lib/tetralyx/" + strFile)
    # The modules the program loads with its first sound and its first request.
    for strModule in ("tetralyx-sdlsound.so", "tetralyx-network.so"):
        check(os.path.isfile(os.path.join(lib, strModule)), "missing lib/tetralyx/" + strModule)
    check(not os.path.exists(os.path.join(lib, "icons")), "icons installed beside the program")
    share = os.path.join(strPrefix, "share")
    for strFile in ("applications/tetralyx.desktop", "metainfo/com.korvane.tetralyx.metainfo.xml",
                    "icons/hicolor/scalable/apps/tetralyx.svg", "man/man6/tetralyx.6",
                    "man/man6/tetralyx-cli.6"):
        check(os.path.isfile(os.path.join(share, strFile)), "missing share/" + strFile)
    for nSize in ICON_SIZES:
        strIcon = os.path.join(share, "icons", "hicolor", "%dx%d" % (nSize, nSize), "apps",
                               "tetralyx.png")
        check(os.path.isfile(strIcon) and png_size(strIcon) == (nSize, nSize),
              "share/icons/hicolor: no %d px icon of that size" % nSize)


def ask(strSocket, strRequest):
    """The answer line of the copy listening there; None when it does not answer."""
    try:
        with socket.socket(socket.AF_UNIX, socket.SOCK_STREAM) as s:
            s.settimeout(2.0)
            s.connect(strSocket)
            s.sendall(strRequest.encode() + b"\n")
            if not strRequest.startswith("title"):
                return ""
            data = b""
            while not data.endswith(b"\n"):
                chunk = s.recv(256)
                if not chunk:
                    break
                data += chunk
            return data.decode("utf-8", "replace").strip()
    except OSError:
        return None


def wait_for_window(process, strSocket):
    deadline = time.monotonic() + TIMEOUT
    while time.monotonic() < deadline and process.poll() is None:
        if ask(strSocket, "title") == "Tetralyx":
            return True
        time.sleep(0.1)
    return False


def launcher_entry(strPrefix):
    entry = configparser.ConfigParser(interpolation=None, strict=False)
    entry.optionxform = str
    entry.read(os.path.join(strPrefix, "share", "applications", "tetralyx.desktop"),
               encoding="utf-8")
    return entry["Desktop Entry"] if entry.has_section("Desktop Entry") else {}


def launcher_command(strPrefix):
    # Field codes (%f, %U ...) stand for files the desktop hands over; there are none here.
    return [a for a in shlex.split(launcher_entry(strPrefix).get("Exec", "")) if
            not a.startswith("%")]


def check_entry(strPrefix):
    """What the desktop looks up from the launcher entry and the metadata is installed."""
    entry = launcher_entry(strPrefix)
    strIcon = entry.get("Icon", "")
    for nSize in ICON_SIZES:
        check(os.path.isfile(os.path.join(strPrefix, "share", "icons", "hicolor",
                                          "%dx%d" % (nSize, nSize), "apps", strIcon + ".png")),
              "the launcher's icon %r has no %d px picture" % (strIcon, nSize))
    check(os.path.isfile(os.path.join(strPrefix, "share", "icons", "hicolor", "scalable", "apps",
                                      strIcon + ".svg")),
          "the launcher's icon %r has no SVG" % strIcon)
    strTry = entry.get("TryExec", "")
    check(os.access(os.path.join(strPrefix, "bin", strTry), os.X_OK),
          "TryExec %r is not an installed program" % strTry)
    check(set(entry.get("Categories", "").split(";")) >= {"Game", "LogicGame"},
          "the launcher entry is not in Game;LogicGame;")
    for strLanguage in ("zh_CN", "zh_TW"):
        for strKey in ("Name", "Comment"):
            check(entry.get("%s[%s]" % (strKey, strLanguage), "") != "",
                  "the launcher entry has no %s[%s]" % (strKey, strLanguage))
    with open(os.path.join(strPrefix, "share", "metainfo", "com.korvane.tetralyx.metainfo.xml"),
              encoding="utf-8") as f:
        strMeta = f.read()
    for strLaunchable in re.findall(r'<launchable type="desktop-id">([^<]+)<', strMeta) or [""]:
        check(os.path.isfile(os.path.join(strPrefix, "share", "applications", strLaunchable)),
              "the metadata launches %r, which is not installed" % strLaunchable)


def start_and_end(strPrefix, strHow):
    """Starts the program as its launcher entry does, waits for its window and ends it."""
    with tempfile.TemporaryDirectory() as strHome, \
            tempfile.TemporaryDirectory() as strRuntime, \
            tempfile.TemporaryDirectory() as strTools:
        os.chmod(strRuntime, 0o700)
        # Nothing may start a real browser.
        strOpener = os.path.join(strTools, "xdg-open")
        with open(strOpener, "w") as f:
            f.write("#!/bin/sh\nexit 0\n")
        os.chmod(strOpener, 0o755)
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen", SDL_AUDIODRIVER="dummy",
                   TETRALYX_HOME=strHome, XDG_RUNTIME_DIR=strRuntime,
                   PATH=os.path.join(strPrefix, "bin") + ":" + strTools + ":" +
                   os.environ.get("PATH", ""))
        # The build tree must not be where it finds its data.
        process = subprocess.Popen(launcher_command(strPrefix), env=env, cwd=strHome,
                                   stdin=subprocess.DEVNULL)
        try:
            strSocket = os.path.join(strRuntime, "Korvane_Tetralyx", "%d.sock" % process.pid)
            if not check(wait_for_window(process, strSocket),
                         "%s: the installed program opened no window" % strHow):
                return
            check(os.path.realpath("/proc/%d/exe" % process.pid) ==
                  os.path.realpath(os.path.join(strPrefix, "lib", "tetralyx", "tetralyx")),
                  "%s: the launcher started another program" % strHow)
            # music.ini is copied from the installed defaultmusic.ini: the data was found.
            strMusic = os.path.join(strHome, "music.ini")
            check(os.path.isfile(strMusic) and os.path.getsize(strMusic) > 0,
                  "%s: no music.ini from the installed data" % strHow)
            if strHow == "close request":
                check(ask(strSocket, "close 1 2") == "", "close request: socket did not answer")
            else:
                process.send_signal(signal.SIGTERM)
            try:
                nCode = process.wait(TIMEOUT)
            except subprocess.TimeoutExpired:
                check(False, "%s: the program did not end" % strHow)
                return
            check(nCode == 0, "%s: exit code %d" % (strHow, nCode))
            check(not os.path.exists(strSocket), "%s: the socket was left behind" % strHow)
        finally:
            if process.poll() is None:
                process.kill()
                process.wait()


def run(strBuild):
    with tempfile.TemporaryDirectory() as strPrefix:
        result = subprocess.run(["cmake", "--install", strBuild, "--prefix", strPrefix],
                                stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        if not check(result.returncode == 0, "cmake --install: " + result.stderr.strip()):
            return
        check_layout(strPrefix)
        check_entry(strPrefix)
        result = subprocess.run(["appstreamcli", "validate-tree", "--no-net", strPrefix],
                                capture_output=True, text=True)
        check(result.returncode == 0,
              "appstreamcli validate-tree: " + (result.stdout + result.stderr).strip())
        for strHow in ("close request", "SIGTERM"):
            start_and_end(strPrefix, strHow)


def help_text(strCli, args):
    return subprocess.run([strCli] + args + ["--help"], capture_output=True, text=True).stdout


def manpages(strBuild):
    for strPage in ("tetralyx.6", "tetralyx-cli.6"):
        result = subprocess.run(["groff", "-man", "-ww", "-z", os.path.join(SOURCE, "dist", strPage)],
                                capture_output=True, text=True)
        check(result.returncode == 0 and not result.stderr.strip(),
              "%s does not render cleanly: %s" % (strPage, result.stderr.strip()))
    # Both pages name the release the program reports.
    with open(os.path.join(SOURCE, "core", "application.h"), encoding="utf-8") as f:
        strHeader = f.read()
    strVersion = re.search(r'kVersionText = QStringLiteral\("([^"]+)"\)', strHeader).group(1)
    nYear, nMonth, nDay = (int(re.search(r"kBuild%s = (\d+);" % k, strHeader).group(1))
                           for k in ("Year", "Month", "Day"))
    strRelease = '"%04d-%02d-%02d" "Tetralyx %s"' % (nYear, nMonth, nDay, strVersion)
    for strPage in ("tetralyx.6", "tetralyx-cli.6"):
        with open(os.path.join(SOURCE, "dist", strPage), encoding="utf-8") as f:
            check(strRelease in f.readline(), "%s does not name the release %s" % (strPage,
                                                                                  strRelease))
    strCli = os.path.join(strBuild, "cli", "tetralyx-cli")
    with open(os.path.join(SOURCE, "dist", "tetralyx-cli.6"), encoding="utf-8") as f:
        strPage = f.read()
    # Roff escapes the hyphens of options; the reader sees plain ones.
    strPage = strPage.replace("\\-", "-").replace("\\fB", "").replace("\\fR", "").replace(
        "\\fI", "")
    commands = re.findall(r"^  (\w+)\s{2,}\S", help_text(strCli, []), re.M)
    check(len(commands) >= 8, "tetralyx-cli --help lists %d commands" % len(commands))
    strOptions = strPage.split(".SH OPTIONS")[-1].split(".SH EXIT STATUS")[0]
    sections = re.split(r"^\.TP\n", strPage.split(".SH COMMANDS")[-1].split(".SH OPTIONS")[0],
                        flags=re.M)
    for strCommand in commands:
        section = [s for s in sections if s.startswith(".B %s " % strCommand)]
        if not check(len(section) == 1, "tetralyx-cli.6 has no entry for " + strCommand):
            continue
        strUsage = help_text(strCli, [strCommand]).split("\n\n")[0]
        for strOption in sorted(set(re.findall(r"--[a-z][-a-z]*", strUsage))):
            word = r"(?<![-\w])%s(?![-\w])" % re.escape(strOption)
            check(re.search(word, section[0].split("\n")[0]) is not None,
                  "tetralyx-cli.6: %s lacks %s" % (strCommand, strOption))
            check(re.search(r"^\.(?:B|BR) .*" + word, strOptions, re.M) is not None,
                  "tetralyx-cli.6: OPTIONS lacks " + strOption)

def main(args):
    if len(args) != 2 or args[0] not in ("run", "manpages"):
        print(__doc__, file=sys.stderr)
        return 2
    {"run": run, "manpages": manpages}[args[0]](args[1])
    if failures:
        return 1
    print("install_test: ok")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
