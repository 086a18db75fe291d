#include "x11_user.h"

#include <cstdio>
#include <sstream>
#include <sys/wait.h>

namespace testing_ui {
namespace {

std::string quoted(const std::string& text) {
    std::string out = "'";
    for (char c : text)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

std::string at(unsigned long window, TPoint p) {
    return " mousemove --sync --window " + std::to_string(window) + " " + std::to_string(p.X) +
           " " + std::to_string(p.Y);
}

void xdotool(const std::string& arguments) {
    RunCommand("timeout 10 xdotool" + arguments);
}

} // namespace

CommandResult RunCommand(const std::string& command) {
    CommandResult result;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return result;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe))
        result.output += buffer;
    const int status = pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

unsigned long WaitForWindow(const std::string& title, int seconds) {
    const CommandResult found = RunCommand(
        "timeout " + std::to_string(seconds) +
        " xdotool search --sync --onlyvisible --limit 1 --name " + quoted("^" + title + "$"));
    return found.status == 0 ? std::stoul(found.output) : 0;
}

bool WindowShown(const std::string& title) {
    return RunCommand("timeout 10 xdotool search --onlyvisible --name " + quoted("^" + title + "$"))
               .status == 0;
}

TSize WindowSize(unsigned long window) {
    const CommandResult shell =
        RunCommand("timeout 10 xdotool getwindowgeometry --shell " + std::to_string(window));
    TSize size;
    std::istringstream lines(shell.output);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("WIDTH=", 0) == 0) size.cx = std::stoi(line.substr(6));
        if (line.rfind("HEIGHT=", 0) == 0) size.cy = std::stoi(line.substr(7));
    }
    return size;
}

void ClickInWindow(unsigned long window, TPoint p) {
    xdotool(at(window, p) + " click 1");
}

void PressInWindow(unsigned long window, TPoint p) {
    xdotool(at(window, p) + " mousedown 1");
}

void MovePointerInWindow(unsigned long window, TPoint p) {
    xdotool(at(window, p));
}

void ReleaseButton() {
    xdotool(" mouseup 1");
}

} // namespace testing_ui
