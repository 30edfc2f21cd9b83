#pragma once

#include <cstddef>
#include <span>
#include <string_view>

// Resource types, as the resource compiler knows them.
enum class ResourceType { RawData };

struct ResourceEntry {
    std::string_view name;
    ResourceType type;
    std::span<const unsigned char> data;
};

// The resources linked into the executable. Defined by the program's resource
// table, not by this layer, so that the data stays with whoever owns it.
std::span<const ResourceEntry> ProgramResources();
