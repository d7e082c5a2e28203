#pragma once

#include "date_time.h"

#include <string>
#include <variant>

// Empty (the start state, 0 in arithmetic), Number, Date or Text.
using CalcValue = std::variant<std::monostate, double, DateTime, std::string>;

// An operand met by Number-mode arithmetic: texts by their leading number, dates by their serial.
double NumberOf(const CalcValue& value);

// An operand used as a date: empty when it is none (a difference text, a Number out of range).
std::optional<DateTime> ReadAsDateTime(const CalcValue& value);
