#include "ProgramResources.h"

// This test program carries no code tables: the converters cannot open theirs.
std::span<const ResourceEntry> ProgramResources() {
    return {};
}
