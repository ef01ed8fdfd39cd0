#pragma once

#include <string>
#include <vector>

// How the panel software's "COM n" port numbers map to Linux devices.
//
// COM n is, in this order:
//  1. an entry named "COM<n>" (a device node or a symbolic link to one) in the
//     port folder: $ZTSERIAL_PORT_DIR when set, else
//     $XDG_CONFIG_HOME/Segmo/ports (default ~/.config/Segmo/ports);
//  2. the fixed table COM1-COM32 = /dev/ttyS0-31, COM33-COM64 = /dev/ttyUSB0-31,
//     COM65-COM96 = /dev/ttyACM0-31.
// Both the transport library and Segmo's port list use these functions.
namespace ComPortNames {

struct PortEntry
{
    int number = -1;    // n of "COM<n>"
    std::string device; // the path that is opened
};

// The port folder, following the environment as described above.
std::string portDirectory();

// The device of the fixed table for COM n, or "" when n is outside it.
std::string fixedDevice(int number);

// The COM number of a device path in the fixed table ("/dev/ttyUSB2" -> 35), or -1.
int fixedNumber(const std::string& device);

// The device path that "COM<n>" opens, or "" when n has none.
std::string devicePath(int number);

// The COM number for a device path: a port-folder entry that resolves to the same
// file wins over the fixed table; -1 when neither knows the device.
int comNumber(const std::string& device);

// The "COM<n>" entries of the port folder whose target exists, by number.
std::vector<PortEntry> folderPorts();

// "COM<n>" -> n; -1 for any other text. Case-sensitive, like the stored names.
int parseComName(const std::string& name);

} // namespace ComPortNames
