// The folders of the host agreement scenarios (agreement_checks.sh), made by
// kovlo-gtk-probe: pictures whose every part is told apart, so that a view
// off by one pixel, a turn the wrong way or a scale rounded differently shows.
#pragma once

#include <string>

// Makes DIR/ with the scenario's files; false for an unknown kind.
//   photo     one 1200x900 photograph-like picture (reduced to fit)
//   tall      one 600x900 picture with distinct quadrants (for a quarter turn)
//   one       one 1x1 picture
//   panorama  one 3000x240 photograph-like picture
//   broken    a text file named .jpg (the "cannot open" line)
bool MakeScenarioFolder(const std::string &dir, const std::string &kind);
