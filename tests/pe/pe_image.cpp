#include "pe_image.h"

#include <fstream>
#include <iterator>

// ---------------------------------------------------------------------------
// Little-endian fields, each read only after its range has been checked.

static bool Fits(const std::string& bytes, uint64_t offset, uint64_t length)
{
    return offset <= bytes.size() && length <= bytes.size() - offset;
}

static uint16_t U16(const std::string& bytes, uint64_t offset)
{
    return static_cast<uint16_t>(static_cast<unsigned char>(bytes[offset]) |
                                 static_cast<unsigned char>(bytes[offset + 1]) << 8);
}

static uint32_t U32(const std::string& bytes, uint64_t offset)
{
    return U16(bytes, offset) | static_cast<uint32_t>(U16(bytes, offset + 2)) << 16;
}

static std::string Hex(uint32_t value)
{
    const char digits[] = "0123456789abcdef";
    std::string text;
    do {
        text.insert(text.begin(), digits[value % 16]);
        value /= 16;
    } while (value != 0);
    return "0x" + text;
}

// ---------------------------------------------------------------------------
// Addresses: an RVA is found in the file through the section that holds it.

static bool RvaToOffset(const PeImage& image, uint32_t rva, uint32_t length, uint64_t& offset)
{
    for (const PeSection& section : image.sections) {
        if (rva < section.virtualAddress)
            continue;
        uint64_t inSection = rva - section.virtualAddress;
        if (inSection + length > section.rawSize)
            continue;
        offset = section.rawOffset + inSection;
        return Fits(image.bytes, offset, length);
    }
    return false;
}

// A NUL-ended string at `rva`, which must end inside its section.
static bool StringAt(const PeImage& image, uint32_t rva, std::string& text)
{
    uint64_t offset = 0;
    if (!RvaToOffset(image, rva, 1, offset))
        return false;
    text.clear();
    for (uint32_t length = 0; length < 4096; ++length) {
        if (!RvaToOffset(image, rva + length, 1, offset))
            return false;
        if (image.bytes[offset] == '\0')
            return true;
        text += image.bytes[offset];
    }
    return false;
}

// ---------------------------------------------------------------------------
// Headers and section table.

static bool ReadHeaders(PeImage& image, std::string& error)
{
    const std::string& b = image.bytes;
    if (!Fits(b, 0, 64) || b.compare(0, 2, "MZ") != 0) {
        error = "no DOS header (MZ)";
        return false;
    }
    uint32_t pe = U32(b, 0x3c);
    if (!Fits(b, pe, 24) || b.compare(pe, 4, std::string("PE\0\0", 4)) != 0) {
        error = "no PE signature at e_lfanew " + Hex(pe);
        return false;
    }
    uint32_t coff = pe + 4;
    image.machine = U16(b, coff);
    uint16_t sectionCount = U16(b, coff + 2);
    image.pointerToSymbolTable = U32(b, coff + 8);
    image.numberOfSymbols = U32(b, coff + 12);
    uint16_t optionalSize = U16(b, coff + 16);
    image.fileCharacteristics = U16(b, coff + 18);

    uint32_t opt = coff + 20;
    if (!Fits(b, opt, optionalSize) || optionalSize < 2) {
        error = "optional header runs past the end of the file";
        return false;
    }
    image.magic = U16(b, opt);
    // The fields after the image base move by 16 bytes in PE32+.
    uint32_t directoriesAt = 0;
    if (image.magic == MagicPe32Plus)
        directoriesAt = 112;
    else if (image.magic == MagicPe32)
        directoriesAt = 96;
    else {
        error = "unknown optional header magic " + Hex(image.magic);
        return false;
    }
    if (optionalSize < directoriesAt) {
        error = "optional header too short: " + std::to_string(optionalSize) + " bytes";
        return false;
    }
    image.subsystem = U16(b, opt + 68);
    image.dllCharacteristics = U16(b, opt + 70);
    uint32_t directoryCount = U32(b, opt + directoriesAt - 4);
    if (directoriesAt + uint64_t(directoryCount) * 8 > optionalSize) {
        error = "data directories run past the optional header";
        return false;
    }
    image.directories.clear();
    for (uint32_t i = 0; i < directoryCount; ++i) {
        uint32_t at = opt + directoriesAt + i * 8;
        image.directories.push_back({U32(b, at), U32(b, at + 4)});
    }

    uint32_t table = opt + optionalSize;
    if (!Fits(b, table, uint64_t(sectionCount) * 40)) {
        error = "section table runs past the end of the file";
        return false;
    }
    image.sections.clear();
    for (uint16_t i = 0; i < sectionCount; ++i) {
        uint32_t at = table + i * 40;
        PeSection section;
        section.name = b.substr(at, 8);
        section.name = section.name.substr(0, section.name.find('\0'));
        section.virtualSize = U32(b, at + 8);
        section.virtualAddress = U32(b, at + 12);
        section.rawSize = U32(b, at + 16);
        section.rawOffset = U32(b, at + 20);
        section.characteristics = U32(b, at + 36);
        image.sections.push_back(section);
    }
    return true;
}

// ---------------------------------------------------------------------------
// Imports: the import descriptors (20 bytes, name at +12) and the delay-load
// descriptors (32 bytes, name at +4), each list ended by an all-zero entry.

static bool ReadDllNames(PeImage& image, int directory, uint32_t entrySize, uint32_t nameAt,
                         std::string& error)
{
    PeDirectory dir = Directory(image, directory);
    if (dir.rva == 0)
        return true;
    for (uint32_t rva = dir.rva;; rva += entrySize) {
        uint64_t offset = 0;
        if (!RvaToOffset(image, rva, entrySize, offset)) {
            error = "import list at " + Hex(rva) + " lies outside every section";
            return false;
        }
        if (image.bytes.compare(offset, entrySize, std::string(entrySize, '\0')) == 0)
            return true;
        std::string name;
        if (!StringAt(image, U32(image.bytes, offset + nameAt), name)) {
            error = "unreadable DLL name in the import list at " + Hex(rva);
            return false;
        }
        image.importedDlls.push_back(name);
    }
}

// ---------------------------------------------------------------------------
// Resources: three levels of directories (type, identifier, language); every
// offset in them counts from the start of the resource directory.

static bool ReadResourceId(const PeImage& image, uint32_t field, ResourceId& id)
{
    id.named = (field & 0x80000000u) != 0;
    id.number = field;
    id.name.clear();
    if (!id.named)
        return true;
    uint32_t rva = Directory(image, DirectoryResource).rva + (field & 0x7fffffffu);
    uint64_t offset = 0;
    if (!RvaToOffset(image, rva, 2, offset))
        return false;
    uint16_t length = U16(image.bytes, offset);
    if (!RvaToOffset(image, rva, 2 + 2u * length, offset))
        return false;
    for (uint16_t i = 0; i < length; ++i) {
        uint16_t unit = U16(image.bytes, offset + 2 + 2u * i);
        id.name += unit < 0x80 ? static_cast<char>(unit) : '?';
    }
    return true;
}

static bool ReadResourceLevel(PeImage& image, uint32_t dirOffset, int level, PeResource& path,
                              std::string& error)
{
    uint32_t base = Directory(image, DirectoryResource).rva;
    uint64_t at = 0;
    if (!RvaToOffset(image, base + dirOffset, 16, at)) {
        error = "resource directory at offset " + Hex(dirOffset) + " lies outside the file";
        return false;
    }
    uint32_t count = uint32_t(U16(image.bytes, at + 12)) + U16(image.bytes, at + 14);
    if (!RvaToOffset(image, base + dirOffset, 16 + count * 8, at)) {
        error = "resource entries at offset " + Hex(dirOffset) + " run past the file";
        return false;
    }
    for (uint32_t i = 0; i < count; ++i) {
        uint32_t idField = U32(image.bytes, at + 16 + i * 8);
        uint32_t target = U32(image.bytes, at + 20 + i * 8);
        ResourceId& id = level == 0 ? path.type : level == 1 ? path.id : path.language;
        if (!ReadResourceId(image, idField, id)) {
            error = "unreadable resource name at level " + std::to_string(level);
            return false;
        }
        bool isDirectory = (target & 0x80000000u) != 0;
        if (isDirectory != (level < 2)) {
            error = "resource tree is not three levels deep";
            return false;
        }
        if (isDirectory) {
            if (!ReadResourceLevel(image, target & 0x7fffffffu, level + 1, path, error))
                return false;
            continue;
        }
        uint64_t leaf = 0;
        if (!RvaToOffset(image, base + target, 16, leaf)) {
            error = "resource data entry at offset " + Hex(target) + " lies outside the file";
            return false;
        }
        uint32_t dataRva = U32(image.bytes, leaf);
        uint32_t dataSize = U32(image.bytes, leaf + 4);
        uint64_t data = 0;
        if (!RvaToOffset(image, dataRva, dataSize, data)) {
            error = "resource data at " + Hex(dataRva) + " lies outside the file";
            return false;
        }
        path.data = image.bytes.substr(data, dataSize);
        image.resources.push_back(path);
    }
    return true;
}

// ---------------------------------------------------------------------------

PeDirectory Directory(const PeImage& image, int index)
{
    if (index < 0 || static_cast<size_t>(index) >= image.directories.size())
        return {0, 0};
    return image.directories[index];
}

bool LoadPeImage(const std::string& path, PeImage& image, std::string& error)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        error = "cannot open " + path;
        return false;
    }
    image = PeImage();
    image.bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    if (!ReadHeaders(image, error))
        return false;
    if (!ReadDllNames(image, DirectoryImport, 20, 12, error) ||
        !ReadDllNames(image, DirectoryDelayImport, 32, 4, error))
        return false;
    PeResource path0 = {};
    if (Directory(image, DirectoryResource).rva != 0 &&
        !ReadResourceLevel(image, 0, 0, path0, error))
        return false;
    return true;
}
