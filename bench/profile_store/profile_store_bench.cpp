// The profile store on a cfg.ini of 10,000 profiles, against the cost of reading the same file
// once with std::ifstream and writing it once with std::ofstream.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "core/profiles/profile_store.h"

namespace marlix {
namespace {

namespace fs = std::filesystem;

constexpr int kProfiles = 10000;

ProfileSelections variant(int i) {
    ProfileSelections v = DefaultSelections();
    v.mode.m_mode1 = i % 5;
    v.video.m_micVol = i % 7;
    v.image.m_ev = i % 13;
    v.system.m_syncClock = i % 2;
    return v;
}

// A cfg.ini of kProfiles profiles in a directory of its own, removed at exit.
class BenchFile {
public:
    BenchFile() {
        std::string pattern = (fs::temp_directory_path() / "marlix-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            std::abort();
        m_dir = pattern;
        m_cfg = m_dir / "cfg.ini";
        std::string text = "[basic]\nlast_cfg=default\n";
        for (int i = 0; i < kProfiles; ++i) {
            const ProfileSelections v = variant(i);
            text += "[profile-bench profile " + std::to_string(i) + "]\n";
            for (const Setting setting : kProfileSaveOrder) {
                const int field = SelectionField(v, setting);
                text += std::string(RowOf(setting).name) + "=";
                if (setting == Setting::SyncClock) {
                    text += field ? "TRUE" : "FALSE";
                } else {
                    text += std::string(OptionText(setting, field));
                }
                text += "\n";
            }
        }
        std::ofstream(m_cfg, std::ios::binary) << text;
        m_size = text.size();
    }
    ~BenchFile() {
        std::error_code ec;
        fs::remove_all(m_dir, ec);
    }
    const fs::path& cfg() const { return m_cfg; }
    std::size_t size() const { return m_size; }

private:
    fs::path m_dir;
    fs::path m_cfg;
    std::size_t m_size = 0;
};

const BenchFile& benchFile() {
    static const BenchFile file;
    return file;
}

void BM_BaselineReadWrite(benchmark::State& state) {
    const fs::path& cfg = benchFile().cfg();
    for (auto _ : state) {
        std::string bytes;
        {
            std::ifstream in(cfg, std::ios::binary);
            bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        }
        {
            std::ofstream out(cfg, std::ios::binary | std::ios::trunc);
            out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        }
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(benchFile().size()));
}
BENCHMARK(BM_BaselineReadWrite)->Unit(benchmark::kMillisecond);

void BM_InitProfileStore(benchmark::State& state) {
    for (auto _ : state) {
        ProfileStore store(benchFile().cfg());
        ProfileSelections out;
        if (!store.InitProfileStore(out).ok())
            state.SkipWithError("InitProfileStore failed");
        if (store.profileNames().size() != kProfiles)
            state.SkipWithError("profiles missing");
        benchmark::DoNotOptimize(out);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(benchFile().size()));
}
BENCHMARK(BM_InitProfileStore)->Unit(benchmark::kMillisecond);

// Saves a profile from the middle of the file, alternating its values so every save writes.
void BM_SaveProfile(benchmark::State& state) {
    ProfileStore store(benchFile().cfg());
    ProfileSelections out;
    if (!store.InitProfileStore(out).ok() || !store.SelectProfile(kProfiles / 2, out).ok()) {
        state.SkipWithError("could not start the store");
        return;
    }
    const ProfileSelections values[2] = {variant(1), variant(2)};
    int n = 0;
    for (auto _ : state) {
        if (!store.SaveProfile(values[n++ % 2]).ok())
            state.SkipWithError("SaveProfile failed");
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(benchFile().size()));
}
BENCHMARK(BM_SaveProfile)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace marlix

BENCHMARK_MAIN();
