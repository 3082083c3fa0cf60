#include "preview/sizebox.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

using namespace preview;

TEST(SizeBoxReader, ReadsTheLeadingNumber) {
  struct Row {
    const wchar_t* text;
    double value;
  };
  const Row rows[] = {
      {L"", 0},          {L".", 0},          {L"12.5", 12.5},     {L"1.2.3", 1.2},   {L"009", 9},
      {L"12.", 12},      {L".5", 0.5},       {L"-3", -3},         {L"+4", 4},        {L"abc", 0},
      {L"12abc", 12},    {L" 1 2 ", 12},     {L"\t1\n2", 12},     {L"- 3", -3},      {L"1E2", 100},
      {L"1e-2", 0.01},   {L"2E+1", 20},      {L"1E", 1},          {L"1E+", 1},       {L"1E2.5", 100},
      {L"&H1F", 31},     {L"&h1f", 31},      {L"&O17", 15},       {L"&O78", 7},      {L"&H", 0},
      {L"&", 0},         {L"&X12", 0},       {L"&HG", 0},         {L"1/2", 1},       {L"-", 0},
      {L"1 E 2", 100},   {L"\uFF11", 0},  // a full-width digit is not a digit here
  };
  for (const Row& r : rows) EXPECT_DOUBLE_EQ(ReadNumber(r.text), r.value) << testing::PrintToString(std::wstring(r.text));
}

TEST(SizeBoxReader, ExponentsBeyondTheDoubleRangeSaturate) {
  EXPECT_EQ(ReadNumber(L"1E999"), std::numeric_limits<double>::infinity());
  EXPECT_EQ(ReadNumber(L"-1E999"), -std::numeric_limits<double>::infinity());
  EXPECT_EQ(ReadNumber(L"1E-999"), 0);
  EXPECT_EQ(ToSingle(1e300), std::numeric_limits<float>::infinity());
  EXPECT_EQ(ToSingle(-1e300), -std::numeric_limits<float>::infinity());
}

TEST(SizeBoxWriter, WritesTheShortestFormOfTheSingle) {
  struct Row {
    float value;
    const wchar_t* text;
  };
  const Row rows[] = {
      {9, L"9"},           {460, L"460"},        {10.5f, L"10.5"},        {0.5f, L"0.5"},
      {1.2f, L"1.2"},      {12, L"12"},          {0.1f, L"0.1"},          {123.456f, L"123.456"},
      {1.0000001f, L"1"},  {33.33333f, L"33.33333"}, {1e-6f, L"1E-06"},   {0.0001f, L"0.0001"}, {1e-5f, L"0.00001"},
      {1.5e7f, L"1.5E+07"}, {1234567, L"1234567"}, {12345678, L"1.234568E+07"}, {-2.5f, L"-2.5"},
      {459.9999f, L"459.9999"},
  };
  for (const Row& r : rows) EXPECT_EQ(FormatSize(r.value), r.text) << r.value;
}

TEST(SizeBox, EnterAppliesWhatTheTextGives) {
  struct Row {
    const wchar_t* text;
    float size;
    const wchar_t* shown;
  };
  const Row rows[] = {
      {L"", 9, L"9"},          {L"0", 9, L"9"},        {L"-3", 9, L"9"},      {L"abc", 9, L"9"},
      {L"461", 460, L"460"},   {L"460", 460, L"460"},  {L"0.5", 0.5f, L"0.5"}, {L"12.", 12, L"12"},
      {L"009", 9, L"9"},       {L"1.2.3", 1.2f, L"1.2"}, {L" 1 2 ", 12, L"12"}, {L"&H1F", 31, L"31"},
      {L"1E2", 100, L"100"},   {L"1E999", 460, L"460"}, {L"-1E999", 9, L"9"},  {L"1E-99", 9, L"9"},
      {L".", 9, L"9"},         {L"99999", 460, L"460"},
  };
  for (const Row& r : rows) {
    const float size = SizeFromText(r.text);
    EXPECT_EQ(size, r.size) << testing::PrintToString(std::wstring(r.text));
    EXPECT_EQ(FormatSize(size), r.shown) << testing::PrintToString(std::wstring(r.text));
  }
  EXPECT_EQ(ClampSize(std::numeric_limits<float>::quiet_NaN()), 9);
}

TEST(SizeBox, OnlyDigitsAndThePointAreTyped) {
  struct Row {
    int c, result;
  };
  const Row rows[] = {
      {'0', '0'}, {'9', '9'}, {'.', '.'}, {8, 8},   {13, 13},  // Backspace and Enter pass
      {'/', 0},   {'-', 0},   {'+', 0},   {' ', 0}, {'a', 0},  {'E', 0}, {'&', 0}, {':', 0},
      {22, 0},    {3, 0},     {24, 0},    {26, 0},             // Ctrl+V, Ctrl+C, Ctrl+X, Ctrl+Z
      {0x3042, 0},
  };
  for (const Row& r : rows) EXPECT_EQ(FilterSizeKey(r.c), r.result) << r.c;
}
