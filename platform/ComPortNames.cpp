#include "platform/ComPortNames.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>

namespace fs = std::filesystem;

namespace ComPortNames {

namespace {

struct FixedRange
{
    const char* prefix;
    int first;
};

constexpr FixedRange kFixedRanges[] = {{"/dev/ttyS", 1}, {"/dev/ttyUSB", 33}, {"/dev/ttyACM", 65}};
constexpr int kRangeSize = 32;

std::string envOrEmpty(const char* name)
{
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

// Parses a non-negative decimal without sign or spaces; -1 otherwise.
int parseNumber(const std::string& text)
{
    if (text.empty() || text.size() > 9)
        return -1;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

// Whether two paths lead to the same file. Not std::filesystem::equivalent:
// libstdc++ refuses to compare device nodes, and ports are device nodes.
bool sameFile(const std::string& a, const std::string& b)
{
    struct stat first = {};
    struct stat second = {};
    return stat(a.c_str(), &first) == 0 && stat(b.c_str(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

} // namespace

std::string portDirectory()
{
    const std::string overridden = envOrEmpty("ZTSERIAL_PORT_DIR");
    if (!overridden.empty())
        return overridden;
    std::string config = envOrEmpty("XDG_CONFIG_HOME");
    if (config.empty())
        config = envOrEmpty("HOME") + "/.config";
    return config + "/Segmo/ports";
}

std::string fixedDevice(int number)
{
    for (const FixedRange& range : kFixedRanges) {
        if (number >= range.first && number < range.first + kRangeSize)
            return range.prefix + std::to_string(number - range.first);
    }
    return {};
}

int fixedNumber(const std::string& device)
{
    for (const FixedRange& range : kFixedRanges) {
        const std::string prefix = range.prefix;
        if (device.compare(0, prefix.size(), prefix) != 0)
            continue;
        const int index = parseNumber(device.substr(prefix.size()));
        if (index >= 0 && index < kRangeSize)
            return range.first + index;
    }
    return -1;
}

int parseComName(const std::string& name)
{
    if (name.compare(0, 3, "COM") != 0)
        return -1;
    const int number = parseNumber(name.substr(3));
    return number > 0 ? number : -1;
}

std::string devicePath(int number)
{
    if (number <= 0)
        return {};
    const std::string entry = portDirectory() + "/COM" + std::to_string(number);
    std::error_code ec;
    if (fs::exists(entry, ec))
        return entry;
    return fixedDevice(number);
}

std::vector<PortEntry> folderPorts()
{
    std::vector<PortEntry> ports;
    std::error_code ec;
    fs::directory_iterator it(portDirectory(), ec);
    if (ec)
        return ports;
    for (const fs::directory_entry& entry : it) {
        const int number = parseComName(entry.path().filename().string());
        std::error_code existsError;
        if (number > 0 && fs::exists(entry.path(), existsError))
            ports.push_back({number, entry.path().string()});
    }
    std::sort(ports.begin(), ports.end(),
              [](const PortEntry& a, const PortEntry& b) { return a.number < b.number; });
    return ports;
}

int comNumber(const std::string& device)
{
    for (const PortEntry& entry : folderPorts()) {
        if (entry.device == device || sameFile(entry.device, device))
            return entry.number;
    }
    const int fixed = fixedNumber(device);
    if (fixed < 0)
        return -1;
    // A port-folder entry may have taken this number for another device.
    std::error_code ec;
    const std::string entry = portDirectory() + "/COM" + std::to_string(fixed);
    if (fs::exists(entry, ec) && !sameFile(entry, device))
        return -1;
    return fixed;
}

} // namespace ComPortNames
