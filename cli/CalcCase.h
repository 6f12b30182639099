#pragma once
// One case of the command-line calculator: a JSON object describing what a user types and
// answers in a new calculation window, and the JSON object of what the window then shows.

#include <string>

#include <nlohmann/json.hpp>

namespace taldor::cli {

using Json = nlohmann::ordered_json;

// Answers one input line. Never throws: a line that is not an object of the right shape is
// answered with {"error": {"message": ...}}.
Json AnswerLine(const std::string& line, bool withSeries);

}  // namespace taldor::cli
