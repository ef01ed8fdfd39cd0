#include "platform/UsbPortFinder.h"

#include "platform/ComPortNames.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>

namespace fs = std::filesystem;

namespace UsbPortFinder {

namespace {

fs::path sysfsRoot()
{
    const char* root = std::getenv("ZTSERIAL_SYSFS_ROOT");
    return root && *root ? fs::path(root) : fs::path("/");
}

int readHexId(const fs::path& file)
{
    std::ifstream in(file);
    std::string text;
    if (!(in >> text))
        return -1;
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 16);
    return end && *end == '\0' ? int(value) : -1;
}

// Walks from the tty's device up to the first folder with both ids.
bool belongsTo(const fs::path& device, int vendorId, int productId, const fs::path& root)
{
    std::error_code ec;
    fs::path dir = fs::canonical(device, ec);
    if (ec)
        return false;
    const fs::path top = fs::canonical(root, ec);
    for (int depth = 0; depth < 16 && !dir.empty() && dir != top && dir != dir.root_path();
         ++depth, dir = dir.parent_path()) {
        if (fs::exists(dir / "idVendor", ec) && fs::exists(dir / "idProduct", ec))
            return readHexId(dir / "idVendor") == vendorId &&
                   readHexId(dir / "idProduct") == productId;
    }
    return false;
}

} // namespace

std::string ttyNameOf(int vendorId, int productId)
{
    const fs::path root = sysfsRoot();
    std::error_code ec;
    std::set<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(root / "sys/class/tty", ec))
        names.insert(entry.path().filename().string());
    for (const std::string& name : names) {
        const fs::path device = root / "sys/class/tty" / name / "device";
        if (fs::exists(device, ec) && belongsTo(device, vendorId, productId, root))
            return name;
    }
    return {};
}

int comNumberOf(int vendorId, int productId)
{
    const std::string name = ttyNameOf(vendorId, productId);
    return name.empty() ? -1 : ComPortNames::comNumber("/dev/" + name);
}

} // namespace UsbPortFinder
