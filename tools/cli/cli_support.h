#pragma once
// What velt1ctl and velt1-sim share on their command lines: German help with
// an example for every option and command, value checks that look at the
// text before anything is converted, and a usage error as one line with a
// pointer to --help. Exit codes: 0 success, help or version; 2 wrong usage.

#include <CLI/CLI.hpp>

#include <functional>
#include <string>
#include <vector>

namespace cli {

constexpr int kExitUsage = 2;
constexpr int kGoOn = -1;

// Help labels in German, the help and version flags (the help's own example
// given), and the help layout that shows a command's arguments beside its
// name. Called before options and commands are added.
void Prepare(CLI::App& app, const std::string& version, const std::string& helpExample);

// Parses the arguments. kGoOn when the program should run; otherwise the
// exit code, after the help, the version or a usage error has been printed.
// Arguments nobody took are a usage error; an unknown command is named with
// the nearest known one.
int Parse(CLI::App& app, int argc, char** argv);

// Prints "<program>: <line>" and the pointer to --help; returns 2.
int UsageError(const CLI::App& app, const std::string& line);

// The candidate with the fewest single-character edits from `word`.
std::string Nearest(const std::string& word, const std::vector<std::string>& candidates);

// A whole number in [low, high], in the base (16: "FFFF"), or with base 0 also "0x..." (and
// a leading 0 for octal). The text is checked, then converted.
bool ParseWhole(const std::string& text, long long low, long long high, int base, long long& value);
CLI::Validator WholeNumber(long long low, long long high, int base = 10);

// A real number with low < x <= high (lowOpen) or low <= x <= high; NaN and
// infinities fail.
CLI::Validator RealNumber(double low, double high, bool lowOpen);

// Any text the check accepts; the check returns "" or what is wrong.
CLI::Validator Checked(const std::string& name, std::function<std::string(const std::string&)> check);

}  // namespace cli
