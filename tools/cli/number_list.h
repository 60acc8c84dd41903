#pragma once
// Lists of whole numbers on the command line: "20", "20,21,22", "20-39" and
// mixtures such as "0,5-7". Used for several ports at once and for entries.

#include <CLI/CLI.hpp>

#include <string>
#include <vector>

namespace cli {

// The numbers in the order given, each in [low, high] and named once; ""
// on success, otherwise what is wrong ("Zahl 1..256 erwartet, nicht 300").
std::string ParseNumberList(const std::string& text, int low, int high, std::vector<int>& numbers);
CLI::Validator NumberList(int low, int high);

}  // namespace cli
