// Replay driver for a fuzz target outside the fuzzing build: runs every file of the
// corpus directories, then a fixed number of seeded mutations of them (byte flips,
// cuts, insertions, splices), so that the ordinary and sanitizer builds exercise the
// parser on malformed input in every test run. The same seed gives the same inputs; a
// time budget keeps a slow parser under the sanitizers from holding up the suite.
#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace {

using Bytes = std::vector<uint8_t>;

void readCorpus(const std::string& dir, std::vector<Bytes>& out)
{
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(dir, error)) {
        std::ifstream in(entry.path(), std::ios::binary);
        if (entry.path().filename().string()[0] != '.' && in)
            out.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
}

void run(const Bytes& input)
{
    // A copy of exactly the input's size, so that an over-read hits the sanitizer.
    uint8_t* copy = static_cast<uint8_t*>(std::malloc(input.size() ? input.size() : 1));
    std::copy(input.begin(), input.end(), copy);
    LLVMFuzzerTestOneInput(copy, input.size());
    std::free(copy);
}

Bytes mutate(const std::vector<Bytes>& corpus, std::mt19937& rng)
{
    Bytes out = corpus.empty() ? Bytes() : corpus[rng() % corpus.size()];
    const int steps = 1 + static_cast<int>(rng() % 4);
    for (int i = 0; i < steps; ++i) {
        const size_t at = out.empty() ? 0 : rng() % out.size();
        switch (rng() % 6) {
        case 0: if (!out.empty()) out[at] ^= static_cast<uint8_t>(1u << (rng() % 8)); break;
        case 1: if (!out.empty()) out[at] = static_cast<uint8_t>(rng()); break;
        case 2: out.resize(at); break;
        case 3: out.insert(out.begin() + static_cast<long>(at), static_cast<uint8_t>(rng())); break;
        case 4: {
            static const uint8_t interesting[] = {0x00, 0xff, 0x7f, 0x80, 0xc0, '<', '{', '"', '\\', ' '};
            if (!out.empty()) out[at] = interesting[rng() % sizeof interesting];
            break;
        }
        default: {
            if (corpus.empty())
                break;
            const Bytes& other = corpus[rng() % corpus.size()];
            const size_t from = other.empty() ? 0 : rng() % other.size();
            out.insert(out.begin() + static_cast<long>(at), other.begin() + static_cast<long>(from), other.end());
            break;
        }
        }
    }
    return out;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s MUTATIONS CORPUS-DIR...\n"
                             "(FUZZ_SMOKE_SECONDS bounds the mutations' time, default 30)\n", argv[0]);
        return 2;
    }
    if (LLVMFuzzerInitialize)
        LLVMFuzzerInitialize(&argc, &argv);
    const long mutations = std::strtol(argv[1], nullptr, 10);
    std::vector<Bytes> corpus;
    for (int i = 2; i < argc; ++i)
        readCorpus(argv[i], corpus);
    for (const Bytes& input : corpus)
        run(input);
    const char* budgetText = std::getenv("FUZZ_SMOKE_SECONDS");
    const auto budget = std::chrono::seconds(budgetText ? std::atol(budgetText) : 30);
    const auto deadline = std::chrono::steady_clock::now() + budget;
    std::mt19937 rng(20261206);
    long ran = 0;
    for (; ran < mutations && (ran % 256 != 0 || std::chrono::steady_clock::now() < deadline); ++ran)
        run(mutate(corpus, rng));
    std::printf("%s: %zu corpus inputs and %ld of %ld mutations ran without a fault\n", argv[0], corpus.size(),
                ran, mutations);
    return 0;
}
