// Replays the fuzzer's seed corpus and the malformed files through the fuzz entry point and
// the parsers, so every build checks them (the fuzzer itself needs clang).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "../unit/features/FeatureTestSupport.h"
#include "features/files/LightFile.h"
#include "features/files/LightTransfer.h"
#include "features/files/ProfileFile.h"
#include "features/files/ProfileTransfer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace vekora {
namespace {

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::vector<std::filesystem::path> FilesIn(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.is_regular_file()) {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

void RunEntry(const std::string& bytes) {
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

const std::filesystem::path kCorpus = VEKORA_FUZZ_CORPUS_DIR;
const std::filesystem::path kMalformed = std::filesystem::path(VEKORA_TEST_DATA_DIR) / "malformed";

TEST(FuzzReplayTest, SeedCorpusParsesAndRoundTrips) {
    const auto files = FilesIn(kCorpus);
    ASSERT_GE(files.size(), 5u);
    for (const auto& file : files) {
        SCOPED_TRACE(file.filename().string());
        const std::string bytes = ReadFile(file);
        RunEntry(bytes);  // aborts on a broken round trip
        EXPECT_TRUE(ParseProfileFile(bytes).has_value());
    }
}

TEST(FuzzReplayTest, MalformedFilesAreRejectedByBothParsers) {
    const auto files = FilesIn(kMalformed);
    ASSERT_GE(files.size(), 8u);
    for (const auto& file : files) {
        SCOPED_TRACE(file.filename().string());
        const std::string bytes = ReadFile(file);
        RunEntry(bytes);
        if (file.filename() == "wrong-root.xml") {
            // Well-formed, but neither a profile nor a light file.
            const auto profile = ParseProfileFile(bytes);
            ASSERT_TRUE(profile.has_value());
            EXPECT_FALSE(profile->hasProfileRoot);
            EXPECT_TRUE(profile->items.empty());
            EXPECT_FALSE(ParseLightFile(bytes)->isLightFile);
            continue;
        }
        EXPECT_FALSE(ParseProfileFile(bytes).has_value());
        EXPECT_FALSE(ParseLightFile(bytes).has_value());
    }
}

TEST(FuzzReplayTest, EveryTruncationOfAGoldenFileIsRejected) {
    for (const char* name : {"profile-a.xml", "light-1.xml"}) {
        const std::string bytes = ReadFile(kCorpus / name);
        const size_t end = bytes.rfind("</profile>");
        ASSERT_NE(end, std::string::npos);
        for (size_t cut = 0; cut < end + 10; ++cut) {
            const std::string prefix = bytes.substr(0, cut);
            RunEntry(prefix);
            EXPECT_FALSE(ParseProfileFile(prefix).has_value()) << name << " cut at " << cut;
        }
    }
}

TEST(FuzzReplayTest, HugeAttributeValuesAndDeepNestingDoNotBreakTheParsers) {
    const std::string huge(3 * 1024 * 1024, 'x');
    RunEntry("<profile><profileinfo name=\"" + huge + "\" profile=\"" + huge +
             "\"><keyitems><item profile=\"1\" key_value=\"" + huge +
             "\"/></keyitems>"
             "</profileinfo><leditems><item key_value=\"4\" key_rgb=\"" +
             huge + "\"/></leditems></profile>");
    const auto profile = ParseProfileFile("<profile><profileinfo name=\"" + huge + "\" profile=\"" +
                                          std::string(1000, '9') + "\"/></profile>");
    ASSERT_TRUE(profile.has_value());
    EXPECT_FALSE(profile->profile.has_value());
    EXPECT_EQ(profile->name.size(), huge.size());

    std::string deep;
    for (int i = 0; i < 100000; ++i) {
        deep += "<profile>";
    }
    for (int i = 0; i < 100000; ++i) {
        deep += "</profile>";
    }
    RunEntry(deep);
    EXPECT_TRUE(ParseProfileFile(deep).has_value());
    // Too large to be one of these files: refused before parsing.
    EXPECT_FALSE(ParseProfileFile("<a x=\"" + std::string(5 * 1024 * 1024, 'x') + "\"/>"));
}

// The full importers over a real store: a file that is not well-formed stores nothing.
class ImporterReplayTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(store_.opened());
        KeyAssignment a{};
        a.profile = 2;
        a.key_code = 4;
        a.macro_type = 607;
        a.macro_value = 1;
        a.macro_desc = L"Disable";
        store_.db.SaveKeyAssignment(a);
        lighting_.LoadUserLights();
    }

    // Everything an import could change, as text.
    std::string Snapshot() {
        std::string out = "profile " + std::to_string(session_.profile) + "\n";
        for (int p = 1; p <= 5; ++p) {
            std::vector<KeyAssignment> rows;
            store_.db.LoadKeyAssignments(p, rows);
            for (const auto& r : rows) {
                out += "key " + std::to_string(r.profile) + " " + std::to_string(r.key_code) + " " +
                       std::to_string(r.macro_type) + " " + std::to_string(r.macro_value) + "\n";
            }
        }
        std::vector<UserLight> lights;
        store_.db.LoadUserLights(lights);
        for (const auto& l : lights) {
            std::vector<KeyColour> colours;
            out += "light " + std::to_string(l.light_id) + " " +
                   std::to_string(store_.db.LoadKeyColours(l.light_id, colours)) + "\n";
        }
        out += "list " + std::to_string(lighting_.UserLights().size()) + "\n";
        return out;
    }

    void ImportBoth(const std::filesystem::path& path) {
        profiles_.ImportFile(path);
        lights_.ImportFile(path);
    }

    testing::TempDatabase store_;
    testing::TempFolder scratch_;
    FeatureSession session_{DeviceModel::K61, true, 2, 1, 1};
    testing::RecordingView view_;
    testing::RecordingUploads uploads_;
    testing::ScriptedChooser chooser_;
    testing::TextTable text_;
    KeyFunctions keys_{session_, store_.db, view_, uploads_};
    LightingController lighting_{session_, store_.db, view_, uploads_, keys_, text_.Lookup()};
    ProfileTransfer profiles_{session_, store_.db, chooser_, text_.Lookup()};
    LightTransfer lights_{store_.db, chooser_, lighting_, text_.Lookup()};
};

TEST_F(ImporterReplayTest, MalformedFilesStoreNothing) {
    const std::string before = Snapshot();
    for (const auto& file : FilesIn(kMalformed)) {
        if (file.filename() == "wrong-root.xml") {
            continue;
        }
        SCOPED_TRACE(file.filename().string());
        ImportBoth(file);
        EXPECT_EQ(Snapshot(), before);
    }
}

TEST_F(ImporterReplayTest, TruncatedAndOversizedFilesStoreNothing) {
    const std::string before = Snapshot();
    const auto path = scratch_.path() / "cut.xml";
    for (const char* name : {"profile-a.xml", "light-1.xml"}) {
        const std::string bytes = ReadFile(kCorpus / name);
        const size_t end = bytes.rfind("</profile>");
        for (size_t cut = 0; cut < end + 10; cut += 7) {
            std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes.substr(0, cut);
            ImportBoth(path);
        }
    }
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        << "<profile><profileinfo name=\"" << std::string(5 * 1024 * 1024, 'x')
        << "\" profile=\"1\"/></profile>";
    ImportBoth(path);
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(ImporterReplayTest, TheSeedCorpusImportsWithoutTrouble) {
    for (const auto& file : FilesIn(kCorpus)) {
        SCOPED_TRACE(file.filename().string());
        EXPECT_TRUE(profiles_.ImportFile(file).loaded);
        lights_.ImportFile(file);
        EXPECT_TRUE(IsValidProfile(session_.profile));
    }
    std::vector<KeyAssignment> rows;
    store_.db.LoadKeyAssignments(1, rows);
    EXPECT_FALSE(rows.empty());
}

}  // namespace
}  // namespace vekora
