#pragma once
// Integers given by Python: int and numpy's integer types alike, but never
// a bool (True as "up", as a seed or as a setting is surely a mistake).

#include <pybind11/pybind11.h>

#include <string>

namespace py = pybind11;

// The value of an integer argument within low..high. Raises TypeError,
// naming `what` and `wanted`, for anything that is not an integer, and
// ValueError outside the range.
long long integerArgument(const py::handle& value, long long low, long long high, const std::string& what,
                          const std::string& wanted);
