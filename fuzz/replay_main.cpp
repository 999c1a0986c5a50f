// Replays saved fuzz inputs without libFuzzer: each argument is a file or a
// folder of files (hidden files skipped, options beginning with "-" ignored).
// Any fault aborts; a clean run prints how many inputs were replayed.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);
// Every target defines it (no weak symbols: they do not carry over to every linker).
extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv);

namespace {

bool RunFile(const std::filesystem::path &path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "cannot read %s\n", path.string().c_str());
        return false;
    }
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::fprintf(stderr, "replaying %s (%zu bytes)\n", path.string().c_str(), bytes.size());
    // A copy of exactly the input's size, so that a sanitizer sees reads past its end.
    std::vector<std::uint8_t> copy(bytes.begin(), bytes.end());
    LLVMFuzzerTestOneInput(copy.empty() ? nullptr : copy.data(), copy.size());
    return true;
}

}  // namespace

int main(int argc, char **argv) {
    LLVMFuzzerInitialize(&argc, &argv);
    int replayed = 0;
    bool ok = true;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (!arg.empty() && arg[0] == '-') continue;
        const std::filesystem::path path(arg);
        std::error_code ec;
        if (std::filesystem::is_directory(path, ec)) {
            std::vector<std::filesystem::path> files;
            for (const auto &entry : std::filesystem::directory_iterator(path))
                if (entry.is_regular_file() && entry.path().filename().string()[0] != '.')
                    files.push_back(entry.path());
            std::sort(files.begin(), files.end());
            for (const auto &file : files) ok = RunFile(file) && ok, ++replayed;
        } else {
            ok = RunFile(path) && ok;
            ++replayed;
        }
    }
    std::fprintf(stderr, "replayed %d inputs\n", replayed);
    return ok ? 0 : 1;
}
