// GetFileVersion and GetFileVerName for native builds, which have no version
// resources: every path reports the version and names set by the test.
#include <string>

#include "shared/mdlfilebin.h"
#include "tests/support/FakeDialogs.h"

namespace {

int g_version[4] = {8, 1, 0, 0};
bool g_haveNames = false;
std::string g_product;
std::string g_company;

}  // namespace

namespace qvfake {

void SetFakeFileVersion(int major, int minor, int release, int build) {
    g_version[0] = major;
    g_version[1] = minor;
    g_version[2] = release;
    g_version[3] = build;
}

void SetFakeFileVerName(const std::string& productName, const std::string& companyName) {
    g_haveNames = true;
    g_product = productName;
    g_company = companyName;
}

void ResetVersionInfo() {
    SetFakeFileVersion(8, 1, 0, 0);
    g_haveNames = false;
    g_product.clear();
    g_company.clear();
}

}  // namespace qvfake

std::string GetFileVersion(const std::string& /*path*/, int mode) {
    FileVerMajor = g_version[0];
    FileVerMinor = g_version[1];
    FileVerRelease = g_version[2];
    FileVerBuild = g_version[3];
    const std::string major = std::to_string(FileVerMajor);
    const std::string minor = std::to_string(FileVerMinor);
    switch (mode) {
        case 1:
            return major + "." + minor + "." + std::to_string(FileVerRelease) + "." +
                   std::to_string(FileVerBuild);
        case 2: return major;
        case 3: return major + "." + minor;
        case 4: return minor;
        default: return std::string();
    }
}

void GetFileVerName(const std::string& /*path*/, bool company, std::string& result) {
    if (g_haveNames) result = company ? g_company : g_product;
}
