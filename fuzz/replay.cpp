// The fuzz targets' seed corpora replayed as an ordinary test: a program
// linked with one target's LLVMFuzzerTestOneInput that feeds it every file of
// the directories it is given, in name order. A property that breaks aborts
// the program (the test then fails, naming the file on the error output); the
// end prints how many inputs were run.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    std::vector<fs::path> entrees;
    for (int i = 1; i < argc; ++i) {
        std::error_code e;
        for (const fs::directory_entry& d : fs::directory_iterator(argv[i], e))
            if (d.is_regular_file()) entrees.push_back(d.path());
        if (e) {
            std::fprintf(stderr, "replay: cannot read %s\n", argv[i]);
            return 2;
        }
    }
    if (entrees.empty()) {
        std::fprintf(stderr, "replay: no input\n");
        return 2;
    }
    std::sort(entrees.begin(), entrees.end());
    for (const fs::path& p : entrees) {
        std::fprintf(stderr, "replay: %s\n", p.string().c_str());
        std::ifstream f(p, std::ios::binary);
        const std::vector<char> octets((std::istreambuf_iterator<char>(f)),
                                       std::istreambuf_iterator<char>());
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(octets.data()), octets.size());
    }
    std::printf("replay: %zu inputs\n", entrees.size());
    return 0;
}
