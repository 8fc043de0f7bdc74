// The program file as it ships, read the way Windows reads it: its manifest, version
// information and icon images, no debugging information, and a read-me with Windows line
// endings.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <tuple>
#include <vector>

#include <windows.h>

namespace {

const std::string Package = KESTRAVAN_PACKAGE;
const std::string Program = Package + "/kestravan.exe";

std::vector<std::uint8_t> readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// One resource's bytes, empty when there is none.
std::string resource(HMODULE module, LPCSTR name, LPCSTR type) {
    HRSRC found = FindResourceA(module, name, type);
    HGLOBAL loaded = found != nullptr ? LoadResource(module, found) : nullptr;
    const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
    return bytes != nullptr
               ? std::string(static_cast<const char*>(bytes), SizeofResource(module, found))
               : std::string();
}

std::string versionString(const std::vector<char>& info, const std::string& name) {
    char* value = nullptr;
    UINT length = 0;
    const std::string path = "\\StringFileInfo\\040904B0\\" + name;
    if (!VerQueryValueA(info.data(), path.c_str(), reinterpret_cast<void**>(&value), &length) ||
        length == 0) {
        return "";
    }
    return std::string(value, length - 1);
}

TEST(ProgramFile, DeclaresItsDpiAwarenessVersionAndIcons) {
    HMODULE exe = LoadLibraryExA(Program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(exe, nullptr) << Program;

    const std::string manifest = resource(exe, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    EXPECT_NE(manifest.find("PerMonitorV2"), std::string::npos);
    EXPECT_NE(manifest.find("asInvoker"), std::string::npos);
    for (const char* os :
         {"{e2011457-1546-43c5-a5fe-008deee3d3f0}", "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",
          "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}", "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",
          "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"}) {
        EXPECT_NE(manifest.find(os), std::string::npos) << "no supported OS " << os;
    }

    // The icon group: width, height and bits of each image (a width of 0 is 256).
    const std::string group = resource(exe, MAKEINTRESOURCEA(101), MAKEINTRESOURCEA(14));
    ASSERT_GE(group.size(), 6u);
    const int count = static_cast<std::uint8_t>(group[4]) | static_cast<std::uint8_t>(group[5])
                                                                << 8;
    ASSERT_EQ(group.size(), 6u + 14u * count);
    std::vector<std::tuple<int, int, int>> images;
    for (int i = 0; i < count; ++i) {
        const auto* entry = reinterpret_cast<const std::uint8_t*>(group.data()) + 6 + 14 * i;
        images.emplace_back(entry[0], entry[1], entry[6] | entry[7] << 8);
    }
    EXPECT_EQ(images, (std::vector<std::tuple<int, int, int>>{
                          {32, 32, 4}, {16, 16, 32}, {48, 48, 32}, {0, 0, 32}}));
    FreeLibrary(exe);

    const DWORD size = GetFileVersionInfoSizeA(Program.c_str(), nullptr);
    ASSERT_GT(size, 0u);
    std::vector<char> info(size);
    ASSERT_TRUE(GetFileVersionInfoA(Program.c_str(), 0, size, info.data()));
    EXPECT_EQ(versionString(info, "ProductName"), "Kestravan");
    EXPECT_EQ(versionString(info, "ProductVersion"), KESTRAVAN_VERSION);
    EXPECT_EQ(versionString(info, "FileVersion"), KESTRAVAN_VERSION);
    EXPECT_FALSE(versionString(info, "FileDescription").empty());
    EXPECT_EQ(versionString(info, "LegalCopyright").rfind("Copyright (C) ", 0), 0u);
}

TEST(ProgramFile, ShipsWithoutDebuggingInformationAndWithAWindowsReadMe) {
    // The PE file header: no symbol table, and no section of a long name, which is how the
    // debugging sections are named.
    const std::vector<std::uint8_t> exe = readFile(Program);
    ASSERT_GT(exe.size(), 0x40u);
    std::uint32_t header = 0;
    std::memcpy(&header, &exe[0x3C], 4);
    ASSERT_LT(header + 24u, exe.size());
    ASSERT_EQ(std::memcmp(&exe[header], "PE\0\0", 4), 0);
    IMAGE_FILE_HEADER file;
    std::memcpy(&file, &exe[header + 4], sizeof file);
    EXPECT_EQ(file.NumberOfSymbols, 0u);
    const std::size_t sections = header + 4 + sizeof file + file.SizeOfOptionalHeader;
    ASSERT_LE(sections + 40u * file.NumberOfSections, exe.size());
    for (int i = 0; i < file.NumberOfSections; ++i) {
        const std::string name(reinterpret_cast<const char*>(&exe[sections + 40 * i]), 8);
        EXPECT_NE(name[0], '/') << "a debugging section is left in the program";
        EXPECT_NE(name.rfind(".debug", 0), 0u) << name;
    }

    const std::vector<std::uint8_t> readMe = readFile(Package + "/README.txt");
    ASSERT_GT(readMe.size(), 0u);
    int lines = 0;
    for (std::size_t i = 0; i < readMe.size(); ++i) {
        if (readMe[i] == '\n') {
            ++lines;
            EXPECT_TRUE(i > 0 && readMe[i - 1] == '\r') << "a bare line feed at byte " << i;
        }
    }
    EXPECT_GT(lines, 10);
}

} // namespace
