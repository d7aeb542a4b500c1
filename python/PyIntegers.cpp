#include "python/PyIntegers.h"

#include <cstring>

namespace {

bool isBoolean(const py::handle& value) {
  if (PyBool_Check(value.ptr())) return true;
  // numpy.bool_ (numpy.bool from numpy 2), without importing numpy.
  const char* name = Py_TYPE(value.ptr())->tp_name;
  return std::strcmp(name, "numpy.bool_") == 0 || std::strcmp(name, "numpy.bool") == 0;
}

}  // namespace

long long integerArgument(const py::handle& value, long long low, long long high, const std::string& what,
                          const std::string& wanted) {
  if (!PyIndex_Check(value.ptr()) || isBoolean(value)) {
    throw py::type_error(what + " must be " + wanted + ", not " +
                         std::string(py::str(py::type::handle_of(value).attr("__name__"))));
  }
  const py::object number = py::reinterpret_steal<py::object>(PyNumber_Index(value.ptr()));
  if (!number) throw py::error_already_set();
  int overflow = 0;
  const long long result = PyLong_AsLongLongAndOverflow(number.ptr(), &overflow);
  if (overflow != 0 || result < low || result > high) {
    throw py::value_error(what + " must be " + wanted + ", not " +
                          (overflow != 0 ? std::string("a number that large") : std::to_string(result)));
  }
  return result;
}
