#include "TResourceStream.h"

#include "Exception.h"

#include <string>

TResourceStream::TResourceStream(ModuleHandle module, std::string_view name, ResourceType type) {
    if (module == 0) {
        for (const ResourceEntry& entry : ProgramResources()) {
            if (entry.name == name && entry.type == type) {
                FData = entry.data.data();
                FSize = entry.data.size();
                return;
            }
        }
    }
    throw EResNotFound("Resource " + std::string(name) + " not found");
}
