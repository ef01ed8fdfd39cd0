#pragma once

#include <string>

// Finds the tty of a USB device by its vendor and product id in sysfs: every
// /sys/class/tty/<name>/device is followed up to the USB device that has
// idVendor and idProduct. The sysfs root can be moved (for tests) with
// $ZTSERIAL_SYSFS_ROOT. Returns the COM number of /dev/<name>, or -1.
namespace UsbPortFinder {
int comNumberOf(int vendorId, int productId);
// The tty name ("ttyUSB0") of the first matching device in name order, or "".
std::string ttyNameOf(int vendorId, int productId);
} // namespace UsbPortFinder
