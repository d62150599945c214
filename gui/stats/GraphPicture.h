#pragma once

#include <string>
#include <vector>

namespace vantorel {

// "vantorel --print graph LEAGUE.div --team NAME [--type progress|top|bottom] [--style bars|lines]
// [--size WxH] --png OUT.png": draws a team's progress graph into a PNG picture without a window. Returns the
// exit code; errors go to standard error.
int PrintGraphPicture(const std::vector<std::string>& words);

} // namespace vantorel
