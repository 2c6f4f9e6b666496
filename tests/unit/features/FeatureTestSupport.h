// Test doubles for the feature logic: a view and an upload hook that record what they are
// told, a file chooser with scripted answers, a text table in two languages and a real
// configuration database in a temporary folder.
#pragma once

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "core/AppView.h"
#include "core/DeviceUploads.h"
#include "features/FeatureSession.h"
#include "features/files/FileChooser.h"
#include "store/ConfigDatabase.h"

namespace vekora::testing {

class RecordingView : public AppView {
public:
    // The key items the keyboard view shows, in order.
    explicit RecordingView(std::vector<int> keys = {41, 4, 5, 6, 224}) : keys_(std::move(keys)) {
        for (int k : keys_) {
            colours[k] = 0;
        }
    }

    void ShowMessage(int textId) override { messages.push_back(textId); }
    void ShowMessageBox(const std::wstring& text, const std::wstring&) override {
        boxes.push_back(text);
    }
    void SetKeyLabel(int keyCode, const std::wstring& label) override {
        labels[keyCode] = label;
        ++labelWrites;
    }
    void ClearKeyLabels() override { labels.clear(); }
    void ClearKeyColours() override {
        for (auto& [key, colour] : colours) {
            colour = 0;
        }
    }
    void SetKeyColour(int keyCode, uint32_t colour) override { colours[keyCode] = colour; }
    void ColourSelectedKeys(uint32_t colour) override {
        for (int k : selected) {
            colours[k] = colour;
        }
    }
    std::vector<KeyColourState> KeyColours() const override {
        std::vector<KeyColourState> out;
        for (int k : keys_) {
            out.push_back(KeyColourState{k, colours.at(k)});
        }
        return out;
    }
    void RedrawKeyboard() override { ++redraws; }
    void ShowEffectList(const std::vector<EffectListItem>& items) override { effects = items; }
    void SelectEffect(std::optional<int> effectId) override { selectedEffect = effectId; }
    void ShowUserLights(const std::vector<UserLightListItem>& items, int selectedIndex) override {
        userLights = items;
        userLightSelection = selectedIndex;
    }
    void ShowUsbConnected(bool connected) override { usbConnected = connected; }
    void MarkDeviceListEntry(int entry) override { deviceListEntry = entry; }

    std::vector<int> messages;
    std::vector<std::wstring> boxes;
    std::map<int, std::wstring> labels;
    int labelWrites = 0;
    std::map<int, uint32_t> colours;
    std::set<int> selected;
    int redraws = 0;
    std::vector<EffectListItem> effects;
    std::optional<int> selectedEffect = -999;  // -999: never told
    std::vector<UserLightListItem> userLights;
    int userLightSelection = -2;  // -2: never told
    std::optional<bool> usbConnected;
    std::optional<int> deviceListEntry;

private:
    std::vector<int> keys_;
};

inline const char* FamilyName(UploadFamily f) {
    switch (f) {
        case UploadFamily::ShortReports:
            return "short";
        case UploadFamily::LongReports:
            return "long";
        case UploadFamily::DeviceLibrary:
            return "library";
    }
    return "?";
}

class RecordingUploads : public DeviceUploads {
public:
    void UploadKeyMap(UploadFamily family, int profile) override {
        calls.push_back(std::string("keymap ") + FamilyName(family) + " p" +
                        std::to_string(profile));
    }
    void UploadEffect(UploadFamily family, int profile, int effectId) override {
        calls.push_back(std::string("effect ") + FamilyName(family) + " p" +
                        std::to_string(profile) + " e" + std::to_string(effectId));
    }
    void UploadUserLight(UploadFamily family, int profile, int slot, int lightId) override {
        calls.push_back(std::string("userlight ") + FamilyName(family) + " p" +
                        std::to_string(profile) + " s" + std::to_string(slot) + " l" +
                        std::to_string(lightId));
    }
    void UploadMacros(UploadFamily family) override {
        calls.push_back(std::string("macros ") + FamilyName(family));
    }
    std::optional<int> SelectProfileOnDevice(UploadFamily family, int profile) override {
        calls.push_back(std::string("select ") + FamilyName(family) + " p" +
                        std::to_string(profile));
        return effectByteAnswer;
    }

    std::vector<std::string> calls;
    std::optional<int> effectByteAnswer;
};

class ScriptedChooser : public FileChooser {
public:
    std::optional<std::filesystem::path> ChooseFolder(const std::wstring& title) override {
        folderTitles.push_back(title);
        return folder;
    }
    std::optional<std::filesystem::path> ChooseFile(const std::wstring& filterName,
                                                    const std::wstring& pattern) override {
        fileFilters.push_back(filterName + L"|" + pattern);
        return file;
    }

    std::optional<std::filesystem::path> folder;
    std::optional<std::filesystem::path> file;
    std::vector<std::wstring> folderTitles;
    std::vector<std::wstring> fileFilters;
};

// A small text table with an English and a Chinese column; unknown ids give "#<id>".
class TextTable {
public:
    bool chinese = false;

    std::wstring operator()(int id) const {
        static const std::map<int, std::pair<std::wstring, std::wstring>> kTexts = {
            {31, {L"Profile A", L"模式 A"}},      {32, {L"Profile B", L"模式 B"}},
            {33, {L"Profile C", L"模式 C"}},      {34, {L"Profile D", L"模式 D"}},
            {35, {L"Profile E", L"模式 E"}},      {83, {L"Right Button", L"右键"}},
            {84, {L"Middle Button", L"中键"}},    {79, {L"Volume+", L"音量+"}},
            {60, {L"Close Window", L"关闭窗口"}}, {152, {L"Choose a folder", L"选择文件夹"}},
            {201, {L"Continued", L"常亮"}},       {571, {L"User Lights", L"自定义灯光"}},
            {575, {L"Light", L"灯效"}},
        };
        const auto it = kTexts.find(id);
        if (it == kTexts.end()) {
            return L"#" + std::to_wstring(id);
        }
        return chinese ? it->second.second : it->second.first;
    }

    TextLookup Lookup() {
        return [this](int id) { return (*this)(id); };
    }
};

// A unique temporary folder, removed at the end.
class TempFolder {
public:
    TempFolder() {
        static std::atomic<int> counter{0};
        path_ = std::filesystem::temp_directory_path() /
                ("vekora-features-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// A fresh model database in a temporary data folder.
class TempDatabase {
public:
    TempDatabase() {
        std::filesystem::create_directories(folder_.path() / "db");
        opened_ = db.OpenForModel(folder_.path(), "vekora61k");
    }
    bool opened() const { return opened_; }
    const std::filesystem::path& folder() const { return folder_.path(); }

    ConfigDatabase db;

private:
    TempFolder folder_;
    bool opened_ = false;
};

}  // namespace vekora::testing
