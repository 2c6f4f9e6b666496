#include "device/KeyLabels.h"

#include <array>

namespace vekora {
namespace {

struct LabelPair {
    int code;
    std::wstring_view label;
};

constexpr LabelPair kLabels[] = {
    {4, L"A"},      {5, L"B"},      {6, L"C"},       {7, L"D"},          {8, L"E"},
    {9, L"F"},      {10, L"G"},     {11, L"H"},      {12, L"I"},         {13, L"J"},
    {14, L"K"},     {15, L"L"},     {16, L"M"},      {17, L"N"},         {18, L"O"},
    {19, L"P"},     {20, L"Q"},     {21, L"R"},      {22, L"S"},         {23, L"T"},
    {24, L"U"},     {25, L"V"},     {26, L"W"},      {27, L"X"},         {28, L"Y"},
    {29, L"Z"},     {30, L"1"},     {31, L"2"},      {32, L"3"},         {33, L"4"},
    {34, L"5"},     {35, L"6"},     {36, L"7"},      {37, L"8"},         {38, L"9"},
    {39, L"0"},     {40, L"Enter"}, {41, L"Esc"},    {42, L"Backspace"}, {43, L"Tab"},
    {44, L"Space"}, {45, L"-"},     {46, L"="},      {47, L"["},         {48, L"]"},
    {49, L"||"},    {51, L";"},     {52, L"'"},      {53, L"`~"},        {54, L",<"},
    {55, L".>"},    {56, L"/?"},    {57, L"Caps"},   {58, L"F1"},        {59, L"F2"},
    {60, L"F3"},    {61, L"F4"},    {62, L"F5"},     {63, L"F6"},        {64, L"F7"},
    {65, L"F8"},    {66, L"F9"},    {67, L"F10"},    {68, L"F11"},       {69, L"F12"},
    {70, L"PrtSc"}, {71, L"ScrLk"}, {72, L"Pause"},  {73, L"Ins"},       {74, L"Home"},
    {75, L"PgUp"},  {76, L"Del"},   {77, L"End"},    {78, L"PgDn"},      {79, L"Right"},
    {80, L"Left"},  {81, L"Down"},  {82, L"Up"},     {83, L"Num"},       {84, L"/"},
    {85, L"*"},     {86, L"-"},     {87, L"+"},      {88, L"Enter"},     {89, L"1"},
    {90, L"2"},     {91, L"3"},     {92, L"4"},      {93, L"5"},         {94, L"6"},
    {95, L"7"},     {96, L"8"},     {97, L"9"},      {98, L"0"},         {99, L"."},
    {101, L"App"},  {175, L"Fn"},   {224, L"Ctrl"},  {225, L"Shift"},    {226, L"Alt"},
    {227, L"Win"},  {228, L"Ctrl"}, {229, L"Shift"}, {230, L"Alt"},      {231, L"Win"},
};

constexpr auto kByCode = [] {
    std::array<std::wstring_view, 256> t{};
    for (const LabelPair& p : kLabels)
        t[static_cast<std::size_t>(p.code)] = p.label;
    return t;
}();

}  // namespace

std::wstring_view KeyLabelOf(int keyCode) {
    if (keyCode < 0 || keyCode >= static_cast<int>(kByCode.size()))
        return {};
    return kByCode[static_cast<std::size_t>(keyCode)];
}

bool IsKeyLabel(std::wstring_view text) {
    if (text.empty())
        return false;
    for (const LabelPair& p : kLabels) {
        if (p.label == text)
            return true;
    }
    return false;
}

}  // namespace vekora
