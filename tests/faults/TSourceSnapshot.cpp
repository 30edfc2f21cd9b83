#include "TSourceSnapshot.h"

#include <fstream>
#include <iterator>
#include <optional>
#include <stdexcept>

namespace {

std::optional<ByteString> BytesOf(const ByteString& fileName) {
    std::ifstream file(fileName, std::ios::binary);
    if (!file)
        return std::nullopt;
    return ByteString(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

} // namespace

void TSourceSnapshot::Take(const ByteString& fileName) {
    const auto bytes = BytesOf(fileName);
    if (!bytes)
        throw std::runtime_error("cannot read " + fileName);
    FBytes[fileName] = *bytes;
}

void TSourceSnapshot::Moved(const ByteString& from, const ByteString& to) {
    auto node = FBytes.extract(from);
    node.key() = to;
    FBytes.insert(std::move(node));
}

std::vector<ByteString> TSourceSnapshot::Changed() const {
    std::vector<ByteString> changed;
    for (const auto& [fileName, bytes] : FBytes) {
        if (BytesOf(fileName) != bytes)
            changed.push_back(fileName);
    }
    return changed;
}
