// Throughput of EncodeBase64 and DecodeBase64 next to two other Base64
// implementations (OpenSSL's EVP_EncodeBlock/EVP_DecodeBlock and modp_b64)
// and next to memcpy of the same raw bytes, the physical limit.
//
// Throughput always counts raw bytes: the encoder's input, the decoder's
// output. The decode input is valid Base64 on one line, made by our encoder.
// After all runs the program prints a summary: the median throughput of each
// contender over the repetitions and the ratios of ours to each of the others,
// all measured in this one process.
#include "codec/base64.h"

#include <benchmark/benchmark.h>
#include <modp_b64.h>
#include <openssl/evp.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

// Input and output live in separate allocations at different offsets from a
// page start: glibc's memcpy (and any streaming loop) slows down badly when
// the destination sits a few bytes past the source modulo 4096.
const size_t BufferAlignment = 4096;
const size_t InputOffset = 0;
const size_t OutputOffset = 2048 + 64;

struct Buffer {
    unsigned char* block = nullptr;
    unsigned char* data = nullptr;
};

Buffer AllocateBuffer(size_t size, size_t offset)
{
    size_t total = (size + offset + BufferAlignment) / BufferAlignment * BufferAlignment;
    Buffer buffer;
    buffer.block = (unsigned char*)aligned_alloc(BufferAlignment, total);
    if (buffer.block == nullptr) {
        fprintf(stderr, "out of memory for %zu bytes\n", total);
        exit(1);
    }
    memset(buffer.block, 0, total);
    buffer.data = buffer.block + offset;
    return buffer;
}

size_t EncodedLength(size_t rawSize) { return (rawSize + 2) / 3 * 4; }

// The buffers of one size, shared by every contender.
struct Workload {
    size_t rawSize;
    Buffer raw;      // random bytes
    Buffer encoded;  // their Base64 text, made by EncodeBase64
    Buffer output;   // where every contender writes
};

Workload MakeWorkload(size_t rawSize)
{
    Workload w;
    w.rawSize = rawSize;
    w.raw = AllocateBuffer(rawSize, InputOffset);
    w.encoded = AllocateBuffer(EncodedLength(rawSize) + 1, InputOffset);
    w.output = AllocateBuffer(EncodedLength(rawSize) + 16, OutputOffset);
    unsigned state = 12345u + (unsigned)rawSize;
    for (size_t i = 0; i < rawSize; ++i) {
        state = state * 1103515245u + 12345u;
        w.raw.data[i] = (unsigned char)(state >> 16);
    }
    EncodeBase64((const char*)w.raw.data, (int32_t)rawSize, (char*)w.encoded.data,
                 (ptrdiff_t)EncodedLength(rawSize));
    return w;
}

enum Contender { Ours, OpenSsl, Modp, Memcpy, ContenderCount };
const char* const ContenderNames[ContenderCount] = {"ours", "openssl", "modp_b64", "memcpy"};
enum Direction { Encode, Decode, DirectionCount };
const char* const DirectionNames[DirectionCount] = {"encode", "decode"};

// One call of a contender on a workload; returns its output length.
size_t RunOnce(Contender who, Direction dir, Workload& w)
{
    const unsigned char* raw = w.raw.data;
    const unsigned char* text = w.encoded.data;
    unsigned char* out = w.output.data;
    size_t n = w.rawSize;
    size_t textLength = EncodedLength(n);
    switch (who) {
    case Ours:
        if (dir == Encode)
            return (size_t)EncodeBase64((const char*)raw, (int32_t)n, (char*)out,
                                        (ptrdiff_t)textLength);
        return (size_t)DecodeBase64((const char*)text, (int32_t)textLength, (char*)out,
                                    (ptrdiff_t)n);
    case OpenSsl:
        if (dir == Encode)
            return (size_t)EVP_EncodeBlock(out, raw, (int)n);
        return (size_t)EVP_DecodeBlock(out, text, (int)textLength);
    case Modp:
        if (dir == Encode)
            return modp_b64_encode((char*)out, (const char*)raw, n);
        return modp_b64_decode((char*)out, (const char*)text, textLength);
    default:
        memcpy(out, raw, n);
        return n;
    }
}

// Every contender must produce the right output before it is timed.
void CheckContender(Contender who, Direction dir, Workload& w)
{
    size_t n = w.rawSize;
    size_t textLength = EncodedLength(n);
    size_t got = RunOnce(who, dir, w);
    bool ok;
    if (dir == Encode || who == Memcpy) {
        size_t want = who == Memcpy ? n : textLength;
        const unsigned char* expected = who == Memcpy ? w.raw.data : w.encoded.data;
        ok = got == want && memcmp(w.output.data, expected, want) == 0;
    } else {
        // EVP_DecodeBlock counts the bytes that the padding stands for.
        ok = (got == n || (who == OpenSsl && got == textLength / 4 * 3)) &&
             memcmp(w.output.data, w.raw.data, n) == 0;
    }
    if (!ok) {
        fprintf(stderr, "%s %s of %zu bytes gives wrong output (length %zu)\n",
                ContenderNames[who], DirectionNames[dir], n, got);
        exit(1);
    }
}

struct CaseInfo {
    Contender who;
    Direction dir;
    size_t rawSize;
};

std::map<std::string, CaseInfo> cases;

std::string CaseName(Contender who, Direction dir, size_t rawSize)
{
    std::string name = who == Memcpy ? "memcpy" : std::string(DirectionNames[dir]) + "/" +
                                                     ContenderNames[who];
    return name + "/" + std::to_string(rawSize);
}

void RegisterCase(Contender who, Direction dir, Workload* w)
{
    std::string name = CaseName(who, dir, w->rawSize);
    cases[name] = CaseInfo{who, dir, w->rawSize};
    benchmark::RegisterBenchmark(name.c_str(), [who, dir, w](benchmark::State& state) {
        for (auto _ : state) {
            size_t got = RunOnce(who, dir, *w);
            benchmark::DoNotOptimize(got);
            benchmark::ClobberMemory();
        }
        state.SetBytesProcessed((int64_t)state.iterations() * (int64_t)w->rawSize);
    });
}

// Passes everything on to the console and keeps the raw-byte throughput of
// every repetition for the summary. It is taken from the processor time of
// the run, which leaves out the time the process waited while the other
// processes of a busy machine ran.
class CollectingReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, std::vector<double>> throughputs;

    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.error_occurred ||
                run.iterations == 0 || run.cpu_accumulated_time <= 0)
                continue;
            auto found = cases.find(run.run_name.function_name);
            if (found == cases.end())
                continue;
            double seconds = run.cpu_accumulated_time / (double)run.iterations;
            throughputs[found->first].push_back((double)found->second.rawSize / seconds);
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

double Median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

std::string SizeLabel(size_t rawSize)
{
    if (rawSize >= 1024 * 1024)
        return std::to_string(rawSize / (1024 * 1024)) + " MiB";
    return std::to_string(rawSize / 1024) + " KiB";
}

void PrintSummary(const CollectingReporter& reporter, const std::vector<size_t>& sizes)
{
    auto median = [&](Contender who, Direction dir, size_t size) {
        auto found = reporter.throughputs.find(CaseName(who, dir, size));
        return found == reporter.throughputs.end() ? 0.0 : Median(found->second) / 1e9;
    };
    printf("\nMedian throughput in GB/s (1e9 bytes per second of processor time) of raw\n"
           "bytes (encoder input, decoder output), and ours divided by each of the\n"
           "others (above 1: ours is faster)\n\n");
    printf("%-6s %-8s %7s %7s %8s %7s   %10s %11s %10s\n", "dir", "size", "ours", "openssl",
           "modp_b64", "memcpy", "/openssl", "/modp_b64", "/memcpy");
    for (int d = 0; d < DirectionCount; ++d) {
        for (size_t size : sizes) {
            Direction dir = (Direction)d;
            double ours = median(Ours, dir, size);
            double ssl = median(OpenSsl, dir, size);
            double modp = median(Modp, dir, size);
            double copy = median(Memcpy, dir, size);
            auto ratio = [&](double other) { return other > 0 ? ours / other : 0.0; };
            printf("%-6s %-8s %7.3f %7.3f %8.3f %7.2f   %10.3f %11.3f %10.4f\n",
                   DirectionNames[d], SizeLabel(size).c_str(), ours, ssl, modp, copy,
                   ratio(ssl), ratio(modp), ratio(copy));
        }
    }
    fflush(stdout);
}

}  // namespace

int main(int argc, char** argv)
{
    const std::vector<size_t> sizes = {1024, 32 * 1024, 1024 * 1024};
    std::vector<Workload*> workloads;
    for (size_t size : sizes)
        workloads.push_back(new Workload(MakeWorkload(size)));

    for (Workload* w : workloads) {
        for (int d = 0; d < DirectionCount; ++d)
            for (int c = Ours; c < Memcpy; ++c) {
                CheckContender((Contender)c, (Direction)d, *w);
                RegisterCase((Contender)c, (Direction)d, w);
            }
        CheckContender(Memcpy, Encode, *w);
        RegisterCase(Memcpy, Encode, w);
    }

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    CollectingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    PrintSummary(reporter, sizes);
    benchmark::Shutdown();
    return 0;
}
