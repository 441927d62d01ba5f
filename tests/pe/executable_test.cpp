// Checks one built executable, read as a PE file: the processor and format,
// the GUI subsystem, the loader's protections, the DLLs it needs, and the
// resources it carries (one manifest, no icon).
//
// Usage: pe_executable_tests <path>/tuschelpost64.exe (or tuschelpost32.exe);
// the file name picks the expectations below.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <string>

#include "manifest_xml.h"
#include "pe_image.h"

namespace {

struct ExecutableExpectation {
    const char* fileName;
    uint16_t machine;
    uint16_t magic;
    const char* manifestArchitecture;
    uint16_t requiredDllCharacteristics;
};

const ExecutableExpectation Executables[] = {
    {"tuschelpost64.exe", MachineAmd64, MagicPe32Plus, "amd64",
     DllDynamicBase | DllNxCompat | DllHighEntropyVa},
    {"tuschelpost32.exe", MachineI386, MagicPe32, "X86", DllDynamicBase | DllNxCompat},
};

// DLLs that every Windows from 7 on ships. MinGW-w64's static C runtime
// calls into msvcrt.dll; a UCRT-based toolchain calls ucrtbase.dll and its
// api-ms-win-crt-* forwarders instead (part of Windows 10, and of the
// Universal CRT update on older systems).
const char* const SystemDlls[] = {
    "kernel32.dll", "user32.dll",  "gdi32.dll", "comctl32.dll", "msvcrt.dll",
    "advapi32.dll", "shell32.dll", "ntdll.dll", "ucrtbase.dll",
};
const char SystemDllPrefix[] = "api-ms-win-crt-";

const char CommonControls[] = "Microsoft.Windows.Common-Controls";

std::string g_path;
const ExecutableExpectation* g_expected = nullptr;
PeImage g_image;

std::string Hex(uint32_t value)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%x", static_cast<unsigned>(value));
    return text;
}

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string Joined(const std::vector<std::string>& items)
{
    std::string text;
    for (const std::string& item : items)
        text += (text.empty() ? "" : ", ") + item;
    return "[" + text + "]";
}

std::string IdText(const ResourceId& id)
{
    return id.named ? "\"" + id.name + "\"" : Hex(id.number);
}

bool IsNumber(const ResourceId& id, uint32_t number)
{
    return !id.named && id.number == number;
}

bool IsSystemDll(const std::string& dll)
{
    std::string name = Lower(dll);
    for (const char* system : SystemDlls)
        if (name == system)
            return true;
    return name.compare(0, sizeof SystemDllPrefix - 1, SystemDllPrefix) == 0;
}

std::vector<const PeResource*> ResourcesOfType(uint32_t type)
{
    std::vector<const PeResource*> found;
    for (const PeResource& resource : g_image.resources)
        if (IsNumber(resource.type, type))
            found.push_back(&resource);
    return found;
}

}  // namespace

// ---------------------------------------------------------------------------
// Headers

TEST(Headers, MachineAndFormatMatchTheProcessor)
{
    EXPECT_EQ(g_image.machine, g_expected->machine)
        << g_path << ": COFF machine " << Hex(g_image.machine) << ", want "
        << Hex(g_expected->machine);
    EXPECT_EQ(g_image.magic, g_expected->magic)
        << g_path << ": optional header magic " << Hex(g_image.magic) << ", want "
        << Hex(g_expected->magic) << " (0x10b PE32, 0x20b PE32+)";
}

TEST(Headers, RunsInTheWindowsGuiSubsystem)
{
    EXPECT_EQ(g_image.subsystem, SubsystemWindowsGui)
        << g_path << ": subsystem " << g_image.subsystem << ", want 2 (WINDOWS_GUI)";
}

TEST(Headers, StrippedOfSymbolsAndDebugData)
{
    EXPECT_EQ(g_image.pointerToSymbolTable, 0u)
        << g_path << ": COFF symbol table at " << Hex(g_image.pointerToSymbolTable) << ", want 0";
    EXPECT_EQ(g_image.numberOfSymbols, 0u)
        << g_path << ": " << g_image.numberOfSymbols << " COFF symbols, want 0";
    PeDirectory debug = Directory(g_image, DirectoryDebug);
    EXPECT_EQ(debug.size, 0u) << g_path << ": debug directory at " << Hex(debug.rva) << ", "
                              << debug.size << " bytes, want none";
    for (const PeSection& section : g_image.sections)
        EXPECT_NE(section.name.compare(0, 6, ".debug"), 0)
            << g_path << ": debug section " << section.name << ", want none";
}

// ---------------------------------------------------------------------------
// Protections of the loader

TEST(Protections, AslrAndDepFlagsAreSet)
{
    const struct {
        uint16_t flag;
        const char* name;
    } flags[] = {
        {DllHighEntropyVa, "HIGH_ENTROPY_VA"},
        {DllDynamicBase, "DYNAMIC_BASE"},
        {DllNxCompat, "NX_COMPAT"},
    };
    for (const auto& f : flags) {
        if ((g_expected->requiredDllCharacteristics & f.flag) == 0)
            continue;
        EXPECT_NE(g_image.dllCharacteristics & f.flag, 0)
            << g_path << ": DllCharacteristics " << Hex(g_image.dllCharacteristics)
            << " lacks " << f.name << " (" << Hex(f.flag) << ")";
    }
}

// Without base relocations the loader cannot move the image, whatever
// DYNAMIC_BASE says.
TEST(Protections, KeepsItsBaseRelocations)
{
    PeDirectory relocations = Directory(g_image, DirectoryBaseReloc);
    EXPECT_TRUE(relocations.rva != 0 && relocations.size != 0)
        << g_path << ": base relocation directory at " << Hex(relocations.rva) << ", "
        << relocations.size << " bytes, want a non-empty one";
    EXPECT_EQ(g_image.fileCharacteristics & FileRelocsStripped, 0)
        << g_path << ": COFF characteristics " << Hex(g_image.fileCharacteristics)
        << " have RELOCS_STRIPPED (0x1)";
}

TEST(Protections, NoSectionIsWritableAndExecutable)
{
    for (const PeSection& section : g_image.sections) {
        bool writable = (section.characteristics & SectionMemWrite) != 0;
        bool executable = (section.characteristics & SectionMemExecute) != 0;
        EXPECT_FALSE(writable && executable)
            << g_path << ": section " << section.name << " has characteristics "
            << Hex(section.characteristics) << ", both MEM_WRITE and MEM_EXECUTE";
    }
}

// ---------------------------------------------------------------------------
// Imports

TEST(Imports, OnlyFromSystemDlls)
{
    std::vector<std::string> foreign;
    for (const std::string& dll : g_image.importedDlls)
        if (!IsSystemDll(dll))
            foreign.push_back(dll);
    EXPECT_TRUE(foreign.empty()) << g_path << " imports " << Joined(g_image.importedDlls)
                                 << "; not system DLLs: " << Joined(foreign);
}

TEST(Imports, NeedTheWindowsUserInterfaceAndProcessServices)
{
    for (const char* needed : {"kernel32.dll", "user32.dll"}) {
        bool found = false;
        for (const std::string& dll : g_image.importedDlls)
            found = found || Lower(dll) == needed;
        EXPECT_TRUE(found) << g_path << " imports " << Joined(g_image.importedDlls)
                           << ", want " << needed << " among them";
    }
}

// ---------------------------------------------------------------------------
// Resources

TEST(Resources, CarryNoIcon)
{
    for (uint32_t type : {ResourceIcon, ResourceGroupIcon})
        for (const PeResource* icon : ResourcesOfType(type))
            ADD_FAILURE() << g_path << ": resource of type " << type << " (icon), identifier "
                          << IdText(icon->id) << ", want no icon";
}

TEST(Resources, ExactlyOneManifestWithIdentifier1InLanguage0x409)
{
    std::vector<const PeResource*> manifests = ResourcesOfType(ResourceManifest);
    ASSERT_EQ(manifests.size(), 1u) << g_path << ": " << manifests.size()
                                    << " resources of type 24 (RT_MANIFEST), want 1";
    EXPECT_TRUE(IsNumber(manifests[0]->id, 1))
        << g_path << ": manifest identifier " << IdText(manifests[0]->id) << ", want 1";
    EXPECT_TRUE(IsNumber(manifests[0]->language, 0x409))
        << g_path << ": manifest language " << IdText(manifests[0]->language) << ", want 0x409";
}

// ---------------------------------------------------------------------------
// The manifest's XML

class Manifest : public testing::Test {
protected:
    void SetUp() override
    {
        std::vector<const PeResource*> manifests = ResourcesOfType(ResourceManifest);
        ASSERT_FALSE(manifests.empty()) << g_path << " carries no manifest";
        xml = manifests[0]->data;
        if (xml.compare(0, 3, "\xEF\xBB\xBF") == 0)
            xml.erase(0, 3);
        std::string error;
        ASSERT_TRUE(ParseXmlElements(xml, elements, error))
            << g_path << ": manifest is not well-formed XML: " << error << "\n" << xml;
    }

    // Indexes of the elements whose path from the root is `path`.
    std::vector<int> At(const std::string& path) const
    {
        std::vector<int> found;
        for (int i = 0; i < static_cast<int>(elements.size()); ++i)
            if (XmlPath(elements, i) == path)
                found.push_back(i);
        return found;
    }

    std::string Value(int index, const char* attribute) const
    {
        const std::string* value = XmlAttribute(elements[index], attribute);
        return value ? "\"" + *value + "\"" : "(none)";
    }

    std::string xml;
    std::vector<XmlElement> elements;
};

TEST_F(Manifest, IsAnAssemblyOfVersion1)
{
    ASSERT_FALSE(elements.empty()) << g_path << ": empty manifest";
    EXPECT_EQ(elements[0].name, "assembly") << g_path << ": root element <" << elements[0].name
                                            << ">, want <assembly>\n" << xml;
    EXPECT_EQ(Value(0, "xmlns"), "\"urn:schemas-microsoft-com:asm.v1\"") << g_path;
    EXPECT_EQ(Value(0, "manifestVersion"), "\"1.0\"") << g_path;
}

// The program's own identity is generic: only its version is fixed. If it
// names a processor, the loader refuses the program unless it is the right one.
TEST_F(Manifest, DeclaresItsOwnIdentityOfVersion1000)
{
    std::vector<int> identities = At("assembly/assemblyIdentity");
    ASSERT_EQ(identities.size(), 1u) << g_path << ": " << identities.size()
                                     << " assembly/assemblyIdentity elements, want 1\n" << xml;
    EXPECT_EQ(Value(identities[0], "version"), "\"1.0.0.0\"") << g_path << "\n" << xml;
    if (XmlAttribute(elements[identities[0]], "processorArchitecture") != nullptr) {
        EXPECT_EQ(Value(identities[0], "processorArchitecture"),
                  "\"" + std::string(g_expected->manifestArchitecture) + "\"")
            << g_path << ": the program's identity names another processor\n" << xml;
    }
}

TEST_F(Manifest, DependsOnCommonControls6ForItsProcessor)
{
    std::vector<int> dependencies = At("assembly/dependency/dependentAssembly/assemblyIdentity");
    ASSERT_EQ(dependencies.size(), 1u) << g_path << ": " << dependencies.size()
                                       << " dependencies, want 1\n" << xml;
    // The loader binds the common controls only with type "win32".
    const struct {
        const char* attribute;
        std::string wanted;
    } wantedAttributes[] = {
        {"type", "win32"},
        {"name", CommonControls},
        {"version", "6.0.0.0"},
        {"processorArchitecture", g_expected->manifestArchitecture},
        {"publicKeyToken", "6595b64144ccf1df"},
        {"language", "*"},
    };
    for (const auto& wanted : wantedAttributes)
        EXPECT_EQ(Value(dependencies[0], wanted.attribute), "\"" + wanted.wanted + "\"")
            << g_path << ": dependency attribute " << wanted.attribute << "\n" << xml;
}

TEST_F(Manifest, DeclaresNoExecutionLevelAndNoDpiAwareness)
{
    for (const char* forbidden :
         {"trustInfo", "requestedExecutionLevel", "requestedPrivileges", "dpiAware",
          "dpiAwareness"})
        for (int i = 0; i < static_cast<int>(elements.size()); ++i)
            EXPECT_NE(elements[i].name, forbidden)
                << g_path << ": manifest has " << XmlPath(elements, i) << ", want no <"
                << forbidden << ">\n" << xml;
}

// ---------------------------------------------------------------------------

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <path>/tuschelpost64.exe|tuschelpost32.exe\n", argv[0]);
        return 2;
    }
    g_path = argv[1];
    std::string fileName = g_path.substr(g_path.find_last_of("/\\") + 1);
    for (const ExecutableExpectation& row : Executables)
        if (fileName == row.fileName)
            g_expected = &row;
    if (g_expected == nullptr) {
        std::fprintf(stderr, "%s: no expectations for a file named %s\n", argv[0],
                     fileName.c_str());
        return 2;
    }
    std::string error;
    if (!LoadPeImage(g_path, g_image, error)) {
        std::fprintf(stderr, "%s: not a readable PE file: %s\n", g_path.c_str(), error.c_str());
        return 1;
    }
    return RUN_ALL_TESTS();
}
