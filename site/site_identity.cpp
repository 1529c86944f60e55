#include "site/site_identity.hpp"

#include <array>
#include <string>

#include "app/addresses.hpp"
#include "app/prompts.hpp"
#include "rt/console.hpp"
#include "rt/process.hpp"
#include "rt/text.hpp"

namespace zemlar::SiteIdentity {

namespace {

struct NamingRule {
  std::string_view pattern;
  std::string_view linkPrefix;
};

// Tried in this order; the first whose pattern occurs applies.
constexpr std::array<NamingRule, 3> kNamingRules = {{
    {"www.", "http://www."},
    {"http.", "http://"},
    {"https.", "https://"},
}};

constexpr std::string_view kProgramSuffix = ".exe";

// The trimmed name without a final ".exe" (any letter case), lower-cased. A name
// typed without ".exe" keeps all of its characters.
std::string workingText(std::string_view invocationName) {
  std::string name = lcase(trim(invocationName));
  if (name.ends_with(kProgramSuffix)) name.resize(name.size() - kProgramSuffix.size());
  return name;
}

const NamingRule* applyingRule(std::string_view text) {
  for (const NamingRule& rule : kNamingRules)
    if (instr(1, text, rule.pattern) > 0) return &rule;
  return nullptr;
}

}  // namespace

std::optional<SiteLink> derive(std::string_view invocationName) {
  const std::string text = workingText(invocationName);
  const NamingRule* rule = applyingRule(text);
  if (rule == nullptr) return std::nullopt;
  const size_t last = text.rfind(rule->pattern);
  const std::string site = text.substr(last + rule->pattern.size());
  if (site.empty()) return std::nullopt;  // a bare prefix names no site
  return SiteLink{std::string(rule->linkPrefix) + site,
                  trim(text.substr(last)) + std::string(kProgramSuffix)};
}

void run(RunState& state) {
  const std::optional<SiteLink> site = derive(invocationName());
  if (!site) showRenamingInstructions();
  Console::print(site->link, Sep::EndLine);
  Console::print(site->siteProgramName, Sep::EndLine);
  Console::endLine();
  state.site = *site;
}

void showRenamingInstructions() {
  const std::string examples =
      "new program name begins with www...(like " + std::string(addresses::kExampleWww) +
      "), http...(like " + std::string(addresses::kExampleHttp) + ", or https...(like " +
      std::string(addresses::kExampleHttps) + ")";
  const std::string info = "Info: " + std::string(addresses::kMakerPage);
  const std::array<std::string_view, 9> lines = {
      "",
      "----------------------------",
      "The program creates web link to (your) website, which is summarized from the program "
      "name.",
      "Therefore, you must rename the program according to the name of (your) website, but the "
      "condition is that the",
      examples,
      "BE CAREFUL AND COPY AND RENAME THE PROGRAM ACCORDING TO THE INSTRUCTIONS!",
      info,
      "----------------------------",
      "",
  };
  for (const std::string_view line : lines) Console::print(line, Sep::EndLine);
  AckEndPrompt();
}

}  // namespace zemlar::SiteIdentity
