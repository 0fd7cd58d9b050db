// What Windows reads from every shipped program's file: the icon, the version resource and a
// manifest asking for the common controls' visual styles, DPI awareness and its rights.
#include <windows.h>

#include <string>

#include "e2e_test.h"
#include "program.h"

using namespace e2e;

namespace {

std::string VersionValue(const std::string& path, const char* name) {
    DWORD size = GetFileVersionInfoSizeA(path.c_str(), nullptr);
    std::string data(size, '\0');
    if (!size || !GetFileVersionInfoA(path.c_str(), 0, size, &data[0])) return "<no version>";
    char* value = nullptr;
    UINT length = 0;
    std::string query = std::string("\\StringFileInfo\\040904B0\\") + name;
    if (!VerQueryValueA(data.data(), query.c_str(), reinterpret_cast<void**>(&value), &length))
        return std::string("<no ") + name + ">";
    return std::string(value, length && !value[length - 1] ? length - 1 : length);
}

std::string Resource(HMODULE module, LPCSTR type) {
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(1), type);
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const char* bytes = loaded ? static_cast<const char*>(LockResource(loaded)) : nullptr;
    return bytes ? std::string(bytes, SizeofResource(module, found)) : std::string();
}

bool Holds(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

}  // namespace

TEST(ProgramResources, EveryProgramCarriesItsIconVersionAndManifest) {
    const struct {
        const char* file;
        const char* description;
        const char* level;
    } programs[] = {
        {"NXWLHCcp.exe", "TouchScreen Control Panel", "asInvoker"},
        {"NXWLHCao.exe", "TouchScreen System Startup", "asInvoker"},
        {"NXWLHCdi.exe", "TouchScreen Driver Installation", "requireAdministrator"},
        {"NXWLHCde.exe", "TouchScreen Software Removal", "requireAdministrator"},
        {"NXWLHCrb.exe", "TouchScreen Right-Button Tool", "asInvoker"},
    };
    for (const auto& program : programs) {
        std::string path = InstallPath() + "\\" + program.file;
        EXPECT_EQ(VersionValue(path, "FileVersion"), "7.5.COM") << program.file;
        EXPECT_EQ(VersionValue(path, "ProductVersion"), "7.5.COM") << program.file;
        EXPECT_EQ(VersionValue(path, "FileDescription"), std::string(program.description));
        EXPECT_EQ(VersionValue(path, "OriginalFilename"), std::string(program.file));
        HMODULE module = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        EXPECT_TRUE(module) << program.file << " opens as a resource file";
        if (!module) continue;
        EXPECT_FALSE(Resource(module, RT_GROUP_ICON).empty()) << program.file << " has its icon";
        std::string manifest = Resource(module, RT_MANIFEST);
        EXPECT_TRUE(
            Holds(manifest, "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""))
            << program.file << " asks for the visual styles:\n"
            << manifest;
        EXPECT_TRUE(Holds(manifest, ">true</dpiAware>")) << program.file << " is DPI aware";
        EXPECT_TRUE(Holds(manifest, std::string("level=\"") + program.level + "\""))
            << program.file << " runs " << program.level;
        FreeLibrary(module);
    }
}
