// The curve records of the embedded line, in text order.
#pragma once

#include <string>
#include <vector>

namespace progetto1 {

std::vector<std::string> righe_curve_corsanta();

}  // namespace progetto1
