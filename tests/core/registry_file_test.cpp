#include "core/store/registry_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <random>
#include <string>
#include <thread>
#include <vector>

#if defined(__unix__)
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>
#include <csignal>
#endif

#include "temp_folder.h"
#include "test_text.h"

namespace tagforge {
namespace {

namespace fs = std::filesystem;
using test::W;
using Names = std::vector<std::string>;

constexpr std::string_view kKey = "Software\\Orbel Soft\\TagForge";

class RegistryValues : public test::TempFolderTest {
  protected:
    fs::path File() const { return folder() / "TagForge.registry"; }
};

TEST_F(RegistryValues, AwkwardNamesAndDataSurviveAFreshRead) {
    const Names names = {"a/b",      "x=y", "[z]", "50%",      "line\r\nbreak",
                         W("Шрифт"), "",    "%41", " spaced ", std::string("nul\0x", 5),
                         "tab\there"};
    {
        RegistryFile store(File());
        for (std::size_t i = 0; i < names.size(); ++i) {
            const std::string data = "data " + std::to_string(i) + " of " + names[i] + "=[]%\r\n";
            ASSERT_TRUE(store.WriteValue(kKey, names[i], data)) << i;
        }
        ASSERT_TRUE(store.WriteValue(kKey, "empty data", ""));
    }
    const RegistryFile fresh(File());
    Names expectedNames = names;
    expectedNames.emplace_back("empty data");
    EXPECT_EQ(fresh.ValueNames(kKey), expectedNames);
    for (std::size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(fresh.ReadValue(kKey, names[i]),
                  "data " + std::to_string(i) + " of " + names[i] + "=[]%\r\n")
            << i;
    }
    EXPECT_EQ(fresh.ReadValue(kKey, "empty data"), "");

    // One line per key and per value: line breaks inside names and data are escaped.
    const std::string text = OnDisk(File());
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 3 + std::ssize(expectedNames));
    EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 0);
}

TEST_F(RegistryValues, FileShowsKeysAndEscapedValues) {
    RegistryFile store(File());
    ASSERT_TRUE(store.WriteValue("A\\B", "x=y", "50% [1]"));
    ASSERT_TRUE(store.WriteValue("A\\B", "", "default"));
    EXPECT_EQ(OnDisk(File()), "[A]\n[A\\B]\nx%3Dy=50%25 %5B1%5D\n=default\n");
}

TEST_F(RegistryValues, NamesListInFirstWriteOrderAndRewritesKeepTheirPlace) {
    {
        RegistryFile store(File());
        ASSERT_TRUE(store.WriteValue(kKey, "Top", "1"));
        ASSERT_TRUE(store.WriteValue(kKey, "left", "2"));
        ASSERT_TRUE(store.WriteValue(kKey, "Bold", "3"));
        ASSERT_TRUE(store.WriteValue(kKey, "LEFT", "20"));
        EXPECT_EQ(store.ValueNames(kKey), (Names{"Top", "left", "Bold"}));
        EXPECT_EQ(store.ReadValue(kKey, "Left"), "20");
    }
    RegistryFile fresh(File());
    EXPECT_EQ(fresh.ValueNames(kKey), (Names{"Top", "left", "Bold"}));
    EXPECT_EQ(fresh.ReadValue(kKey, "left"), "20");
    ASSERT_TRUE(fresh.DeleteValue(kKey, "top"));
    ASSERT_TRUE(fresh.WriteValue(kKey, "Top", "9"));
    EXPECT_EQ(RegistryFile(File()).ValueNames(kKey), (Names{"left", "Bold", "Top"}));
}

TEST(JoinedKeyPath, OuterAndDoubledBackslashesMeanNothing) {
    const struct {
        std::string_view path;
        std::string_view joined;
    } rows[] = {
        {"", ""},
        {"\\\\", ""},
        {"Software", "Software"},
        {"\\Software\\Orbel Soft\\", "Software\\Orbel Soft"},
        {"Software\\\\\\Orbel Soft", "Software\\Orbel Soft"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(JoinedKeyPath(row.path), row.joined) << row.path;
    }
}

TEST_F(RegistryValues, PathsAndNamesIgnoreLetterCaseAndOuterBackslashes) {
    RegistryFile store(File());
    ASSERT_TRUE(store.WriteValue("Software\\Foo", "Top", "1"));
    ASSERT_TRUE(store.WriteValue(W("Программа\\Ключ"), W("Имя"), "2"));

    EXPECT_EQ(store.ReadValue("\\SOFTWARE\\foo\\", "TOP"), "1");
    EXPECT_EQ(store.ReadValue(W("\\программа\\КЛЮЧ"), W("иМЯ")), "2");
    EXPECT_EQ(store.ValueNames("software\\FOO\\\\"), (Names{"Top"}));
    EXPECT_EQ(store.ValueNames(W("ПРОГРАММА\\ключ")), (Names{W("Имя")}));
    EXPECT_TRUE(store.KeyExists(W("программа")));

    ASSERT_TRUE(store.WriteValue("\\software\\FOO", "top", "3"));
    EXPECT_EQ(store.ValueNames("Software\\Foo"), (Names{"Top"}));
    EXPECT_EQ(store.ReadValue("Software\\Foo", "Top"), "3");
    EXPECT_EQ(store.ReadValue("Software\\Fo", "Top"), std::nullopt);
    EXPECT_EQ(store.ReadValue("Software\\Foo", "To"), std::nullopt);
}

TEST_F(RegistryValues, DeletingAValueKeepsTheOthers) {
    RegistryFile store(File());
    ASSERT_TRUE(store.WriteValue(kKey, "a", "1"));
    ASSERT_TRUE(store.WriteValue(kKey, "b", "2"));
    ASSERT_TRUE(store.WriteValue(kKey, "c", "3"));
    ASSERT_TRUE(store.DeleteValue(kKey, "B"));
    EXPECT_EQ(store.ReadValue(kKey, "b"), std::nullopt);
    const RegistryFile fresh(File());
    EXPECT_EQ(fresh.ValueNames(kKey), (Names{"a", "c"}));
    EXPECT_EQ(fresh.ReadValue(kKey, "c"), "3");
    EXPECT_TRUE(fresh.KeyExists(kKey));
}

// The file is overwritten behind the store's back: any save would put the store's keys back.
TEST_F(RegistryValues, ChangesThatChangeNothingWriteNothing) {
    RegistryFile store(File());
    ASSERT_TRUE(store.WriteValue(kKey, "a", "1"));
    Put("TagForge.registry", "sentinel");

    EXPECT_TRUE(store.CreateKey(kKey));
    EXPECT_TRUE(store.CreateKey("software"));
    EXPECT_TRUE(store.CreateKey(""));
    EXPECT_TRUE(store.WriteValue(kKey, "A", "1"));
    EXPECT_TRUE(store.DeleteValue(kKey, "missing"));
    EXPECT_TRUE(store.DeleteValue("No\\Such\\Key", "a"));
    EXPECT_TRUE(store.DeleteKey("No\\Such\\Key"));
    EXPECT_TRUE(store.DeleteKey(std::string(kKey) + "\\Missing"));
    EXPECT_EQ(OnDisk(File()), "sentinel");

    EXPECT_TRUE(store.WriteValue(kKey, "a", "2"));
    EXPECT_NE(OnDisk(File()), "sentinel");
}

class RegistryKeys : public RegistryValues {};

TEST_F(RegistryKeys, CreatingAKeyCreatesItsParents) {
    {
        RegistryFile store(File());
        EXPECT_FALSE(store.KeyExists("A"));
        ASSERT_TRUE(store.CreateKey("\\A\\B\\C\\"));
    }
    const RegistryFile fresh(File());
    for (const char* path : {"A", "a\\b", "A\\B\\C", "\\a\\B\\c\\"}) {
        EXPECT_TRUE(fresh.KeyExists(path)) << path;
    }
    for (const char* path : {"B", "A\\C", "A\\B\\C\\D", "A\\B\\C "}) {
        EXPECT_FALSE(fresh.KeyExists(path)) << path;
    }
    EXPECT_EQ(fresh.ValueNames("A\\B"), Names{});
    EXPECT_EQ(fresh.ValueNames("A\\X"), std::nullopt);
    EXPECT_EQ(OnDisk(File()), "[A]\n[A\\B]\n[A\\B\\C]\n");
}

TEST_F(RegistryKeys, WritingAValueCreatesItsKeyAndParents) {
    RegistryFile store(File());
    ASSERT_TRUE(store.WriteValue("X\\Y\\Z", "n", "v"));
    EXPECT_TRUE(store.KeyExists("X"));
    EXPECT_TRUE(store.KeyExists("X\\Y"));
    EXPECT_EQ(store.ValueNames("X\\Y"), Names{});
    EXPECT_EQ(RegistryFile(File()).ReadValue("x\\y\\z", "N"), "v");
}

TEST_F(RegistryKeys, DeletingAKeyTakesItsSubKeysAndValues) {
    {
        RegistryFile store(File());
        ASSERT_TRUE(store.WriteValue("A", "top", "1"));
        ASSERT_TRUE(store.WriteValue("A\\B", "mid", "2"));
        ASSERT_TRUE(store.WriteValue("A\\B\\C\\D", "deep", "3"));
        ASSERT_TRUE(store.WriteValue("A\\BB", "sibling", "4"));
        ASSERT_TRUE(store.WriteValue("X", "other", "5"));
        ASSERT_TRUE(store.DeleteKey("\\a\\b"));
        EXPECT_FALSE(store.KeyExists("A\\B"));
        EXPECT_FALSE(store.KeyExists("A\\B\\C"));
        EXPECT_EQ(store.ReadValue("A\\B\\C\\D", "deep"), std::nullopt);
    }
    RegistryFile fresh(File());
    for (const char* path : {"A\\B", "A\\B\\C", "A\\B\\C\\D"}) {
        EXPECT_FALSE(fresh.KeyExists(path)) << path;
    }
    EXPECT_EQ(fresh.ReadValue("A", "top"), "1");
    EXPECT_EQ(fresh.ReadValue("A\\BB", "sibling"), "4");
    EXPECT_EQ(fresh.ReadValue("X", "other"), "5");

    ASSERT_TRUE(fresh.CreateKey("A\\B"));
    EXPECT_EQ(fresh.ValueNames("A\\B"), Names{});
    EXPECT_FALSE(fresh.KeyExists("A\\B\\C"));
}

TEST_F(RegistryKeys, TheRootAlwaysExistsAndIsNotDeleted) {
    RegistryFile store(File());
    EXPECT_TRUE(store.KeyExists(""));
    EXPECT_TRUE(store.KeyExists("\\"));
    EXPECT_EQ(store.ValueNames(""), Names{});
    ASSERT_TRUE(store.WriteValue("A", "a", "1"));
    ASSERT_TRUE(store.WriteValue("\\", "rootValue", "2"));
    EXPECT_FALSE(store.DeleteKey("\\"));
    const RegistryFile fresh(File());
    EXPECT_EQ(fresh.ReadValue("", "ROOTVALUE"), "2");
    EXPECT_EQ(fresh.ReadValue("A", "a"), "1");
}

class RegistryFailures : public RegistryValues {};

TEST_F(RegistryFailures, ALocationBelowARegularFileStoresNothing) {
    Put("plain", "x");
    RegistryFile store(folder() / "plain" / "OrbelTagForge" / "user.registry");
    EXPECT_FALSE(store.WriteValue(kKey, "Top", "1"));
    EXPECT_FALSE(store.CreateKey("Other"));
    EXPECT_FALSE(store.KeyExists(kKey));
    EXPECT_FALSE(store.KeyExists("Software"));
    EXPECT_FALSE(store.KeyExists("Other"));
    EXPECT_EQ(store.ReadValue(kKey, "Top"), std::nullopt);
    EXPECT_EQ(store.ValueNames(kKey), std::nullopt);
    EXPECT_EQ(OnDisk(folder() / "plain"), "x");
    EXPECT_EQ(FolderEntries(), Names{"plain"});
}

TEST_F(RegistryFailures, AMissingFolderOfTheFileIsCreated) {
    const fs::path file = folder() / "config" / "OrbelTagForge" / "user.registry";
    RegistryFile store(file);
    ASSERT_TRUE(store.WriteValue(kKey, "Top", "1"));
    EXPECT_EQ(RegistryFile(file).ReadValue(kKey, "Top"), "1");
}

#if defined(__unix__)
TEST_F(RegistryFailures, AFullDiskKeepsMemoryAndFileAsTheyWere) {
    TAGFORGE_NEEDS_FILE_SIZE_CAP();
    RegistryFile store(File());
    ASSERT_TRUE(store.WriteValue(kKey, "a", "1"));
    ASSERT_TRUE(store.WriteValue(kKey, "b", "2"));
    const std::string before = OnDisk(File());
    {
        const test::FileSizeCap cap(before.size());
        EXPECT_FALSE(store.WriteValue(kKey, "a", std::string(1000, 'x')));
        EXPECT_FALSE(store.WriteValue(kKey, "c", "3"));
        EXPECT_FALSE(store.WriteValue("New\\Key", "n", "1"));
        EXPECT_FALSE(store.CreateKey("New"));
    }
    EXPECT_EQ(store.ReadValue(kKey, "a"), "1");
    EXPECT_EQ(store.ReadValue(kKey, "c"), std::nullopt);
    EXPECT_EQ(store.ValueNames(kKey), (Names{"a", "b"}));
    EXPECT_FALSE(store.KeyExists("New"));
    EXPECT_EQ(OnDisk(File()), before);
    EXPECT_EQ(FolderEntries(), Names{"TagForge.registry"});
}
#endif

TEST_F(RegistryFailures, AFailedDeletePutsTheKeyAndValueBack) {
    RegistryFile store(File());
    ASSERT_TRUE(store.WriteValue(kKey, "a", "1"));
    ASSERT_TRUE(store.WriteValue(kKey, "b", "2"));
    ASSERT_TRUE(store.WriteValue("Gone\\Sub", "g", "3"));
    fs::remove(File());
    fs::create_directory(File());  // a folder in the way makes every save fail
    EXPECT_FALSE(store.DeleteValue(kKey, "a"));
    EXPECT_FALSE(store.DeleteKey("Gone"));
    EXPECT_EQ(store.ValueNames(kKey), (Names{"a", "b"}));
    EXPECT_EQ(store.ReadValue(kKey, "a"), "1");
    EXPECT_TRUE(store.KeyExists("Gone"));
    EXPECT_EQ(store.ReadValue("Gone\\Sub", "g"), "3");
    EXPECT_TRUE(fs::is_empty(File()));
}

TEST_F(RegistryFailures, AGarbledFileReadsWhatCanBeRead) {
    const std::string garbage = std::string("orphan=value\n") + "[unclosed\nlost=1\n" +
                                "[A\\B]\r\nk=v%0D%0a\r\n" + "no equals sign\n" + "bad%zz=%4\n" +
                                "[a]\nupper=%41%\n" + "[A\\b]\nK=second\n" + "[]]\nroot=r\n" +
                                std::string("\0\xFF\x01[", 4) + "\n=empty name\n";
    Put("TagForge.registry", garbage);
    const RegistryFile store(File());
    EXPECT_TRUE(store.KeyExists("A"));
    EXPECT_EQ(store.ValueNames("A\\B"), (Names{"k", "bad%zz"}));
    EXPECT_EQ(store.ReadValue("A\\B", "k"), "second");
    EXPECT_EQ(store.ReadValue("A\\B", "bad%zz"), "%4");
    EXPECT_EQ(store.ReadValue("A", "upper"), "A%");
    EXPECT_EQ(store.ReadValue("unclosed", "lost"), std::nullopt);
    EXPECT_EQ(store.ReadValue("", "orphan"), std::nullopt);

    fs::remove(File());
    fs::create_directory(File());
    const RegistryFile onAFolder(File());
    EXPECT_EQ(onAFolder.ValueNames(""), Names{});
    EXPECT_FALSE(onAFolder.KeyExists("A"));
}

TEST_F(RegistryFailures, RandomBytesNeverBreakTheStore) {
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> length(0, 400);
    const std::string punctuation = "[]=%\\\r\n";
    for (int round = 0; round < 200; ++round) {
        std::string text;
        const int size = length(random);
        for (int i = 0; i < size; ++i) {
            // Mostly the characters the format gives meaning to.
            const int pick = byte(random);
            text += pick < 128 ? punctuation[static_cast<std::size_t>(pick) % punctuation.size()]
                               : static_cast<char>(byte(random));
        }
        Put("TagForge.registry", text);
        RegistryFile store(File());
        const std::string once = SerializeRegistryKeys(ParseRegistryKeys(text));
        EXPECT_EQ(SerializeRegistryKeys(ParseRegistryKeys(once)), once) << round;
        ASSERT_TRUE(store.WriteValue("After\\Garbage", "n", text)) << round;
        EXPECT_EQ(RegistryFile(File()).ReadValue("after\\garbage", "N"), text) << round;
    }
}

TEST(RegistryFileFormat, RandomKeysRoundTripThroughText) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> count(0, 6);
    const auto randomText = [&](bool allowBackslash) {
        std::string text;
        const int size = count(random) * 3;
        for (int i = 0; i < size; ++i) {
            auto c = static_cast<char>(byte(random));
            if (!allowBackslash && c == '\\') {
                c = '/';
            }
            text += c;
        }
        return text;
    };
    for (int round = 0; round < 100; ++round) {
        std::vector<RegistryFile::Key> keys;
        const int keyCount = count(random);
        for (int k = 0; k < keyCount; ++k) {
            // Distinct one-component paths, so no parent has to be added.
            RegistryFile::Key key{randomText(false) + "#" + std::to_string(k), {}};
            const int valueCount = count(random);
            for (int v = 0; v < valueCount; ++v) {
                key.values.push_back(
                    {randomText(true) + "#" + std::to_string(v), randomText(true)});
            }
            keys.push_back(std::move(key));
        }
        const std::vector<RegistryFile::Key> parsed =
            ParseRegistryKeys(SerializeRegistryKeys(keys));
        ASSERT_EQ(parsed.size(), keys.size()) << round;
        for (std::size_t k = 0; k < keys.size(); ++k) {
            EXPECT_EQ(parsed[k].path, keys[k].path) << round;
            ASSERT_EQ(parsed[k].values.size(), keys[k].values.size()) << round;
            for (std::size_t v = 0; v < keys[k].values.size(); ++v) {
                EXPECT_EQ(parsed[k].values[v].name, keys[k].values[v].name) << round;
                EXPECT_EQ(parsed[k].values[v].data, keys[k].values[v].data) << round;
            }
        }
    }
}

TEST(RegistryFileFormat, ReadsCrLfLinesAndLowerCaseHex) {
    const auto keys = ParseRegistryKeys("[A%5d]\r\nx%3d=1%0D%0a\r\n\r\ny=2");
    ASSERT_EQ(keys.size(), 1U);
    EXPECT_EQ(keys[0].path, "A]");
    ASSERT_EQ(keys[0].values.size(), 2U);
    EXPECT_EQ(keys[0].values[0].name, "x=");
    EXPECT_EQ(keys[0].values[0].data, "1\r\n");
    EXPECT_EQ(keys[0].values[1].name, "y");
    EXPECT_EQ(keys[0].values[1].data, "2");
}

#if defined(__unix__)
// A save killed at any moment must leave the previous file or the next one. A child process
// keeps rewriting kValueCount big values with rising generation numbers, one value per save, and
// is killed at a random moment; the file must then hold every value whole, the first ones at most
// one generation ahead of the rest.
class RegistryKill : public test::TempFolderTest {
  protected:
    static constexpr int kValueCount = 30;
    static constexpr std::size_t kDataSize = 8000;

    static std::string Name(int index) { return "Value" + std::to_string(index); }

    static std::string Data(long generation, int index) {
        static constexpr std::string_view kFill = "abcXYZ%=[]\r\n\\0123456789";
        std::string data = std::to_string(generation) + "|" + std::to_string(index) + "|";
        for (std::size_t k = data.size(); k < kDataSize; ++k) {
            data += kFill[(static_cast<std::size_t>(generation) * 7 + k) % kFill.size()];
        }
        return data;
    }

    static std::optional<long> GenerationOf(const std::string& data) {
        long generation = -1;
        const auto [end, error] =
            std::from_chars(data.data(), data.data() + data.size(), generation);
        if (error != std::errc{} || generation < 0) {
            return std::nullopt;
        }
        return generation;
    }

    static std::vector<long> Generations(const RegistryFile& store) {
        std::vector<long> generations;
        for (int i = 0; i < kValueCount; ++i) {
            const auto data = store.ReadValue(kKey, Name(i));
            const auto generation = data ? GenerationOf(*data) : std::nullopt;
            generations.push_back(generation.value_or(-1));
        }
        return generations;
    }

    // Runs in the child: carries on from where the file stands, forever. Says on `ready` when
    // the first save is done (it is the slowest), so the parent's random delay spans several.
    [[noreturn]] static void KeepWriting(const fs::path& file, int ready) {
        try {
            RegistryFile store(file);
            const std::vector<long> generations = Generations(store);
            long generation = generations.front() + 1;
            int index = 0;
            const auto behind =
                std::find(generations.begin(), generations.end(), generations.front() - 1);
            if (behind != generations.end()) {
                generation = generations.front();
                index = static_cast<int>(behind - generations.begin());
            }
            for (bool first = true;; first = false) {
                if (!store.WriteValue(kKey, Name(index), Data(generation, index))) {
                    _exit(3);
                }
                if (first && ::write(ready, "r", 1) != 1) {
                    _exit(5);
                }
                if (++index == kValueCount) {
                    index = 0;
                    ++generation;
                }
            }
        } catch (...) {
            _exit(4);
        }
    }
};

TEST_F(RegistryKill, AKilledSaveLeavesACompleteFile) {
    const fs::path file = folder() / "TagForge.registry";
    {
        RegistryFile store(file);
        for (int i = 0; i < kValueCount; ++i) {
            ASSERT_TRUE(store.WriteValue(kKey, Name(i), Data(0, i)));
        }
    }
    Names expectedNames;
    for (int i = 0; i < kValueCount; ++i) {
        expectedNames.push_back(Name(i));
    }

    std::mt19937 random(std::random_device{}());
    std::uniform_int_distribution<int> delay(0, 20);
    long writesSeen = 0;
    int killedMidGeneration = 0;
    int temporariesLeft = 0;
    for (int round = 0; round < 40; ++round) {
        std::array<int, 2> ready{};
        ASSERT_EQ(::pipe(ready.data()), 0);
        const pid_t child = fork();
        ASSERT_NE(child, -1);
        if (child == 0) {
            ::close(ready[0]);
            KeepWriting(file, ready[1]);
        }
        ::close(ready[1]);
        char signal = 0;
        const bool started = ::read(ready[0], &signal, 1) == 1;
        ::close(ready[0]);
        std::this_thread::sleep_for(std::chrono::milliseconds(delay(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(started && WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)
            << "the writer stopped by itself, status " << status << ", round " << round;

        const RegistryFile store(file);
        ASSERT_EQ(store.ValueNames(kKey), expectedNames) << "round " << round;
        const std::vector<long> generations = Generations(store);
        for (int i = 0; i < kValueCount; ++i) {
            const auto index = static_cast<std::size_t>(i);
            ASSERT_GE(generations[index], 0) << "round " << round << ", value " << i;
            ASSERT_EQ(store.ReadValue(kKey, Name(i)), Data(generations[index], i))
                << "round " << round << ", value " << i;
            if (i > 0) {
                ASSERT_LE(generations[index], generations[index - 1]) << "round " << round;
            }
        }
        ASSERT_LE(generations.front() - generations.back(), 1) << "round " << round;
        if (generations.front() != generations.back()) {
            ++killedMidGeneration;
        }
        long writes = 0;
        for (const long generation : generations) {
            writes += generation;
        }
        EXPECT_GE(writes, writesSeen) << "round " << round;
        writesSeen = writes;

        // Temporaries of a killed save may stay beside the file; they do no harm.
        for (const auto& entry : fs::directory_iterator(folder())) {
            if (entry.path() != file) {
                fs::remove(entry.path());
                ++temporariesLeft;
            }
        }
    }
    // Otherwise the writer never got to save and nothing was tested.
    EXPECT_GT(writesSeen, 0);
    RecordProperty("KilledMidGeneration", killedMidGeneration);
    RecordProperty("Saves", static_cast<int>(writesSeen));
    RecordProperty("TemporariesLeft", temporariesLeft);
}
#endif

}  // namespace
}  // namespace tagforge
