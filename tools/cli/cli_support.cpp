#include "cli_support.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <regex>

namespace cli {
namespace {

// Lists a command with its arguments ("mem-read ADRESSE GROESSE"), so the
// overview shows how each one is called; optional ones in brackets.
class HelpFormatter : public CLI::Formatter {
 public:
  std::string make_subcommand(const CLI::App* sub) const override {
    std::string name = sub->get_display_name();
    for (const CLI::Option* argument :
         sub->get_options([](const CLI::Option* option) { return option->get_positional(); })) {
      const std::string shown = argument->get_name();
      name += argument->get_required() ? " " + shown : " [" + shown + "]";
    }
    std::stringstream out;
    CLI::detail::format_help(out, name, sub->get_description(), get_column_width());
    return out.str();
  }
};

// CLI11 words its own complaints in English; these are the ones a user meets.
std::string InGerman(const CLI::ParseError& error) {
  static const struct {
    std::regex pattern;
    const char* german;
  } kTranslations[] = {
      {std::regex("^(\\S+) is required$"), "$1 fehlt"},
      {std::regex("^(\\S+): \\d+ required .* missing$"), "$1 braucht einen Wert"},
      {std::regex("^(\\S+) excludes (\\S+)$"), "$1 und $2 schließen einander aus"},
      {std::regex("^Option (\\S+) .*expected.*$"), "$1: falsche Anzahl Werte"},
      {std::regex("^(\\S+): At Most 1 required but received \\d+$"), "$1 nur einmal angeben"},
  };
  const std::string text = error.what();
  for (const auto& translation : kTranslations) {
    if (std::regex_match(text, translation.pattern)) {
      return std::regex_replace(text, translation.pattern, translation.german);
    }
  }
  return text;
}

// What is left over after parsing: an unknown command, option or argument.
int Leftover(const CLI::App& app, const std::vector<std::string>& extra) {
  const std::string& first = extra.front();
  if (first.rfind("-", 0) == 0 && first.size() > 1) return UsageError(app, "unbekannte Option " + first);
  const auto commands = app.get_subcommands([](const CLI::App*) { return true; });
  if (commands.empty() || !app.get_subcommands().empty()) {
    return UsageError(app, "unerwartetes Argument " + first);
  }
  std::vector<std::string> names;
  for (const CLI::App* command : commands) names.push_back(command->get_name());
  return UsageError(app, "unbekannter Befehl " + first + " (meinten Sie " + Nearest(first, names) + "?)");
}

// Bounds of numbers that may be given in hexadecimal: 0..9 read the same.
std::string HexText(long long value) {
  if (value >= 0 && value <= 9) return std::to_string(value);
  char text[32];
  std::snprintf(text, sizeof text, value < 0 ? "-0x%llX" : "0x%llX",
                static_cast<unsigned long long>(value < 0 ? -value : value));
  return text;
}

}  // namespace

void Prepare(CLI::App& app, const std::string& version, const std::string& helpExample) {
  auto formatter = std::make_shared<HelpFormatter>();
  formatter->label("Usage", "Aufruf");
  formatter->label("OPTIONS", "OPTIONEN");
  formatter->label("SUBCOMMAND", "BEFEHL");
  formatter->label("SUBCOMMANDS", "BEFEHLE");
  formatter->label("Positionals", "Argumente");
  formatter->column_width(34);
  app.formatter(formatter);
  // Group names head the lists of options and commands; commands inherit them.
  app.option_defaults()->group("Optionen");
  app.group("Befehle");
  const std::string program = app.get_name();
  app.set_help_flag("-h,--help", "diese Hilfe\nBeispiel: " + helpExample);
  app.set_version_flag("--version", program + " " + version,
                       "Programmversion ausgeben\nBeispiel: " + program + " --version");
  app.allow_extras();
}

int Parse(CLI::App& app, int argc, char** argv) {
  // A command makes its help flag before it takes over the group names.
  for (CLI::App* command : app.get_subcommands([](const CLI::App*) { return true; })) {
    command->get_help_ptr()->group("Optionen");
  }
  try {
    app.parse(argc, argv);
  } catch (const CLI::Success& done) {  // --help or --version
    app.exit(done);
    return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
  } catch (const CLI::ParseError& error) {
    return UsageError(app, InGerman(error));
  }
  // CLI11 keeps the "--" that ends the options among the leftovers.
  auto extra = app.remaining(true);
  extra.erase(std::remove(extra.begin(), extra.end(), "--"), extra.end());
  if (!extra.empty()) return Leftover(app, extra);
  const bool hasCommands = !app.get_subcommands([](const CLI::App*) { return true; }).empty();
  if (hasCommands && app.get_subcommands().empty()) return UsageError(app, "kein Befehl angegeben");
  return kGoOn;
}

int UsageError(const CLI::App& app, const std::string& line) {
  std::fprintf(stderr, "%s: %s\nMehr dazu: %s --help\n", app.get_name().c_str(), line.c_str(),
               app.get_name().c_str());
  return kExitUsage;
}

std::string Nearest(const std::string& word, const std::vector<std::string>& candidates) {
  std::string best;
  std::size_t bestDistance = std::string::npos;
  for (const std::string& candidate : candidates) {
    // Edit distance, one row at a time.
    std::vector<std::size_t> row(candidate.size() + 1);
    for (std::size_t j = 0; j < row.size(); ++j) row[j] = j;
    for (std::size_t i = 1; i <= word.size(); ++i) {
      std::size_t diagonal = row[0];
      row[0] = i;
      for (std::size_t j = 1; j <= candidate.size(); ++j) {
        const std::size_t above = row[j];
        row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (word[i - 1] != candidate[j - 1])});
        diagonal = above;
      }
    }
    if (row.back() < bestDistance) {
      bestDistance = row.back();
      best = candidate;
    }
  }
  return best;
}

bool ParseWhole(const std::string& text, long long low, long long high, int base, long long& value) {
  // No blanks or "+" in front: strtoll would skip or take them. A
  // hexadecimal number may begin with a letter ("FFFF").
  const auto first = static_cast<unsigned char>(text.empty() ? ' ' : text[0]);
  const bool digit = base == 16 ? std::isxdigit(first) != 0 : std::isdigit(first) != 0;
  if (!digit && first != '-') return false;
  errno = 0;
  char* end = nullptr;
  const long long parsed = std::strtoll(text.c_str(), &end, base);
  if (*end != '\0' || errno != 0 || parsed < low || parsed > high) return false;
  value = parsed;
  return true;
}

CLI::Validator WholeNumber(long long low, long long high, int base) {
  const std::string range = base == 0 ? HexText(low) + ".." + HexText(high)
                                      : std::to_string(low) + ".." + std::to_string(high);
  return CLI::Validator(
      [=](std::string& text) -> std::string {
        long long ignored = 0;
        return ParseWhole(text, low, high, base, ignored) ? "" : "Zahl " + range + " erwartet, nicht " + text;
      },
      range);
}

CLI::Validator RealNumber(double low, double high, bool lowOpen) {
  return CLI::Validator(
      [=](std::string& text) -> std::string {
        char* end = nullptr;
        const double value = text.empty() ? NAN : std::strtod(text.c_str(), &end);
        const bool inRange = (lowOpen ? value > low : value >= low) && value <= high;
        if (!text.empty() && *end == '\0' && inRange && !std::isspace(static_cast<unsigned char>(text[0]))) {
          return "";
        }
        char range[64];
        std::snprintf(range, sizeof range, lowOpen ? "über %g bis %g" : "%g..%g", low, high);
        return std::string("Zahl ") + range + " erwartet, nicht " + text;
      },
      "");
}

CLI::Validator Checked(const std::string& name, std::function<std::string(const std::string&)> check) {
  return CLI::Validator([check](std::string& text) { return check(text); }, name);
}

}  // namespace cli
