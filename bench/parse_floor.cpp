// parse_floor FILE: the floor of reading an edge list, for tool_bench.sh. A
// plain C loop that reads FILE in 4 MiB blocks and parses every item of it
// (two header records, then source, target and weight triples until the
// first item that cannot be read) storing nothing, then prints the number of
// triples and the sum of their weights so that none of the work can be left
// out.
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr size_t kBlockBytes = 4 << 20;
char block[kBlockBytes];
const char* next = block;
const char* end = block;
int fd = -1;

// The next byte, or EOF.
int peekByte() {
    if (next == end) {
        const ssize_t got = read(fd, block, kBlockBytes);
        if (got <= 0) {
            return EOF;
        }
        next = block;
        end = block + got;
    }
    return static_cast<unsigned char>(*next);
}

int skipSpace() {
    int c = peekByte();
    while (c == ' ' || (c >= '\t' && c <= '\r')) {
        ++next;
        c = peekByte();
    }
    return c;
}

bool readChar(char* out) {
    const int c = skipSpace();
    if (c == EOF) {
        return false;
    }
    *out = static_cast<char>(c);
    ++next;
    return true;
}

bool readInt(long* out) {
    int c = skipSpace();
    const bool negative = c == '-';
    if (c == '-' || c == '+') {
        ++next;
        c = peekByte();
    }
    if (c < '0' || c > '9') {
        return false;
    }
    long value = 0;
    for (; c >= '0' && c <= '9'; c = peekByte()) {
        value = value < 10000000000L ? value * 10 + (c - '0') : value;
        ++next;
    }
    *out = negative ? -value : value;
    return value <= 2147483648L - (negative ? 0 : 1);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 || (fd = open(argv[1], O_RDONLY)) < 0) {
        std::fprintf(stderr, "usage: parse_floor FILE\n");
        return 2;
    }
    char name;
    long value;
    long triples = 0;
    long sum = 0;
    if (readChar(&name) && readInt(&value) && readChar(&name) && readInt(&value)) {
        char source;
        char target;
        while (readChar(&source) && readChar(&target) && readInt(&value)) {
            ++triples;
            sum += value + source + target;
        }
    }
    std::printf("%ld triples, checksum %ld\n", triples, sum);
    return 0;
}
