// The table of numbered interface texts: Simplified Chinese and English for every id, in id
// order. This is the one place where the program's visible wording lives.
#include "features/text/LocalTextTable.h"

#include <algorithm>
#include <array>

namespace vekora {
namespace {

// clang-format off
constexpr std::array<LocalTextEntry, 173> kTexts = {{
    // General.
    {7, L"退出", L"Exit"},
    {10, L"敬请期待", L"Coming Soon"},

    // Profile menu and profile names.
    {26, L"导入配置", L"Import Profile"},
    {27, L"导出配置", L"Export Profile"},
    {28, L"重置当前", L"Reset Current"},
    {29, L"重置所有", L"Reset All"},
    {30, L"重置", L"Reset"},
    {31, L"模式 A", L"Profile A"},
    {32, L"模式 B", L"Profile B"},
    {33, L"模式 C", L"Profile C"},
    {34, L"模式 D", L"Profile D"},
    {35, L"模式 E", L"Profile E"},

    // Key function menus and their entries.
    {50, L"系统命令", L"System Commands"},
    {51, L"多媒体", L"Multimedia"},
    {52, L"宏命令", L"Macro"},
    {53, L"鼠标功能", L"Mouse Function"},
    {54, L"键盘命令", L"Key Commands"},
    {55, L"点亮RGB", L"Light Up RGB"},
    {56, L"默认", L"Default"},
    {57, L"设置为FN键", L"Set as Fn key"},
    {58, L"禁用按键", L"Disable"},
    {60, L"关闭窗口", L"Close Window"},
    {61, L"切换窗口", L"Toggle Window"},
    {62, L"显示桌面", L"Show Desktop"},
    {63, L"撤销", L"Undo"},
    {64, L"全选", L"Select All"},
    {65, L"查找", L"Find"},
    {66, L"新建", L"New"},
    {67, L"打印", L"Print"},
    {68, L"保存", L"Save"},
    {69, L"运行", L"Run"},
    {70, L"锁定电脑", L"Lock PC"},
    {75, L"播放/暂停", L"Play/Pause"},
    {76, L"停止", L"Stop"},
    {77, L"上一曲", L"Previous"},
    {78, L"下一曲", L"Next"},
    {79, L"音量+", L"Volume+"},
    {80, L"音量-", L"Volume-"},
    {81, L"静音", L"Mute"},
    {82, L"鼠标左键", L"Left Button"},
    {83, L"鼠标右键", L"Right Button"},
    {84, L"鼠标中键", L"Middle Button"},
    {85, L"前进", L"Forward"},
    {86, L"后退", L"Backward"},
    {90, L"请按下键盘按键", L"Please enter the keyboard keys"},
    {91, L"取消", L"Cancel"},
    {92, L"确定", L"OK"},
    {93, L"关闭灯光", L"Turn Off Light"},
    {95, L"开启灯光", L"Turn On Light"},

    // Names of the built-in lighting effects.
    {200, L"默认", L"Default"},
    {201, L"常亮", L"Continued"},
    {202, L"单点亮", L"SingleOn"},
    {203, L"单点灭", L"SingleOff"},
    {204, L"闪烁", L"Glittering"},
    {205, L"落花", L"Fallen Flowers"},
    {206, L"七彩", L"Colorful"},
    {207, L"呼吸", L"Breathing"},
    {208, L"频谱循环", L"SpectrumCycle"},
    {209, L"扩散", L"Outward"},
    {210, L"串流", L"Series"},
    {211, L"漂流", L"Adrift"},
    {212, L"旋转", L"Rotating"},
    {213, L"爆炸", L"Explode"},
    {214, L"发射", L"Launch"},
    {215, L"指向", L"Pointing"},
    {216, L"蛋壳", L"Eggshells"},
    {220, L"关闭", L"OFF"},
    {221, L"常亮", L"Fixed_on"},
    {222, L"呼吸", L"Respire"},
    {223, L"闪逝", L"Flash_away"},
    {224, L"雨滴", L"Raindrops"},
    {225, L"彩虹轮", L"Rainbow_wheel"},
    {226, L"涟漪", L"Ripples_shining"},
    {227, L"繁星闪烁", L"Stars_twinkle"},
    {228, L"踏雪无痕", L"Shadow_disappear"},
    {229, L"贪吃蛇", L"Retro_snake"},
    {230, L"霓虹流光", L"Neon_stream"},
    {231, L"触发反应", L"Reaction"},
    {232, L"正弦波", L"Sine_wave"},
    {233, L"左右扫描", L"Left and right scanning"},
    {234, L"旋转风车", L"Rotating windmill"},
    {235, L"彩色瀑布", L"Colorful waterfall"},
    {236, L"绽放", L"Blossoming"},
    {281, L"常亮", L"Fixed_on"},
    {282, L"呼吸", L"Respire"},
    {283, L"彩虹轮", L"Rainbow_wheel"},
    {284, L"闪逝", L"Flash_away"},
    {285, L"雨滴", L"Raindrops"},
    {286, L"彩虹轮", L"Rainbow_wheel"},
    {287, L"涟漪", L"Ripples_shining"},
    {288, L"繁星闪烁", L"Stars_twinkle"},
    {289, L"踏雪无痕", L"Shadow_disappear"},
    {290, L"贪吃蛇", L"Retro_snake"},
    {291, L"霓虹流光", L"Neon_stream"},
    {292, L"触发反应", L"Reaction"},
    {293, L"正弦波", L"Sine_wave"},
    {294, L"旋转风车", L"Rotating windmill"},
    {295, L"彩色瀑布", L"Colorful waterfall"},
    {296, L"绽放", L"Blossoming"},

    // Macro editor.
    {350, L"创建宏", L"Create Macro"},
    {360, L"录制", L"Record"},
    {361, L"停止", L"Stop"},
    {365, L"录制选项", L"Record Options"},
    {366, L"记录键盘事件", L"Record Keyboard"},
    {367, L"记录鼠标事件", L"Record Mouse"},
    {368, L"记录延时", L"Record Delay"},
    {370, L"执行选项", L"Execute Options"},
    {371, L"重复次数", L"Repeat Times"},
    {372, L"重复延迟", L"Repeat Delay"},
    {373, L"次", L"Times"},
    {375, L"保存", L"Save"},
    {378, L"宏名称不能为空,请输入!", L"Macro name cannot be empty, please enter!"},
    {379, L"请输入名称", L"Please enter macro name"},

    // Status messages.
    {500, L"设备已连接!", L"Device connected!"},
    {501, L"设备未连接!", L"Device not connected!"},
    {502, L"请连接设备!", L"Please connect the device!"},
    {503, L"重置成功!", L"Reset Successful!"},
    {505, L"设置成功!", L"Set Successful!"},
    {510, L"该模式不支持修改!", L"This mode does not support modification!"},

    // Page names.
    {520, L"按键设置", L"Key Set"},
    {521, L"灯效设置", L"Light Set"},
    {522, L"功能设置", L"Function Set"},
    {523, L"音乐律动", L"Music"},

    // Page captions and switches.
    {550, L"宏命令", L"Macro"},
    {551, L"创建宏", L"Create Macro"},
    {570, L"板载灯效", L"Onboard"},
    {571, L"自定义灯光", L"User Lights"},
    {572, L"自定义灯光1", L"User Light 1"},
    {573, L"添加灯效", L"Add Light"},
    {575, L"灯效", L"Light"},
    {590, L"功能设置", L"Function Set"},
    {591, L"锁定Win键", L"Lock Window"},
    {592, L"锁定 Alt + Tab", L"Lock Alt + Tab"},
    {593, L"锁定 Alt + F4", L"Lock Alt + F4"},
    {595, L"开机启动", L"Auto Run"},
    {596, L"游戏模式", L"Game Mode"},
    {597, L"型号", L"Model"},

    // Reset confirmation.
    {620, L"是否重置当前?", L"Whether to reset the current?"},
    {621, L"是否重置所有?", L"Whether to reset all?"},
    {622, L"取消", L"Cancel"},
    {623, L"确定", L"OK"},

    // Lighting page messages and menu.
    {800, L"需要保留一个灯效", L"Need to keep a light effect"},
    {811, L"保存到自定义模式1", L"Save to custom mode 1"},
    {812, L"保存到自定义模式2", L"Save to custom mode 2"},
    {813, L"保存到自定义模式3", L"Save to custom mode 3"},
    {814, L"保存到自定义模式4", L"Save to custom mode 4"},
    {815, L"保存到自定义模式5", L"Save to custom mode 5"},

    // Device information and music page.
    {900, L"设备信息", L"Device Information"},
    {901, L"律动", L"Visualization Mode"},
    {902, L"背景", L"Background Mode"},
    {903, L"背景亮度", L"Background Brightness"},
    {905, L"速度", L"Speed"},
    {906, L"振幅", L"Amplitude"},
    {907, L"低", L"Low"},
    {908, L"高", L"High"},
    {910, L"无", L"None"},
    {911, L"白色", L"White"},
    {912, L"红色", L"Red"},
    {913, L"橙色", L"Orange"},
    {914, L"黄色", L"Yellow"},
    {915, L"绿色", L"Green"},
    {916, L"青色", L"Cyan"},
    {917, L"蓝色", L"Blue"},
    {918, L"紫色", L"Purple"},
    {919, L"绿色/黄色/红色", L"Green/Yellow/Red"},
    {925, L"彩虹色", L"Rainbow"},
    {926, L"反向彩虹", L"Rainbow Reverse"},
    {927, L"色谱", L"Chromatography"},
    {928, L"频谱循环", L"Spectrum Cycle"},

    // Firmware update.
    {1001, L"固件升级", L"Firmware upgrade"},
    {1002, L"新版本: v1.0.1.11", L"New Version: v1.0.1.11"},
    {1003, L"开始升级", L"Start Upgrade"},
    {1010, L"升级内容:\n\r1. 修复多个漏洞", L"Upgrade content:\n\r1. Fix various vulnerabilities"},
}};
// clang-format on

static_assert(std::is_sorted(kTexts.begin(), kTexts.end(),
                             [](const LocalTextEntry& a, const LocalTextEntry& b) {
                                 return a.id < b.id;
                             }),
              "the text table must stay in id order");
static_assert(std::adjacent_find(kTexts.begin(), kTexts.end(),
                                 [](const LocalTextEntry& a, const LocalTextEntry& b) {
                                     return a.id == b.id;
                                 }) == kTexts.end(),
              "every id appears once");

}  // namespace

std::span<const LocalTextEntry> LocalTextTable() {
    return kTexts;
}

}  // namespace vekora
