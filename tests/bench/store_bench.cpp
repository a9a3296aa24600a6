// Load and save of big data: the settings store with 100,000 nicks, a 10 MB profile and an
// ASCII art catalogue of 2,000 pictures in 10 MB. Each save is one file replacement.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/store/desktop_registry.h"
#include "core/store/ini_file.h"
#include "core/store/profile.h"
#include "core/store/registry_file.h"
#include "core/store/settings_batch.h"
#include "core/templates/ascii_catalog.h"

namespace {

namespace fs = std::filesystem;
using namespace tagforge;

constexpr std::size_t kNicks = 100000;
constexpr std::size_t kProfileBytes = 10 * 1024 * 1024;
constexpr std::size_t kPictures = 2000;

// A folder of this run, removed at the end.
class Scratch {
  public:
    Scratch()
        : folder_(fs::temp_directory_path() /
                  ("tagforge-store-bench-" + std::to_string(::getpid()))) {
        fs::create_directories(folder_ / "program");
    }
    ~Scratch() {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;

    const fs::path& folder() const { return folder_; }

  private:
    fs::path folder_;
};

const Scratch& Folder() {
    static const Scratch scratch;
    return scratch;
}

std::vector<std::string> Nicks() {
    std::vector<std::string> nicks;
    nicks.reserve(kNicks);
    for (std::size_t i = 0; i < kNicks; ++i) {
        nicks.push_back("\xCD\xE8\xEA" + std::to_string(i));
    }
    return nicks;
}

SettingsBatch FullSave(const std::vector<std::string>& nicks) {
    SettingsBatch batch;
    const std::vector<std::string> texts = EncodeSettings(Settings{}, "/opt/tagforge");
    for (std::size_t i = 0; i < SettingValues().size(); ++i) {
        batch.AddText(SettingValues()[i], texts[i]);
    }
    batch.AddNameList(kFontNamesKey, {"Arial", "Verdana"});
    batch.AddNameList(kNicksKey, nicks);
    return batch;
}

DesktopRegistryPaths Paths() {
    return StandardDesktopRegistryPaths(Folder().folder() / "program", Folder().folder() / "cfg");
}

void SaveSettingsWithNicks(benchmark::State& state) {
    // Two lists in turn, so that every save has something to write.
    std::vector<std::string> nicks = Nicks();
    const SettingsBatch first = FullSave(nicks);
    nicks.emplace_back("\xC5\xF9\xB8");
    const SettingsBatch second = FullSave(nicks);
    DesktopRegistry registry(Paths());
    bool odd = false;
    for (auto _ : state) {
        benchmark::DoNotOptimize(registry.Apply((odd ? first : second).changes()));
        odd = !odd;
    }
    state.SetBytesProcessed(
        static_cast<std::int64_t>(state.iterations() * fs::file_size(Paths().machineFile)));
}
BENCHMARK(SaveSettingsWithNicks)->Unit(benchmark::kMillisecond);

void LoadSettingsWithNicks(benchmark::State& state) {
    DesktopRegistry(Paths()).Apply(FullSave(Nicks()).changes());
    for (auto _ : state) {
        const RegistryFile store(Paths().machineFile);
        benchmark::DoNotOptimize(store.ValueNames(kNicksKey));
        for (const SettingValue& value : SettingValues()) {
            benchmark::DoNotOptimize(store.ReadValue(value.keyPath, value.name));
        }
    }
}
BENCHMARK(LoadSettingsWithNicks)->Unit(benchmark::kMillisecond);

Profile BigProfile() {
    Profile profile;
    std::string text;
    text.reserve(kProfileBytes);
    while (text.size() < kProfileBytes) {
        text += "\xCF\xF0\xE8\xE2\xE5\xF2 [::smile::] &#128512; all\r\n";
    }
    profile.text = text;
    profile.page1OwnText = std::string(1000, 'x');
    return profile;
}

fs::path ProfilePath() {
    return Folder().folder() / "Default.tfp";
}

void SaveProfile10MB(benchmark::State& state) {
    const Profile profile = BigProfile();
    IniFile file(ProfilePath());
    for (auto _ : state) {
        WriteProfile(file, profile);
    }
    state.SetBytesProcessed(
        static_cast<std::int64_t>(state.iterations() * fs::file_size(ProfilePath())));
}
BENCHMARK(SaveProfile10MB)->Unit(benchmark::kMillisecond);

void LoadProfile10MB(benchmark::State& state) {
    {
        IniFile file(ProfilePath());
        WriteProfile(file, BigProfile());
    }
    for (auto _ : state) {
        const IniFile file(ProfilePath());
        benchmark::DoNotOptimize(ReadProfile(file));
    }
    state.SetBytesProcessed(
        static_cast<std::int64_t>(state.iterations() * fs::file_size(ProfilePath())));
}
BENCHMARK(LoadProfile10MB)->Unit(benchmark::kMillisecond);

fs::path CataloguePath() {
    const fs::path path = Folder().folder() / "ascii.asc";
    if (!fs::exists(path)) {
        std::ofstream out(path, std::ios::binary);
        const std::string html = "<pre>" + std::string(5000, '#') + "</pre>";
        for (std::size_t i = 0; i < kPictures; ++i) {
            out << "[picture " << i << "]\r\nhtml=" << html << "\r\ninclude=" << i % 2 << "\r\n";
        }
    }
    return path;
}

void LoadCatalogue2000(benchmark::State& state) {
    const fs::path path = CataloguePath();
    for (auto _ : state) {
        const IniFile catalogue(path);
        benchmark::DoNotOptimize(ReadAsciiPictures(catalogue));
        benchmark::DoNotOptimize(IncludedAsciiPictures(catalogue));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * fs::file_size(path)));
}
BENCHMARK(LoadCatalogue2000)->Unit(benchmark::kMillisecond);

void SaveCatalogueTicks2000(benchmark::State& state) {
    IniFile catalogue(CataloguePath());
    std::vector<AsciiPicture> pictures = ReadAsciiPictures(catalogue);
    for (auto _ : state) {
        for (AsciiPicture& picture : pictures) {
            picture.included = !picture.included;
        }
        WriteAsciiIncludeFlags(catalogue, pictures);
    }
}
BENCHMARK(SaveCatalogueTicks2000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
