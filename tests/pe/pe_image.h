// Reads a Windows executable (PE32 or PE32+) into plain records, without
// any tool of the toolchain: the headers, the section table, the data
// directories, the imported DLLs and the resource tree.
#ifndef TUSCHELPOST_TESTS_PE_PE_IMAGE_H
#define TUSCHELPOST_TESTS_PE_PE_IMAGE_H

#include <cstdint>
#include <string>
#include <vector>

// Numbers from the PE format that the checks use.
const uint16_t MachineAmd64 = 0x8664;
const uint16_t MachineI386 = 0x14c;
const uint16_t MagicPe32 = 0x10b;
const uint16_t MagicPe32Plus = 0x20b;
const uint16_t SubsystemWindowsGui = 2;
const uint16_t FileRelocsStripped = 0x0001;
const uint16_t DllHighEntropyVa = 0x0020;
const uint16_t DllDynamicBase = 0x0040;
const uint16_t DllNxCompat = 0x0100;
const uint32_t SectionMemExecute = 0x20000000;
const uint32_t SectionMemWrite = 0x80000000;

// Indexes into the data directories.
const int DirectoryImport = 1;
const int DirectoryResource = 2;
const int DirectoryBaseReloc = 5;
const int DirectoryDebug = 6;
const int DirectoryDelayImport = 13;

// Resource types.
const uint32_t ResourceIcon = 3;
const uint32_t ResourceGroupIcon = 14;
const uint32_t ResourceManifest = 24;

struct PeSection {
    std::string name;  // up to 8 characters, as stored
    uint32_t virtualAddress;
    uint32_t virtualSize;
    uint32_t rawOffset;
    uint32_t rawSize;
    uint32_t characteristics;
};

struct PeDirectory {
    uint32_t rva;
    uint32_t size;
};

// One level of a resource path: a number, or a name when `named` is set.
struct ResourceId {
    bool named;
    uint32_t number;
    std::string name;  // UTF-16 name, bytes above 0x7F shown as '?'
};

struct PeResource {
    ResourceId type;
    ResourceId id;
    ResourceId language;
    std::string data;
};

struct PeImage {
    std::string bytes;  // the whole file
    uint16_t machine;
    uint16_t fileCharacteristics;
    uint32_t pointerToSymbolTable;
    uint32_t numberOfSymbols;
    uint16_t magic;
    uint16_t subsystem;
    uint16_t dllCharacteristics;
    std::vector<PeDirectory> directories;
    std::vector<PeSection> sections;
    std::vector<std::string> importedDlls;  // normal and delay-loaded, in file order
    std::vector<PeResource> resources;      // every leaf of the resource tree
};

// Reads and parses the file at `path`. On failure returns false and says
// why in `error`; every offset is checked against the file's size.
bool LoadPeImage(const std::string& path, PeImage& image, std::string& error);

// The directory at `index`, or an empty one when the image has fewer.
PeDirectory Directory(const PeImage& image, int index);

#endif
