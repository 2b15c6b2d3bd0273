// The console tool's record lines: tab-separated fields that keep their places.
#pragma once
#include <string>
#include <string_view>
#include <vector>

// Joins the fields with tabs. An empty field still takes its place, so a reader that splits the
// line at tabs always finds the same number of fields.
std::string JoinFields(const std::vector<std::string_view>& fields);
