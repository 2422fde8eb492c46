#include "libindilog.h"

#include <lilxml.h>

#include <atomic>
#include <cctype>
#include <chrono>
#include <cstdarg>
#include <cstdio>
#include <mutex>
#include <vector>

namespace karvix::indi {
namespace {

constexpr size_t kLongestElement = 240;

std::atomic<void (*)(const std::string &)> destination {nullptr};
std::mutex countMutex;
std::chrono::steady_clock::time_point minuteStart;
int linesThisMinute = 0;

void logLine(std::string text)
{
    while (!text.empty() && (text.back() == '\n' || text.back() == ' '))
        text.pop_back();
    // Said at every connection attempt; the link logs the attempts that fail.
    if (text.empty() || text.find("creating new connection") != std::string::npos)
        return;
    const auto log = destination.load();
    if (!log) {
        std::fprintf(stderr, "%s\n", text.c_str());
        return;
    }
    {
        std::lock_guard<std::mutex> lock(countMutex);
        const auto now = std::chrono::steady_clock::now();
        if (now - minuteStart >= std::chrono::minutes(1)) {
            minuteStart = now;
            linesThisMinute = 0;
        }
        if (++linesThisMinute > kLinesPerMinute) {
            if (linesThisMinute == kLinesPerMinute + 1)
                log("libindi: more messages this minute are not logged");
            return;
        }
    }
    log("libindi: " + text);
}

} // namespace

void routeLibindiOutput(void (*log)(const std::string &line))
{
    destination = log;
}

} // namespace karvix::indi

// libindiclient's own functions, in its place (libindilog.h).
extern "C" {

__attribute__((visibility("default"))) void IDLog(const char *format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    char text[1024];
    std::vsnprintf(text, sizeof text, format, arguments);
    va_end(arguments);
    karvix::indi::logLine(text);
}

__attribute__((visibility("default"))) void prXMLEle(FILE *file, XMLEle *element, int level)
{
    if (!element)
        return;
    std::vector<char> xml(size_t(sprlXMLEle(element, level)) + 1, '\0');
    sprXMLEle(xml.data(), element, level);
    if (file != stderr) {
        std::fputs(xml.data(), file);
        return;
    }
    // On one line, its runs of white space as one space.
    std::string line;
    const char *c = xml.data();
    for (bool space = false; *c && line.size() < karvix::indi::kLongestElement; ++c) {
        const bool blank = std::isspace(static_cast<unsigned char>(*c)) != 0;
        if (blank && !space && !line.empty())
            line += ' ';
        else if (!blank)
            line += *c;
        space = blank;
    }
    if (*c)
        line += "...";
    karvix::indi::logLine(line);
}
}
