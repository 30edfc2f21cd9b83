#include "ProgramResources.h"

#include <array>

extern "C" {
extern const unsigned char quendrel_BIG2GB_begin[], quendrel_BIG2GB_end[];
extern const unsigned char quendrel_GB2BIG_begin[], quendrel_GB2BIG_end[];
extern const unsigned char quendrel_DUPCODE_begin[], quendrel_DUPCODE_end[];
extern const unsigned char quendrel_DUPDATA_begin[], quendrel_DUPDATA_end[];
}

namespace {

ResourceEntry RawData(std::string_view name, const unsigned char* begin, const unsigned char* end) {
    return {name, ResourceType::RawData, {begin, end}};
}

} // namespace

std::span<const ResourceEntry> ProgramResources() {
    static const std::array entries{
        RawData("BIG2GB", quendrel_BIG2GB_begin, quendrel_BIG2GB_end),
        RawData("GB2BIG", quendrel_GB2BIG_begin, quendrel_GB2BIG_end),
        RawData("DUPCODE", quendrel_DUPCODE_begin, quendrel_DUPCODE_end),
        RawData("DUPDATA", quendrel_DUPDATA_begin, quendrel_DUPDATA_end),
    };
    return entries;
}
