// The console tool's record lines: tab-separated fields that keep their places.
#pragma once
#include <initializer_list>
#include <string>
#include <string_view>

// Joins the fields with tabs. An empty field still takes its place, so a reader that splits the
// line at tabs always finds the same number of fields.
std::string JoinFields(std::initializer_list<std::string_view> fields);
