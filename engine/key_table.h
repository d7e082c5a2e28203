#pragma once

#include <array>
#include <cstddef>
#include <string_view>

using ButtonIndex = int;

inline constexpr std::size_t kKeyCount = 23;

struct KeyRow {
    std::string_view Number;
    std::string_view Date;
    std::string_view Time;
    bool NumberOnly;  // enabled in "Number" mode only
};

// The pad, by ButtonIndex. What a key does follows from its caption, never from its index.
inline constexpr std::array<KeyRow, kKeyCount> kKeyTable{{
    {"Backspace", "Backspace", "Backspace", false},  // 0
    {"CE", "CE", "CE", false},                       // 1
    {"C", "C", "C", false},                          // 2
    {"7", "7", "7", false},                          // 3
    {"8", "8", "8", false},                          // 4
    {"9", "9", "9", false},                          // 5
    {"/", "/", "/", true},                           // 6
    {"sqrt", "sqrt", "sqrt", true},                  // 7
    {"4", "4", "4", false},                          // 8
    {"5", "5", "5", false},                          // 9
    {"6", "6", "6", false},                          // 10
    {"X", "Dif", "Dif", false},                      // 11
    {"%", "%", "%", true},                           // 12
    {"1", "1", "1", false},                          // 13
    {"2", "2", "2", false},                          // 14
    {"3", "3", "3", false},                          // 15
    {"-", "Sub", "Sub", false},                      // 16
    {"1/x", "1/x", "1/x", true},                     // 17
    {"0", "0", "0", false},                          // 18
    {"+/-", "+/-", "+/-", false},                    // 19
    {".", "/", ":", false},                          // 20
    {"+", "Add", "Add", false},                      // 21
    {"=", "=", "=", false},                          // 22
}};

inline constexpr std::string_view kNumberMode = "Number";
inline constexpr std::string_view kDateMode = "Date";
inline constexpr std::string_view kTimeMode = "Time";
