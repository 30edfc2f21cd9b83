#include "TScratchFolder.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <sys/stat.h>

TScratchFolder::TScratchFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "quendrel-faults-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr || ::chmod(pattern.c_str(), 0755) != 0)
        throw std::runtime_error("cannot create a scratch folder");
    FRoot = pattern;
}

TScratchFolder::~TScratchFolder() {
    // A test may have taken every permission away: give them back first.
    std::error_code ignored;
    for (auto it = std::filesystem::recursive_directory_iterator(FRoot, ignored);
         it != std::filesystem::recursive_directory_iterator(); it.increment(ignored)) {
        if (!it->is_symlink(ignored))
            ::chmod(it->path().c_str(), 0755);
    }
    std::filesystem::remove_all(FRoot, ignored);
}
