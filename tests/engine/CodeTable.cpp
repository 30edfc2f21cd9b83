#include "CodeTable.h"

#include "TResourceStream.h"

#include <algorithm>

namespace {

std::vector<unsigned char> ReadResource(std::string_view name) {
    TResourceStream stream(0, name, ResourceType::RawData);
    std::vector<unsigned char> bytes(stream.Size());
    stream.Read(bytes.data(), bytes.size());
    return bytes;
}

} // namespace

CodeTable::CodeTable(std::string_view name, unsigned base)
    : FBytes(ReadResource(name)), FBase(base) {}

unsigned CodeTable::Entry(unsigned code) const {
    const std::size_t offset = std::size_t{code - FBase} * 2;
    return FBytes.at(offset) << 8 | FBytes.at(offset + 1);
}

bool CodeTable::ContainsZeroByte() const {
    return std::find(FBytes.begin(), FBytes.end(), 0) != FBytes.end();
}

std::vector<unsigned> ReadCodeList(std::string_view name) {
    const std::vector<unsigned char> bytes = ReadResource(name);
    std::vector<unsigned> codes;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
        codes.push_back(bytes[i] << 8 | bytes[i + 1]);
    return codes;
}
