#include <benchmark/benchmark.h>
#include <dlfcn.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include "tolvanea/runtime.h"

namespace {

const RuntimeRoot& root() {
    static RuntimeRoot r = [] {
        RuntimeRoot filled{};
        void* library = dlopen(RUNTIME_LIBRARY_PATH, RTLD_NOW);
        if (library == nullptr) std::abort();
        auto hh = reinterpret_cast<HHFn>(dlsym(library, "HH"));
        filled.size = sizeof filled;
        hh(&filled);
        return filled;
    }();
    return r;
}

std::string sampleText(std::size_t bytes) {
    std::string text;
    for (int i = 0; text.size() < bytes; ++i)
        text += "key" + std::to_string(i) + "=" + std::string(static_cast<std::size_t>(i % 60), 'v') + "\r\n";
    return text;
}

struct Memory {
    std::string bytes;
};

RtBool fill(RtWord context, int32_t offset, void* buffer, int32_t size, int32_t* got) {
    const auto* memory = reinterpret_cast<const Memory*>(context);
    int32_t available = std::max<int32_t>(0, static_cast<int32_t>(memory->bytes.size()) - offset);
    *got = std::min(size, available);
    std::memcpy(buffer, memory->bytes.data() + offset, static_cast<std::size_t>(*got));
    return 1;
}

void TextReaderLines(benchmark::State& state) {
    Memory memory;
    std::string narrow = sampleText(1 << 20);
    if (state.range(0) == 0) {
        memory.bytes = narrow;
    } else {
        memory.bytes.assign("\xFE\xFF\x00", 3);
        for (char c : narrow) {
            memory.bytes.push_back(c);
            memory.bytes.push_back('\0');
        }
    }
    const TextReaderTable& readers = *root().textReaderTable;
    RtWide line[256];
    for (auto _ : state) {
        TextReader* reader = readers.openReader(reinterpret_cast<const void*>(&fill), 0, RT_READER_FUNCTION_MODE,
                                                reinterpret_cast<RtWord>(&memory));
        while (readers.readReaderLine(reader, line, 256)) benchmark::DoNotOptimize(line[0]);
        readers.closeReader(reader);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(memory.bytes.size()));
}
BENCHMARK(TextReaderLines)->Arg(0)->Arg(1);

// One platform read per byte, as the file service's readers are defined.
void FileReadLine(benchmark::State& state) {
    std::string path = "/tmp/vospren-runtime-bench-" + std::to_string(getpid());
    std::string text = sampleText(64 << 10);
    std::ofstream(path, std::ios::binary) << text;
    const FileTable& files = *root().fileTable;
    char line[256];
    for (auto _ : state) {
        RtHandle file = files.openForReading(path.c_str(), 0);
        while (files.readLine(file, line)) benchmark::DoNotOptimize(line[0]);
        files.closeFile(file);
    }
    std::remove(path.c_str());
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}
BENCHMARK(FileReadLine);

void Wildcard(benchmark::State& state) {
    const RtWide pattern[] = {'*', '.', 'T', 'X', 'T', 0};
    RtWide name[64];
    const char* source = "some-rather-long-file-name.txt";
    for (std::size_t i = 0;; ++i) {
        name[i] = static_cast<unsigned char>(source[i]);
        if (source[i] == '\0') break;
    }
    for (auto _ : state) benchmark::DoNotOptimize(root().textTable->matchWildcard(pattern, name, 0));
}
BENCHMARK(Wildcard);

void SplitText(benchmark::State& state) {
    std::string text;
    for (int i = 0; i < 100; ++i) text += " piece" + std::to_string(i) + " ,";
    for (auto _ : state) {
        ListNode* list = root().textTable->splitText(text.c_str(), ',', 1, std::malloc);
        root().valueListTable->destroyValueList(list, [](RtWord value) { std::free(reinterpret_cast<void*>(value)); });
    }
}
BENCHMARK(SplitText);

void SettingsLookup(benchmark::State& state) {
    const SettingsTable& settings = *root().settingsTable;
    ListNode* list = nullptr;
    for (int i = 0; i < state.range(0); ++i) settings.setSettingInt(&list, ("Key" + std::to_string(i)).c_str(), i);
    std::string last = "key" + std::to_string(state.range(0) - 1);
    for (auto _ : state) benchmark::DoNotOptimize(settings.getSettingInt(list, last.c_str()));
    settings.freeSettings(&list);
}
BENCHMARK(SettingsLookup)->Arg(16)->Arg(256);

}  // namespace

BENCHMARK_MAIN();
