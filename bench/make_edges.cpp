// make_edges TRIPLES [SEED]: writes an edge list of TRIPLES random triples
// over the 94 printable names ('!' to '~'), weights 0 to 1000, after the two
// header records, to standard output: the benchmarks' input files. The same
// arguments always give the same file.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// splitmix64: fast, and the same everywhere.
std::uint64_t nextRandom(std::uint64_t& state) {
    std::uint64_t z = (state += 0x9e3779b97f4a7c15);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9;
    z = (z ^ (z >> 27)) * 0x94d049bb133111eb;
    return z ^ (z >> 31);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: make_edges TRIPLES [SEED]\n");
        return 2;
    }
    const long long triples = std::atoll(argv[1]);
    std::uint64_t state = argc == 3 ? std::strtoull(argv[2], nullptr, 10) : 4;
    std::string out = "V 94\nE " + std::to_string(triples) + "\n";
    for (long long i = 0; i < triples; ++i) {
        const std::uint64_t r = nextRandom(state);
        out += static_cast<char>('!' + r % 94);
        out += ' ';
        out += static_cast<char>('!' + (r >> 8) % 94);
        out += ' ';
        out += std::to_string((r >> 16) % 1001);
        out += '\n';
        if (out.size() >= (1 << 20)) {
            std::fwrite(out.data(), 1, out.size(), stdout);
            out.clear();
        }
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
