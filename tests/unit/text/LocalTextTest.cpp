#include "features/text/LocalText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "features/text/LocalTextTable.h"

namespace vekora {
namespace {

// Every id the interface uses.
const std::vector<int> kAllIds = {
    7,   10,  26,  27,  28,  29,  30,  31,   32,   33,   34,  35,  50,  51,  52,  53,  54,  55,
    56,  57,  58,  60,  61,  62,  63,  64,   65,   66,   67,  68,  69,  70,  75,  76,  77,  78,
    79,  80,  81,  82,  83,  84,  85,  86,   90,   91,   92,  93,  95,  200, 201, 202, 203, 204,
    205, 206, 207, 208, 209, 210, 211, 212,  213,  214,  215, 216, 220, 221, 222, 223, 224, 225,
    226, 227, 228, 229, 230, 231, 232, 233,  234,  235,  236, 281, 282, 283, 284, 285, 286, 287,
    288, 289, 290, 291, 292, 293, 294, 295,  296,  350,  360, 361, 365, 366, 367, 368, 370, 371,
    372, 373, 375, 378, 379, 500, 501, 502,  503,  505,  510, 520, 521, 522, 523, 550, 551, 570,
    571, 572, 573, 575, 590, 591, 592, 593,  595,  596,  597, 620, 621, 622, 623, 800, 811, 812,
    813, 814, 815, 900, 901, 902, 903, 905,  906,  907,  908, 910, 911, 912, 913, 914, 915, 916,
    917, 918, 919, 925, 926, 927, 928, 1001, 1002, 1003, 1010};

// Restores the process-wide language after each test.
class LocalText : public ::testing::Test {
protected:
    void TearDown() override { SetCurrentLanguage(saved_); }

private:
    int saved_ = CurrentLanguage();
};

TEST_F(LocalText, EveryIdHasATextInBothLanguages) {
    for (int id : kAllIds) {
        EXPECT_FALSE(GetLocalText(id, kLanguageChinese).empty()) << id;
        EXPECT_FALSE(GetLocalText(id, kLanguageEnglish).empty()) << id;
    }
}

TEST_F(LocalText, TheTableHoldsExactlyTheInterfaceIds) {
    std::vector<int> ids;
    for (const LocalTextEntry& entry : LocalTextTable())
        ids.push_back(entry.id);
    EXPECT_EQ(ids, kAllIds);
}

TEST_F(LocalText, UnknownIdsGiveEmptyText) {
    for (int id : {1, 2, 999, 0, -1, 8, 1011, 100000}) {
        EXPECT_EQ(GetLocalText(id, kLanguageChinese), L"") << id;
        EXPECT_EQ(GetLocalText(id, kLanguageEnglish), L"") << id;
    }
}

TEST_F(LocalText, CurrentLanguagePicksTheColumn) {
    SetCurrentLanguage(2052);
    EXPECT_EQ(GetLocalText(31), L"模式 A");
    SetCurrentLanguage(1033);
    EXPECT_EQ(GetLocalText(31), L"Profile A");
    // Any other language shows English but is kept as it is.
    SetCurrentLanguage(1041);
    EXPECT_EQ(CurrentLanguage(), 1041);
    EXPECT_EQ(GetLocalText(31), L"Profile A");
    SetCurrentLanguage(0);
    EXPECT_EQ(GetLocalText(505), L"Set Successful!");
}

TEST_F(LocalText, UpgradeNotesBreakWithLineFeedThenCarriageReturn) {
    for (int language : {kLanguageChinese, kLanguageEnglish}) {
        const std::wstring text = GetLocalText(1010, language);
        const size_t brk = text.find(L'\n');
        ASSERT_NE(brk, std::wstring::npos) << language;
        ASSERT_LT(brk + 1, text.size());
        EXPECT_EQ(text[brk + 1], L'\r') << language;
        EXPECT_EQ(text.substr(brk + 2, 3), L"1. ") << language;
    }
    EXPECT_EQ(GetLocalText(1010, kLanguageEnglish),
              L"Upgrade content:\n\r1. Fix various vulnerabilities");
}

struct TextCase {
    int id;
    const wchar_t* chinese;
    const wchar_t* english;
};

class LocalTextRow : public ::testing::TestWithParam<TextCase> {};

TEST_P(LocalTextRow, MatchesInBothLanguages) {
    EXPECT_EQ(GetLocalText(GetParam().id, kLanguageChinese), GetParam().chinese);
    EXPECT_EQ(GetLocalText(GetParam().id, kLanguageEnglish), GetParam().english);
}

// One or more rows of every group, with the wording and punctuation that matter.
INSTANTIATE_TEST_SUITE_P(
    Rows, LocalTextRow,
    ::testing::Values(
        TextCase{7, L"退出", L"Exit"}, TextCase{35, L"模式 E", L"Profile E"},
        TextCase{57, L"设置为FN键", L"Set as Fn key"}, TextCase{58, L"禁用按键", L"Disable"},
        TextCase{84, L"鼠标中键", L"Middle Button"}, TextCase{200, L"默认", L"Default"},
        TextCase{233, L"左右扫描", L"Left and right scanning"},
        TextCase{286, L"彩虹轮", L"Rainbow_wheel"},
        TextCase{378, L"宏名称不能为空,请输入!", L"Macro name cannot be empty, please enter!"},
        TextCase{379, L"请输入名称", L"Please enter macro name"},
        TextCase{501, L"设备未连接!", L"Device not connected!"},
        TextCase{510, L"该模式不支持修改!", L"This mode does not support modification!"},
        TextCase{523, L"音乐律动", L"Music"}, TextCase{592, L"锁定 Alt + Tab", L"Lock Alt + Tab"},
        TextCase{621, L"是否重置所有?", L"Whether to reset all?"},
        TextCase{800, L"需要保留一个灯效", L"Need to keep a light effect"},
        TextCase{815, L"保存到自定义模式5", L"Save to custom mode 5"},
        TextCase{901, L"律动", L"Visualization Mode"},
        TextCase{919, L"绿色/黄色/红色", L"Green/Yellow/Red"},
        TextCase{928, L"频谱循环", L"Spectrum Cycle"},
        TextCase{1002, L"新版本: v1.0.1.11", L"New Version: v1.0.1.11"}),
    [](const ::testing::TestParamInfo<TextCase>& info) {
        return "Id" + std::to_string(info.param.id);
    });

}  // namespace
}  // namespace vekora
